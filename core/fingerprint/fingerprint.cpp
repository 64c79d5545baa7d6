// Reading a picture file, decoding it, cutting a uniform border and measuring the tone grid.
#include "core/fingerprint/fingerprint.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <exception>

#include "core/files/paths.h"
#include "core/fingerprint/bmp_decoder.h"
#include "core/fingerprint/exif_orientation.h"
#include "core/fingerprint/gif_decoder.h"
#include "core/fingerprint/jpeg_decoder.h"
#include "core/fingerprint/modern_decoders.h"

namespace vl {

namespace {

// Files larger than this are not read as pictures.
constexpr uint64_t MaxPictureFileBytes = uint64_t(1) << 31;
// Per-thread buffers bigger than this are released after use rather than kept.
constexpr size_t KeptBufferBytes = size_t(64) << 20;

// The part of the working bitmap that is sampled.
struct Rect {
  int left, top, width, height;
};

// Reads a whole regular file into `buffer`; false when it cannot be read (then
// `unreadable` is set), is too large or is no regular file. The open never waits on a
// FIFO or device: the type is checked on the open descriptor.
bool readWholeFile(const std::string& fileName, std::vector<uint8_t>& buffer, bool& unreadable) {
  const int fd = ::open(fileName.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
  unreadable = fd < 0;
  if (fd < 0) return false;
  struct stat st {};
  unreadable = ::fstat(fd, &st) != 0;
  bool ok = !unreadable && S_ISREG(st.st_mode) && uint64_t(st.st_size) <= MaxPictureFileBytes;
  if (ok) buffer.resize(size_t(st.st_size));
  size_t done = 0;
  while (ok && done < buffer.size()) {
    const ssize_t n = ::read(fd, buffer.data() + done, buffer.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) ok = false, unreadable = true;
    else done += size_t(n);
  }
  ::close(fd);
  return ok;
}

template <typename Buffer>
void releaseIfLarge(Buffer& buffer) {
  if (buffer.capacity() * sizeof(typename Buffer::value_type) > KeptBufferBytes) Buffer().swap(buffer);
}

// The first position from `from` stepping by `step` (towards `to`, exclusive) whose
// pixel differs from c, or `to` when none does.
int firstDiffering(const WorkBitmap& b, uint32_t c, bool alongColumn, int fixed, int from, int to, int step) {
  for (int i = from; i != to; i += step)
    if ((alongColumn ? b.at(fixed, i) : b.at(i, fixed)) != c) return i;
  return to;
}

bool equalAt(const WorkBitmap& b, uint32_t c, int x1, int y1, int x2, int y2) {
  return b.at(x1, y1) == c && b.at(x2, y2) == c;
}

// The rectangle left after cutting a uniform border of colour c, or the whole bitmap
// when the corners differ, the cut is impossible, not confirmed, or would be empty.
Rect borderCut(const WorkBitmap& b) {
  const int w = b.width, h = b.height;
  const Rect whole{0, 0, w, h};
  const uint32_t c = b.at(0, 0);
  if (b.at(w - 1, 0) != c || b.at(0, h - 1) != c || b.at(w - 1, h - 1) != c) return whole;
  int top = firstDiffering(b, c, true, w / 2, 0, h, 1);
  int bottom = firstDiffering(b, c, true, w / 2, h - 1, -1, -1);
  int left = firstDiffering(b, c, false, h / 2, 0, w, 1);
  int right = firstDiffering(b, c, false, h / 2, w - 1, -1, -1);
  if (top > 0) --top;
  if (bottom < h - 1) ++bottom;
  if (left > 0) --left;
  if (right < w - 1) ++right;
  if (bottom < top || right < left) return whole;
  const int x20 = int(w * 0.2), x80 = int(w * 0.8), y20 = int(h * 0.2), y80 = int(h * 0.8);
  if (top >= 1 && !equalAt(b, c, x20, top, x80, top)) return whole;
  if (bottom < h - 1 && !equalAt(b, c, x20, bottom, x80, bottom)) return whole;
  if (left >= 1 && !equalAt(b, c, left, y20, left, y80)) return whole;
  if (right < w - 1 && !equalAt(b, c, right, y20, right, y80)) return whole;
  // A cut leaving no column or no row would sample pixels that do not exist.
  if (right == left || bottom == top) return whole;
  return Rect{left, top, right - left, bottom - top};
}

// The part of the bitmap a verified print describes: what the border cut leaves,
// unless that is less than a quarter of a side (content of a shape that fools the
// cut's checks, or a small mark on a blank page), then the whole bitmap. O(W + H).
Rect verifiedCut(const WorkBitmap& b) {
  const Rect cut = borderCut(b);
  return cut.width * 4 < b.width || cut.height * 4 < b.height ? Rect{0, 0, b.width, b.height} : cut;
}

bool decode(const uint8_t* data, size_t size, PictureType type, WorkBitmap& bitmap, int32_t& width,
            int32_t& height, bool withChroma) {
  switch (type) {
    case PictureType::Jpeg: return DecodeJpeg(data, size, bitmap, width, height, withChroma);
    case PictureType::Bmp:
      if (!DecodeBmp(data, size, bitmap)) return false;
      break;
    case PictureType::Gif:
      if (!DecodeGif(data, size, bitmap)) return false;
      break;
    case PictureType::Icon:
    case PictureType::Metafile:
    case PictureType::None: return false;  // icons and metafiles are not rendered
    default:
      if (!DecodeFullColour(data, size, type, bitmap)) return false;
  }
  width = bitmap.width;
  height = bitmap.height;
  return true;
}

// The orientation (0 to 7) that turns the decoded picture into the one its tag shows.
// HEIF decoding applies the rotation and mirror boxes itself (they overrule an EXIF
// tag inside the file, which is left alone). libtiff's reader turns a TIFF upright
// for tags 2 to 4, and for tags 5 to 8 mirrors it so that only a swap of rows and
// columns (tags 5 and 7) or a half turn and that swap (tags 6 and 8) remain.
int orientationOf(const uint8_t* data, size_t size, PictureType type) {
  static constexpr int TiffRemainder[9] = {0, 0, 0, 0, 0, 4, 7, 4, 7};
  if (type == PictureType::Jpeg) return OrientationOfTag(JpegOrientationTag(data, size));
  return type == PictureType::Tiff ? TiffRemainder[TiffOrientationTag(data, size)] : 0;
}

}  // namespace

void ToneCodes(TFingerprint& greys) {
  int minimum = 256, maximum = 0, sum = 0;
  for (uint8_t v : greys) {
    minimum = std::min<int>(minimum, v);
    maximum = std::max<int>(maximum, v);
    sum += v;
  }
  const int avg = sum / 100;
  const int mid = minimum + (maximum - minimum) / 2;
  int lo, hi;
  if (mid <= avg) {
    hi = avg + (maximum - avg) / 2;
    lo = 2 * avg - hi;
  } else {
    lo = minimum + (avg - minimum) / 2;
    hi = 2 * avg - lo;
  }
  for (uint8_t& v : greys) v = v < lo ? 0 : v < avg ? 1 : v < hi ? 2 : 3;
}

PictureType PictureTypeOf(const std::string& fileName) {
  const std::string ext = UpperAscii(ExtensionOf(fileName));
  if (ext == ".BMP") return PictureType::Bmp;
  if (ext == ".JPG" || ext == ".JPEG") return PictureType::Jpeg;
  if (ext == ".GIF") return PictureType::Gif;
  if (ext == ".ICO") return PictureType::Icon;
  if (ext == ".EMF" || ext == ".WMF") return PictureType::Metafile;
  if (ext == ".PNG") return PictureType::Png;
  if (ext == ".TIF" || ext == ".TIFF") return PictureType::Tiff;
  if (ext == ".WEBP") return PictureType::Webp;
  if (ext == ".HEIC" || ext == ".HEIF" || ext == ".AVIF") return PictureType::Heif;
  return PictureType::None;
}

bool IsDecodedType(PictureType type) {
  return type != PictureType::None && type != PictureType::Icon && type != PictureType::Metafile;
}

bool DecodeFullColour(const uint8_t* data, size_t size, PictureType type, WorkBitmap& bitmap) {
  switch (type) {
    case PictureType::Png: return DecodePng(data, size, bitmap);
    case PictureType::Tiff: return DecodeTiff(data, size, bitmap);
    case PictureType::Webp: return DecodeWebp(data, size, bitmap);
    case PictureType::Heif: return DecodeHeif(data, size, bitmap);
    default: return false;
  }
}

TFingerprint FingerprintOfBitmap(const WorkBitmap& bitmap) {
  const Rect r = borderCut(bitmap);
  TFingerprint grid{};
  for (int gy = 0; gy < GridHeight; ++gy) {
    const int sy = r.top + int((2 * gy + 1) * int64_t(r.height) / (2 * GridHeight));
    for (int gx = 0; gx < GridWidth; ++gx) {
      const int sx = r.left + int((2 * gx + 1) * int64_t(r.width) / (2 * GridWidth));
      grid[size_t(gx * GridHeight + gy)] = uint8_t(bitmap.greyAt(sx, sy));
    }
  }
  ToneCodes(grid);
  return grid;
}

VerifiedPrint VerifiedPrintOfBitmap(const WorkBitmap& bitmap, double lastColumnShare, double lastRowShare) {
  const Rect r = verifiedCut(bitmap);
  VerifiedPrint print;
  SignatureOfBitmap(bitmap, r.left, r.top, r.width, r.height, print.grid, print.signature, lastColumnShare,
                    lastRowShare);
  return print;
}

bool MakeFingerprintFromMemory(const uint8_t* data, size_t size, PictureType type, TFingerprint& fingerprint,
                               int32_t& width, int32_t& height, VerifiedPrint* verified) {
  thread_local WorkBitmap bitmap;
  bool ok = false;
  try {
    ok = decode(data, size, type, bitmap, width, height, verified != nullptr);
    if (ok) fingerprint = FingerprintOfBitmap(bitmap);
    if (ok && verified != nullptr) {
      // At a reduced scale a JPEG's last column and row are the means of partial blocks.
      const int scale = type == PictureType::Jpeg ? JpegScaleDenominator(width, height) : 1;
      const auto lastShare = [scale](int full, int decoded) { return double(full - (decoded - 1) * scale) / scale; };
      *verified = VerifiedPrintOfBitmap(bitmap, lastShare(width, bitmap.width), lastShare(height, bitmap.height));
      verified->orientation = orientationOf(data, size, type);
    }
  } catch (const std::exception&) {
    ok = false;  // out of memory for a huge picture
  }
  releaseIfLarge(bitmap.pixels);
  releaseIfLarge(bitmap.chroma);
  return ok;
}

bool MakeFingerprint(const std::string& fileName, TFingerprint& fingerprint, int32_t& width, int32_t& height,
                     bool* unreadable, VerifiedPrint* verified) {
  const PictureType type = PictureTypeOf(fileName);
  if (!IsDecodedType(type)) return false;
  thread_local std::vector<uint8_t> file;
  bool ok = false;
  bool failedRead = false;
  try {
    ok = readWholeFile(fileName, file, failedRead) &&
         MakeFingerprintFromMemory(file.data(), file.size(), type, fingerprint, width, height, verified);
  } catch (const std::exception&) {
    ok = false;
  }
  releaseIfLarge(file);
  if (unreadable != nullptr) *unreadable = failedRead;
  return ok;
}

}  // namespace vl

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
#include "core/fingerprint/raw_decoder.h"

namespace vl {

namespace {

// Per-thread buffers bigger than this are released after use rather than kept.
constexpr size_t KeptBufferBytes = size_t(64) << 20;

// Reads a whole regular file into `buffer`, holding its size from the budget first;
// false when it cannot be read (then `unreadable` is set), is too large, is no regular
// file or the wait for memory was cancelled. The open never waits on a FIFO or
// device: the type is checked on the open descriptor.
bool readWholeFile(const std::string& fileName, std::vector<uint8_t>& buffer, bool& unreadable, BudgetHold& hold) {
  const int fd = ::open(fileName.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
  unreadable = fd < 0;
  if (fd < 0) return false;
  struct stat st {};
  unreadable = ::fstat(fd, &st) != 0;
  bool ok = !unreadable && S_ISREG(st.st_mode) && uint64_t(st.st_size) <= MaxPictureFileBytes &&
            hold.resize(uint64_t(st.st_size));
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

// The lines at 20 % and 80 % of each side that confirm a border cut.
struct CutLines {
  int x20, x80, y20, y80;
  CutLines(int w, int h) : x20(int(w * 0.2)), x80(int(w * 0.8)), y20(int(h * 0.2)), y80(int(h * 0.8)) {}
};

// Pixels: a WorkBitmap, or SampledPixels keeping the rows and columns cutRows and
// cutColumns name. The first position from `from` stepping by `step` (towards `to`,
// exclusive) whose pixel differs from c, or `to` when none does.
template <typename Pixels>
int firstDiffering(const Pixels& b, uint32_t c, bool alongColumn, int fixed, int from, int to, int step) {
  for (int i = from; i != to; i += step)
    if ((alongColumn ? b.at(fixed, i) : b.at(i, fixed)) != c) return i;
  return to;
}

template <typename Pixels>
bool equalAt(const Pixels& b, uint32_t c, int x1, int y1, int x2, int y2) {
  return b.at(x1, y1) == c && b.at(x2, y2) == c;
}

// The rectangle left after cutting a uniform border of colour c, or the whole bitmap
// when the corners differ, the cut is impossible, not confirmed, or would be empty.
template <typename Pixels>
PixelRect borderCut(const Pixels& b) {
  const int w = b.width, h = b.height;
  const PixelRect whole{0, 0, w, h};
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
  const CutLines at(w, h);
  if (top >= 1 && !equalAt(b, c, at.x20, top, at.x80, top)) return whole;
  if (bottom < h - 1 && !equalAt(b, c, at.x20, bottom, at.x80, bottom)) return whole;
  if (left >= 1 && !equalAt(b, c, left, at.y20, left, at.y80)) return whole;
  if (right < w - 1 && !equalAt(b, c, right, at.y20, right, at.y80)) return whole;
  // A cut leaving no column or no row would sample pixels that do not exist.
  if (right == left || bottom == top) return whole;
  return PixelRect{left, top, right - left, bottom - top};
}

// The rows and columns borderCut reads: the corners lie on the first and last rows.
std::vector<int> cutRows(int w, int h) {
  const CutLines at(w, h);
  return {0, at.y20, h / 2, at.y80, h - 1};
}
std::vector<int> cutColumns(int w, int h) {
  const CutLines at(w, h);
  return {at.x20, w / 2, at.x80};
}

// The position of grid cell i of `cells` along `length` pixels from `start`.
int gridPosition(int start, int length, int i, int cells) {
  return start + int((2 * i + 1) * int64_t(length) / (2 * cells));
}

// The part of a w x h picture a verified print describes: what the border cut left,
// unless that is less than a quarter of a side (content of a shape that fools the
// cut's checks, or a small mark on a blank page), then the whole picture. O(1).
PixelRect verifiedCut(const PixelRect& cut, int w, int h) {
  return cut.width * 4 < w || cut.height * 4 < h ? PixelRect{0, 0, w, h} : cut;
}

// The rows the grid samples in the cut `r` of a w x h picture and, with a print,
// the rows the print reads.
std::vector<int> sampledRows(const PixelRect& r, int w, int h, bool withPrint) {
  const PixelRect printed = verifiedCut(r, w, h);
  std::vector<int> rows = withPrint ? SignatureRows(printed.top, printed.height) : std::vector<int>{};
  for (int gy = 0; gy < GridHeight; ++gy) rows.push_back(gridPosition(r.top, r.height, gy, GridHeight));
  return rows;
}

// The 10 x 10 point sample of the rectangle and its tone codes.
template <typename Pixels>
TFingerprint gridOf(const Pixels& bitmap, const PixelRect& r) {
  TFingerprint grid{};
  for (int gy = 0; gy < GridHeight; ++gy) {
    const int sy = gridPosition(r.top, r.height, gy, GridHeight);
    for (int gx = 0; gx < GridWidth; ++gx)
      grid[size_t(gx * GridHeight + gy)] = uint8_t(bitmap.greyAt(gridPosition(r.left, r.width, gx, GridWidth), sy));
  }
  ToneCodes(grid);
  return grid;
}

// The verified grid and signature of the part of a picture verifiedCut leaves of
// its border cut; the shares as SignatureOfBitmap takes them.
template <typename Pixels>
VerifiedPrint printOf(const Pixels& bitmap, const PixelRect& cut, double lastColumnShare, double lastRowShare) {
  const PixelRect r = verifiedCut(cut, bitmap.width, bitmap.height);
  VerifiedPrint print;
  SignatureOfBitmap(bitmap, r.left, r.top, r.width, r.height, print.grid, print.signature, lastColumnShare,
                    lastRowShare);
  return print;
}

// Takes a decoded picture for its fingerprint. A picture of at most wholePixels is
// kept whole. A larger one is probed: the rows and columns the border cut reads and
// the rows the grid and print sample when nothing is cut (most pictures). Only
// when a border is cut does a second decode give the rows sampled within it. The
// memory of either is held from the budget, beside the bytes already held (the file).
class FingerprintSink final : public PixelSink {
 public:
  FingerprintSink(const DecodeControl& control, BudgetHold& hold, WorkBitmap& whole, bool withPrint)
      : control_(control), hold_(hold), fileBytes_(hold.bytes()), whole_(whole), withPrint_(withPrint) {}

  bool reserve(uint64_t bytes) override {
    return bytes <= control_.maxDecodeBytes && hold_.resize(std::max(hold_.bytes(), fileBytes_ + bytes));
  }

  bool begin(const PictureLayout& layout) override {
    const uint64_t pixels = uint64_t(layout.width) * uint64_t(layout.height);
    if (layout.width <= 0 || layout.height <= 0 || pixels > MaxWorkPixels) return false;
    const int w = int(layout.width), h = int(layout.height);
    if (stage_ == Stage::Sampling) {
      if (w != width_ || h != height_) return false;
      sampled_.keep(layout, sampledRows(cut_, w, h, withPrint_), {});
      return true;
    }
    width_ = w;
    height_ = h;
    if (pixels <= control_.wholePixels) {
      stage_ = Stage::Whole;
      return holdForDecode(pixels * sizeof(uint32_t) + layout.libraryBytes) && BitmapSink(whole_).begin(layout);
    }
    stage_ = Stage::Probing;
    const std::vector<int> lines = cutRows(w, h);
    const size_t maxRows = GridHeight + (withPrint_ ? SignatureSamplesPerSide : 0) + lines.size();
    if (!holdForDecode(layout.libraryBytes + SampledPixels::BytesFor(w, h, maxRows, 3))) return false;
    std::vector<int> rows = sampledRows(PixelRect{0, 0, w, h}, w, h, withPrint_);
    rows.insert(rows.end(), lines.begin(), lines.end());
    sampled_.keep(layout, rows, cutColumns(w, h));
    return true;
  }

  void put(int y, int x0, int count, const uint32_t* pixels, int step) override {
    if (stage_ == Stage::Whole) BitmapSink(whole_).put(y, x0, count, pixels, step);
    else sampled_.put(y, x0, count, pixels, step);
  }

  bool keepsRow(int y) const override { return stage_ == Stage::Whole || sampled_.keepsRow(y); }
  const std::vector<int>& keptColumns() const override { return sampled_.keptColumns(); }

  bool startSecondPass() override {
    if (stage_ != Stage::Probing) return false;
    cut_ = borderCut(sampled_);
    const bool whole = cut_.width == width_ && cut_.height == height_;
    stage_ = whole ? Stage::Sampled : Stage::Sampling;
    return !whole;
  }

  // The decoded size.
  int width() const { return width_; }
  int height() const { return height_; }

  TFingerprint fingerprint() const {
    return stage_ == Stage::Whole ? FingerprintOfBitmap(whole_) : gridOf(sampled_, cut_);
  }
  VerifiedPrint print(double lastColumnShare, double lastRowShare) const {
    if (stage_ == Stage::Whole) return VerifiedPrintOfBitmap(whole_, lastColumnShare, lastRowShare);
    return printOf(sampled_, cut_, lastColumnShare, lastRowShare);
  }

 private:
  // Holds the file's bytes and `bytes` for the decode; a decode that needs more than
  // the control's maxDecodeBytes is refused.
  bool holdForDecode(uint64_t bytes) {
    return bytes <= control_.maxDecodeBytes && hold_.resize(fileBytes_ + bytes);
  }

  // Whole: kept whole. Probing: the first decode of a large picture. Sampled: its
  // probe held everything needed. Sampling: the second decode, within the cut.
  enum class Stage { None, Whole, Probing, Sampled, Sampling };
  const DecodeControl& control_;
  BudgetHold& hold_;
  const uint64_t fileBytes_;
  WorkBitmap& whole_;
  const bool withPrint_;
  Stage stage_ = Stage::None;
  int width_ = 0, height_ = 0;
  SampledPixels sampled_;
  PixelRect cut_;
};

// What a decode tells besides the pixels: the picture's full size, the full size of
// what went into the sink and the reduction it was decoded at (a JPEG's, and a raw
// file's preview's, differ from what the sink holds), and the turn that shows it upright.
struct DecodeFacts {
  int32_t width = -1;
  int32_t height = -1;
  int32_t sourceWidth = -1;
  int32_t sourceHeight = -1;
  int scale = 1;
  int orientation = 0;  // known here for raw files only (see orientationOf)
};

bool decodeRaw(const uint8_t* data, size_t size, PixelSink& sink, DecodeFacts& facts, const DecodeControl& control,
               bool withChroma) {
  RawFacts raw;
  if (!DecodeRaw(data, size, sink, control, withChroma, raw)) return false;
  const bool known = raw.cameraWidth > 0 && raw.cameraHeight > 0;
  facts = DecodeFacts{known ? raw.cameraWidth : raw.sourceWidth, known ? raw.cameraHeight : raw.sourceHeight,
                      raw.sourceWidth, raw.sourceHeight, raw.scale, OrientationOfTag(raw.orientationTag)};
  return true;
}

bool decode(const uint8_t* data, size_t size, PictureType type, FingerprintSink& sink, DecodeFacts& facts,
            const DecodeControl& control, bool withChroma) {
  bool ok = false;
  switch (type) {
    case PictureType::Jpeg:
      ok = DecodeJpeg(data, size, sink, facts.width, facts.height, control, withChroma);
      facts.sourceWidth = facts.width;
      facts.sourceHeight = facts.height;
      facts.scale = JpegScaleDenominator(facts.width, facts.height);
      return ok;
    case PictureType::Raw: return decodeRaw(data, size, sink, facts, control, withChroma);
    case PictureType::Bmp: ok = DecodeBmp(data, size, sink, control); break;
    case PictureType::Gif: ok = DecodeGif(data, size, sink, control); break;
    case PictureType::Icon:
    case PictureType::Metafile:
    case PictureType::None: return false;  // icons and metafiles are not rendered
    default: ok = DecodeFullColour(data, size, type, sink, control);
  }
  if (ok) facts = DecodeFacts{sink.width(), sink.height(), sink.width(), sink.height(), 1, 0};
  return ok;
}

// The orientation (0 to 7) that turns the decoded picture into the one its tag shows.
// HEIF and JPEG XL decoding apply the picture's turn themselves (a HEIF's rotation and
// mirror boxes overrule an EXIF tag inside the file, which is left alone). libtiff's
// reader turns a TIFF upright for tags 2 to 4, and for tags 5 to 8 mirrors it so that
// only a swap of rows and columns (tags 5 and 7) or a half turn and that swap (tags 6
// and 8) remain. A raw file's turn is libraw's, as the decode found it.
int orientationOf(const uint8_t* data, size_t size, PictureType type, const DecodeFacts& facts) {
  static constexpr int TiffRemainder[9] = {0, 0, 0, 0, 0, 4, 7, 4, 7};
  if (type == PictureType::Jpeg) return OrientationOfTag(JpegOrientationTag(data, size));
  if (type == PictureType::Raw) return facts.orientation;
  return type == PictureType::Tiff ? TiffRemainder[TiffOrientationTag(data, size)] : 0;
}

// The fingerprint (and verified print) of the data, decoding it once or, for a large
// picture, twice; the sink holds memory from `hold`.
bool fingerprintData(const uint8_t* data, size_t size, PictureType type, TFingerprint& fingerprint, int32_t& width,
                     int32_t& height, VerifiedPrint* verified, const DecodeControl& control, BudgetHold& hold) {
  thread_local WorkBitmap bitmap;
  bool ok = false;
  try {
    FingerprintSink sink(control, hold, bitmap, verified != nullptr);
    const bool chroma = verified != nullptr;
    DecodeFacts facts;
    ok = decode(data, size, type, sink, facts, control, chroma);
    if (ok && sink.startSecondPass()) ok = decode(data, size, type, sink, facts, control, chroma);
    if (ok) {
      fingerprint = sink.fingerprint();
      width = facts.width;
      height = facts.height;
    }
    if (ok && verified != nullptr) {
      // At a reduced scale a JPEG's last column and row are the means of partial blocks.
      const int scale = facts.scale;
      const auto lastShare = [scale](int full, int decoded) { return double(full - (decoded - 1) * scale) / scale; };
      *verified = sink.print(lastShare(facts.sourceWidth, sink.width()), lastShare(facts.sourceHeight, sink.height()));
      verified->orientation = orientationOf(data, size, type, facts);
    }
  } catch (const std::exception&) {
    ok = false;  // out of memory for a huge picture
  }
  releaseIfLarge(bitmap.pixels);
  return ok;
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
  if (ext == ".JXL") return PictureType::Jxl;
  for (const char* raw : {".DNG", ".CR2", ".CR3", ".NEF", ".ARW", ".ORF", ".RW2", ".RAF", ".PEF"})
    if (ext == raw) return PictureType::Raw;
  return PictureType::None;
}

bool IsDecodedType(PictureType type) {
  return type != PictureType::None && type != PictureType::Icon && type != PictureType::Metafile;
}

bool DecodeFullColour(const uint8_t* data, size_t size, PictureType type, PixelSink& sink,
                      const DecodeControl& control) {
  switch (type) {
    case PictureType::Png: return DecodePng(data, size, sink, control);
    case PictureType::Tiff: return DecodeTiff(data, size, sink, control);
    case PictureType::Webp: return DecodeWebp(data, size, sink, control);
    case PictureType::Heif: return DecodeHeif(data, size, sink, control);
    case PictureType::Jxl: return DecodeJxl(data, size, sink, control);
    default: return false;
  }
}

bool DecodeFullColour(const uint8_t* data, size_t size, PictureType type, WorkBitmap& bitmap) {
  BitmapSink sink(bitmap);
  return DecodeFullColour(data, size, type, sink, DecodeControl{});
}

TFingerprint FingerprintOfBitmap(const WorkBitmap& bitmap) { return gridOf(bitmap, borderCut(bitmap)); }

VerifiedPrint VerifiedPrintOfBitmap(const WorkBitmap& bitmap, double lastColumnShare, double lastRowShare) {
  return printOf(bitmap, borderCut(bitmap), lastColumnShare, lastRowShare);
}

bool MakeFingerprintFromMemory(const uint8_t* data, size_t size, PictureType type, TFingerprint& fingerprint,
                               int32_t& width, int32_t& height, VerifiedPrint* verified,
                               const DecodeControl& control) {
  BudgetHold hold(control);
  return fingerprintData(data, size, type, fingerprint, width, height, verified, control, hold);
}

bool MakeFingerprint(const std::string& fileName, TFingerprint& fingerprint, int32_t& width, int32_t& height,
                     bool* unreadable, VerifiedPrint* verified, const DecodeControl& control) {
  const PictureType type = PictureTypeOf(fileName);
  if (!IsDecodedType(type) || control.cancelled()) return false;
  thread_local std::vector<uint8_t> file;
  bool ok = false;
  bool failedRead = false;
  try {
    BudgetHold hold(control);
    ok = readWholeFile(fileName, file, failedRead, hold) &&
         fingerprintData(file.data(), file.size(), type, fingerprint, width, height, verified, control, hold);
  } catch (const std::exception&) {
    ok = false;
  }
  releaseIfLarge(file);
  if (unreadable != nullptr) *unreadable = failedRead;
  return ok;
}

}  // namespace vl

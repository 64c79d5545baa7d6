// TIFF decoding through libtiff from memory: the first page, through its RGBA reader, converted a few rows at a time.
#include "core/fingerprint/modern_decoders.h"

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

#include <tiffio.h>

namespace vl {

namespace {

// The largest single allocation libtiff may make for one picture (strips, tiles,
// tables): enough for the largest working bitmap.
constexpr tmsize_t MaxTiffAllocation = tmsize_t(MaxWorkPixels) * 4 + (tmsize_t(1) << 20);

// Rows of a strip or tile converted at a time, a multiple of every YCbCr subsampling.
constexpr uint32_t RowsPerChunk = 16;

struct MemoryFile {
  const uint8_t* data;
  toff_t size;
  const DecodeControl& control;
  toff_t position = 0;
};

MemoryFile& fileOf(thandle_t handle) { return *static_cast<MemoryFile*>(handle); }

// Fails once the cancel flag is set, so that libtiff stops at its next strip or tile.
tmsize_t readMemory(thandle_t handle, void* out, tmsize_t wanted) {
  MemoryFile& f = fileOf(handle);
  if (f.control.cancelled()) return -1;
  const toff_t n = std::min<toff_t>(toff_t(std::max<tmsize_t>(wanted, 0)), f.size - std::min(f.position, f.size));
  std::copy_n(f.data + f.position, n, static_cast<uint8_t*>(out));
  f.position += n;
  return tmsize_t(n);
}

tmsize_t refuseWrite(thandle_t, void*, tmsize_t) { return -1; }

toff_t seekMemory(thandle_t handle, toff_t offset, int whence) {
  MemoryFile& f = fileOf(handle);
  const toff_t base = whence == SEEK_CUR ? f.position : whence == SEEK_END ? f.size : 0;
  f.position = base + offset;  // reads past the end give nothing
  return f.position;
}

int closeMemory(thandle_t) { return 0; }
toff_t sizeOfMemory(thandle_t handle) { return fileOf(handle).size; }
int ignoreMessage(TIFF*, void*, const char*, const char*, va_list) { return 1; }

struct TiffCloser {
  void operator()(TIFF* tiff) const { TIFFClose(tiff); }
};
struct OptionsFreer {
  void operator()(TIFFOpenOptions* options) const { TIFFOpenOptionsFree(options); }
};

// Opens the data without memory mapping (the "m" mode) and without messages on stderr.
std::unique_ptr<TIFF, TiffCloser> openMemory(MemoryFile& file) {
  std::unique_ptr<TIFFOpenOptions, OptionsFreer> options(TIFFOpenOptionsAlloc());
  if (!options) return nullptr;
  TIFFOpenOptionsSetMaxSingleMemAlloc(options.get(), MaxTiffAllocation);
  TIFFOpenOptionsSetErrorHandlerExtR(options.get(), ignoreMessage, nullptr);
  TIFFOpenOptionsSetWarningHandlerExtR(options.get(), ignoreMessage, nullptr);
  return std::unique_ptr<TIFF, TiffCloser>(TIFFClientOpenExt("memory", "rm", &file, readMemory, refuseWrite,
                                                             seekMemory, closeMemory, sizeOfMemory, nullptr,
                                                             nullptr, options.get()));
}

// Takes libtiff's converted strips and tiles. libtiff's own routine turns the raw
// samples into packed ABGR pixels, RowsPerChunk rows at a time into a small buffer
// instead of the whole picture, and the rows go to the sink. Orientations that
// mirror left to right are asked for mirrored and turned back here, so that libtiff
// never touches the picture buffer it is given (which is not there); orientations
// that turn the picture upside down come as rows counted upwards.
class RgbaRows {
 public:
  RgbaRows(TIFF* tiff, PixelSink& sink, const DecodeControl& control) : tiff_(tiff), sink_(sink), control_(control) {}
  ~RgbaRows() {
    if (begun_) TIFFRGBAImageEnd(&context_.image);
  }

  // Prepares the reader and announces the picture to the sink.
  bool begin() {
    char message[1024];
    if (!TIFFRGBAImageOK(tiff_, message) || !TIFFRGBAImageBegin(&context_.image, tiff_, 1, message)) return false;
    begun_ = true;
    TIFFRGBAImage& image = context_.image;
    const uint16_t o = image.orientation;
    mirrored_ = o == ORIENTATION_TOPRIGHT || o == ORIENTATION_BOTRIGHT || o == ORIENTATION_RIGHTTOP ||
                o == ORIENTATION_RIGHTBOT;
    image.req_orientation = mirrored_ ? ORIENTATION_TOPRIGHT : ORIENTATION_TOPLEFT;
    upwards_ = o == ORIENTATION_BOTRIGHT || o == ORIENTATION_BOTLEFT || o == ORIENTATION_RIGHTBOT ||
               o == ORIENTATION_LEFTBOT;
    sourceRow_ = TIFFIsTiled(tiff_) ? TIFFTileRowSize(tiff_) : TIFFScanlineSize(tiff_);
    if (image.isContig) contig_ = std::exchange(image.put.contig, putContig);
    else separate_ = std::exchange(image.put.separate, putSeparate);
    const uint64_t width = image.width;
    const uint64_t planes = image.isContig ? 1 : 4;
    const uint64_t decoded = uint64_t(TIFFIsTiled(tiff_) ? TIFFTileSize64(tiff_) : TIFFStripSize64(tiff_)) * planes;
    const uint64_t ours = width * (RowsPerChunk + 1) * sizeof(uint32_t);
    if (!sink_.begin({image.width, image.height, OverWhitePremultiplied(0, 0, 0, 0), false, decoded + ours}))
      return false;
    converted_.resize(width * RowsPerChunk);
    row_.resize(width);
    return true;
  }

  // Runs libtiff's reader; false on its failure or when cancelled.
  bool read() {
    static uint32_t notThere;  // libtiff offsets it, but only the put routines (ours) would write
    return TIFFRGBAImageGet(&context_.image, &notThere, context_.image.width, context_.image.height) != 0 &&
           !control_.cancelled();
  }

 private:
  // The reader's state and the way back to this object from the put routines' argument.
  struct Context {
    TIFFRGBAImage image{};
    RgbaRows* rows;
  };
  static RgbaRows& of(TIFFRGBAImage* image) { return *reinterpret_cast<Context*>(image)->rows; }

  static void putContig(TIFFRGBAImage* image, uint32_t*, uint32_t x, uint32_t y, uint32_t w, uint32_t h,
                        int32_t fromSkew, int32_t, unsigned char* samples) {
    RgbaRows& r = of(image);
    for (uint32_t done = 0; done < h && r.fits(x, w); done += RowsPerChunk) {
      const uint32_t n = std::min(RowsPerChunk, h - done);
      r.contig_(image, r.converted_.data(), x, y, w, n, fromSkew, 0, samples + tmsize_t(done) * r.sourceRow_);
      r.deliver(x, y, done, w, n);
    }
  }

  static void putSeparate(TIFFRGBAImage* image, uint32_t*, uint32_t x, uint32_t y, uint32_t w, uint32_t h,
                          int32_t fromSkew, int32_t, unsigned char* red, unsigned char* green, unsigned char* blue,
                          unsigned char* alpha) {
    RgbaRows& r = of(image);
    for (uint32_t done = 0; done < h && r.fits(x, w); done += RowsPerChunk) {
      const uint32_t n = std::min(RowsPerChunk, h - done);
      const tmsize_t at = tmsize_t(done) * r.sourceRow_;
      r.separate_(image, r.converted_.data(), x, y, w, n, fromSkew, 0, red + at, green + at, blue + at,
                  alpha != nullptr ? alpha + at : nullptr);
      r.deliver(x, y, done, w, n);
    }
  }

  // True while a run of w pixels from x fits the picture and nobody cancelled.
  bool fits(uint32_t x, uint32_t w) const {
    return uint64_t(x) + w <= context_.image.width && !control_.cancelled();
  }

  // Rows done to done + n of a run libtiff placed at (x, y), now in converted_.
  void deliver(uint32_t x, uint32_t y, uint32_t done, uint32_t w, uint32_t n) {
    const int64_t width = context_.image.width, height = context_.image.height;
    for (uint32_t k = 0; k < n; ++k) {
      const int64_t row = upwards_ ? int64_t(y) - done - k : int64_t(y) + done + k;
      if (row < 0 || row >= height) continue;
      const uint32_t* in = converted_.data() + size_t(k) * w;
      const bool mirrored = mirrored_;
      PutConverted(sink_, int(row), int(mirrored ? width - x - w : x), int(w), 1, row_, [in, w, mirrored](int i) {
        const uint32_t p = in[mirrored ? w - 1 - uint32_t(i) : uint32_t(i)];
        return OverWhitePremultiplied(TIFFGetR(p), TIFFGetG(p), TIFFGetB(p), TIFFGetA(p));
      });
    }
  }

  TIFF* tiff_;
  PixelSink& sink_;
  const DecodeControl& control_;
  Context context_{{}, this};
  bool begun_ = false;
  bool mirrored_ = false;
  bool upwards_ = false;
  tmsize_t sourceRow_ = 0;
  tileContigRoutine contig_ = nullptr;
  tileSeparateRoutine separate_ = nullptr;
  std::vector<uint32_t> converted_;
  std::vector<uint32_t> row_;
};

}  // namespace

bool DecodeTiff(const uint8_t* data, size_t size, PixelSink& sink, const DecodeControl& control) {
  MemoryFile file{data, toff_t(size), control};
  const auto tiff = openMemory(file);
  if (!tiff) return false;
  uint32_t width = 0, height = 0;
  if (!TIFFGetField(tiff.get(), TIFFTAG_IMAGEWIDTH, &width) || !TIFFGetField(tiff.get(), TIFFTAG_IMAGELENGTH, &height) ||
      uint64_t(width) * height > MaxWorkPixels)
    return false;
  RgbaRows rows(tiff.get(), sink, control);
  return rows.begin() && rows.read();
}

int TiffOrientationTag(const uint8_t* data, size_t size) {
  const DecodeControl control;
  MemoryFile file{data, toff_t(size), control};
  const auto tiff = openMemory(file);
  uint16_t orientation = 0;
  if (!tiff || !TIFFGetField(tiff.get(), TIFFTAG_ORIENTATION, &orientation)) return 0;
  return orientation >= 1 && orientation <= 8 ? orientation : 0;
}

}  // namespace vl

// TIFF decoding through libtiff from memory: the first page, through its RGBA reader.
#include "core/fingerprint/modern_decoders.h"

#include <algorithm>
#include <memory>

#include <tiffio.h>

namespace vl {

namespace {

// The largest single allocation libtiff may make for one picture (strips, tiles,
// tables): enough for the largest working bitmap.
constexpr tmsize_t MaxTiffAllocation = tmsize_t(MaxWorkPixels) * 4 + (tmsize_t(1) << 20);

struct MemoryFile {
  const uint8_t* data;
  toff_t size;
  toff_t position = 0;
};

MemoryFile& fileOf(thandle_t handle) { return *static_cast<MemoryFile*>(handle); }

tmsize_t readMemory(thandle_t handle, void* out, tmsize_t wanted) {
  MemoryFile& f = fileOf(handle);
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

}  // namespace

bool DecodeTiff(const uint8_t* data, size_t size, WorkBitmap& bitmap) {
  MemoryFile file{data, toff_t(size)};
  const auto tiff = openMemory(file);
  if (!tiff) return false;
  uint32_t width = 0, height = 0;
  if (!TIFFGetField(tiff.get(), TIFFTAG_IMAGEWIDTH, &width) || !TIFFGetField(tiff.get(), TIFFTAG_IMAGELENGTH, &height))
    return false;
  if (!bitmap.reset(width, height, 0)) return false;
  if (!TIFFReadRGBAImageOriented(tiff.get(), width, height, bitmap.pixels.data(), ORIENTATION_TOPLEFT, 1))
    return false;
  // The RGBA reader gives premultiplied alpha.
  for (uint32_t& p : bitmap.pixels) p = OverWhitePremultiplied(TIFFGetR(p), TIFFGetG(p), TIFFGetB(p), TIFFGetA(p));
  return true;
}

int TiffOrientationTag(const uint8_t* data, size_t size) {
  MemoryFile file{data, toff_t(size)};
  const auto tiff = openMemory(file);
  uint16_t orientation = 0;
  if (!tiff || !TIFFGetField(tiff.get(), TIFFTAG_ORIENTATION, &orientation)) return 0;
  return orientation >= 1 && orientation <= 8 ? orientation : 0;
}

}  // namespace vl

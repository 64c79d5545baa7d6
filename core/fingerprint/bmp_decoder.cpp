// Reading BMP headers, palettes and pixel rows (plain, bit fields, RLE8, RLE4) with every size checked.
#include "core/fingerprint/bmp_decoder.h"

#include <algorithm>
#include <array>
#include <bit>
#include <vector>

namespace vl {

namespace {

enum Compression : uint32_t { Rgb = 0, Rle8 = 1, Rle4 = 2, BitFields = 3, Jpeg = 4, Png = 5, AlphaBitFields = 6 };

constexpr uint32_t BlackPixel = 0;

uint32_t u16(const uint8_t* p) { return uint32_t(p[0]) | uint32_t(p[1]) << 8; }
uint32_t u32(const uint8_t* p) { return u16(p) | u16(p + 2) << 16; }

// One colour channel of a packed pixel, widened to 8 bits.
struct Channel {
  uint32_t mask = 0;
  int shift = 0;
  uint64_t maximum = 0;

  explicit Channel(uint32_t m = 0) : mask(m) {
    if (m == 0) return;
    shift = std::countr_zero(m);
    const int bits = 32 - std::countl_zero(m) - shift;
    maximum = (uint64_t(1) << bits) - 1;
  }
  uint32_t of(uint32_t pixel) const {
    if (maximum == 0) return 0;
    const uint64_t v = (pixel & mask) >> shift;
    return uint32_t((v * 255 + maximum / 2) / maximum);
  }
};

// What the headers say, checked against the data.
struct BmpLayout {
  int64_t width = 0;
  int64_t height = 0;
  bool topDown = false;
  uint32_t bpp = 0;
  uint32_t compression = Rgb;
  size_t pixelOffset = 0;
  std::array<Channel, 3> channels;
  std::vector<uint32_t> palette;
};

bool validDepth(const BmpLayout& b, bool core) {
  switch (b.compression) {
    case Rgb: return b.bpp == 1 || b.bpp == 4 || b.bpp == 8 || b.bpp == 24 || (!core && (b.bpp == 16 || b.bpp == 32));
    case Rle8: return b.bpp == 8 && !b.topDown;
    case Rle4: return b.bpp == 4 && !b.topDown;
    case BitFields:
    case AlphaBitFields: return b.bpp == 16 || b.bpp == 32;
    default: return false;  // embedded JPEG or PNG, or unknown
  }
}

void defaultChannels(BmpLayout& b) {
  if (b.bpp == 16) b.channels = {Channel(0x7C00), Channel(0x03E0), Channel(0x001F)};
  else b.channels = {Channel(0xFF0000), Channel(0x00FF00), Channel(0x0000FF)};
}

// Reads the palette of `count` entries of `entrySize` bytes at `at`, as far as the data holds it.
void readPalette(const uint8_t* data, size_t size, size_t at, size_t count, size_t entrySize, BmpLayout& b) {
  const size_t end = b.pixelOffset > at ? std::min(size, b.pixelOffset) : size;
  count = at < end ? std::min(count, (end - at) / entrySize) : 0;
  for (size_t i = 0; i < count; ++i) {
    const uint8_t* e = data + at + i * entrySize;
    b.palette.push_back(uint32_t(e[2]) << 16 | uint32_t(e[1]) << 8 | e[0]);
  }
}

bool parseHeaders(const uint8_t* data, size_t size, BmpLayout& b) {
  if (size < 18 || data[0] != 'B' || data[1] != 'M') return false;
  b.pixelOffset = u32(data + 10);
  const uint32_t headerSize = u32(data + 14);
  const bool core = headerSize == 12;
  if (!core && headerSize != 40 && headerSize != 52 && headerSize != 56 && headerSize != 108 && headerSize != 124)
    return false;
  if (14 + size_t(headerSize) > size) return false;
  const uint8_t* h = data + 14;
  size_t paletteAt = 14 + headerSize;
  uint32_t coloursUsed = 0;
  if (core) {
    b.width = u16(h + 4);
    b.height = u16(h + 6);
    b.bpp = u16(h + 10);
  } else {
    b.width = int32_t(u32(h + 4));
    b.height = int32_t(u32(h + 8));
    b.bpp = u16(h + 14);
    b.compression = u32(h + 16);
    coloursUsed = u32(h + 32);
  }
  b.topDown = b.height < 0;
  b.height = b.height < 0 ? -b.height : b.height;
  if (!validDepth(b, core)) return false;
  defaultChannels(b);
  if (b.compression == BitFields || b.compression == AlphaBitFields) {
    const uint8_t* masks = h + 40;
    if (headerSize == 40) {
      paletteAt += b.compression == AlphaBitFields ? 16 : 12;
      if (paletteAt > size) return false;
    }
    b.channels = {Channel(u32(masks)), Channel(u32(masks + 4)), Channel(u32(masks + 8))};
  }
  if (b.bpp <= 8) {
    const size_t full = size_t(1) << b.bpp;
    const size_t count = coloursUsed != 0 ? std::min<size_t>(coloursUsed, full) : full;
    readPalette(data, size, paletteAt, count, core ? 3 : 4, b);
  }
  return b.pixelOffset < size;
}

uint32_t paletteColour(const BmpLayout& b, uint32_t index) {
  return index < b.palette.size() ? b.palette[index] : BlackPixel;
}

void decodeRow(const BmpLayout& b, const uint8_t* in, uint32_t* out) {
  const int64_t w = b.width;
  switch (b.bpp) {
    case 1:
    case 4:
    case 8: {
      const uint32_t perByte = 8 / b.bpp, mask = (1u << b.bpp) - 1;
      for (int64_t x = 0; x < w; ++x) {
        const uint32_t shift = 8 - b.bpp * (1 + uint32_t(x) % perByte);
        out[x] = paletteColour(b, (in[x / perByte] >> shift) & mask);
      }
      break;
    }
    case 24:
      for (int64_t x = 0; x < w; ++x, in += 3) out[x] = uint32_t(in[2]) << 16 | uint32_t(in[1]) << 8 | in[0];
      break;
    default: {
      const size_t bytes = b.bpp / 8;
      for (int64_t x = 0; x < w; ++x, in += bytes) {
        const uint32_t p = bytes == 2 ? u16(in) : u32(in);
        out[x] = b.channels[0].of(p) << 16 | b.channels[1].of(p) << 8 | b.channels[2].of(p);
      }
    }
  }
}

constexpr int RowsBetweenCancelChecks = 64;

// True when the pixel rows the headers describe lie inside the data.
bool rowsFit(size_t size, const BmpLayout& b) {
  const uint64_t stride = (uint64_t(b.width) * b.bpp + 31) / 32 * 4;
  const uint64_t lastRow = (uint64_t(b.width) * b.bpp + 7) / 8;
  return b.pixelOffset + stride * uint64_t(b.height - 1) + lastRow <= size;
}

bool decodeUncompressed(const uint8_t* data, const BmpLayout& b, PixelSink& sink, const DecodeControl& control) {
  const uint64_t stride = (uint64_t(b.width) * b.bpp + 31) / 32 * 4;
  std::vector<uint32_t> row(size_t(b.width));
  for (int64_t r = 0; r < b.height; ++r) {
    if (r % RowsBetweenCancelChecks == 0 && control.cancelled()) return false;
    decodeRow(b, data + b.pixelOffset + stride * uint64_t(r), row.data());
    sink.put(int(b.topDown ? r : b.height - 1 - r), 0, int(b.width), row.data());
  }
  return true;
}

// Walks RLE8 or RLE4 data, painting what it reaches; the rest stays black. RLE rows
// run from the bottom and never go back, so each row is painted in a row buffer and
// handed on whole when the data leaves it.
class RleDecoder {
 public:
  RleDecoder(const BmpLayout& b, PixelSink& sink) : b_(b), sink_(sink), row_(size_t(b.width), BlackPixel) {}

  // False when the cancel flag stopped it.
  bool run(const uint8_t* p, const uint8_t* end, const DecodeControl& control) {
    while (end - p >= 2 && y_ < b_.height) {
      const uint8_t count = p[0], value = p[1];
      p += 2;
      if (count > 0) {
        for (int i = 0; i < count; ++i) put(b_.bpp == 8 ? value : (i % 2 == 0 ? value >> 4 : value & 15));
      } else if (value == 0) {
        x_ = 0;
        ++y_;
      } else if (value == 1) {
        break;
      } else if (value == 2) {
        if (end - p < 2) break;
        x_ += p[0];
        y_ += p[1];
        p += 2;
      } else {
        p = absolute(p, end, value);
      }
      if (y_ - rowsChecked_ >= RowsBetweenCancelChecks) {
        rowsChecked_ = y_;
        if (control.cancelled()) return false;
      }
    }
    flush();
    return true;
  }

 private:
  const uint8_t* absolute(const uint8_t* p, const uint8_t* end, int count) {
    const ptrdiff_t bytes = b_.bpp == 8 ? count : (count + 1) / 2;
    const ptrdiff_t available = std::min<ptrdiff_t>(bytes, end - p);
    for (int i = 0; i < count && (b_.bpp == 8 ? i : i / 2) < available; ++i)
      put(b_.bpp == 8 ? p[i] : (i % 2 == 0 ? p[i / 2] >> 4 : p[i / 2] & 15));
    return p + std::min<ptrdiff_t>(bytes + (bytes & 1), end - p);
  }

  void put(uint32_t index) {
    if (x_ < b_.width && y_ < b_.height) {
      if (painted_ != y_) {
        flush();
        painted_ = y_;
      }
      row_[size_t(x_)] = paletteColour(b_, index);
    }
    ++x_;
  }

  // Hands the painted row on and blackens the buffer for the next.
  void flush() {
    if (painted_ < 0) return;
    sink_.put(int(b_.height - 1 - painted_), 0, int(b_.width), row_.data());
    std::fill(row_.begin(), row_.end(), BlackPixel);
    painted_ = -1;
  }

  const BmpLayout& b_;
  PixelSink& sink_;
  std::vector<uint32_t> row_;
  int64_t x_ = 0;
  int64_t y_ = 0;
  int64_t painted_ = -1;  // the row in row_, or none
  int64_t rowsChecked_ = 0;
};

}  // namespace

bool DecodeBmp(const uint8_t* data, size_t size, PixelSink& sink, const DecodeControl& control) {
  BmpLayout b;
  if (!parseHeaders(data, size, b)) return false;
  const bool rle = b.compression == Rle8 || b.compression == Rle4;
  if (b.width <= 0 || b.height <= 0 || (!rle && !rowsFit(size, b))) return false;
  if (!sink.begin({b.width, b.height, BlackPixel, false, uint64_t(b.width) * sizeof(uint32_t)})) return false;
  if (rle) return RleDecoder(b, sink).run(data + b.pixelOffset, data + size, control);
  return decodeUncompressed(data, b, sink, control);
}

}  // namespace vl

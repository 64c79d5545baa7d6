// The decoded picture that a fingerprint is measured on: full colours per pixel, bounded in size.
#pragma once

#include <cstdint>
#include <vector>

namespace vl {

// The largest working bitmap a decoder accepts (pixels); larger pictures fail. Fuzz
// builds lower it, so that fuzzing explores the decoders rather than huge allocations.
#ifdef FUZZING_BUILD_MODE_UNSAFE_FOR_PRODUCTION
constexpr uint64_t MaxWorkPixels = uint64_t(1) << 22;
#else
constexpr uint64_t MaxWorkPixels = uint64_t(1) << 28;
#endif

// The colour a border cut compares: a luminance pixel's Y alone (without its chroma).
inline uint32_t ColourOf(uint32_t pixel, bool luminance) { return luminance ? pixel & 0xFF : pixel; }

// The grey value v of a pixel: 255 - Y for a luminance pixel, else 255 - round((R + G + B) / 3).
inline int GreyOf(uint32_t pixel, bool luminance) {
  if (luminance) return 255 - int(pixel & 0xFF);
  return 255 - int(((pixel >> 16 & 0xFF) + (pixel >> 8 & 0xFF) + (pixel & 0xFF) + 1) / 3);
}

// A decoded picture, row by row from the top-left pixel. Each pixel is 0x00RRGGBB,
// or, when `luminance` is set (a greyscale JPEG), the luminance Y alone. Colours are
// kept whole because the border cut compares colours, not grey values. A luminance
// bitmap decoded for a verifying read may also carry each pixel's chroma above its
// luminance (`chroma`): Cb << 16 | Cr << 8 | Y.
struct WorkBitmap {
  int width = 0;
  int height = 0;
  bool luminance = false;
  bool chroma = false;
  std::vector<uint32_t> pixels;

  // Sets the size and fills every pixel with `fill`; false (and nothing changed)
  // when either side is not positive or the pixel count exceeds MaxWorkPixels.
  // Reuses the buffer's capacity. O(width * height).
  bool reset(int64_t w, int64_t h, uint32_t fill, bool isLuminance = false, bool withChroma = false) {
    if (w <= 0 || h <= 0 || uint64_t(w) * uint64_t(h) > MaxWorkPixels) return false;
    width = int(w);
    height = int(h);
    luminance = isLuminance;
    pixels.assign(size_t(w) * size_t(h), fill);
    chroma = isLuminance && withChroma;
    return true;
  }
  uint32_t at(int x, int y) const { return ColourOf(pixels[size_t(y) * size_t(width) + size_t(x)], luminance); }
  uint32_t* row(int y) { return pixels.data() + size_t(y) * size_t(width); }
  const uint32_t* row(int y) const { return pixels.data() + size_t(y) * size_t(width); }
  int greyAt(int x, int y) const { return GreyOf(at(x, y), luminance); }
};

}  // namespace vl

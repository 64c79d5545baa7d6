// Decoders of PNG, TIFF, WebP, HEIF/AVIF and JPEG XL pictures through their Debian libraries, onto the working bitmap.
#pragma once

#include <cstddef>
#include <cstdint>

#include "core/fingerprint/decode_control.h"
#include "core/fingerprint/pixel_sink.h"
#include "core/fingerprint/work_bitmap.h"

namespace vl {

// Each decodes the whole picture into the sink as 0x00RRGGBB pixels, alpha
// composited over white; an animated or multi-page file gives its first frame or
// page (for HEIF and AVIF, the primary image; JPEG XL pictures come turned upright by
// their orientation). Damaged or truncated data, and a
// picture above MaxWorkPixels, give false; the size is checked before any pixel
// memory is taken. The libraries' messages are swallowed. O(file size + pixels).
// PNG, TIFF and WebP pictures are handed on a few rows at a time, and their
// libraries keep only those rows and the state they decode from (a lossless WebP
// keeps every pixel, and a TIFF strip or tile is decoded whole); libheif decodes
// the whole picture at once, and libjxl holds the whole frame while it hands on its
// rows. A set cancel flag makes them fail at their next row, strip or batch of rows
// (HEIF: after libheif's decode; JPEG XL: at the next megabyte of the file).
bool DecodePng(const uint8_t* data, size_t size, PixelSink& sink, const DecodeControl& control);
bool DecodeTiff(const uint8_t* data, size_t size, PixelSink& sink, const DecodeControl& control);
bool DecodeWebp(const uint8_t* data, size_t size, PixelSink& sink, const DecodeControl& control);
bool DecodeHeif(const uint8_t* data, size_t size, PixelSink& sink, const DecodeControl& control);
bool DecodeJxl(const uint8_t* data, size_t size, PixelSink& sink, const DecodeControl& control);

// The orientation tag (1 to 8) of a TIFF's first page, or 0 when it has none or the
// data cannot be opened. Reads the header and the first directory only.
int TiffOrientationTag(const uint8_t* data, size_t size);

// One pixel with straight (not premultiplied) alpha, composited over white.
inline uint32_t OverWhite(uint32_t r, uint32_t g, uint32_t b, uint32_t a) {
  const uint32_t white = 255 * (255 - a) + 127;
  return (r * a + white) / 255 << 16 | (g * a + white) / 255 << 8 | (b * a + white) / 255;
}

// One pixel with premultiplied alpha, composited over white: white shows through by
// 255 - A (the same value as OverWhite of the unpremultiplied pixel).
inline uint32_t OverWhitePremultiplied(uint32_t r, uint32_t g, uint32_t b, uint32_t a) {
  const auto over = [a](uint32_t c) { return c + 255 - a > 255 ? 255 : c + 255 - a; };
  return over(r) << 16 | over(g) << 8 | over(b);
}

}  // namespace vl

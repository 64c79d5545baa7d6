// Our own hardened decoder of Windows and OS/2 bitmap files.
#pragma once

#include <cstddef>
#include <cstdint>

#include "core/fingerprint/decode_control.h"
#include "core/fingerprint/pixel_sink.h"
#include "core/fingerprint/work_bitmap.h"

namespace vl {

// Decodes a BMP file into the sink row by row (0x00RRGGBB pixels, alpha ignored): the core
// (12-byte) header and the 40, 52, 56, 108 and 124-byte info headers; 1, 4, 8, 16,
// 24 and 32 bits per pixel, RLE4, RLE8 and bit-field masks, bottom-up or top-down.
// Channels narrower than 8 bits widen as (v * 255 + (2^n - 1) div 2) div (2^n - 1);
// indexes beyond the palette and pixels that RLE data skips are black. Top-down RLE,
// embedded JPEG or PNG, truncated pixel rows and pictures above MaxWorkPixels give
// false, and so does a set cancel flag (looked at every 64 rows). Every offset and
// count is checked against the data. O(file size + pixels).
bool DecodeBmp(const uint8_t* data, size_t size, PixelSink& sink, const DecodeControl& control);
// The same into a bitmap.
inline bool DecodeBmp(const uint8_t* data, size_t size, WorkBitmap& bitmap) {
  BitmapSink sink(bitmap);
  return DecodeBmp(data, size, sink, DecodeControl{});
}

}  // namespace vl

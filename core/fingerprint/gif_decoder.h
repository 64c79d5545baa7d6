// GIF decoding for fingerprints through giflib: the logical screen with the first image drawn on it.
#pragma once

#include <cstddef>
#include <cstdint>

#include "core/fingerprint/decode_control.h"
#include "core/fingerprint/pixel_sink.h"
#include "core/fingerprint/work_bitmap.h"

namespace vl {

// Decodes GIF data into the sink, the size of the logical screen: filled with the
// global table's background colour (black without one), the first image drawn at
// its offset in its local colour table, else the global one, skipping pixels of the
// transparent index of its graphic control extension; interlaced rows are put in
// place; indexes beyond the table are black. False on damaged data, a file without
// an image, a screen or image above MaxWorkPixels, or a set cancel flag (looked at
// every 64 lines). O(file size + screen pixels).
bool DecodeGif(const uint8_t* data, size_t size, PixelSink& sink, const DecodeControl& control);
// The same into a bitmap.
inline bool DecodeGif(const uint8_t* data, size_t size, WorkBitmap& bitmap) {
  BitmapSink sink(bitmap);
  return DecodeGif(data, size, sink, DecodeControl{});
}

}  // namespace vl

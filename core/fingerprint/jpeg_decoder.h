// JPEG decoding for fingerprints: greyscale (or CMYK) at the reduced scale, from memory, through libjpeg.
#pragma once

#include <cstddef>
#include <cstdint>

#include "core/fingerprint/work_bitmap.h"

namespace vl {

// The scale denominator (8, 4, 2 or 1) for a picture of the given full size: the
// smallest scale that leaves more than 50 pixels on each side.
int JpegScaleDenominator(int64_t width, int64_t height);

// Decodes JPEG data at its fingerprint scale into `bitmap`: the luminance alone
// (luminance bitmap), or for CMYK and YCCK pictures R = C*K/255, G = M*K/255,
// B = Y*K/255. width and height get the full-size dimensions. libjpeg's warnings
// (corrupt or truncated data) are ignored and the picture is used as delivered; its
// errors, pictures above MaxWorkPixels at the reduced size and more than 500 scans
// give false. O(file size + reduced pixels).
bool DecodeJpeg(const uint8_t* data, size_t size, WorkBitmap& bitmap, int32_t& width, int32_t& height);

}  // namespace vl

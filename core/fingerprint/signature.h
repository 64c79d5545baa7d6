// The picture signature that confirms fingerprint matches, and the eight orientations of grids and signatures.
#pragma once

#include <array>
#include <bit>
#include <cstdint>

#include <vector>

#include "core/fingerprint/sampled_pixels.h"
#include "core/fingerprint/scan_entry.h"
#include "core/fingerprint/work_bitmap.h"

namespace vl {

// 64 bits: bit u * 8 + v is set when the DCT coefficient (u across, v down) of a
// 32 x 32 averaged luminance thumbnail is positive, for u, v 0 to 7; bit 0
// (the mean) is always clear. Robust to resizing, recompression, brightness and
// contrast, colour loss and small crops; two different photographs differ in about
// half the bits.
using PictureSignature = uint64_t;

// The number of differing bits. O(1).
inline int SignatureDistance(PictureSignature a, PictureSignature b) { return std::popcount(a ^ b); }

// The signature of the rectangle (left, top, width, height) of a working bitmap,
// averaged over an evenly spread grid of at most 256 x 256 of its pixels. O(1).
PictureSignature SignatureOfBitmap(const WorkBitmap& bitmap, int left, int top, int width, int height);
// The same from the kept rows of a picture; they must include SignatureRows(top, height).
PictureSignature SignatureOfBitmap(const SampledPixels& pixels, int left, int top, int width, int height);
// The rows the signature of `height` rows from `top` reads. O(rows).
std::vector<int> SignatureRows(int top, int height);

// The eight orientations of a square picture: bit 0 mirrors left to right, bit 1
// top to bottom, bit 2 swaps rows and columns (after the mirrors); 0 is the picture
// itself. Orientation o turns picture P into P' with P'(x, y) = P(s(x, y)), where s
// mirrors x and y as bits 0 and 1 say and then swaps them when bit 2 is set.
constexpr int OrientationCount = 8;
// A set of orientations, bit o for orientation o.
using Orientations = uint8_t;
constexpr Orientations IdentityOnly = 1;

// The fingerprint grid of the picture turned by orientation o. O(100).
TFingerprint OrientGrid(const TFingerprint& grid, int orientation);
// The signature of the picture turned by orientation o (mirrors flip the odd
// frequencies' signs, the swap transposes the coefficients). O(64).
PictureSignature OrientSignature(PictureSignature signature, int orientation);

}  // namespace vl

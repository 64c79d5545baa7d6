// The picture signature (a DCT sign hash of a luminance thumbnail) and the orientations of grids and signatures.
#include "core/fingerprint/signature.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace vl {

namespace {

constexpr int ThumbSide = 32;
constexpr int Frequencies = 8;

// cos((2 x + 1) u pi / 64) for the low frequencies u, computed once.
const std::array<std::array<double, ThumbSide>, Frequencies>& cosines() {
  static const auto table = [] {
    std::array<std::array<double, ThumbSide>, Frequencies> t{};
    for (int u = 0; u < Frequencies; ++u)
      for (int x = 0; x < ThumbSide; ++x) t[size_t(u)][size_t(x)] = std::cos((2 * x + 1) * u * std::numbers::pi / 64);
    return t;
  }();
  return table;
}

// Luminance 0 to 255 of a pixel (ITU-R BT.601 weights), so that a greyscale copy keeps it.
int lumaOf(bool luminance, uint32_t p) {
  if (luminance) return int(p & 0xFF);
  return int((77 * (p >> 16 & 0xFF) + 150 * (p >> 8 & 0xFF) + 29 * (p & 0xFF)) >> 8);
}

// The mean luminance of each of the 32 x 32 cells of the rectangle, from a grid of at
// most SamplesPerSide x SamplesPerSide evenly spread pixels (at least 8 x 8 per cell
// for a picture that large), so that the cost stays bounded whatever the picture's size.
constexpr int SamplesPerSide = 256;

// The sample positions along a side of `length` pixels from `start`, and the cell of each.
struct Samples {
  std::vector<int> at;
  std::vector<int> cell;
  Samples(int start, int length) {
    const int count = std::min(length, SamplesPerSide);
    for (int i = 0; i < count; ++i) {
      at.push_back(start + int((2 * int64_t(i) + 1) * length / (2 * count)));
      cell.push_back(i * ThumbSide / count);
    }
  }
};

// Pixels: a WorkBitmap or SampledPixels holding the rows the samples fall on.
template <typename Pixels>
std::vector<double> thumbnail(const Pixels& bitmap, int left, int top, int width, int height) {
  const Samples across(left, width), down(top, height);
  std::vector<int64_t> sums(ThumbSide * ThumbSide, 0);
  std::vector<int> counts(ThumbSide * ThumbSide, 0);
  for (size_t j = 0; j < down.at.size(); ++j) {
    const uint32_t* row = bitmap.row(down.at[j]);
    const size_t cellRow = size_t(down.cell[j]) * ThumbSide;
    for (size_t i = 0; i < across.at.size(); ++i) {
      sums[cellRow + size_t(across.cell[i])] += lumaOf(bitmap.luminance, row[across.at[i]]);
      ++counts[cellRow + size_t(across.cell[i])];
    }
  }
  // A side shorter than the thumbnail leaves cells empty: each takes the cell before it.
  std::vector<double> means(ThumbSide * ThumbSide, 0.0);
  for (size_t cell = 0; cell < means.size(); ++cell) {
    const size_t from = counts[cell] > 0 ? cell : cell % ThumbSide > 0 ? cell - 1 : cell - ThumbSide;
    means[cell] = counts[cell] > 0 ? double(sums[cell]) / counts[cell] : means[from];
  }
  return means;
}

template <typename Pixels>
PictureSignature signatureOf(const Pixels& bitmap, int left, int top, int width, int height) {
  const std::vector<double> thumb = thumbnail(bitmap, left, top, width, height);
  const auto& c = cosines();
  // Rows first: across[u][y] = sum over x of thumb(x, y) cos(x, u).
  std::array<std::array<double, ThumbSide>, Frequencies> across{};
  for (int y = 0; y < ThumbSide; ++y)
    for (int u = 0; u < Frequencies; ++u) {
      double s = 0;
      for (int x = 0; x < ThumbSide; ++x) s += thumb[size_t(y * ThumbSide + x)] * c[size_t(u)][size_t(x)];
      across[size_t(u)][size_t(y)] = s;
    }
  PictureSignature signature = 0;
  for (int u = 0; u < Frequencies; ++u)
    for (int v = 0; v < Frequencies; ++v) {
      if (u == 0 && v == 0) continue;
      double s = 0;
      for (int y = 0; y < ThumbSide; ++y) s += across[size_t(u)][size_t(y)] * c[size_t(v)][size_t(y)];
      if (s > 1e-6) signature |= PictureSignature(1) << (u * Frequencies + v);
    }
  return signature;
}

}  // namespace

PictureSignature SignatureOfBitmap(const WorkBitmap& bitmap, int left, int top, int width, int height) {
  return signatureOf(bitmap, left, top, width, height);
}

PictureSignature SignatureOfBitmap(const SampledPixels& pixels, int left, int top, int width, int height) {
  return signatureOf(pixels, left, top, width, height);
}

std::vector<int> SignatureRows(int top, int height) { return Samples(top, height).at; }

TFingerprint OrientGrid(const TFingerprint& grid, int orientation) {
  TFingerprint turned{};
  for (int x = 0; x < GridWidth; ++x)
    for (int y = 0; y < GridHeight; ++y) {
      int a = orientation & 1 ? GridWidth - 1 - x : x;
      int b = orientation & 2 ? GridHeight - 1 - y : y;
      if (orientation & 4) std::swap(a, b);
      turned[size_t(x * GridHeight + y)] = grid[size_t(a * GridHeight + b)];
    }
  return turned;
}

PictureSignature OrientSignature(PictureSignature signature, int orientation) {
  PictureSignature turned = 0;
  for (int u = 0; u < Frequencies; ++u)
    for (int v = 0; v < Frequencies; ++v) {
      const int from = orientation & 4 ? v * Frequencies + u : u * Frequencies + v;
      const bool flip = (orientation & 1 && u % 2 == 1) != (orientation & 2 && v % 2 == 1);
      const bool bit = (signature >> from & 1) != 0;
      // The mean has no sign to flip; a coefficient of 0 stays clear either way.
      if (u + v > 0 && bit != flip) turned |= PictureSignature(1) << (u * Frequencies + v);
    }
  return turned;
}

}  // namespace vl

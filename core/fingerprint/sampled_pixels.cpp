// Keeping chosen rows and columns of a decoded picture.
#include "core/fingerprint/sampled_pixels.h"

#include <algorithm>
#include <stdexcept>

namespace vl {

namespace {

// The positions below `limit`, sorted, each once.
std::vector<int> inside(std::vector<int> positions, int limit) {
  std::erase_if(positions, [limit](int p) { return p < 0 || p >= limit; });
  std::sort(positions.begin(), positions.end());
  positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
  return positions;
}

}  // namespace

void SampledPixels::keep(const PictureLayout& layout, const std::vector<int>& rows, const std::vector<int>& columns) {
  width = int(layout.width);
  height = int(layout.height);
  luminance = layout.luminance;
  chroma = layout.luminance && layout.chroma;
  slotOfRow_.assign(size_t(height), -1);
  rows_.clear();
  for (int y : inside(rows, height)) {
    slotOfRow_[size_t(y)] = int(rows_.size());
    rows_.emplace_back(size_t(width), layout.fill);
  }
  columns_ = inside(columns, width);
  columnPixels_.assign(columns_.size(), std::vector<uint32_t>(size_t(height), layout.fill));
}

uint64_t SampledPixels::BytesFor(int64_t width, int64_t height, size_t rows, size_t columns) {
  // A picture keeps no more rows than it has (a very wide, short picture keeps them all).
  const uint64_t kept = std::min<uint64_t>(rows, uint64_t(std::max<int64_t>(height, 0)));
  return (uint64_t(width) * kept + uint64_t(height) * (columns + 1)) * sizeof(uint32_t);
}

void SampledPixels::put(int y, int x0, int count, const uint32_t* pixels, int step) {
  if (const int slot = slotOfRow_[size_t(y)]; slot >= 0) {
    uint32_t* out = rows_[size_t(slot)].data() + x0;
    for (int i = 0; i < count; ++i) out[i * step] = pixels[i];
  }
  const int last = x0 + (count - 1) * step;
  for (size_t c = 0; c < columns_.size(); ++c) {
    const int x = columns_[c];
    if (x >= x0 && x <= last && (x - x0) % step == 0) columnPixels_[c][size_t(y)] = pixels[(x - x0) / step];
  }
}

uint32_t SampledPixels::at(int x, int y) const {
  if (const int slot = slotOfRow_[size_t(y)]; slot >= 0) return ColourOf(rows_[size_t(slot)][size_t(x)], luminance);
  const auto column = std::lower_bound(columns_.begin(), columns_.end(), x);
  if (column == columns_.end() || *column != x) throw std::logic_error("a pixel that was not kept was read");
  return ColourOf(columnPixels_[size_t(column - columns_.begin())][size_t(y)], luminance);
}

}  // namespace vl

// Chosen whole rows and whole columns of a picture too large to keep: the pixels a fingerprint reads.
#pragma once

#include <cstdint>
#include <vector>

#include "core/fingerprint/pixel_sink.h"

namespace vl {

// A part of a picture: `width` columns from `left`, `height` rows from `top`.
struct PixelRect {
  int left = 0, top = 0, width = 0, height = 0;
};

// Keeps the rows and columns it is told to keep from the runs it is given, and
// answers for their pixels as a WorkBitmap does (at() only for a kept row or column,
// row() only for a kept row). Memory: the kept rows and columns.
class SampledPixels {
 public:
  int width = 0;
  int height = 0;
  bool luminance = false;
  bool chroma = false;

  // Forgets everything, then keeps the given rows and columns of a picture of the
  // layout's size, filled with its fill colour. Positions outside the picture are
  // ignored. O(kept pixels).
  void keep(const PictureLayout& layout, const std::vector<int>& rows, const std::vector<int>& columns);
  // The kept pixels among the run's (see PixelSink::put).
  void put(int y, int x0, int count, const uint32_t* pixels, int step);
  bool keepsRow(int y) const { return slotOfRow_[size_t(y)] >= 0; }
  const std::vector<int>& keptColumns() const { return columns_; }
  // The bytes keep() would hold for so many rows (at most the picture's height) and
  // columns of a picture.
  static uint64_t BytesFor(int64_t width, int64_t height, size_t rows, size_t columns);

  uint32_t at(int x, int y) const;
  const uint32_t* row(int y) const { return rows_[size_t(slotOfRow_[size_t(y)])].data(); }
  int greyAt(int x, int y) const { return GreyOf(at(x, y), luminance); }

 private:
  std::vector<int> slotOfRow_;  // per row: its place in rows_, or -1
  std::vector<std::vector<uint32_t>> rows_;
  std::vector<int> columns_;
  std::vector<std::vector<uint32_t>> columnPixels_;
};

}  // namespace vl

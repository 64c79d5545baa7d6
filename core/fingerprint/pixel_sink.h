// Where decoders put a decoded picture: run by run, so that a receiver may keep all of it or only what it needs.
#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

#include "core/fingerprint/work_bitmap.h"

namespace vl {

// What a decoder knows once it has read a picture's header.
struct PictureLayout {
  int64_t width = 0;
  int64_t height = 0;
  uint32_t fill = 0;       // every pixel's colour until a run covers it
  bool luminance = false;  // pixels are luminance values (see WorkBitmap)
  uint64_t libraryBytes = 0;  // what the decoder and its library allocate besides the pixels
  bool chroma = false;        // luminance pixels carry their chroma (see WorkBitmap)
};

// Receives one decoded picture. A decoder calls begin once, before it allocates
// anything large, and then put for runs of pixels in any order; a pixel that no run
// covers keeps the fill colour.
class PixelSink {
 public:
  virtual ~PixelSink() = default;
  // False refuses the picture (too large, or cancelled while waiting for memory):
  // the decoder then stops and fails.
  virtual bool begin(const PictureLayout& layout) = 0;
  // `count` pixels of row y, pixel i at column x0 + i * step, all inside the picture.
  virtual void put(int y, int x0, int count, const uint32_t* pixels, int step = 1) = 0;
  // Whether the receiver keeps all of row y; when not, it keeps only the columns
  // keptColumns() names (in increasing order), and a decoder may put those alone.
  virtual bool keepsRow(int /*y*/) const { return true; }
  virtual const std::vector<int>& keptColumns() const {
    static const std::vector<int> none;
    return none;
  }
  // Memory a decoder is about to take before it knows the layout (a library that
  // decodes the whole picture at once); false refuses as begin does.
  virtual bool reserve(uint64_t /*bytes*/) { return true; }
  // After a decode: true when the receiver wants the same picture once more, from
  // begin on. A decoder that still holds the whole picture may put it again at once.
  virtual bool startSecondPass() { return false; }
};

// Puts pixels x0, x0 + step, ... (count of them) of row y, made by convert(i) for
// pixel i, converting only those the sink keeps. `row` is the caller's buffer of at
// least `count` pixels. O(count) for a kept row, O(kept columns) for another.
template <typename Convert>
void PutConverted(PixelSink& sink, int y, int x0, int count, int step, std::vector<uint32_t>& row, Convert convert) {
  if (sink.keepsRow(y)) {
    for (int i = 0; i < count; ++i) row[size_t(i)] = convert(i);
    sink.put(y, x0, count, row.data(), step);
    return;
  }
  for (int x : sink.keptColumns()) {
    const int i = (x - x0) / step;
    if (x < x0 || i >= count) continue;
    if ((x - x0) % step != 0) continue;
    const uint32_t pixel = convert(i);
    sink.put(y, x, 1, &pixel);
  }
}

// Keeps the whole picture in a WorkBitmap; refuses pictures above MaxWorkPixels.
class BitmapSink final : public PixelSink {
 public:
  explicit BitmapSink(WorkBitmap& bitmap) : bitmap_(bitmap) {}
  bool begin(const PictureLayout& layout) override {
    return bitmap_.reset(layout.width, layout.height, layout.fill, layout.luminance, layout.chroma);
  }
  void put(int y, int x0, int count, const uint32_t* pixels, int step = 1) override {
    uint32_t* out = bitmap_.row(y) + x0;
    if (step == 1) std::copy_n(pixels, count, out);
    else for (int i = 0; i < count; ++i) out[i * step] = pixels[i];
  }

 private:
  WorkBitmap& bitmap_;
};

}  // namespace vl

// Drawing a GIF's first image onto its logical screen, read from memory through giflib.
#include "core/fingerprint/gif_decoder.h"

#include <algorithm>
#include <array>
#include <memory>
#include <cstring>
#include <vector>

#include <gif_lib.h>

namespace vl {

namespace {

constexpr uint32_t BlackPixel = 0;

struct MemoryReader {
  const uint8_t* data;
  size_t size;
  size_t position = 0;
};

int readMemory(GifFileType* gif, GifByteType* out, int wanted) {
  auto* r = static_cast<MemoryReader*>(gif->UserData);
  const size_t n = std::min(size_t(std::max(wanted, 0)), r->size - r->position);
  std::memcpy(out, r->data + r->position, n);
  r->position += n;
  return int(n);
}

struct GifCloser {
  void operator()(GifFileType* gif) const {
    int error = 0;
    DGifCloseFile(gif, &error);
  }
};
using GifPtr = std::unique_ptr<GifFileType, GifCloser>;

uint32_t colourOf(const ColorMapObject* map, int index) {
  if (!map || index < 0 || index >= map->ColorCount) return BlackPixel;
  const GifColorType& c = map->Colors[index];
  return uint32_t(c.Red) << 16 | uint32_t(c.Green) << 8 | c.Blue;
}

// The row that the i-th stored row of an interlaced image of `height` rows belongs to.
int interlacedRow(int i, int height) {
  const int starts[] = {0, 4, 2, 1}, steps[] = {8, 8, 4, 2};
  for (int pass = 0; pass < 4; ++pass) {
    const int rows = starts[pass] < height ? (height - starts[pass] + steps[pass] - 1) / steps[pass] : 0;
    if (i < rows) return starts[pass] + i * steps[pass];
    i -= rows;
  }
  return -1;
}

// Reads an extension record; a graphic control extension sets `transparent`.
bool readExtension(GifFileType* gif, int& transparent) {
  int code = 0;
  GifByteType* block = nullptr;
  if (DGifGetExtension(gif, &code, &block) == GIF_ERROR) return false;
  if (code == GRAPHICS_EXT_FUNC_CODE && block) {
    GraphicsControlBlock gcb;
    if (DGifExtensionToGCB(block[0], block + 1, &gcb) == GIF_OK) transparent = gcb.TransparentColor;
  }
  while (block)
    if (DGifGetExtensionNext(gif, &block) == GIF_ERROR) return false;
  return true;
}

// The logical screen the first image is drawn on.
struct Screen {
  int width, height;
  uint32_t background;
};

// Reads the first image and draws it onto the screen: each line of the image that
// falls on the screen goes to the sink as the run it covers, transparent pixels
// showing the background.
bool drawImage(GifFileType* gif, int transparent, const Screen& screen, PixelSink& sink,
               const DecodeControl& control) {
  if (DGifGetImageDesc(gif) == GIF_ERROR) return false;
  const GifImageDesc& d = gif->Image;
  if (d.Width <= 0 || d.Height <= 0 || uint64_t(d.Width) * uint64_t(d.Height) > MaxWorkPixels) return false;
  const ColorMapObject* map = d.ColorMap ? d.ColorMap : gif->SColorMap;
  std::array<uint32_t, 256> colours;
  for (int i = 0; i < 256; ++i) colours[size_t(i)] = colourOf(map, i);
  thread_local std::vector<GifPixelType> line;
  line.resize(size_t(d.Width));
  const int64_t left = std::max<int64_t>(0, d.Left), right = std::min<int64_t>(screen.width, int64_t(d.Left) + d.Width);
  std::vector<uint32_t> run(size_t(std::max<int64_t>(0, right - left)));
  for (int i = 0; i < d.Height; ++i) {
    if (i % 64 == 0 && control.cancelled()) return false;
    if (DGifGetLine(gif, line.data(), d.Width) == GIF_ERROR) return false;
    const int64_t y = int64_t(d.Top) + (d.Interlace ? interlacedRow(i, d.Height) : i);
    if (y < 0 || y >= screen.height || run.empty()) continue;
    for (int64_t x = left; x < right; ++x) {
      const GifPixelType index = line[size_t(x - d.Left)];
      run[size_t(x - left)] = index != transparent ? colours[index] : screen.background;
    }
    sink.put(int(y), int(left), int(run.size()), run.data());
  }
  return true;
}

}  // namespace

bool DecodeGif(const uint8_t* data, size_t size, PixelSink& sink, const DecodeControl& control) {
  MemoryReader reader{data, size};
  int error = 0;
  GifPtr gif(DGifOpen(&reader, readMemory, &error));
  if (!gif) return false;
  const Screen screen{gif->SWidth, gif->SHeight, colourOf(gif->SColorMap, gif->SBackGroundColor)};
  if (!sink.begin({screen.width, screen.height, screen.background, false, uint64_t(screen.width) * 8})) return false;
  int transparent = NO_TRANSPARENT_COLOR;
  for (;;) {
    GifRecordType type;
    if (DGifGetRecordType(gif.get(), &type) == GIF_ERROR) return false;
    if (type == IMAGE_DESC_RECORD_TYPE) return drawImage(gif.get(), transparent, screen, sink, control);
    if (type != EXTENSION_RECORD_TYPE || !readExtension(gif.get(), transparent)) return false;
  }
}

}  // namespace vl

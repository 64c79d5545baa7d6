// HEIF and AVIF decoding through libheif (HEVC by libde265, AV1 by dav1d or aom): the primary image as RGBA, handed on row by row.
#include "core/fingerprint/modern_decoders.h"

#include <memory>
#include <vector>

#include <libheif/heif.h>

namespace vl {

namespace {

// The side of the largest square work bitmap.
constexpr int squareSide(uint64_t pixels) {
  int side = 1;
  while (uint64_t(side) * uint64_t(side) < pixels) side *= 2;
  return side;
}

// libheif checks this bound on every image it meets, grid outputs and tiles included,
// before it allocates a plane for it. A grid announces its own size, apart from the
// size the primary image shows, so without the bound a few hundred bytes could ask for
// a 64k x 64k plane. libheif refuses a side equal to the bound, hence the one more.
constexpr int MaxHeifSide = squareSide(MaxWorkPixels) + 1;

struct HeifFree {
  void operator()(heif_context* c) const { heif_context_free(c); }
  void operator()(const heif_image_handle* h) const { heif_image_handle_release(h); }
  void operator()(const heif_image* i) const { heif_image_release(i); }
  void operator()(heif_decoding_options* o) const { heif_decoding_options_free(o); }
};
template <typename T>
using HeifPtr = std::unique_ptr<T, HeifFree>;

// libheif's planes while it decodes and the interleaved RGBA picture it gives.
uint64_t libraryMemory(int64_t width, int64_t height) { return uint64_t(width) * uint64_t(height) * 8; }

bool fitsWorkBitmap(int64_t width, int64_t height) {
  return width > 0 && height > 0 && uint64_t(width) * uint64_t(height) <= MaxWorkPixels;
}

// The primary image's handle, its announced size checked against the caps.
HeifPtr<const heif_image_handle> primaryImage(heif_context* context, const uint8_t* data, size_t size) {
  heif_context_set_maximum_image_size_limit(context, MaxHeifSide);
  if (heif_context_read_from_memory_without_copy(context, data, size, nullptr).code != heif_error_Ok) return nullptr;
  heif_image_handle* handle = nullptr;
  if (heif_context_get_primary_image_handle(context, &handle).code != heif_error_Ok) return nullptr;
  HeifPtr<const heif_image_handle> owned(handle);
  if (!fitsWorkBitmap(heif_image_handle_get_width(handle), heif_image_handle_get_height(handle))) return nullptr;
  return owned;
}

HeifPtr<const heif_image> decodeRgba(const heif_image_handle* handle) {
  HeifPtr<heif_decoding_options> options(heif_decoding_options_alloc());
  if (!options) return nullptr;
  options->convert_hdr_to_8bit = 1;
  heif_image* image = nullptr;
  if (heif_decode_image(handle, &image, heif_colorspace_RGB, heif_chroma_interleaved_RGBA, options.get()).code !=
      heif_error_Ok)
    return nullptr;
  return HeifPtr<const heif_image>(image);
}

// Puts the decoded rows into the sink, composited over white; false when the sink
// refuses the picture or a set cancel flag stops it.
bool putRows(const heif_image* image, bool premultiplied, PixelSink& sink, const DecodeControl& control) {
  const int width = heif_image_get_width(image, heif_channel_interleaved);
  const int height = heif_image_get_height(image, heif_channel_interleaved);
  int stride = 0;
  const uint8_t* plane = heif_image_get_plane_readonly(image, heif_channel_interleaved, &stride);
  if (plane == nullptr || !fitsWorkBitmap(width, height) || stride < width * 4) return false;
  if (!sink.begin({width, height, 0, false, libraryMemory(width, height)})) return false;
  std::vector<uint32_t> row(static_cast<size_t>(width));
  for (int y = 0; y < height; ++y) {
    if (y % 64 == 0 && control.cancelled()) return false;
    const uint8_t* in = plane + size_t(y) * size_t(stride);
    PutConverted(sink, y, 0, width, 1, row, [in, premultiplied](int x) {
      const uint8_t* p = in + 4 * x;
      return premultiplied ? OverWhitePremultiplied(p[0], p[1], p[2], p[3]) : OverWhite(p[0], p[1], p[2], p[3]);
    });
  }
  return true;
}

}  // namespace

bool DecodeHeif(const uint8_t* data, size_t size, PixelSink& sink, const DecodeControl& control) {
  HeifPtr<heif_context> context(heif_context_alloc());
  if (!context) return false;
  const auto handle = primaryImage(context.get(), data, size);
  if (!handle || control.cancelled()) return false;
  if (!sink.reserve(libraryMemory(heif_image_handle_get_width(handle.get()), heif_image_handle_get_height(handle.get()))))
    return false;
  const auto image = decodeRgba(handle.get());
  if (!image) return false;
  const bool premultiplied = heif_image_handle_is_premultiplied_alpha(handle.get()) != 0;
  // The decoded picture stays at hand, so a second pass needs no second decode.
  if (!putRows(image.get(), premultiplied, sink, control)) return false;
  return !sink.startSecondPass() || putRows(image.get(), premultiplied, sink, control);
}

}  // namespace vl

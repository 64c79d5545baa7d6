// HEIF and AVIF decoding through libheif (HEVC by libde265, AV1 by dav1d or aom): the primary image as RGBA.
#include "core/fingerprint/modern_decoders.h"

#include <memory>

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

// Copies the decoded rows into the bitmap, composited over white.
bool copyRows(const heif_image* image, bool premultiplied, WorkBitmap& bitmap) {
  const int width = heif_image_get_width(image, heif_channel_interleaved);
  const int height = heif_image_get_height(image, heif_channel_interleaved);
  int stride = 0;
  const uint8_t* plane = heif_image_get_plane_readonly(image, heif_channel_interleaved, &stride);
  if (plane == nullptr || !fitsWorkBitmap(width, height) || stride < width * 4) return false;
  if (!bitmap.reset(width, height, 0)) return false;
  for (int y = 0; y < height; ++y) {
    const uint8_t* in = plane + size_t(y) * size_t(stride);
    uint32_t* out = bitmap.row(y);
    for (int x = 0; x < width; ++x, in += 4)
      out[x] = premultiplied ? OverWhitePremultiplied(in[0], in[1], in[2], in[3]) : OverWhite(in[0], in[1], in[2], in[3]);
  }
  return true;
}

}  // namespace

bool DecodeHeif(const uint8_t* data, size_t size, WorkBitmap& bitmap) {
  HeifPtr<heif_context> context(heif_context_alloc());
  if (!context) return false;
  const auto handle = primaryImage(context.get(), data, size);
  if (!handle) return false;
  const auto image = decodeRgba(handle.get());
  return image && copyRows(image.get(), heif_image_handle_is_premultiplied_alpha(handle.get()) != 0, bitmap);
}

}  // namespace vl

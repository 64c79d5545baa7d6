// PNG decoding through libpng's simplified reader, straight into the working bitmap's memory.
#include "core/fingerprint/modern_decoders.h"

#include <png.h>

namespace vl {

bool DecodePng(const uint8_t* data, size_t size, WorkBitmap& bitmap) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&image, data, size)) return false;
  image.format = PNG_FORMAT_RGBA;
  // A 16-bit picture without gamma information is taken as sRGB like an 8-bit one,
  // so that its top bytes come out unchanged (libpng would take it as linear).
  image.flags |= PNG_IMAGE_FLAG_16BIT_sRGB;
  if (!bitmap.reset(image.width, image.height, 0)) {
    png_image_free(&image);
    return false;
  }
  if (!png_image_finish_read(&image, nullptr, bitmap.pixels.data(), 0, nullptr)) return false;
  CompositeRgbaBytes(bitmap);
  return true;
}

}  // namespace vl

// Reading the EXIF orientation tag of JPEG data through libexif.
#include "core/fingerprint/exif_orientation.h"

#include <limits>
#include <memory>

#include <libexif/exif-data.h>

namespace vl {

namespace {

struct ExifFree {
  void operator()(ExifData* data) const { exif_data_unref(data); }
};

}  // namespace

int JpegOrientationTag(const uint8_t* data, size_t size) {
  if (size == 0 || size > std::numeric_limits<unsigned int>::max()) return 0;
  const std::unique_ptr<ExifData, ExifFree> exif(exif_data_new_from_data(data, static_cast<unsigned int>(size)));
  if (!exif) return 0;
  ExifEntry* entry = exif_content_get_entry(exif->ifd[EXIF_IFD_0], EXIF_TAG_ORIENTATION);
  if (entry == nullptr || entry->format != EXIF_FORMAT_SHORT || entry->components < 1 || entry->size < 2 ||
      entry->data == nullptr)
    return 0;
  const int value = exif_get_short(entry->data, exif_data_get_byte_order(exif.get()));
  return value >= 1 && value <= 8 ? value : 0;
}

}  // namespace vl

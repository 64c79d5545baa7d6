// The orientation tag of a JPEG picture's EXIF block, read through libexif.
#pragma once

#include <cstddef>
#include <cstdint>

namespace vl {

// The EXIF orientation value (1 to 8) of JPEG data, or 0 when it has no EXIF block,
// no orientation tag or a damaged one. libexif reads the markers before the picture
// data only. O(size of the EXIF block).
int JpegOrientationTag(const uint8_t* data, size_t size);

}  // namespace vl

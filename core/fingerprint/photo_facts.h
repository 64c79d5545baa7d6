// What a photo's EXIF block says about when it was taken and by which camera, read through libexif.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/components/cancel_token.h"
#include "core/components/job_progress.h"

namespace vl {

// The EXIF facts the keep rules weigh.
struct PhotoFacts {
  std::optional<double> taken;  // DateTimeOriginal as a local date-time: days since 30 December 1899
  bool camera = false;          // a Make or Model tag holding text

  bool operator==(const PhotoFacts&) const = default;
};

// The most bytes read from the start of a file to find its EXIF block: a JPEG's APP1
// segment (at most 64 KiB) after its APP0, or the directories of a TIFF-based file
// within the first 64 KiB, which is all libexif looks at.
constexpr size_t ExifProbeBytes = 128 * 1024;

// The facts of EXIF data as libexif reads it: a JPEG file's first bytes, or an EXIF
// block ("Exif", two zeros, a TIFF header). Nothing for data without a block, and a
// damaged tag counts as missing. O(size of the block).
PhotoFacts PhotoFactsOfExif(const uint8_t* data, size_t size);

// The facts of the file at path: a JPEG's EXIF block, or the directories of a
// TIFF-based file (TIFF, DNG and the camera raw files built on TIFF) when they lie
// within the first 64 KiB, by one read of at most ExifProbeBytes; the Exif item of a
// HEIF or AVIF file through libheif, which reads the boxes before the picture data and
// the item. Nothing for a file that cannot be read or whose EXIF block is not there.
PhotoFacts ReadPhotoFacts(const std::string& path);

// ReadPhotoFacts of every path, in order, on up to `jobs` threads (0 = hardware
// threads), reporting Marking with the count (nothing reported for no paths). Nothing
// once the token is cancelled.
std::optional<std::vector<PhotoFacts>> ReadPhotoFactsOf(const std::vector<std::string>& paths, int jobs,
                                                        const CancelToken& cancel, ProgressSink& sink);

}  // namespace vl

// Small picture files that declare huge pictures: the worst case of decoding memory, written for benchmarks.
#pragma once

#include <string>
#include <vector>

namespace vl::bench {

// Writes `perType` files of each kind into `folder` and gives their paths, each a few
// kilobytes to some tens of kilobytes: a 16384 x 16384 one-bit PNG, a 16383 x 16383
// lossy WebP, a 16384 x 16384 CCITT G4 TIFF in one strip, a 16384 x 16384 RLE8 BMP and
// a cut-off baseline JPEG that declares 65,000 x 65,000 pixels. Each picture is white
// or grey with a dark band whose place depends on the file's number. Existing files
// are kept. Throws std::runtime_error when a file cannot be written.
std::vector<std::string> WriteCraftedPictures(const std::string& folder, int perType);

// Writes (unless it is there) a 16383 x 16383 lossless WebP into `folder`, whose
// decoder keeps every pixel however it is read, and gives its path.
std::string WriteLosslessWebp(const std::string& folder);

}  // namespace vl::bench

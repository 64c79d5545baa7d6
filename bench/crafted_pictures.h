// Small picture files that declare huge pictures (the worst case of decoding memory) and large JPEG XL pictures, written for benchmarks.
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

// The JPEG XL pictures of a camera's size, JxlWidth x JxlHeight, a generated photograph
// enlarged with grain, written (unless they are there) into `folder`.
constexpr int JxlWidth = 4032, JxlHeight = 3024;
struct JxlPictures {
  std::string small;     // a lossless 64 x 48 picture: what a process takes for any picture
  std::string opaque;    // lossless
  std::string alpha;     // lossless, with an alpha channel falling from opaque on the left
  std::string lossy;     // Butteraugli distance 2, no alpha
};
JxlPictures WriteJxlPictures(const std::string& folder);

}  // namespace vl::bench

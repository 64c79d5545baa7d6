// The picture signature that verified matching confirms pairs by: a fixed-size value that scan entries hold.
#pragma once

#include <array>
#include <cstdint>

namespace vl {

// The low frequencies of a 32 x 32 thumbnail (u across, v down, 0 to 7).
constexpr int SignatureFrequencies = 8;
constexpr int StructureSize = SignatureFrequencies * SignatureFrequencies - 1;  // without the mean
// The side of the grid of mean chroma values.
constexpr int ChromaSide = 4;

// A picture seen in grey one way: the structure of its thumbnail (brightness and
// contrast taken out), how much detail that structure holds, and its tone.
struct GreyView {
  // The DCT-II coefficients (u, v) of the thumbnail, coefficient u * 8 + v at index
  // u * 8 + v - 1, scaled so that the largest is +-127.
  std::array<int8_t, StructureSize> structure{};
  // How many coefficients carry the structure, in sixteenths: 16 for a plain
  // gradient (one coefficient), about 80 for a photograph. At most 255.
  uint8_t detail = 0;
  uint8_t mean = 0;       // 0 to 255
  uint16_t contrast = 0;  // standard deviation of the thumbnail, in sixteenths of a level

  bool operator==(const GreyView&) const = default;
};

// What a verifying read measures on a picture beyond its tone grid: its luminance
// and, for a coloured picture, its channel mean (the two common ways of making a
// greyscale copy), the layout of its colours, and whether it is almost uniform.
struct PictureSignature {
  GreyView luminance;    // ITU-R BT.601 weights
  GreyView channelMean;  // (R + G + B) / 3; of a grey picture, the same as luminance
  // Mean Cb of the 4 x 4 cells (cell x * 4 + y), then mean Cr, 0 for grey.
  std::array<int8_t, 2 * ChromaSide * ChromaSide> chroma{};
  bool coloured = false;       // a chroma cell is clearly off grey
  bool almostUniform = false;  // nearly every thumbnail cell has about the same luminance

  bool operator==(const PictureSignature&) const = default;
};

}  // namespace vl

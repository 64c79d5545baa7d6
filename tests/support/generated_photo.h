// Smooth random pictures that stand in for photographs on machines without Debian's wallpapers.
#pragma once

#include <random>

#include "tests/support/image_writer.h"

namespace vl::test {

// A 1200 x 800 picture of coloured discs on a gradient, drawn from `random`. O(pixels x 12).
Picture GeneratedPhoto(std::mt19937& random);

}  // namespace vl::test

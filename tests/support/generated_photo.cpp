// Smooth random pictures that stand in for photographs on machines without Debian's wallpapers.
#include "tests/support/generated_photo.h"

#include <vector>

namespace vl::test {

Picture GeneratedPhoto(std::mt19937& random) {
  constexpr int Width = 1200, Height = 800;
  Picture picture(Width, Height);
  std::uniform_real_distribution<double> unit(0, 1);
  struct Blob { double x, y, r; int red, green, blue; };
  std::vector<Blob> blobs(12);
  for (Blob& b : blobs) b = {unit(random) * Width, unit(random) * Height, 40 + unit(random) * 250,
                             int(random() % 256), int(random() % 256), int(random() % 256)};
  for (int y = 0; y < Height; ++y)
    for (int x = 0; x < Width; ++x) {
      int r = x * 255 / Width, g = y * 255 / Height, bl = 128;
      for (const Blob& b : blobs)
        if ((x - b.x) * (x - b.x) + (y - b.y) * (y - b.y) < b.r * b.r) r = b.red, g = b.green, bl = b.blue;
      picture.set(x, y, Rgb(r, g, bl));
    }
  return picture;
}

}  // namespace vl::test

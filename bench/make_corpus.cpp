// make_corpus FOLDER [COUNT]: writes the benchmark corpus from Debian's wallpaper photographs
// (decoded in grey, as fingerprints see them).
//
// Machines without wallpapers get 30 generated pictures instead (tests run there too).
// COUNT (default 100,000) distinct pictures, each a random crop of a random photograph
// at a random scale, saved as JPEG in subfolders of 1,000; one in ten also gets a
// family of copies: resized, recompressed at low quality, greyscale, BMP, GIF and PNG.
// Existing files are kept, so an interrupted run can be continued.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "core/fingerprint/fingerprint.h"
#include "core/fingerprint/jpeg_decoder.h"
#include "tests/support/generated_photo.h"
#include "tests/support/image_writer.h"
#include "tests/support/modern_writer.h"

namespace {

namespace fs = std::filesystem;
using vl::test::Picture;

std::vector<vl::WorkBitmap> loadPhotos() {
  std::vector<vl::WorkBitmap> photos;
  for (const char* root : {"/usr/share/backgrounds", "/usr/share/wallpapers"}) {
    std::error_code ec;
    for (auto it = fs::recursive_directory_iterator(root, ec); !ec && it != fs::recursive_directory_iterator();
         it.increment(ec)) {
      if (!it->is_regular_file() || vl::PictureTypeOf(it->path().string()) != vl::PictureType::Jpeg) continue;
      std::ifstream file(it->path(), std::ios::binary);
      const std::vector<uint8_t> data{std::istreambuf_iterator<char>(file), {}};
      vl::WorkBitmap bitmap;
      int32_t width = 0, height = 0;
      if (vl::DecodeJpeg(data.data(), data.size(), bitmap, width, height))
        photos.push_back(std::move(bitmap));
    }
  }
  return photos;
}

// The mean of the (2r+1)^2 square around each pixel: soft edges, as photographs have. O(pixels * r).
void blur(vl::WorkBitmap& photo, int r) {
  for (int pass = 0; pass < 2; ++pass) {  // rows, then columns
    const vl::WorkBitmap from = photo;
    const int length = pass == 0 ? photo.width : photo.height, lines = pass == 0 ? photo.height : photo.width;
    for (int line = 0; line < lines; ++line)
      for (int i = 0; i < length; ++i) {
        uint32_t sum = 0, n = 0;
        for (int j = std::max(0, i - r); j <= std::min(length - 1, i + r); ++j, ++n)
          sum += pass == 0 ? from.at(j, line) : from.at(line, j);
        (pass == 0 ? photo.row(line)[i] : photo.row(i)[line]) = sum / n;
      }
  }
}

// Stand-ins for the photographs: generated pictures, in grey like the decoded ones.
std::vector<vl::WorkBitmap> generatedPhotos(std::mt19937& random) {
  std::vector<vl::WorkBitmap> photos(30);
  for (vl::WorkBitmap& photo : photos) {
    const Picture picture = vl::test::GeneratedPhoto(random);
    photo.reset(picture.width, picture.height, 0, true);
    for (size_t i = 0; i < photo.pixels.size(); ++i) {
      const uint32_t p = picture.rgb[i];
      photo.pixels[i] = ((p >> 16 & 255) * 77 + (p >> 8 & 255) * 150 + (p & 255) * 29) >> 8;
    }
    blur(photo, 12);
    // Ripples everywhere: a photograph has no large flat area.
    for (int y = 0; y < photo.height; ++y)
      for (int x = 0; x < photo.width; ++x) {
        const double ripple = 30 * std::sin(x / 9.0) * std::sin(y / 13.0);
        photo.row(y)[x] = uint32_t(std::clamp(int(photo.at(x, y)) + int(ripple), 0, 255));
      }
  }
  return photos;
}

// The pixel as a colour; the fingerprint decoder keeps JPEGs as luminance.
uint32_t colourAt(const vl::WorkBitmap& photo, int x, int y) {
  const uint32_t p = photo.at(x, y);
  return photo.luminance ? vl::test::Rgb(int(p), int(p), int(p)) : p;
}

// A random crop of the photo (a fifth to all of each side) scaled to a width of 160 to 480 pixels.
Picture randomCrop(const vl::WorkBitmap& photo, std::mt19937& random) {
  std::uniform_real_distribution<double> unit(0, 1);
  const double cropWidth = (0.2 + 0.8 * unit(random)) * photo.width;
  const double cropHeight = (0.2 + 0.8 * unit(random)) * photo.height;
  const double left = (photo.width - cropWidth) * unit(random), top = (photo.height - cropHeight) * unit(random);
  const int width = 160 + int(random() % 321);
  const int height = std::max(16, int(width * cropHeight / cropWidth));
  Picture picture(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      picture.set(x, y, colourAt(photo, std::min(photo.width - 1, int(left + (x + 0.5) * cropWidth / width)),
                                 std::min(photo.height - 1, int(top + (y + 0.5) * cropHeight / height))));
  return picture;
}

Picture resized(const Picture& picture, int width) {
  const int height = std::max(1, picture.height * width / picture.width);
  Picture result(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) result.set(x, y, picture.at(x * picture.width / width, y * picture.height / height));
  return result;
}

// The picture in 64 grey levels, few enough colours for a GIF palette.
Picture greyLevels(const Picture& picture) {
  Picture result = picture;
  for (uint32_t& p : result.rgb) {
    const uint32_t grey = ((p >> 16 & 255) + (p >> 8 & 255) + (p & 255)) / 3 & 0xFC;
    p = vl::test::Rgb(int(grey), int(grey), int(grey));
  }
  return result;
}

void writeFamily(const Picture& picture, const std::string& stem) {
  vl::test::WriteJpeg(stem + "_resized.jpg", resized(picture, std::max(16, picture.width / 2)));
  vl::test::WriteJpeg(stem + "_low.jpg", picture, {.quality = 30});
  vl::test::WriteJpeg(stem + "_grey.jpg", picture, {.colour = vl::test::JpegColour::Grey});
  vl::test::WriteBmp(stem + ".bmp", picture);
  vl::test::WriteGif(stem + ".gif", greyLevels(picture));
  vl::test::WriteBytes(stem + ".png", vl::test::EncodePng(picture));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: make_corpus FOLDER [COUNT]\n");
    return 2;
  }
  const fs::path folder = argv[1];
  const long count = argc > 2 ? std::strtol(argv[2], nullptr, 10) : 100000;
  std::mt19937 random(12345);
  auto photos = loadPhotos();
  if (photos.empty()) {
    std::fprintf(stderr, "make_corpus: no JPEG photographs under /usr/share/backgrounds or /usr/share/wallpapers; "
                         "using generated pictures\n");
    std::mt19937 generator(2026);
    photos = generatedPhotos(generator);
  }
  for (long i = 0; i < count; ++i) {
    // Every picture draws its numbers in the same order, so a continued run writes the same corpus.
    const vl::WorkBitmap& photo = photos[random() % photos.size()];
    const Picture picture = randomCrop(photo, random);
    const bool family = random() % 10 == 0;
    const fs::path sub = folder / std::to_string(i / 1000);
    const std::string stem = (sub / ("p" + std::to_string(i))).string();
    if (fs::exists(stem + ".jpg")) continue;
    fs::create_directories(sub);
    vl::test::WriteJpeg(stem + ".jpg", picture, {.quality = 85});
    if (family) writeFamily(picture, stem);
    if (i % 10000 == 0) std::printf("%ld pictures\n", i);
  }
  std::printf("corpus of %ld pictures (plus families) in %s\n", count, folder.c_str());
  return 0;
}

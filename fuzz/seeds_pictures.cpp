// Seeds for fuzz_jpeg, fuzz_bmp and fuzz_gif: small pictures of every coding variant.
#include <string>

#include "fuzz/seeds.h"
#include "tests/support/image_writer.h"

namespace {

using namespace vl::test;

const std::vector<uint32_t> FourColours = {Black, White, Rgb(200, 30, 30), Rgb(30, 30, 200)};

void jpegSeeds(const vl::fuzz::SeedFolder& folder) {
  const Picture p = FramedPicture(GradientPicture(60, 40), 4, 3, 5, 6);
  int n = 0;
  for (auto colour : {JpegColour::Rgb, JpegColour::Grey, JpegColour::Cmyk, JpegColour::Ycck})
    for (bool progressive : {false, true})
      folder.add("seed" + std::to_string(n++) + ".jpg",
                 EncodeJpeg(p, {.quality = 75, .progressive = progressive, .subsample420 = !progressive, .colour = colour}));
  folder.add("large.jpg", EncodeJpeg(GradientPicture(420, 130), {.quality = 30}));
  folder.add("exif-turned.jpg", EncodeJpeg(GradientPicture(64, 48), {.quality = 75, .exifOrientation = 6}));
}

void bmpSeeds(const vl::fuzz::SeedFolder& folder) {
  const Picture two = BlockPicture(13, 7, 2, {Black, White}, 1);
  const Picture four = BlockPicture(13, 7, 2, FourColours, 2);
  const Picture photo = GradientPicture(13, 7);
  int n = 0;
  auto add = [&](const Picture& p, const BmpVariant& v) { folder.add("seed" + std::to_string(n++) + ".bmp", EncodeBmp(p, v)); };
  for (bool topDown : {false, true})
    for (int bpp : {1, 4, 8, 16, 24, 32}) add(bpp == 1 ? two : bpp <= 8 ? four : photo, {.bpp = bpp, .topDown = topDown});
  for (int bpp : {4, 8}) add(four, {.bpp = bpp, .rle = true});
  for (int header : {40, 52, 56, 108, 124}) {
    add(photo, {.bpp = 16, .bitfields = true, .infoHeaderSize = header});
    add(photo, {.bpp = 32, .bitfields = true, .infoHeaderSize = header});
  }
  for (int bpp : {1, 4, 8, 24}) add(bpp == 1 ? two : bpp == 24 ? photo : four, {.bpp = bpp, .coreHeader = true});
}

void gifSeeds(const vl::fuzz::SeedFolder& folder) {
  const Picture p = BlockPicture(17, 11, 3, FourColours, 3);
  folder.add("plain.gif", EncodeGif(p));
  folder.add("interlaced.gif", EncodeGif(p, {.interlaced = true}));
  folder.add("offset.gif", EncodeGif(p, {.screenWidth = 25, .screenHeight = 20, .left = 3, .top = 4,
                                         .backgroundColour = Rgb(0, 255, 0), .transparentColour = White}));
  folder.add("local.gif", EncodeGif(p, {.localColourTable = true, .globalColourTable = false}));
}

}  // namespace

VELLORAN_SEEDS(fuzz_jpeg, jpegSeeds);
VELLORAN_SEEDS(fuzz_bmp, bmpSeeds);
VELLORAN_SEEDS(fuzz_gif, gifSeeds);

// Seeds for fuzz_png, fuzz_tiff, fuzz_webp, fuzz_heif, fuzz_jxl and fuzz_raw: small pictures with and without alpha, and several frames.
#include "fuzz/seeds.h"
#include "tests/support/modern_writer.h"

namespace {

using namespace vl::test;

Picture photo() { return GradientPicture(23, 17); }
Picture blocks() { return BlockPicture(23, 17, 4, {Black, White, Rgb(200, 30, 30), Rgb(30, 30, 200)}, 5); }

AlphaPlane ramp() {
  AlphaPlane alpha(23 * 17);
  for (size_t i = 0; i < alpha.size(); ++i) alpha[i] = uint8_t(i * 255 / alpha.size());
  return alpha;
}

void pngSeeds(const vl::fuzz::SeedFolder& folder) {
  folder.add("rgb.png", EncodePng(photo()));
  folder.add("rgba.png", EncodePng(photo(), ramp()));
}

void tiffSeeds(const vl::fuzz::SeedFolder& folder) {
  folder.add("alpha-two-pages.tif", EncodeTiff({photo(), blocks()}, ramp()));
  folder.add("turned.tif", EncodeTiff({photo()}, {}, 8));
}

void webpSeeds(const vl::fuzz::SeedFolder& folder) {
  folder.add("still.webp", EncodeWebp({photo()}));
  folder.add("animated-alpha.webp", EncodeWebp({photo(), blocks()}, ramp()));
}

void heifSeeds(const vl::fuzz::SeedFolder& folder) {
  folder.add("two-images.heic", EncodeHeif({blocks(), photo()}, false));
  folder.add("alpha.avif", EncodeHeif({photo()}, true, ramp()));
}

void jxlSeeds(const vl::fuzz::SeedFolder& folder) {
  folder.add("rgb.jxl", EncodeJxl(photo()));
  folder.add("alpha.jxl", EncodeJxl(blocks(), ramp()));
}

// Previews below the size that is used, so that the half-size decode is fuzzed too.
void rawSeeds(const vl::fuzz::SeedFolder& folder) {
  folder.add("small-preview.dng", EncodeDng(photo(), blocks()));
  folder.add("turned.dng", EncodeDng(blocks(), photo(), 6));
}

}  // namespace

VELLORAN_SEEDS(fuzz_png, pngSeeds);
VELLORAN_SEEDS(fuzz_tiff, tiffSeeds);
VELLORAN_SEEDS(fuzz_webp, webpSeeds);
VELLORAN_SEEDS(fuzz_heif, heifSeeds);
VELLORAN_SEEDS(fuzz_jxl, jxlSeeds);
VELLORAN_SEEDS(fuzz_raw, rawSeeds);

// Verified prints: altered copies match and other pictures do not, turns agree, orientation tags, plain and blank pictures.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/fingerprint/fingerprint.h"
#include "core/scan/pairing.h"
#include "tests/support/image_writer.h"
#include "tests/support/modern_writer.h"
#include "tests/support/temp_dir.h"

namespace vl::test {
namespace {

struct Read {
  TFingerprint fingerprint{};
  VerifiedPrint print;
};

Read readPicture(const std::string& path) {
  Read read;
  int32_t width = 0, height = 0;
  EXPECT_TRUE(MakeFingerprint(path, read.fingerprint, width, height, nullptr, &read.print)) << path;
  return read;
}

// A photograph-like picture: a gradient with blocks of colour from `seed` laid over
// its lower left part (edges away from the fingerprint's sample points at 240 x 160).
Picture scene(int width, int height, uint32_t seed) {
  Picture picture = GradientPicture(width, height);
  const Picture blocks =
      BlockPicture(width, height, width / 5, {Rgb(200, 40, 40), Rgb(20, 20, 90), Rgb(240, 230, 120)}, seed);
  for (int y = height * 9 / 32; y < height; ++y)
    for (int x = 0; x < width * 17 / 24; ++x) picture.set(x, y, blocks.at(x, y));
  return picture;
}

Picture scaled(const Picture& from, int width, int height, int left = 0, int top = 0, int right = 0, int bottom = 0) {
  Picture out(width, height);
  const int w = from.width - left - right, h = from.height - top - bottom;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) out.set(x, y, from.at(left + x * w / width, top + y * h / height));
  return out;
}

// Every channel moved by `by` (clipped) and a faint noise from `seed`.
Picture shifted(const Picture& from, int by, uint32_t seed = 0) {
  Picture out = from;
  for (uint32_t& p : out.rgb) {
    seed = seed * 1103515245u + 12345u;
    const int noise = seed == 0 ? 0 : int(seed >> 16) % 3 - 1;
    const auto move = [&](uint32_t c) { return std::clamp(int(c) + by + noise, 0, 255); };
    p = Rgb(move(p >> 16 & 255), move(p >> 8 & 255), move(p & 255));
  }
  return out;
}

class SignatureTest : public ::testing::Test {
 protected:
  std::string path(const std::string& name) const { return dir.file(name); }
  TempDir dir;
};

TEST_F(SignatureTest, AlteredCopiesMatchInEveryFormatAndOtherPicturesDoNot) {
  const Picture original = scene(400, 300, 3);
  WriteJpeg(path("original.jpg"), original);
  WriteJpeg(path("low.jpg"), original, {.quality = 40});
  WriteJpeg(path("grey.jpg"), original, {.colour = JpegColour::Grey});
  WriteJpeg(path("small.jpg"), scaled(original, 100, 75));
  WriteJpeg(path("cropped.jpg"), scaled(original, 392, 294, 4, 3, 4, 3));
  WriteJpeg(path("brighter.jpg"), shifted(original, 30));
  WriteBmp(path("copy.bmp"), original);
  WriteBytes(path("copy.webp"), EncodeWebp({original}, {}, 75));
  const Read reference = readPicture(path("original.jpg"));
  for (const char* copy : {"low.jpg", "grey.jpg", "small.jpg", "cropped.jpg", "brighter.jpg", "copy.bmp", "copy.webp"}) {
    const Read read = readPicture(path(copy));
    EXPECT_TRUE(SignaturesMatch(read.print.signature, reference.print.signature)) << copy;
    // The verified grids of other formats and scales stay close, the classic ones need not.
    EXPECT_LE(FingerprintErrors(read.print.grid, reference.print.grid, 400), 30) << copy;
  }
  for (uint32_t seed = 10; seed < 16; ++seed) {
    WriteJpeg(path("other.jpg"), scene(400, 300, seed));
    EXPECT_FALSE(SignaturesMatch(readPicture(path("other.jpg")).print.signature, reference.print.signature))
        << "seed " << seed;
  }
  // A verifying read decodes the JPEG's chroma too.
  EXPECT_TRUE(reference.print.signature.coloured);
  EXPECT_FALSE(readPicture(path("grey.jpg")).print.signature.coloured);
}

TEST_F(SignatureTest, TurnedGridsAndSignaturesAgreeWithTurnedPictures) {
  const Picture original = scene(240, 160, 5);
  WriteBmp(path("original.bmp"), original);
  const Read reference = readPicture(path("original.bmp"));
  for (int o = 0; o < OrientationCount; ++o) {
    SCOPED_TRACE("orientation " + std::to_string(o));
    WriteBmp(path("turned.bmp"), Oriented(original, o));
    const Read turned = readPicture(path("turned.bmp"));
    EXPECT_LE(FingerprintErrors(OrientGrid(reference.fingerprint, o), turned.fingerprint, 400), 6);
    EXPECT_LE(FingerprintErrors(OrientGrid(reference.print.grid, o), turned.print.grid, 400), 10);
    EXPECT_TRUE(SignaturesMatch(OrientSignature(reference.print.signature, o), turned.print.signature));
    if (o != 0) {
      EXPECT_FALSE(SignaturesMatch(reference.print.signature, turned.print.signature));
    }
  }
}

// A picture stored turned, with a tag that shows it upright: a verifying read gives
// the grid and signature of the upright picture through its orientation; the classic
// fingerprint is that of the pixels as decoded, whatever the tag says.
TEST_F(SignatureTest, OrientationTagsTurnTheVerifiedPrintUpright) {
  const Picture upright = scene(240, 160, 7);
  WriteBmp(path("upright.bmp"), upright);
  const Read reference = readPicture(path("upright.bmp"));
  for (int tag = 1; tag <= 8; ++tag) {
    SCOPED_TRACE("tag " + std::to_string(tag));
    const Picture stored = Oriented(upright, InverseOrientation(OrientationOfTag(tag)));
    WriteJpeg(path("tagged.jpg"), stored, {.quality = 95, .exifOrientation = tag});
    WriteBytes(path("tagged.tif"), EncodeTiff({stored}, {}, tag));
    WriteBytes(path("tagged.heic"), EncodeHeif({stored}, false, {}, 0, tag));
    for (const char* name : {"tagged.jpg", "tagged.tif", "tagged.heic"}) {
      const Read read = readPicture(path(name));
      EXPECT_LE(FingerprintErrors(read.print.uprightGrid(), reference.print.grid, 400), 12) << name;
      EXPECT_TRUE(SignaturesMatch(read.print.uprightSignature(), reference.print.signature)) << name;
    }
    EXPECT_EQ(readPicture(path("tagged.jpg")).print.orientation, OrientationOfTag(tag));
  }
}

TEST_F(SignatureTest, PlainAndBlankPicturesMatchOnlyTheirOwnCopies) {
  // Gradients of one direction differ in tone and colour only.
  Picture warm = GradientPicture(320, 240), cool = warm;
  for (uint32_t& p : cool.rgb) p = Rgb(int(p & 255), int(p >> 8 & 255), int(p >> 16 & 255));
  WriteJpeg(path("warm.jpg"), warm);
  WriteJpeg(path("warm-brighter.jpg"), shifted(warm, 25));
  WriteJpeg(path("cool.jpg"), cool);
  WriteBytes(path("page.png"), EncodePng(shifted(UniformPicture(320, 240, Rgb(240, 240, 236)), 0, 1)));
  WriteJpeg(path("page-copy.jpg"), shifted(UniformPicture(320, 240, Rgb(240, 240, 236)), 0, 2));
  WriteJpeg(path("grey-page.jpg"), shifted(UniformPicture(320, 240, Rgb(200, 200, 200)), 0, 3));
  WriteBytes(path("white-on-clear.png"), EncodePng(UniformPicture(320, 240, White), AlphaPlane(320 * 240, 0)));
  const auto signature = [&](const char* name) { return readPicture(path(name)).print.signature; };
  EXPECT_TRUE(SignaturesMatch(signature("warm.jpg"), signature("warm-brighter.jpg")));
  EXPECT_FALSE(SignaturesMatch(signature("warm.jpg"), signature("cool.jpg")));
  EXPECT_FALSE(signature("warm.jpg").almostUniform);
  EXPECT_TRUE(signature("page.png").almostUniform);
  EXPECT_TRUE(signature("white-on-clear.png").almostUniform);
  EXPECT_TRUE(SignaturesMatch(signature("page.png"), signature("page-copy.jpg")));
  for (const char* other : {"grey-page.jpg", "warm.jpg", "cool.jpg"})
    EXPECT_FALSE(SignaturesMatch(signature("page.png"), signature(other))) << other;

  // A picture smaller than the thumbnail, and a uniform one, are safe and have no structure.
  WorkBitmap bitmap;
  ASSERT_TRUE(bitmap.reset(3, 1, 0x808080));
  bitmap.pixels[2] = 0xFFFFFF;
  TFingerprint grid{};
  PictureSignature tiny;
  SignatureOfBitmap(bitmap, 0, 0, 3, 1, grid, tiny);
  EXPECT_GT(tiny.luminance.detail, 0);
  ASSERT_TRUE(bitmap.reset(50, 40, 0x336699));
  PictureSignature uniform;
  SignatureOfBitmap(bitmap, 0, 0, 50, 40, grid, uniform);
  EXPECT_EQ(uniform.luminance.structure, GreyView{}.structure);
  EXPECT_TRUE(uniform.almostUniform && uniform.coloured);
}

}  // namespace
}  // namespace vl::test

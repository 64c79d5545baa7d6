// Picture signatures: the same picture altered keeps its signature, different pictures do not, turns agree.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/fingerprint/fingerprint.h"
#include "core/scan/pairing.h"
#include "tests/support/image_writer.h"
#include "tests/support/temp_dir.h"

namespace vl::test {
namespace {

struct Read {
  TFingerprint fingerprint{};
  PictureSignature signature = 0;
};

Read readPicture(const std::string& path) {
  Read read;
  int32_t width = 0, height = 0;
  EXPECT_TRUE(MakeFingerprint(path, read.fingerprint, width, height, nullptr, &read.signature)) << path;
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

// The picture turned by orientation o: P'(x, y) = P(s(x, y)) as OrientGrid describes.
Picture oriented(const Picture& from, int o) {
  const bool swap = (o & 4) != 0;
  Picture out(swap ? from.height : from.width, swap ? from.width : from.height);
  for (int y = 0; y < out.height; ++y)
    for (int x = 0; x < out.width; ++x) {
      int a = o & 1 ? out.width - 1 - x : x, b = o & 2 ? out.height - 1 - y : y;
      if (swap) std::swap(a, b);
      out.set(x, y, from.at(a, b));
    }
  return out;
}

class SignatureTest : public ::testing::Test {
 protected:
  std::string path(const std::string& name) const { return dir.file(name); }
  TempDir dir;
};

TEST_F(SignatureTest, AlteredCopiesKeepTheSignatureAndOtherPicturesDoNot) {
  const Picture original = scene(400, 300, 3);
  WriteJpeg(path("original.jpg"), original);
  WriteJpeg(path("low.jpg"), original, {.quality = 40});
  WriteJpeg(path("grey.jpg"), original, {.colour = JpegColour::Grey});
  WriteJpeg(path("small.jpg"), scaled(original, 100, 75));
  WriteJpeg(path("cropped.jpg"), scaled(original, 392, 294, 4, 3, 4, 3));
  WriteBmp(path("copy.bmp"), original);
  Picture brighter = original;
  for (uint32_t& p : brighter.rgb) {
    const auto lift = [](uint32_t c) { return std::min(255, int(c) + 30); };
    p = Rgb(lift(p >> 16 & 255), lift(p >> 8 & 255), lift(p & 255));
  }
  WriteJpeg(path("brighter.jpg"), brighter);
  const PictureSignature reference = readPicture(path("original.jpg")).signature;
  for (const char* copy : {"low.jpg", "grey.jpg", "small.jpg", "cropped.jpg", "copy.bmp", "brighter.jpg"})
    EXPECT_LE(SignatureDistance(readPicture(path(copy)).signature, reference), VerifiedSignatureDistance) << copy;

  for (uint32_t seed = 10; seed < 16; ++seed) {
    WriteJpeg(path("other.jpg"), scene(400, 300, seed));
    EXPECT_GT(SignatureDistance(readPicture(path("other.jpg")).signature, reference), VerifiedSignatureDistance)
        << "seed " << seed;
  }
}

TEST_F(SignatureTest, TurnedGridsAndSignaturesAgreeWithTurnedPictures) {
  const Picture original = scene(240, 160, 5);
  WriteBmp(path("original.bmp"), original);
  const Read reference = readPicture(path("original.bmp"));
  for (int o = 0; o < OrientationCount; ++o) {
    SCOPED_TRACE("orientation " + std::to_string(o));
    WriteBmp(path("turned.bmp"), oriented(original, o));
    const Read turned = readPicture(path("turned.bmp"));
    EXPECT_LE(FingerprintErrors(OrientGrid(reference.fingerprint, o), turned.fingerprint, 400), 6);
    EXPECT_LE(SignatureDistance(OrientSignature(reference.signature, o), turned.signature), 3);
    if (o != 0) {
      EXPECT_GT(SignatureDistance(reference.signature, turned.signature), VerifiedSignatureDistance);
    }
  }
}

TEST(Signature, TinyAndUniformPicturesAreSafe) {
  WorkBitmap bitmap;
  ASSERT_TRUE(bitmap.reset(3, 1, 0x808080));
  bitmap.pixels[2] = 0xFFFFFF;
  const PictureSignature tiny = SignatureOfBitmap(bitmap, 0, 0, 3, 1);
  EXPECT_EQ(tiny & 1, 0u) << "the mean has no bit";
  ASSERT_TRUE(bitmap.reset(50, 40, 0x336699));
  EXPECT_EQ(SignatureOfBitmap(bitmap, 0, 0, 50, 40), 0u) << "a uniform picture has no positive coefficient";
}

}  // namespace
}  // namespace vl::test

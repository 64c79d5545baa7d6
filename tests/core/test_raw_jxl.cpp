// JPEG XL and camera raw pictures: the pixels a JPEG XL holds, a raw file's preview or half-size decode, and a raw file pairing with its camera JPEG.
#include <gtest/gtest.h>

#include <random>

#include "tests/core/scan_fixture.h"
#include "tests/core/two_pass_check.h"
#include "tests/support/generated_photo.h"
#include "tests/support/modern_writer.h"

namespace vl {
namespace {

using test::Picture;
using JpegXl = test::PictureFiles;
using CameraRaw = test::PictureFiles;

void expectSame(const test::PictureOutcome& actual, const test::PictureOutcome& expected) {
  ASSERT_TRUE(actual.ok && expected.ok);
  EXPECT_EQ(actual.fingerprint, expected.fingerprint);
  EXPECT_EQ(actual.size(), expected.size());
}

TEST_F(JpegXl, PixelsFingerprintAsABmpOfThemAndDamageFails) {
  const Picture photo = test::FramedPicture(test::GradientPicture(90, 60), 6, 4, 5, 7, test::Rgb(40, 90, 160));
  const std::vector<uint8_t> jxl = test::EncodeJxl(photo);
  expectSame(of(jxl, ".jxl"), ofBmp(photo));
  // Transparent pixels show white.
  Picture half = photo;
  test::AlphaPlane alpha(photo.rgb.size(), 255);
  for (size_t i = 0; i < alpha.size(); i += 2) alpha[i] = 0, half.rgb[i] = test::White;
  expectSame(of(test::EncodeJxl(photo, alpha), ".jxl"), ofBmp(half));
  for (size_t cut : {size_t(5), jxl.size() / 2}) EXPECT_FALSE(of({jxl.begin(), jxl.begin() + ptrdiff_t(cut)}, ".jxl").ok);
}

// A preview too small to stand for the picture: the sensor data decoded at half size,
// white balanced as shot and scaled in brightness, so only its size is known exactly.
TEST_F(CameraRaw, ASmallPreviewGivesWayToAHalfSizeDecodeAndDamageFails) {
  const Picture scene = test::BlockPicture(80, 60, 10, {test::Black, test::White, test::Rgb(200, 40, 40)}, 3);
  const std::vector<uint8_t> dng = test::EncodeDng(scene, test::GradientPicture(160, 120));  // preview too small
  const test::PictureOutcome raw = of(dng, ".dng");
  ASSERT_TRUE(raw.ok);
  EXPECT_EQ(raw.size(), std::pair(160, 120));
  EXPECT_NE(raw.fingerprint, ofBmp(test::GradientPicture(160, 120)).fingerprint);
  for (size_t cut : {size_t(8), dng.size() / 3}) EXPECT_FALSE(of({dng.begin(), dng.begin() + ptrdiff_t(cut)}, ".dng").ok);
}

using RawPairScan = test::ScanFixture;

// The camera's JPEG beside its raw file: the raw file's JPEG preview (turned as the
// JPEG's EXIF block turns it, or not at all) makes them one group, plain or verified.
TEST_F(RawPairScan, ARawFileAndTheCameraJpegBesideItAreDuplicates) {
  std::mt19937 random(11);
  const Picture photo = test::GeneratedPhoto(random), scene = test::GradientPicture(64, 48);
  test::WriteJpeg(dir.file("IMG_1.JPG"), photo, {.exifOrientation = 6});
  test::WriteBytes(dir.file("IMG_1.DNG"), test::EncodeDng(scene, photo, 6));
  test::WriteJpeg(dir.file("IMG_2.JPG"), test::GradientPicture(900, 700));
  test::WriteBytes(dir.file("IMG_2.NEF"), test::EncodeDng(scene, test::GradientPicture(900, 700)));
  for (bool verified : {false, true}) {
    request.verifyMatches = verified;
    scan(ScanMode::Images, {}, {dir.path()}, ImageFilesMask(true));
    const std::vector<std::string> found = groups();
    ASSERT_EQ(found.size(), 2u) << verified << " " << found[0];
    for (const std::string& g : found) EXPECT_TRUE(g.find("IMG_1") == g.npos || g.find("IMG_2") == g.npos) << g;
  }
}

}  // namespace
}  // namespace vl

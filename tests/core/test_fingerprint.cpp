// Fingerprints, widths and heights of JPEG, BMP and GIF pictures written with known pixels.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

#include "core/fingerprint/bmp_decoder.h"
#include "core/fingerprint/fingerprint.h"
#include "core/fingerprint/gif_decoder.h"
#include "core/fingerprint/jpeg_decoder.h"
#include "tests/core/two_pass_check.h"

namespace vl {
namespace {

using test::Black;
using test::Picture;
using test::Rgb;
using test::White;

// The fingerprint the rules give for a picture that is sampled whole (no border cut),
// computed straight from its pixels.
TFingerprint expectedFingerprint(const Picture& p) {
  std::vector<int> v(100);
  for (int gx = 0; gx < 10; ++gx) {
    for (int gy = 0; gy < 10; ++gy) {
      const uint32_t c = p.at((2 * gx + 1) * p.width / 20, (2 * gy + 1) * p.height / 20);
      const double mean = ((c >> 16) + (c >> 8 & 0xFF) + (c & 0xFF)) / 3.0;
      v[size_t(gx * 10 + gy)] = 255 - int(std::lround(mean));
    }
  }
  const int mn = *std::min_element(v.begin(), v.end()), mx = *std::max_element(v.begin(), v.end());
  int sum = 0;
  for (int x : v) sum += x;
  const int avg = sum / 100;
  int lo, hi;
  if (mn + (mx - mn) / 2 <= avg) {
    hi = avg + (mx - avg) / 2;
    lo = 2 * avg - hi;
  } else {
    lo = mn + (avg - mn) / 2;
    hi = 2 * avg - lo;
  }
  TFingerprint f{};
  for (size_t i = 0; i < 100; ++i) f[i] = uint8_t(v[i] < lo ? 0 : v[i] < avg ? 1 : v[i] < hi ? 2 : 3);
  return f;
}

Picture crop(const Picture& p, int left, int top, int width, int height) {
  Picture out(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) out.set(x, y, p.at(left + x, top + y));
  return out;
}

using Result = test::PictureOutcome;
using FingerprintTest = test::PictureFiles;

// ---- The algorithm, on lossless BMP pictures ----

TEST_F(FingerprintTest, GridSamplesThePixelsOfPicturesOfOddSizes) {
  for (auto [w, h] : {std::pair{37, 23}, {101, 7}, {10, 10}, {3, 250}, {640, 480}}) {
    const Picture p = test::GradientPicture(w, h);
    const Result r = ofBmp(p);
    ASSERT_TRUE(r.ok) << w << "x" << h;
    EXPECT_EQ(r.fingerprint, expectedFingerprint(p)) << w << "x" << h;
  }
  // The bytes run down the columns: a black first column is the first ten codes.
  Picture p(100, 100, White);
  p.fill(0, 0, 10, 100, Black);
  p.set(99, 99, Rgb(1, 1, 1));  // corners differ: no cut
  const Result r = ofBmp(p);
  ASSERT_TRUE(r.ok);
  for (int i = 0; i < 100; ++i) EXPECT_EQ(r.fingerprint[size_t(i)], i < 10 ? 3 : 0) << i;
}

TEST_F(FingerprintTest, FrameIsCutKeepingOneRowAboveAndOneColumnLeft) {
  const Picture content = test::GradientPicture(80, 60);
  const Picture framed = test::FramedPicture(content, 7, 5, 9, 11);
  const Result r = ofBmp(framed);
  ASSERT_TRUE(r.ok);
  const Picture kept = crop(framed, 6, 4, 81, 61);
  EXPECT_NE(expectedFingerprint(kept), expectedFingerprint(framed));
  EXPECT_EQ(r.fingerprint, expectedFingerprint(kept));
}

// No cut when the corners differ, when content reaches higher off centre, or when nothing would be left.
TEST_F(FingerprintTest, CutIsNotMadeOrIsAbandonedAndTheWholePictureIsSampled) {
  Picture framed = test::FramedPicture(test::GradientPicture(80, 60), 10, 10, 10, 10);
  framed.set(framed.width - 1, framed.height - 1, Rgb(250, 250, 250));
  const Result differ = ofBmp(framed);
  ASSERT_TRUE(differ.ok);
  EXPECT_EQ(differ.fingerprint, expectedFingerprint(framed));

  const Picture p = test::AbandonedCutPicture(100, 80, 10, 6);
  const Result abandoned = ofBmp(p);
  ASSERT_TRUE(abandoned.ok);
  EXPECT_NE(expectedFingerprint(crop(p, 9, 15, 81, 55)), expectedFingerprint(p));
  EXPECT_EQ(abandoned.fingerprint, expectedFingerprint(p));

  // A uniform picture, all border, keeps its one pixel and gives code 3 everywhere, JPEG as BMP.
  TFingerprint allThree;
  allThree.fill(3);
  for (const Result& uniform :
       {ofBmp(test::UniformPicture(1, 1, Rgb(20, 20, 20))), ofJpeg(test::UniformPicture(120, 90, Rgb(90, 90, 90)))}) {
    ASSERT_TRUE(uniform.ok);
    EXPECT_EQ(uniform.fingerprint, allThree);
  }

  Picture line(5, 1, White);  // confirmed cut of zero rows
  line.set(2, 0, Black);
  const Result r = ofBmp(line);
  ASSERT_TRUE(r.ok);
  EXPECT_EQ(r.fingerprint, expectedFingerprint(line));
}

TEST_F(FingerprintTest, BorderCutComparesColoursNotGreyValues) {
  // Red (255,0,0) and blue (0,0,255) have the same grey value but are different colours.
  const Picture content = test::BlockPicture(40, 40, 8, {Rgb(0, 0, 255), Black, White}, 5);
  const Picture framed = test::FramedPicture(content, 6, 6, 6, 6, Rgb(255, 0, 0));
  const Result r = ofBmp(framed);
  ASSERT_TRUE(r.ok);
  EXPECT_EQ(r.fingerprint, expectedFingerprint(crop(framed, 5, 5, 41, 41)));
}

// ---- BMP variants ----

TEST_F(FingerprintTest, EveryBmpVariantGivesTheSameFingerprint) {
  const Picture two = test::BlockPicture(45, 31, 4, {Black, White}, 11);
  const std::vector<uint32_t> eight = {Black, White, Rgb(255, 0, 0), Rgb(0, 255, 0), Rgb(0, 0, 255),
                                       Rgb(255, 255, 0), Rgb(0, 255, 255), Rgb(255, 0, 255)};
  const Picture many = test::BlockPicture(45, 31, 3, eight, 12);
  // Rows run the same way at every depth, and every header above 40 bytes holds the
  // masks alike: one top-down variant and two long headers stand for the rest.
  std::vector<test::BmpVariant> variants = {{4, true}, {8, true}, {16, false, true}, {32, false, true},
                                            {8, false, false, true}, {16, false, true, false, false, 52},
                                            {32, false, true, true, false, 124}, {24, false, false, false, false, 108}};
  for (int bpp : {1, 4, 8, 16, 24, 32}) variants.push_back({bpp});
  for (int bpp : {1, 4, 8, 24}) variants.push_back({bpp, false, false, false, true});
  for (const auto& v : variants) {
    const Picture& p = v.bpp == 1 ? two : many;
    const Result r = ofBmp(p, v);
    ASSERT_TRUE(r.ok) << "bpp " << v.bpp << " rle " << v.rle << " header " << v.infoHeaderSize;
    EXPECT_EQ(r.size(), std::pair(45, 31));
    EXPECT_EQ(r.fingerprint, expectedFingerprint(p)) << "bpp " << v.bpp << " top-down " << v.topDown;
  }
}

// The BMP with its pixel data replaced by `pixels`.
std::vector<uint8_t> withPixelData(std::vector<uint8_t> bmp, const std::vector<uint8_t>& pixels) {
  const size_t offset = bmp[10] | bmp[11] << 8;
  bmp.resize(offset);
  bmp.insert(bmp.end(), pixels.begin(), pixels.end());
  return bmp;
}

bool decodeBmp(const std::vector<uint8_t>& bytes, WorkBitmap& bitmap) {
  return DecodeBmp(bytes.data(), bytes.size(), bitmap);
}

TEST(BmpDecoder, NarrowChannelsWidenPaletteMissesAndRleSkipsAreBlack) {
  // 5-5-5 pixel: red 16, green 1, blue 31 -> 132, 8, 255.
  auto bmp = withPixelData(test::EncodeBmp(Picture(1, 1), {16}), {uint8_t(1 << 5 | 31), uint8_t(16 << 2), 0, 0});
  WorkBitmap b;
  ASSERT_TRUE(decodeBmp(bmp, b));
  EXPECT_EQ(b.at(0, 0), Rgb(132, 8, 255));
  // 5-6-5: green 32 of 63 -> (32 * 255 + 31) / 63 = 130.
  bmp = withPixelData(test::EncodeBmp(Picture(1, 1), {16, false, true}), {uint8_t(32 << 5 & 0xFF), 32 >> 3, 0, 0});
  ASSERT_TRUE(decodeBmp(bmp, b));
  EXPECT_EQ(b.at(0, 0), Rgb(0, 130, 0));
  // An index beyond the palette is black.
  Picture p(4, 1, White);
  p.set(0, 0, Rgb(9, 9, 9));
  ASSERT_TRUE(decodeBmp(withPixelData(test::EncodeBmp(p, {8}), {1, 5, 0, 255}), b));
  EXPECT_EQ(b.pixels, (std::vector<uint32_t>{White, Black, Rgb(9, 9, 9), Black}));
  // Pixels that RLE skips are black. Row 0 (bottom): 2 pixels, delta (2, 1), 2 pixels on row 1; end of bitmap.
  const auto rle8 = withPixelData(test::EncodeBmp(Picture(6, 3, White), {8, true}), {2, 0, 0, 2, 2, 1, 2, 0, 0, 1});
  ASSERT_TRUE(decodeBmp(rle8, b));
  const uint32_t w = White, k = Black;
  const std::vector<uint32_t> expected = {k, k, k, k, k, k,   // top row never reached
                                          k, k, k, k, w, w,   // after the delta
                                          w, w, k, k, k, k};  // bottom row
  EXPECT_EQ(b.pixels, expected);
  // RLE4 absolute run of 3 nibbles (padded to a word) then a run of 2 alternating 0/1 ones.
  Picture two(6, 1, White);
  two.set(0, 0, Black);
  const auto rle4 = withPixelData(test::EncodeBmp(two, {4, true}), {0, 3, 0x01, 0x00, 2, 0x10, 0, 1});
  ASSERT_TRUE(decodeBmp(rle4, b));
  EXPECT_EQ(b.pixels, (std::vector<uint32_t>{k, w, k, w, k, k}));
}

TEST(BmpDecoder, RefusesWhatItCannotOrMustNotDecode) {
  const auto plain = test::EncodeBmp(test::GradientPicture(9, 7));
  const auto rle = test::EncodeBmp(test::UniformPicture(9, 7, White), {8, true});
  const auto changed = [](std::vector<uint8_t> bmp, std::vector<std::pair<size_t, uint8_t>> bytes) {
    for (auto [at, value] : bytes) bmp[at] = value;
    return bmp;
  };
  const std::vector<std::vector<uint8_t>> refused = {
      changed(rle, {{22, uint8_t(-7)}, {23, 0xFF}, {24, 0xFF}, {25, 0xFF}}),  // top-down RLE (height -7)
      changed(plain, {{30, 4}}), changed(plain, {{30, 5}}), changed(plain, {{30, 7}}),  // JPEG, PNG, unknown coding
      std::vector<uint8_t>(plain.begin(), plain.end() - 30),                            // truncated
      changed(rle, {{20, 1}, {24, 1}}),  // 65540 x 65540 pixels, more than the cap
      changed(plain, {{18, 0}}),         // zero width
      changed(plain, {{14, 41}}),        // unknown header size
      {'B', 'M', 0, 0}};
  WorkBitmap b;
  for (size_t i = 0; i < refused.size(); ++i) EXPECT_FALSE(decodeBmp(refused[i], b)) << i;
}

// ---- GIF ----

WorkBitmap decodeGif(const Picture& p, const test::GifOptions& options) {
  const auto bytes = test::EncodeGif(p, options);
  WorkBitmap b;
  EXPECT_TRUE(DecodeGif(bytes.data(), bytes.size(), b));
  return b;
}

TEST_F(FingerprintTest, InterlacedGifEqualsPlainGif) {
  const Picture p = test::BlockPicture(37, 29, 3, {Black, White, Rgb(200, 10, 10), Rgb(10, 10, 200)}, 3);
  for (int h : {1, 2, 3, 5, 9, 29}) {
    const Picture part = crop(p, 0, 0, 37, h);
    EXPECT_EQ(decodeGif(part, {.interlaced = true}).pixels, part.rgb) << h;
  }
}

TEST_F(FingerprintTest, GifImageIsDrawnAtItsOffsetOnTheBackgroundWithTransparencyAndClipped) {
  const uint32_t red = Rgb(255, 0, 0), green = Rgb(0, 255, 0);
  Picture image(4, 3, Black);
  image.set(1, 1, red);  // red becomes transparent
  for (bool local : {false, true}) {
    const test::GifOptions options{.screenWidth = 7, .screenHeight = 6, .left = 2, .top = 1,
                                   .localColourTable = local, .backgroundColour = green, .transparentColour = red};
    const WorkBitmap b = decodeGif(image, options);
    ASSERT_EQ(std::pair(b.width, b.height), std::pair(7, 6));
    for (int y = 0; y < 6; ++y) {
      for (int x = 0; x < 7; ++x) {
        const bool inside = x >= 2 && x < 6 && y >= 1 && y < 4 && !(x == 3 && y == 2);
        EXPECT_EQ(b.at(x, y), inside ? Black : green) << x << "," << y << " local " << local;
      }
    }
  }
  const Result r = ofGif(image, {.screenWidth = 70, .screenHeight = 60, .left = 2, .top = 1});
  ASSERT_TRUE(r.ok);
  EXPECT_EQ(r.size(), std::pair(70, 60));
  // Without a global table the background is black, and an image beyond the screen is clipped.
  const WorkBitmap clipped = decodeGif(Picture(3, 3, White), {.screenWidth = 4, .screenHeight = 2, .left = 2,
                                                              .localColourTable = true, .globalColourTable = false});
  EXPECT_EQ(clipped.pixels, (std::vector<uint32_t>{Black, Black, White, White, Black, Black, White, White}));
}

TEST(GifDecoder, RefusesDamagedAndHugeFiles) {
  WorkBitmap b;
  auto bytes = test::EncodeGif(test::BlockPicture(64, 64, 2, {Black, White, Rgb(9, 9, 9)}, 2));
  EXPECT_FALSE(DecodeGif(bytes.data(), bytes.size() / 2, b));
  auto huge = bytes;
  huge[6] = huge[7] = huge[8] = huge[9] = 0xFF;  // 65535 x 65535 screen
  EXPECT_FALSE(DecodeGif(huge.data(), huge.size(), b));
  const std::vector<uint8_t> noImage = {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0, 0, 0, 0x3B};
  EXPECT_FALSE(DecodeGif(noImage.data(), noImage.size(), b));
}

// ---- JPEG ----

// Decodes a JPEG that must decode, with its stored width and height.
WorkBitmap decodeJpeg(const std::vector<uint8_t>& jpeg, int32_t* width = nullptr, int32_t* height = nullptr) {
  WorkBitmap b;
  int32_t w = 0, h = 0;
  EXPECT_TRUE(DecodeJpeg(jpeg.data(), jpeg.size(), b, w, h));
  if (width) *width = w, *height = h;
  return b;
}

TEST(JpegDecoder, DecodesAtTheSmallestScaleLeavingMoreThanFiftyPixelsEachSide) {
  for (auto [w, h, denominator, dw, dh] :
       {std::tuple{1000, 800, 8, 125, 100}, {1000, 300, 4, 250, 75}, {90, 90, 1, 90, 90}, {408, 408, 8, 51, 51},
        {400, 400, 4, 100, 100}, {102, 4000, 2, 51, 2000}, {101, 4000, 1, 101, 4000}, {250, 120, 2, 125, 60}}) {
    EXPECT_EQ(JpegScaleDenominator(w, h), denominator) << w << "x" << h;
    int32_t width = 0, height = 0;
    const WorkBitmap b = decodeJpeg(test::EncodeJpeg(test::GradientPicture(w, h)), &width, &height);
    EXPECT_EQ(std::pair(width, height), std::pair(w, h));
    EXPECT_EQ(std::pair(b.width, b.height), std::pair(dw, dh)) << w << "x" << h;
    EXPECT_TRUE(b.luminance);
  }
}

TEST_F(FingerprintTest, GreyscaleAndCmykJpegsMatchTheirPixelsScaledByBlack) {
  // Large blocks of far-apart tones survive the lossy coding without changing code.
  const Picture blocks = test::BlockPicture(160, 160, 16, {Black, White, Rgb(90, 90, 90)}, 21);
  const TFingerprint expected = expectedFingerprint(blocks);
  for (auto colour : {test::JpegColour::Rgb, test::JpegColour::Grey, test::JpegColour::Cmyk, test::JpegColour::Ycck}) {
    const Result r = ofJpeg(blocks, {.quality = 100, .subsample420 = false, .colour = colour});
    ASSERT_TRUE(r.ok) << int(colour);
    EXPECT_EQ(r.fingerprint, expected) << int(colour);
  }
  // CMYK pixels are scaled by black. K = 128: C = 100 * 255 / 128 = 199 and R = 199 * 128 / 255 = 99.
  const WorkBitmap b = decodeJpeg(test::EncodeJpeg(test::UniformPicture(16, 16, Rgb(100, 50, 20)),
                                                   {.quality = 100, .subsample420 = false, .colour = test::JpegColour::Ycck,
                                                    .cmykBlack = 128}));
  EXPECT_FALSE(b.luminance);
  for (int shift : {16, 8, 0}) EXPECT_NEAR(int(b.at(8, 8) >> shift & 0xFF), int(Rgb(99, 49, 19) >> shift & 0xFF), 2);
}

TEST_F(FingerprintTest, TruncatedOrOddlySampledJpegIsStillFingerprinted) {
  const Picture p = test::GradientPicture(640, 480);
  auto jpeg = test::EncodeJpeg(p);
  const WorkBitmap a = decodeJpeg(jpeg);
  jpeg.resize(jpeg.size() * 3 / 4);
  const Result r = of(jpeg, ".jpg");
  ASSERT_TRUE(r.ok);
  EXPECT_EQ(r.size(), std::pair(640, 480));
  // The rows before the cut are decoded exactly as in the whole file.
  const WorkBitmap b = decodeJpeg(jpeg);
  ASSERT_EQ(a.width, b.width);
  EXPECT_TRUE(std::equal(a.pixels.begin(), a.pixels.begin() + 8 * a.width, b.pixels.begin()));
  // Chroma sampled at a fractional ratio of the luminance (3:2), which libjpeg cannot
  // upsample, leaves the luminance to read, in classic and verifying scans alike.
  auto odd = test::EncodeJpeg(p, {.subsample420 = false});
  const uint8_t sof0[] = {0xFF, 0xC0};
  const auto sof = std::search(odd.begin(), odd.end(), sof0, sof0 + 2);
  ASSERT_NE(sof, odd.end());
  sof[11] = 0x31;  // the luminance's sampling, 3 x 1
  sof[14] = 0x21;  // the blue chroma's, 2 x 1
  EXPECT_EQ(of(odd, ".jpg").size(), std::pair(640, 480));
  PreviewPicture preview;  // and shown in grey
  ASSERT_TRUE(DecodeJpegPreview(odd.data(), odd.size(), {}, preview));
  const uint32_t pixel = preview.pixels[size_t(preview.width) * 100 + 100];
  EXPECT_EQ(pixel, 0xFF000000u | (pixel & 0xFF) * 0x010101u);
}

// ---- The decoding memory budget ----

// Holds wait in arrival order for room beside what others hold; one larger than the
// whole budget waits until nothing else is held; a cancel ends a wait with nothing held.
TEST(DecodeBudgetTest, HoldsWaitForRoomAndALargeOneRunsAlone) {
  DecodeBudget budget(100);
  std::atomic<bool> cancel{false};
  DecodeControl control;
  control.budget = &budget;
  control.cancel = &cancel;
  BudgetHold first(control);
  ASSERT_TRUE(first.resize(60));
  std::atomic<int> got{0};
  const auto holdFor = [&](uint64_t bytes) {
    return std::thread([&, bytes] {
      BudgetHold hold(control);
      if (hold.resize(bytes)) got += int(bytes);
    });
  };
  const auto untilWaiting = [&](size_t count) {
    while (budget.waiting() < count) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  };
  std::thread large = holdFor(150);
  untilWaiting(1);
  std::thread small = holdFor(30);  // fits beside 60, but the large hold came first
  untilWaiting(2);
  EXPECT_EQ(got, 0);
  first.resize(0);
  large.join();
  small.join();
  EXPECT_EQ(got, 180);
  EXPECT_EQ(budget.peak(), 150u);

  ASSERT_TRUE(first.resize(100));
  std::thread cancelled = holdFor(10);
  untilWaiting(1);
  cancel = true;
  cancelled.join();
  EXPECT_EQ(got, 180);
  first.resize(0);
  cancel = false;
  BudgetHold after(control);
  EXPECT_TRUE(after.resize(100)) << "the cancelled wait left nothing held";

  // A picture above the whole size holds a fraction of its bitmap: the rows it samples.
  const std::vector<uint8_t> tall = test::EncodeBmp(test::GradientPicture(600, 3000));
  DecodeBudget counted(uint64_t(1) << 30);
  control = {nullptr, &counted, 1000};
  TFingerprint fingerprint;
  int32_t width = 0, height = 0;
  ASSERT_TRUE(MakeFingerprintFromMemory(tall.data(), tall.size(), PictureType::Bmp, fingerprint, width, height,
                                        nullptr, control));
  EXPECT_LT(counted.peak(), 600u * 3000 * 4 / 8);
  // A decode that would need more than the ceiling is refused before it allocates.
  control.maxDecodeBytes = 600u * 8 * 4;  // fewer than the rows it samples
  EXPECT_FALSE(MakeFingerprintFromMemory(tall.data(), tall.size(), PictureType::Bmp, fingerprint, width, height,
                                         nullptr, control));
}

// ---- What is not a picture ----

TEST_F(FingerprintTest, FilesThatAreNotPicturesOfTheirExtensionsTypeFail) {
  const std::vector<uint8_t> garbage(5000, 'x'), jpeg = test::EncodeJpeg(test::GradientPicture(64, 64));
  const std::vector<uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13, 'I', 'H', 'D', 'R'};
  for (const auto& [name, bytes] : std::vector<std::pair<std::string, std::vector<uint8_t>>>{
           {"garbage.jpg", garbage}, {"garbage.bmp", garbage}, {"garbage.gif", garbage}, {"empty.jpg", {}},
           {"png.jpg", png}, {"jpeg.txt", jpeg}, {"jpeg.gif", jpeg}, {"icon.ico", jpeg}, {"drawing.wmf", jpeg}})
    EXPECT_FALSE(test::FingerprintOutcomeOf(dir.write(name, bytes)).ok) << name;
  EXPECT_FALSE(test::FingerprintOutcomeOf(dir.makeDir("folder.jpg")).ok);
  EXPECT_TRUE(test::FingerprintOutcomeOf(dir.write("real.JpG", jpeg)).ok);
  // The type is chosen by the last extension without regard to case.
  for (auto [path, type] : {std::pair{"/a/b.JpEg", PictureType::Jpeg}, {"b.EMF", PictureType::Metafile},
                            {"b.jpg.txt", PictureType::None}, {"/a.jpg/b", PictureType::None}})
    EXPECT_EQ(PictureTypeOf(path), type) << path;
  EXPECT_EQ(std::tuple(IsPictureName("/a/b.Pef", true), IsPictureName("b.pef", false), IsPictureName("b.J", true),
                       IsPictureName("b.PE", true)), std::tuple(true, false, false, false));
}

}  // namespace
// The preview decoder: the View menu's scale, a stretched pane's covering scale,
// accurate and fast decoding alike, CMYK pictures in colour, damaged data refused.
TEST(JpegPreview, ScalesCoverTheFitBoxAndColoursSurvive) {
  const Picture picture = test::FramedPicture(test::UniformPicture(1560, 1160, Rgb(200, 40, 30)), 20, 20, 20, 20,
                                               Rgb(20, 60, 220));
  const std::vector<uint8_t> rgb = test::EncodeJpeg(picture);
  const auto decode = [](const std::vector<uint8_t>& data, JpegPreviewOptions options) {
    PreviewPicture preview;
    EXPECT_TRUE(DecodeJpegPreview(data.data(), data.size(), options, preview));
    return preview;
  };
  const auto near = [](uint32_t pixel, uint32_t expected) {
    for (int shift : {0, 8, 16})
      if (std::abs(int(pixel >> shift & 0xFF) - int(expected >> shift & 0xFF)) > 12) return false;
    return (pixel >> 24) == 0xFF;
  };
  PreviewPicture quarter = decode(rgb, {4, false, 0, 0});
  EXPECT_EQ(std::tuple(quarter.width, quarter.height, quarter.fullWidth), std::tuple(400, 300, 1600));
  EXPECT_TRUE(near(quarter.pixels[150 * 400 + 200], Rgb(200, 40, 30)));
  EXPECT_TRUE(near(quarter.pixels[1 * 400 + 1], Rgb(20, 60, 220)));

  // Fitted into 300 x 300 the picture is 300 x 225: 1/4 (400 x 300) covers it, 1/8 does not.
  EXPECT_EQ(JpegCoveringDenominator(1600, 1200, 3000, 3000), 1);
  EXPECT_EQ(JpegCoveringDenominator(1600, 1200, 0, 300), 1);
  EXPECT_EQ(decode(rgb, {1, true, 300, 300}).width, 400);
  // The menu's scale is never exceeded: 1 : 8 stays at 1/8 in a large pane.
  EXPECT_EQ(decode(rgb, {8, false, 3000, 3000}).width, 200);

  PreviewPicture cmyk = decode(test::EncodeJpeg(picture, {.colour = test::JpegColour::Cmyk}), {2, false, 0, 0});
  EXPECT_EQ(cmyk.width, 800);
  EXPECT_TRUE(near(cmyk.pixels[300 * 800 + 400], Rgb(200, 40, 30)));

  PreviewPicture none;
  std::vector<uint8_t> damaged(rgb.begin(), rgb.begin() + 200);
  EXPECT_FALSE(DecodeJpegPreview(damaged.data(), damaged.size(), {}, none));
  EXPECT_FALSE(none.pixels);
}

}  // namespace vl

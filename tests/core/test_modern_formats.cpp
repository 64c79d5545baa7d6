// PNG, TIFF, WebP and HEIF/AVIF pictures: the fingerprint of a BMP of the same pixels, first frames, damage and caps; the picture-type switch.
#include <gtest/gtest.h>

#include <png.h>
#include <tiffio.h>
#include <webp/decode.h>
#include <zlib.h>

#include <algorithm>
#include <atomic>
#include <functional>
#include <string>
#include <vector>

#include "core/files/little_endian.h"
#include "core/fingerprint/bmp_decoder.h"
#include "core/fingerprint/fingerprint.h"
#include "core/fingerprint/fingerprint_cache.h"
#include "core/fingerprint/fingerprint_pool.h"
#include "core/fingerprint/gif_decoder.h"
#include "core/fingerprint/jpeg_decoder.h"
#include "core/fingerprint/modern_decoders.h"
#include "core/fingerprint/scan_entry.h"
#include "tests/core/two_pass_check.h"
#include "tests/support/modern_writer.h"

namespace vl {
namespace {

using test::AlphaPlane;
using test::Picture;

using Outcome = test::PictureOutcome;
using test::PictureFiles;

using Encoder = std::function<std::vector<uint8_t>(const std::vector<Picture>&, const AlphaPlane&)>;

struct Format {
  const char* extension;
  Encoder encode;
  // Rewrites the picture size in the encoded header (the data stays small).
  std::function<void(std::vector<uint8_t>&, uint32_t side)> claimSize;
};

void putBigEndian(std::vector<uint8_t>& b, size_t at, uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) b[at + size_t(i)] = uint8_t(v >> (8 * (bytes - 1 - i)));
}

void claimPngSize(std::vector<uint8_t>& b, uint32_t side) {
  putBigEndian(b, 16, side, 4);
  putBigEndian(b, 20, side, 4);
  putBigEndian(b, 29, uint32_t(crc32(0, b.data() + 12, 17)), 4);  // the IHDR chunk's CRC
}

// The first page's width and length tags of a little-endian TIFF.
void claimTiffSize(std::vector<uint8_t>& b, uint32_t side) {
  const size_t ifd = GetLE32(b.data() + 4);
  for (size_t i = 0; i < GetLE16(b.data() + ifd); ++i) {
    uint8_t* entry = b.data() + ifd + 2 + 12 * i;
    if (GetLE16(entry) != 256 && GetLE16(entry) != 257) continue;
    PutLE16(entry + 2, 4);  // LONG
    PutLE32(entry + 8, side);
  }
}

// The canvas of an extended (VP8X) WebP: 24-bit width and height minus one.
void claimWebpSize(std::vector<uint8_t>& b, uint32_t side) {
  ASSERT_EQ(std::string(b.begin() + 12, b.begin() + 16), "VP8X");
  for (size_t at : {size_t(24), size_t(27)})
    for (int k = 0; k < 3; ++k) b[at + size_t(k)] = uint8_t((side - 1) >> (8 * k));
}

// Every image-spatial-extent box.
void claimHeifSize(std::vector<uint8_t>& b, uint32_t side) {
  const std::string ispe = "ispe";
  for (auto it = std::search(b.begin(), b.end(), ispe.begin(), ispe.end()); it != b.end();
       it = std::search(it + 1, b.end(), ispe.begin(), ispe.end())) {
    const size_t at = size_t(it - b.begin()) + 8;
    putBigEndian(b, at, side, 4);
    putBigEndian(b, at + 4, side, 4);
  }
}

const Format Formats[] = {
    {".png", [](const auto& p, const auto& a) { return test::EncodePng(p[0], a); }, claimPngSize},
    {".tiff", [](const auto& p, const auto& a) { return test::EncodeTiff(p, a); }, claimTiffSize},
    {".webp", [](const auto& p, const auto& a) { return test::EncodeWebp(p, a); }, claimWebpSize},
    {".heic", [](const auto& p, const auto& a) { return test::EncodeHeif(p, false, a); }, claimHeifSize},
    {".avif", [](const auto& p, const auto& a) { return test::EncodeHeif(p, true, a); }, claimHeifSize},
};

class ModernFormatTest : public PictureFiles, public ::testing::WithParamInterface<Format> {
 protected:
  using PictureFiles::of;
  Outcome of(const std::vector<uint8_t>& bytes) { return of(bytes, GetParam().extension); }
  std::vector<uint8_t> encode(const std::vector<Picture>& p, const AlphaPlane& a = {}) { return GetParam().encode(p, a); }
};

void expectSame(const Outcome& actual, const Outcome& expected) {
  ASSERT_TRUE(actual.ok);
  ASSERT_TRUE(expected.ok);
  EXPECT_EQ(actual.fingerprint, expected.fingerprint);
  EXPECT_EQ(actual.size(), expected.size());
}

// Pixels of falling opacity, and the picture they show over white.
AlphaPlane alphaRamp(const Picture& p) {
  AlphaPlane alpha(p.rgb.size());
  for (int y = 0; y < p.height; ++y)
    for (int x = 0; x < p.width; ++x) alpha[size_t(y * p.width + x)] = uint8_t(255 - 255 * x / (p.width - 1));
  return alpha;
}

Picture overWhite(const Picture& p, const AlphaPlane& alpha) {
  Picture out = p;
  for (size_t i = 0; i < p.rgb.size(); ++i) {
    uint32_t c = 0;
    for (int shift : {16, 8, 0}) c |= ((p.rgb[i] >> shift & 0xFF) * alpha[i] + 255 * (255 - alpha[i]) + 127) / 255 << shift;
    out.rgb[i] = c;
  }
  return out;
}

TEST_P(ModernFormatTest, PixelsFingerprintAsABmpOfTheSamePixelsDoes) {
  const Picture photo = test::GradientPicture(96, 64);
  expectSame(of(encode({photo})), ofBmp(photo));
  // Alpha is composited over white: the same as a BMP of the composited pixels.
  const AlphaPlane alpha = alphaRamp(photo);
  const Outcome translucent = of(encode({photo}, alpha));
  expectSame(translucent, ofBmp(overWhite(photo, alpha)));
  EXPECT_NE(translucent.fingerprint, of(encode({photo})).fingerprint);
}

// Several pages or frames give the first (a PNG holds only the first).
TEST_P(ModernFormatTest, TheFirstFrameCountsAndDamagedOrOversizedPicturesFailWithoutCrashing) {
  const Picture photo = test::GradientPicture(64, 48), second = test::BlockPicture(64, 48, 8, {test::Black, test::White}, 3);
  std::vector<uint8_t> both = encode({photo, second});
  const Outcome first = of(both);
  expectSame(first, ofBmp(photo));
  EXPECT_NE(first.fingerprint, ofBmp(second).fingerprint);
  const std::vector<uint8_t> good = encode({photo});
  for (size_t cut : {size_t(0), size_t(8), good.size() / 3, good.size() - 40}) {
    const Outcome o = of(std::vector<uint8_t>(good.begin(), good.begin() + ptrdiff_t(cut)));
    EXPECT_FALSE(o.ok) << "cut at " << cut;
    EXPECT_FALSE(o.unreadable) << "a picture that does not decode is no unreadable file";
  }
  // 30000 x 30000 pixels exceed the working bitmap's cap: refused before any decode.
  // Two frames, so that a WebP has the extended header whose canvas may be large.
  GetParam().claimSize(both, 30000);
  EXPECT_FALSE(of(both).ok);
}

INSTANTIATE_TEST_SUITE_P(Formats, ModernFormatTest, ::testing::ValuesIn(Formats),
                         [](const auto& info) { return std::string(info.param.extension + 1); });

// R, G, B, A bytes as pixels over white.
std::vector<uint32_t> overWhite(const uint8_t* rgba, size_t count) {
  std::vector<uint32_t> pixels(count);
  for (size_t i = 0; i < count; ++i, rgba += 4) pixels[i] = OverWhite(rgba[0], rgba[1], rgba[2], rgba[3]);
  return pixels;
}

// What the libraries' whole-picture readers give, alpha over white as ours composite it.
std::vector<uint32_t> simplifiedPng(const std::vector<uint8_t>& png) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  EXPECT_TRUE(png_image_begin_read_from_memory(&image, png.data(), png.size()));
  image.format = PNG_FORMAT_RGBA;
  image.flags |= PNG_IMAGE_FLAG_16BIT_sRGB;
  std::vector<uint8_t> rgba(PNG_IMAGE_SIZE(image));
  EXPECT_TRUE(png_image_finish_read(&image, nullptr, rgba.data(), 0, nullptr));
  return overWhite(rgba.data(), rgba.size() / 4);
}

std::vector<uint32_t> rgbaTiff(const std::vector<uint8_t>& bytes, const std::string& path) {
  test::WriteBytes(path, bytes);
  TIFF* tiff = TIFFOpen(path.c_str(), "r");
  uint32_t width = 0, height = 0;
  TIFFGetField(tiff, TIFFTAG_IMAGEWIDTH, &width);
  TIFFGetField(tiff, TIFFTAG_IMAGELENGTH, &height);
  std::vector<uint32_t> pixels(size_t(width) * height);
  EXPECT_TRUE(TIFFReadRGBAImageOriented(tiff, width, height, pixels.data(), ORIENTATION_TOPLEFT, 1));
  TIFFClose(tiff);
  for (uint32_t& p : pixels) p = OverWhitePremultiplied(TIFFGetR(p), TIFFGetG(p), TIFFGetB(p), TIFFGetA(p));
  return pixels;
}

std::vector<uint32_t> wholeWebp(const std::vector<uint8_t>& webp) {
  int width = 0, height = 0;
  uint8_t* rgba = WebPDecodeRGBA(webp.data(), webp.size(), &width, &height);
  const std::vector<uint32_t> pixels = overWhite(rgba, size_t(width) * size_t(height));
  WebPFree(rgba);
  return pixels;
}

std::vector<uint32_t> rowsOf(const std::vector<uint8_t>& bytes, PictureType type) {
  WorkBitmap bitmap;
  EXPECT_TRUE(DecodeFullColour(bytes.data(), bytes.size(), type, bitmap));
  return bitmap.pixels;
}

// Our readers, which hand pictures on a few rows at a time, give exactly the pixels
// of the libraries' whole-picture readers, whatever the layout of the file. An
// interlaced PNG gives what the same picture stored plainly gives: libpng's own
// whole-picture reader mixes up the passes of 16-bit ones.
TEST_F(PictureFiles, RowReadersGiveThePixelsOfTheLibrariesWholePictureReaders) {
  const Picture photo = test::GradientPicture(70, 45);  // odd sizes: partial tiles, blocks and interlace passes
  const Picture few = test::BlockPicture(37, 29, 5, {test::Black, test::White, test::Rgb(200, 30, 30)}, 4);
  using test::PngColour;
  const std::vector<std::pair<Picture, test::PngLayout>> pngs = {
      {few, {PngColour::Grey, 1}}, {few, {PngColour::Grey, 2, true, true}}, {few, {PngColour::Palette, 4, true, true}},
      {photo, {PngColour::Grey, 16, false, false, 1.0}}, {photo, {PngColour::GreyAlpha, 8, true}},
      {photo, {PngColour::Rgb, 8, true, true, 0.7}}, {photo, {PngColour::Rgba, 16, true}}};
  for (const auto& [picture, layout] : pngs) {
    const auto png = test::EncodePng(picture, layout, alphaRamp(picture));
    test::PngLayout plain = layout;
    plain.interlaced = false;
    EXPECT_EQ(rowsOf(png, PictureType::Png), simplifiedPng(test::EncodePng(picture, plain, alphaRamp(picture))))
        << int(layout.colour) << " " << layout.depth;
  }
  // Every orientation once, in strips and tiles, planes, bilevel and every coding.
  const std::vector<test::TiffLayout> tiffs = {{1, 32}, {4, 32, true}, {2, 0, true}, {5}, {8},
      {7, 0, false, true, test::TiffCoding::G4}, {6, 0, false, false, test::TiffCoding::Lzw},
      {3, 32, false, false, test::TiffCoding::Jpeg}};
  for (const test::TiffLayout& layout : tiffs) {
    const auto tiff = test::EncodeTiff(layout.bilevel ? few : photo, layout, layout.separate ? alphaRamp(photo) : AlphaPlane{});
    EXPECT_EQ(rowsOf(tiff, PictureType::Tiff), rgbaTiff(tiff, dir.file("oracle.tif"))) << layout.orientation;
  }
  const auto webp = test::EncodeWebp({photo}, alphaRamp(photo), 90);
  EXPECT_EQ(rowsOf(webp, PictureType::Webp), wholeWebp(webp));
}

// Sets the cancel flag when the `after`-th run comes and counts the runs after it.
class CancellingSink final : public PixelSink {
 public:
  CancellingSink(std::atomic<bool>& flag, int after) : flag_(flag), after_(after) {}
  bool begin(const PictureLayout&) override { return true; }
  void put(int, int, int, const uint32_t*, int) override {
    if (++runs_ == after_) flag_ = true;
  }
  int runsAfterCancel() const { return runs_ - after_; }

 private:
  std::atomic<bool>& flag_;
  int after_;
  int runs_ = 0;
};

bool decodeInto(const std::vector<uint8_t>& bytes, PictureType type, PixelSink& sink, const DecodeControl& control) {
  int32_t width = 0, height = 0;
  if (type == PictureType::Bmp) return DecodeBmp(bytes.data(), bytes.size(), sink, control);
  if (type == PictureType::Gif) return DecodeGif(bytes.data(), bytes.size(), sink, control);
  if (type == PictureType::Jpeg) return DecodeJpeg(bytes.data(), bytes.size(), sink, width, height, control);
  return DecodeFullColour(bytes.data(), bytes.size(), type, sink, control);
}

// A cancel set while a picture decodes stops every decoder within a few rows (a strip,
// a batch of checks, a step of WebP data), and the cancelled decode is not remembered
// as a picture that does not decode.
TEST_F(PictureFiles, ACancelStopsEveryDecoderWithinAFewRows) {
  const Picture tall = test::BlockPicture(64, 2000, 8, {test::Black, test::White, test::Rgb(9, 90, 200)}, 7);
  const std::vector<std::pair<std::vector<uint8_t>, PictureType>> pictures = {
      {test::EncodeBmp(tall), PictureType::Bmp}, {test::EncodeGif(tall), PictureType::Gif},
      {test::EncodeJpeg(tall), PictureType::Jpeg}, {test::EncodePng(tall), PictureType::Png},
      {test::EncodeTiff({tall}), PictureType::Tiff}, {test::EncodeWebp({tall}, {}, 90), PictureType::Webp},
      {test::EncodeHeif({tall}, false), PictureType::Heif}};
  for (const auto& [bytes, type] : pictures) {
    std::atomic<bool> cancel{false};
    DecodeControl control;
    control.cancel = &cancel;
    CancellingSink sink(cancel, 100);
    EXPECT_FALSE(decodeInto(bytes, type, sink, control)) << int(type);
    EXPECT_LE(sink.runsAfterCancel(), 300) << int(type);
  }
  const std::string path = dir.file("tall.png");
  test::WriteBytes(path, pictures[3].first);
  FingerprintCache cache(dir.file("cache.sqlite"));
  std::atomic<bool> cancelled{true};
  DecodeControl stopped;
  stopped.cancel = &cancelled;
  EXPECT_TRUE(ComputeFingerprint(path, &cache, false, stopped).cancelled);
  cache.flush();
  EXPECT_TRUE(ComputeFingerprint(path, &cache).ok);
}

}  // namespace
}  // namespace vl

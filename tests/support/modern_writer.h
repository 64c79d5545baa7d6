// Writers of PNG, TIFF, WebP, HEIF/AVIF, JPEG XL and DNG files with known pixels, for tests, seeds and benchmarks.
#pragma once

#include <cstdint>
#include <vector>

#include "tests/support/image_writer.h"

namespace vl::test {

// The alpha of every pixel of a picture (empty: opaque).
using AlphaPlane = std::vector<uint8_t>;

// Lossless PNG, 8 bits per channel, RGBA when `alpha` is given.
std::vector<uint8_t> EncodePng(const Picture& picture, const AlphaPlane& alpha = {});
// Lossless (uncompressed) TIFF, one page per picture; the first page gets `alpha`
// as unassociated alpha. Every page carries the orientation tag (1 to 8, EXIF
// values: how the stored pixels are turned for display).
std::vector<uint8_t> EncodeTiff(const std::vector<Picture>& pages, const AlphaPlane& alpha = {},
                                int orientation = 1);
// Lossless WebP, or lossy at `quality` 1 to 100; with more than one frame, an
// animation of same-sized frames.
std::vector<uint8_t> EncodeWebp(const std::vector<Picture>& frames, const AlphaPlane& alpha = {}, int quality = 0);

// The ways a PNG may hold a picture. Grey samples are round((R + G + B) / 3) cut to
// the depth; a palette holds the picture's colours (at most 2^depth of them); 16-bit
// samples are v * 257; an alpha channel holds `alpha` (opaque when it is empty).
enum class PngColour { Grey, GreyAlpha, Palette, Rgb, Rgba };
struct PngLayout {
  PngColour colour = PngColour::Rgb;
  int depth = 8;
  bool interlaced = false;
  bool transparentFirst = false;  // a tRNS chunk: the first pixel's grey, colour or palette entry is transparent
  double gamma = 0;               // a gAMA chunk when not 0
};
std::vector<uint8_t> EncodePng(const Picture& picture, const PngLayout& layout, const AlphaPlane& alpha = {});

// The ways a TIFF may hold a picture: RGB (with `alpha`, unassociated), or one bit
// per pixel (a pixel is black when its red channel is below 128; min-is-white).
enum class TiffCoding { None, Lzw, G4, Jpeg };
struct TiffLayout {
  uint16_t orientation = 1;
  int tile = 0;  // tiles of this side (a multiple of 16) instead of strips of 16 rows
  bool separate = false;
  bool bilevel = false;
  TiffCoding coding = TiffCoding::None;
};
std::vector<uint8_t> EncodeTiff(const Picture& picture, const TiffLayout& layout, const AlphaPlane& alpha = {});
// HEIF with HEVC (or AVIF with AV1) coding: lossless in the RGB matrix at 4:4:4, or
// lossy at `quality` 1 to 100 (4:2:0); the first picture is the primary image, shown
// turned by `orientation` (EXIF values, written as rotation and mirror boxes) and
// carrying `exif` (an EXIF block as EncodeExifBlock makes it) when that is not empty.
std::vector<uint8_t> EncodeHeif(const std::vector<Picture>& images, bool av1, const AlphaPlane& alpha = {},
                                int quality = 0, int orientation = 1, const std::vector<uint8_t>& exif = {});

// JPEG XL, 8-bit sRGB, with `alpha` as its alpha channel when given: lossless, or
// lossy at the Butteraugli `distance` when that is above 0 (1 is libjxl's default).
std::vector<uint8_t> EncodeJxl(const Picture& picture, const AlphaPlane& alpha = {}, float distance = 0);

// A DNG of 16-bit sensor data (an RGGB mosaic, 2 x 2 photosites per pixel of `scene`)
// turned by `orientation` (EXIF value), with a JPEG of `preview` as its second page.
std::vector<uint8_t> EncodeDng(const Picture& scene, const Picture& preview, int orientation = 1);

}  // namespace vl::test

// Writers of small JPEG, BMP and GIF files with known pixels, and generators of test pictures.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vl::test {

// A picture held as 0x00RRGGBB colours, row by row from the top-left pixel.
struct Picture {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> rgb;

  Picture() = default;
  Picture(int w, int h, uint32_t colour = 0) : width(w), height(h), rgb(size_t(w) * size_t(h), colour) {}
  uint32_t at(int x, int y) const { return rgb[size_t(y) * size_t(width) + size_t(x)]; }
  void set(int x, int y, uint32_t colour) { rgb[size_t(y) * size_t(width) + size_t(x)] = colour; }
  // Paints the rectangle [x0, x1) x [y0, y1), clipped to the picture.
  void fill(int x0, int y0, int x1, int y1, uint32_t colour);
};

constexpr uint32_t Rgb(int r, int g, int b) { return uint32_t(r) << 16 | uint32_t(g) << 8 | uint32_t(b); }
constexpr uint32_t White = 0xFFFFFF;
constexpr uint32_t Black = 0x000000;

// ---- Generators ----

// Every pixel the same colour.
Picture UniformPicture(int width, int height, uint32_t colour);
// A smooth, photograph-like picture: gradients in every channel plus a dark disc; no
// two corners share a colour.
Picture GradientPicture(int width, int height);
// `content` placed at (left, top) on a frame of `frameColour`, the frame being
// left/top/right/bottom pixels wide.
Picture FramedPicture(const Picture& content, int left, int top, int right, int bottom, uint32_t frameColour = White);
// A gradient on a white frame whose top edge dips by `dip` rows around the centre
// column, so the content reaches higher at 20 % and 80 % of the width than at the
// centre: the border cut is found along the centre lines and then abandoned.
Picture AbandonedCutPicture(int width, int height, int frame, int dip);
// Blocks of `colours` (cycled pseudo-randomly from `seed`), each block `block` pixels square.
Picture BlockPicture(int width, int height, int block, const std::vector<uint32_t>& colours, uint32_t seed);
// The picture turned by orientation o (0 to 7, as OrientGrid numbers them):
// P'(x, y) = P(s(x, y)), s mirroring x when bit 0 is set, y when bit 1 is, then
// swapping them when bit 2 is.
Picture Oriented(const Picture& picture, int orientation);
// The orientation that undoes orientation o (0 to 7).
int InverseOrientation(int orientation);

// ---- JPEG ----

enum class JpegColour { Rgb, Grey, Cmyk, Ycck };

struct JpegOptions {
  int quality = 90;
  bool progressive = false;
  bool subsample420 = true;  // 4:2:0 chroma; false gives 4:4:4
  // Grey stores round((R + G + B) / 3); Cmyk and Ycck store K = cmykBlack and
  // C = R * 255 / K (at most 255), M and Y likewise, so that a decoder computing
  // R = C * K / 255 gets the picture back (exactly for K = 255).
  JpegColour colour = JpegColour::Rgb;
  int cmykBlack = 255;
  // 1 to 8: an EXIF block whose orientation tag tells how the stored pixels are
  // turned for display; 0: no EXIF block.
  int exifOrientation = 0;
  std::string exifCamera = {};  // the Make tag, when not empty
  std::string exifTaken = {};   // the DateTimeOriginal tag ("2024:05:01 10:00:00"), when not empty
};

// The APP1 payload ("Exif", two zeros, a TIFF header and its directories) of the options' tags.
std::vector<uint8_t> EncodeExifBlock(const JpegOptions& options);

std::vector<uint8_t> EncodeJpeg(const Picture& picture, const JpegOptions& options = {});
void WriteJpeg(const std::string& path, const Picture& picture, const JpegOptions& options = {});

// ---- BMP ----

struct BmpVariant {
  int bpp = 24;               // 1, 4, 8 (palette of the picture's colours), 16, 24, 32
  bool rle = false;           // RLE8 for 8 bpp, RLE4 for 4 bpp, as encoded runs only
  bool bitfields = false;     // BI_BITFIELDS: 16 bpp as 5-6-5, 32 bpp as 10-10-10 channels
  bool topDown = false;       // negative height, rows from the top
  bool coreHeader = false;    // 12-byte OS/2 header (1, 4, 8, 24 bpp only)
  int infoHeaderSize = 40;    // 40, 52, 56, 108 or 124 (masks inside the header from 52 on)
};

// Throws std::invalid_argument when the picture has more colours than the palette
// holds or the variant is not one the format has. 16-bit pictures keep the top bits
// of every channel, 32-bit bit-field ones the top 10 bits.
std::vector<uint8_t> EncodeBmp(const Picture& picture, const BmpVariant& variant = {});
void WriteBmp(const std::string& path, const Picture& picture, const BmpVariant& variant = {});

// ---- GIF ----

struct GifOptions {
  int screenWidth = 0;   // 0: the picture's width plus left
  int screenHeight = 0;  // 0: the picture's height plus top
  int left = 0;
  int top = 0;
  bool interlaced = false;
  // The picture's palette goes into the image's local colour table; the global table
  // then holds only the background colour.
  bool localColourTable = false;
  bool globalColourTable = true;  // false: no global table (only sensible with a local one)
  uint32_t backgroundColour = Black;
  // Pixels of this colour are written with the transparent index of a graphic control extension.
  std::optional<uint32_t> transparentColour = std::nullopt;
};

// The picture is the first image of the file, at (left, top) on the logical screen.
std::vector<uint8_t> EncodeGif(const Picture& picture, const GifOptions& options = {});
void WriteGif(const std::string& path, const Picture& picture, const GifOptions& options = {});

// Writes bytes to path (creating or replacing the file); throws std::runtime_error on failure.
void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes);

}  // namespace vl::test

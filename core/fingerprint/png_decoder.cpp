// PNG decoding through libpng's row reader, set up as its simplified reader is for 8-bit RGBA, a row at a time.
#include "core/fingerprint/modern_decoders.h"

#include <cstring>
#include <vector>

#include <png.h>

namespace vl {

namespace {

// One libpng reader over data in memory, destroyed however decoding ends.
struct PngReader {
  const uint8_t* data;
  size_t size;
  size_t position = 0;
  png_structp png = nullptr;
  png_infop info = nullptr;
  std::vector<png_byte> rgba;     // one row as libpng gives it
  std::vector<uint32_t> pixels;   // the same row's pixels of one pass, over white
  ~PngReader() { png_destroy_read_struct(&png, &info, nullptr); }
};

void readMemory(png_structp png, png_bytep out, size_t wanted) {
  auto& r = *static_cast<PngReader*>(png_get_io_ptr(png));
  if (r.size - r.position < wanted) png_error(png, "read beyond end of data");
  std::memcpy(out, r.data + r.position, wanted);
  r.position += wanted;
}

[[noreturn]] void onError(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void onWarning(png_structp, png_const_charp) {}

// The transforms png_image_finish_read sets for PNG_FORMAT_RGBA with
// PNG_IMAGE_FLAG_16BIT_sRGB, in its order: every picture comes out as 8-bit RGBA
// in the sRGB encoding, a 16-bit one without gamma information taken as sRGB so
// that its top bytes come out unchanged. Gives the number of interlace passes.
int setTransforms(png_structp png, png_infop info) {
  const int colourType = png_get_color_type(png, info);
  const bool alpha = (colourType & PNG_COLOR_MASK_ALPHA) != 0 || png_get_valid(png, info, PNG_INFO_tRNS) != 0;
  png_set_expand(png);
  if ((colourType & PNG_COLOR_MASK_COLOR) == 0) png_set_gray_to_rgb(png);
  png_set_alpha_mode_fixed(png, PNG_ALPHA_PNG, PNG_DEFAULT_sRGB);
  if (png_get_bit_depth(png, info) == 16) png_set_scale_16(png);
  if (!alpha) png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
  png_set_alpha_mode_fixed(png, PNG_ALPHA_PNG, PNG_DEFAULT_sRGB);
  const int passes = png_set_interlace_handling(png);
  png_read_update_info(png, info);
  return passes;
}

// Reads the header and sets the transforms; the number of passes, or 0 on failure.
// Nothing with a destructor lives here, as libpng's errors leave through longjmp.
int readHeader(PngReader& r) {
  r.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, onError, onWarning);
  if (r.png == nullptr) return 0;
  r.info = png_create_info_struct(r.png);
  if (r.info == nullptr || setjmp(png_jmpbuf(r.png))) return 0;
  png_set_read_fn(r.png, &r, readMemory);
  png_set_benign_errors(r.png, 1);
  png_read_info(r.png, r.info);
  return setTransforms(r.png, r.info);
}

// Hands on the pixels of row y that pass `pass` of `passes` gives (all of them
// without interlacing; libpng leaves the others in the row as they were).
void putRow(PngReader& r, PixelSink& sink, int y, int pass, int passes) {
  const int width = int(png_get_image_width(r.png, r.info));
  int from = 0, step = 1, count = width;
  if (passes > 1) {
    if (!PNG_ROW_IN_INTERLACE_PASS(y, pass)) return;
    from = PNG_PASS_START_COL(pass);
    step = PNG_PASS_COL_OFFSET(pass);
    count = int(PNG_PASS_COLS(png_uint_32(width), pass));
  }
  if (count <= 0) return;
  const png_byte* rgba = r.rgba.data() + 4 * from;
  PutConverted(sink, y, from, count, step, r.pixels, [rgba, step](int i) {
    const png_byte* p = rgba + 4 * i * step;
    return OverWhite(p[0], p[1], p[2], p[3]);
  });
}

// Reads every row of every pass; false on a libpng error or a set cancel flag. As
// readHeader, nothing with a destructor lives here.
bool readRows(PngReader& r, int passes, PixelSink& sink, const DecodeControl& control) {
  if (setjmp(png_jmpbuf(r.png))) return false;
  const int height = int(png_get_image_height(r.png, r.info));
  for (int pass = 0; pass < passes; ++pass)
    for (int y = 0; y < height; ++y) {
      if (control.cancelled()) return false;
      png_read_row(r.png, r.rgba.data(), nullptr);
      putRow(r, sink, y, pass, passes);
    }
  return true;
}

}  // namespace

bool DecodePng(const uint8_t* data, size_t size, PixelSink& sink, const DecodeControl& control) {
  PngReader r{data, size, 0, nullptr, nullptr, {}, {}};
  const int passes = size > 0 ? readHeader(r) : 0;
  if (passes == 0) return false;
  const int64_t width = png_get_image_width(r.png, r.info), height = png_get_image_height(r.png, r.info);
  const size_t rowBytes = png_get_rowbytes(r.png, r.info);
  if (width <= 0 || height <= 0 || rowBytes != size_t(width) * 4) return false;
  // libpng keeps two rows of the file's depth (at most 8 bytes a pixel) and zlib's window.
  const uint64_t libraryBytes = uint64_t(width) * (2 * 8 + 4 + 4) + (uint64_t(1) << 16);
  if (!sink.begin({width, height, OverWhite(0, 0, 0, 0), false, libraryBytes})) return false;
  r.rgba.resize(rowBytes);
  r.pixels.resize(size_t(width));
  return readRows(r, passes, sink, control);
}

}  // namespace vl

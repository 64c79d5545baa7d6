// Encoding test pictures as JPEG, BMP (every depth and compression) and GIF files, and the picture generators.
#include "tests/support/image_writer.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <memory>
#include <stdexcept>

#include <jpeglib.h>
#include <gif_lib.h>
#include <libexif/exif-data.h>

#include "core/files/little_endian.h"

namespace vl::test {

namespace {

int red(uint32_t c) { return int(c >> 16 & 0xFF); }
int green(uint32_t c) { return int(c >> 8 & 0xFF); }
int blue(uint32_t c) { return int(c & 0xFF); }

// Appends the low `bytes` bytes of v, little-endian.
void put(std::vector<uint8_t>& out, uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(uint8_t(v >> (8 * i)));
}
void put16(std::vector<uint8_t>& out, uint32_t v) { put(out, v, 2); }
void put32(std::vector<uint8_t>& out, uint32_t v) { put(out, v, 4); }

// The distinct colours of a picture in first-seen order, and each colour's index.
struct Palette {
  std::vector<uint32_t> colours;
  std::map<uint32_t, int> index;

  int add(uint32_t colour) {
    auto [it, added] = index.emplace(colour, int(colours.size()));
    if (added) colours.push_back(colour);
    return it->second;
  }
};

Palette paletteOf(const Picture& picture) {
  Palette palette;
  for (uint32_t c : picture.rgb) palette.add(c);
  return palette;
}

// ---- JPEG ----

// The colour space of the rows handed to libjpeg, that of the file, and the row's samples per pixel.
struct JpegSpaces {
  J_COLOR_SPACE input;
  J_COLOR_SPACE file;
  int components;
};

JpegSpaces spacesOf(JpegColour colour) {
  switch (colour) {
    case JpegColour::Grey: return {JCS_GRAYSCALE, JCS_GRAYSCALE, 1};
    case JpegColour::Cmyk: return {JCS_CMYK, JCS_CMYK, 4};
    case JpegColour::Ycck: return {JCS_CMYK, JCS_YCCK, 4};
    case JpegColour::Rgb: break;
  }
  return {JCS_RGB, JCS_YCbCr, 3};
}

uint8_t undoBlack(int v, int k) { return uint8_t(std::min(255, v * 255 / std::max(1, k))); }

void jpegRow(const Picture& picture, int y, const JpegOptions& options, std::vector<uint8_t>& row) {
  row.clear();
  const int k = options.cmykBlack;
  for (int x = 0; x < picture.width; ++x) {
    uint32_t c = picture.at(x, y);
    switch (options.colour) {
      case JpegColour::Grey: row.push_back(uint8_t((red(c) + green(c) + blue(c) + 1) / 3)); break;
      case JpegColour::Rgb: row.insert(row.end(), {uint8_t(red(c)), uint8_t(green(c)), uint8_t(blue(c))}); break;
      case JpegColour::Cmyk:
      case JpegColour::Ycck:
        row.insert(row.end(), {undoBlack(red(c), k), undoBlack(green(c), k), undoBlack(blue(c), k), uint8_t(k)});
        break;
    }
  }
}

void addAsciiTag(ExifData* exif, ExifIfd ifd, ExifTag tag, const std::string& text) {
  if (text.empty()) return;
  ExifEntry* entry = exif_entry_new();
  entry->tag = tag;
  entry->format = EXIF_FORMAT_ASCII;
  entry->components = entry->size = unsigned(text.size() + 1);
  entry->data = static_cast<unsigned char*>(std::calloc(1, entry->size));  // libexif's default allocator
  std::memcpy(entry->data, text.c_str(), entry->size);
  exif_content_add_entry(exif->ifd[ifd], entry);
  exif_entry_unref(entry);
}

}  // namespace

std::vector<uint8_t> EncodeExifBlock(const JpegOptions& options) {
  ExifData* exif = exif_data_new();
  if (exif == nullptr) throw std::runtime_error("EXIF block");
  exif_data_set_byte_order(exif, EXIF_BYTE_ORDER_INTEL);
  if (options.exifOrientation != 0) {
    ExifEntry* entry = exif_entry_new();
    exif_content_add_entry(exif->ifd[EXIF_IFD_0], entry);
    exif_entry_initialize(entry, EXIF_TAG_ORIENTATION);
    exif_set_short(entry->data, EXIF_BYTE_ORDER_INTEL, ExifShort(options.exifOrientation));
    exif_entry_unref(entry);
  }
  addAsciiTag(exif, EXIF_IFD_0, EXIF_TAG_MAKE, options.exifCamera);
  addAsciiTag(exif, EXIF_IFD_EXIF, EXIF_TAG_DATE_TIME_ORIGINAL, options.exifTaken);
  unsigned char* data = nullptr;
  unsigned int size = 0;
  exif_data_save_data(exif, &data, &size);
  exif_data_unref(exif);
  if (data == nullptr) throw std::runtime_error("EXIF block");
  std::vector<uint8_t> bytes(data, data + size);
  std::free(data);
  return bytes;
}

namespace {

// ---- BMP ----

uint32_t narrow(int v8, int bits) { return uint32_t((v8 * ((1 << bits) - 1) + 127) / 255); }

uint32_t packed16(uint32_t c, bool bitfields) {
  if (bitfields) return narrow(red(c), 5) << 11 | narrow(green(c), 6) << 5 | narrow(blue(c), 5);
  return narrow(red(c), 5) << 10 | narrow(green(c), 5) << 5 | narrow(blue(c), 5);
}

uint32_t packed32(uint32_t c, bool bitfields) {
  if (bitfields) return narrow(red(c), 10) << 20 | narrow(green(c), 10) << 10 | narrow(blue(c), 10);
  return c;
}

void checkVariant(const BmpVariant& v, size_t colours) {
  const int b = v.bpp;
  bool ok = b == 1 || b == 4 || b == 8 || b == 16 || b == 24 || b == 32;
  ok = ok && (!v.rle || b == 4 || b == 8) && (!v.bitfields || b == 16 || b == 32);
  ok = ok && (!v.coreHeader || (b != 16 && b != 32 && !v.rle && !v.bitfields));
  const int h = v.infoHeaderSize;
  ok = ok && (v.coreHeader || h == 40 || h == 52 || h == 56 || h == 108 || h == 124);
  if (b <= 8 && colours > (size_t(1) << b)) ok = false;
  if (!ok) throw std::invalid_argument("EncodeBmp: unsupported variant or too many colours");
}

// One uncompressed row, padded to a multiple of four bytes.
void bmpRow(const Picture& picture, int y, const BmpVariant& v, const Palette& palette, std::vector<uint8_t>& out) {
  const size_t start = out.size();
  int bitsUsed = 0;
  for (int x = 0; x < picture.width; ++x) {
    uint32_t c = picture.at(x, y);
    if (v.bpp <= 8) {
      uint32_t index = uint32_t(palette.index.at(c));
      if (bitsUsed == 0) out.push_back(0);
      out.back() |= uint8_t(index << (8 - v.bpp - bitsUsed));
      bitsUsed = (bitsUsed + v.bpp) % 8;
    } else if (v.bpp == 16) {
      put16(out, packed16(c, v.bitfields));
    } else if (v.bpp == 24) {
      out.insert(out.end(), {uint8_t(blue(c)), uint8_t(green(c)), uint8_t(red(c))});
    } else {
      put32(out, packed32(c, v.bitfields));
    }
  }
  while ((out.size() - start) % 4 != 0) out.push_back(0);
}

// One row in RLE8 or RLE4 as encoded runs of one index (an RLE4 run repeats the index in both nibbles).
void rleRow(const std::vector<int>& indexes, int bpp, std::vector<uint8_t>& out) {
  for (size_t i = 0, run = 1; i < indexes.size(); i += run) {
    for (run = 1; i + run < indexes.size() && run < 255 && indexes[i + run] == indexes[i]; ++run) {
    }
    out.push_back(uint8_t(run));
    out.push_back(uint8_t(bpp == 8 ? indexes[i] : (indexes[i] << 4 | indexes[i])));
  }
}

std::vector<uint8_t> bmpPixels(const Picture& picture, const BmpVariant& v, const Palette& palette) {
  std::vector<uint8_t> out;
  for (int row = 0; row < picture.height; ++row) {
    const int y = v.topDown ? row : picture.height - 1 - row;
    if (!v.rle) {
      bmpRow(picture, y, v, palette, out);
      continue;
    }
    std::vector<int> indexes;
    for (int x = 0; x < picture.width; ++x) indexes.push_back(palette.index.at(picture.at(x, y)));
    rleRow(indexes, v.bpp, out);
    out.push_back(0);
    out.push_back(row + 1 == picture.height ? 1 : 0);
  }
  return out;
}

void bmpMasks(std::vector<uint8_t>& out, const BmpVariant& v, bool withAlpha) {
  uint32_t r = 0, g = 0, b = 0;
  if (v.bitfields && v.bpp == 16) r = 0xF800, g = 0x07E0, b = 0x001F;
  if (v.bitfields && v.bpp == 32) r = 0x3FF00000, g = 0x000FFC00, b = 0x000003FF;
  for (uint32_t mask : {r, g, b}) put32(out, mask);
  if (withAlpha) put32(out, 0);
}

void bmpHeaders(std::vector<uint8_t>& out, const Picture& picture, const BmpVariant& v, size_t paletteSize,
                size_t imageSize) {
  if (v.coreHeader) {
    put32(out, 12);
    put16(out, uint32_t(picture.width));
    put16(out, uint32_t(picture.height));
    put16(out, 1);
    put16(out, uint32_t(v.bpp));
    return;
  }
  const uint32_t compression = v.rle ? (v.bpp == 8 ? 1 : 2) : v.bitfields ? 3 : 0;
  const size_t headerStart = out.size();
  put32(out, uint32_t(v.infoHeaderSize));
  put32(out, uint32_t(picture.width));
  put32(out, uint32_t(v.topDown ? -picture.height : picture.height));
  put16(out, 1);
  put16(out, uint32_t(v.bpp));
  put32(out, compression);
  put32(out, uint32_t(imageSize));
  put32(out, 2835);
  put32(out, 2835);
  put32(out, uint32_t(paletteSize));
  put32(out, 0);
  if (v.infoHeaderSize >= 52) bmpMasks(out, v, v.infoHeaderSize >= 56);
  out.resize(headerStart + size_t(v.infoHeaderSize), 0);
  if (v.infoHeaderSize == 40 && v.bitfields) bmpMasks(out, v, false);
}

// ---- GIF ----

int gifOutput(GifFileType* gif, const GifByteType* bytes, int length) {
  auto* out = static_cast<std::vector<uint8_t>*>(gif->UserData);
  out->insert(out->end(), bytes, bytes + length);
  return length;
}

struct MapDeleter {
  void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};
using MapPtr = std::unique_ptr<ColorMapObject, MapDeleter>;

MapPtr gifMap(const std::vector<uint32_t>& colours) {
  if (colours.size() > 256) throw std::invalid_argument("EncodeGif: more than 256 colours");
  int count = 2;
  while (count < int(colours.size())) count *= 2;
  std::vector<GifColorType> entries(size_t(count), GifColorType{0, 0, 0});
  for (size_t i = 0; i < colours.size(); ++i)
    entries[i] = GifColorType{uint8_t(red(colours[i])), uint8_t(green(colours[i])), uint8_t(blue(colours[i]))};
  return MapPtr(GifMakeMapObject(count, entries.data()));
}

// The rows of an image in the order the file stores them.
std::vector<int> gifRowOrder(int height, bool interlaced) {
  std::vector<int> rows;
  if (!interlaced) {
    for (int y = 0; y < height; ++y) rows.push_back(y);
    return rows;
  }
  const int starts[] = {0, 4, 2, 1}, steps[] = {8, 8, 4, 2};
  for (int pass = 0; pass < 4; ++pass)
    for (int y = starts[pass]; y < height; y += steps[pass]) rows.push_back(y);
  return rows;
}

void check(int gifResult, const char* what) {
  if (gifResult != GIF_OK) throw std::runtime_error(std::string("EncodeGif: ") + what);
}

}  // namespace

void Picture::fill(int x0, int y0, int x1, int y1, uint32_t colour) {
  for (int y = std::max(0, y0); y < std::min(height, y1); ++y)
    for (int x = std::max(0, x0); x < std::min(width, x1); ++x) set(x, y, colour);
}

Picture UniformPicture(int width, int height, uint32_t colour) { return Picture(width, height, colour); }

Picture GradientPicture(int width, int height) {
  Picture p(width, height);
  const int dx = std::max(1, width - 1), dy = std::max(1, height - 1);
  const long cx = width / 2, cy = height / 2, r = std::min(width, height) / 4;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      int rr = 255 * x / dx, gg = 255 * y / dy, bb = 64 + 127 * (x + y) / (dx + dy);
      if ((x - cx) * (x - cx) + (y - cy) * (y - cy) < r * r) rr /= 3, gg /= 3, bb /= 3;
      p.set(x, y, Rgb(rr, gg, bb));
    }
  }
  return p;
}

Picture FramedPicture(const Picture& content, int left, int top, int right, int bottom, uint32_t frameColour) {
  Picture p(left + content.width + right, top + content.height + bottom, frameColour);
  for (int y = 0; y < content.height; ++y)
    for (int x = 0; x < content.width; ++x) p.set(left + x, top + y, content.at(x, y));
  return p;
}

Picture AbandonedCutPicture(int width, int height, int frame, int dip) {
  Picture p = FramedPicture(GradientPicture(width - 2 * frame, height - 2 * frame), frame, frame, frame, frame);
  p.fill(width / 2 - width / 10, frame, width / 2 + width / 10 + 1, frame + dip, White);
  return p;
}

Picture BlockPicture(int width, int height, int block, const std::vector<uint32_t>& colours, uint32_t seed) {
  Picture p(width, height);
  for (int by = 0; by * block < height; ++by) {
    for (int bx = 0; bx * block < width; ++bx) {
      seed = seed * 1103515245u + 12345u;
      p.fill(bx * block, by * block, (bx + 1) * block, (by + 1) * block, colours[(seed >> 16) % colours.size()]);
    }
  }
  return p;
}

Picture Oriented(const Picture& from, int o) {
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

int InverseOrientation(int orientation) { return orientation == 5 ? 6 : orientation == 6 ? 5 : orientation; }

std::vector<uint8_t> EncodeJpeg(const Picture& picture, const JpegOptions& options) {
  jpeg_compress_struct cinfo;
  jpeg_error_mgr err;
  cinfo.err = jpeg_std_error(&err);
  jpeg_create_compress(&cinfo);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&cinfo, &buffer, &size);
  cinfo.image_width = JDIMENSION(picture.width);
  cinfo.image_height = JDIMENSION(picture.height);
  const JpegSpaces spaces = spacesOf(options.colour);
  cinfo.in_color_space = spaces.input;
  cinfo.input_components = spaces.components;
  jpeg_set_defaults(&cinfo);
  jpeg_set_colorspace(&cinfo, spaces.file);
  jpeg_set_quality(&cinfo, options.quality, TRUE);
  if (!options.subsample420) cinfo.comp_info[0].h_samp_factor = cinfo.comp_info[0].v_samp_factor = 1;
  if (options.colour == JpegColour::Ycck && !options.subsample420)
    cinfo.comp_info[3].h_samp_factor = cinfo.comp_info[3].v_samp_factor = 1;
  if (options.progressive) jpeg_simple_progression(&cinfo);
  jpeg_start_compress(&cinfo, TRUE);
  if (options.exifOrientation != 0 || !options.exifCamera.empty() || !options.exifTaken.empty()) {
    const std::vector<uint8_t> exif = EncodeExifBlock(options);
    jpeg_write_marker(&cinfo, JPEG_APP0 + 1, exif.data(), unsigned(exif.size()));
  }
  std::vector<uint8_t> row;
  for (int y = 0; y < picture.height; ++y) {
    jpegRow(picture, y, options, row);
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&cinfo, rows, 1);
  }
  jpeg_finish_compress(&cinfo);
  std::vector<uint8_t> bytes(buffer, buffer + size);
  jpeg_destroy_compress(&cinfo);
  std::free(buffer);
  return bytes;
}

void WriteJpeg(const std::string& path, const Picture& picture, const JpegOptions& options) {
  WriteBytes(path, EncodeJpeg(picture, options));
}

std::vector<uint8_t> EncodeBmp(const Picture& picture, const BmpVariant& variant) {
  const Palette palette = variant.bpp <= 8 ? paletteOf(picture) : Palette{};
  checkVariant(variant, palette.colours.size());
  const size_t paletteSize = variant.bpp > 8 ? 0 : variant.coreHeader ? (size_t(1) << variant.bpp)
                                                                      : std::max<size_t>(1, palette.colours.size());
  const std::vector<uint8_t> pixels = bmpPixels(picture, variant, palette);
  std::vector<uint8_t> out = {'B', 'M'};
  out.resize(14);  // file size and pixel offset filled in below
  bmpHeaders(out, picture, variant, variant.coreHeader ? 0 : paletteSize, pixels.size());
  for (size_t i = 0; i < paletteSize; ++i) {
    const uint32_t c = i < palette.colours.size() ? palette.colours[i] : 0;
    out.insert(out.end(), {uint8_t(blue(c)), uint8_t(green(c)), uint8_t(red(c))});
    if (!variant.coreHeader) out.push_back(0);
  }
  PutLE32(out.data() + 10, uint32_t(out.size()));
  out.insert(out.end(), pixels.begin(), pixels.end());
  PutLE32(out.data() + 2, uint32_t(out.size()));
  return out;
}

void WriteBmp(const std::string& path, const Picture& picture, const BmpVariant& variant) {
  WriteBytes(path, EncodeBmp(picture, variant));
}

std::vector<uint8_t> EncodeGif(const Picture& picture, const GifOptions& options) {
  Palette palette = paletteOf(picture);
  if (options.transparentColour) palette.add(*options.transparentColour);
  Palette global;
  if (options.localColourTable) global.add(options.backgroundColour);
  else global = palette;
  const int background = options.globalColourTable ? global.add(options.backgroundColour) : 0;
  const MapPtr globalMap = options.globalColourTable ? gifMap(global.colours) : nullptr;
  const MapPtr localMap = options.localColourTable ? gifMap(palette.colours) : nullptr;
  const Palette& used = options.localColourTable ? palette : global;

  std::vector<uint8_t> out;
  int error = 0;
  GifFileType* gif = EGifOpen(&out, gifOutput, &error);
  if (!gif) throw std::runtime_error("EncodeGif: EGifOpen failed");
  EGifSetGifVersion(gif, true);
  const int sw = options.screenWidth ? options.screenWidth : options.left + picture.width;
  const int sh = options.screenHeight ? options.screenHeight : options.top + picture.height;
  check(EGifPutScreenDesc(gif, sw, sh, 8, background, globalMap.get()), "screen descriptor");
  if (options.transparentColour) {
    GraphicsControlBlock gcb{DISPOSAL_UNSPECIFIED, false, 0, used.index.at(*options.transparentColour)};
    GifByteType extension[4];
    const size_t length = EGifGCBToExtension(&gcb, extension);
    check(EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, int(length), extension), "graphic control extension");
  }
  check(EGifPutImageDesc(gif, options.left, options.top, picture.width, picture.height, options.interlaced,
                         localMap.get()),
        "image descriptor");
  std::vector<GifPixelType> line(size_t(picture.width));
  for (int y : gifRowOrder(picture.height, options.interlaced)) {
    for (int x = 0; x < picture.width; ++x) line[size_t(x)] = GifPixelType(used.index.at(picture.at(x, y)));
    check(EGifPutLine(gif, line.data(), picture.width), "image data");
  }
  check(EGifCloseFile(gif, &error), "close");
  return out;
}

void WriteGif(const std::string& path, const Picture& picture, const GifOptions& options) {
  WriteBytes(path, EncodeGif(picture, options));
}

void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  if (!file.good()) throw std::runtime_error("cannot write " + path);
}

}  // namespace vl::test

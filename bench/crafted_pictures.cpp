// Writing the crafted huge-picture files and the large JPEG XL pictures of the decoding-memory benchmark through the picture libraries' encoders.
#include "bench/crafted_pictures.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>
#include <random>
#include <stdexcept>

#include <png.h>
#include <tiffio.h>
#include <webp/encode.h>

#include "tests/support/generated_photo.h"
#include "tests/support/image_writer.h"
#include "tests/support/modern_writer.h"

namespace vl::bench {

namespace {

constexpr int Side = 16384;
constexpr int WebpSide = 16383;  // the format's largest
constexpr uint16_t JpegSide = 65000;
constexpr int BandHeight = 200;

int bandTop(int index, int height) { return height / 8 + index * (height / 16); }
bool inBand(int y, int index, int height) { return y >= bandTop(index, height) && y < bandTop(index, height) + BandHeight; }

struct FileCloser {
  void operator()(FILE* f) const { std::fclose(f); }
};

void writePng(const std::string& path, int index) {
  std::unique_ptr<FILE, FileCloser> file(std::fopen(path.c_str(), "wb"));
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  if (!file || !png || !info || setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    throw std::runtime_error("cannot write " + path);
  }
  png_init_io(png, file.get());
  png_set_compression_level(png, 9);
  png_set_IHDR(png, info, Side, Side, 1, PNG_COLOR_TYPE_GRAY, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  std::vector<png_byte> white(Side / 8, 0xFF), dark(Side / 8, 0x00);
  for (int y = 0; y < Side; ++y) png_write_row(png, inBand(y, index, Side) ? dark.data() : white.data());
  png_write_end(png, info);
  png_destroy_write_struct(&png, &info);
}

int writeToFile(const uint8_t* data, size_t size, const WebPPicture* picture) {
  return std::fwrite(data, 1, size, static_cast<FILE*>(picture->custom_ptr)) == size;
}

// A lossy or lossless WebP, written through libwebp's encoder from a picture in YUV
// (lossy) or ARGB (lossless).
void writeWebp(const std::string& path, int index, bool lossless) {
  std::unique_ptr<FILE, FileCloser> file(std::fopen(path.c_str(), "wb"));
  WebPConfig config;
  WebPPicture picture;
  if (!file || !WebPConfigInit(&config) || !WebPPictureInit(&picture)) throw std::runtime_error("cannot write " + path);
  config.method = 0;
  config.lossless = lossless;
  config.quality = lossless ? 0 : config.quality;
  config.segments = 1;          // the macroblock modes of 16383 x 16383 pixels must fit partition 0's 512 KiB
  config.partition_limit = 100;
  picture.width = picture.height = WebpSide;
  picture.use_argb = lossless;
  if (!WebPPictureAlloc(&picture)) throw std::runtime_error("cannot write " + path);
  for (int y = 0; y < WebpSide; ++y) {
    const bool dark = inBand(y, index, WebpSide);
    if (lossless) std::fill_n(picture.argb + size_t(y) * size_t(picture.argb_stride), WebpSide, dark ? 0xFF282828u : 0xFFEBEBEBu);
    else std::fill_n(picture.y + size_t(y) * size_t(picture.y_stride), WebpSide, dark ? 40 : 235);
  }
  for (int y = 0; !lossless && y < (WebpSide + 1) / 2; ++y) {
    std::fill_n(picture.u + size_t(y) * size_t(picture.uv_stride), (WebpSide + 1) / 2, 128);
    std::fill_n(picture.v + size_t(y) * size_t(picture.uv_stride), (WebpSide + 1) / 2, 128);
  }
  picture.writer = writeToFile;
  picture.custom_ptr = file.get();
  const bool ok = WebPEncode(&config, &picture) != 0;
  const int error = picture.error_code;
  WebPPictureFree(&picture);
  if (!ok) throw std::runtime_error("cannot write " + path + ": libwebp error " + std::to_string(error));
}

void writeTiff(const std::string& path, int index) {
  TIFF* tiff = TIFFOpen(path.c_str(), "w");
  if (tiff == nullptr) throw std::runtime_error("cannot write " + path);
  TIFFSetField(tiff, TIFFTAG_IMAGEWIDTH, uint32_t(Side));
  TIFFSetField(tiff, TIFFTAG_IMAGELENGTH, uint32_t(Side));
  TIFFSetField(tiff, TIFFTAG_BITSPERSAMPLE, uint16_t(1));
  TIFFSetField(tiff, TIFFTAG_SAMPLESPERPIXEL, uint16_t(1));
  TIFFSetField(tiff, TIFFTAG_COMPRESSION, COMPRESSION_CCITTFAX4);
  TIFFSetField(tiff, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_MINISWHITE);
  TIFFSetField(tiff, TIFFTAG_ROWSPERSTRIP, uint32_t(Side));
  std::vector<uint8_t> white(Side / 8, 0x00), dark(Side / 8, 0xFF);
  bool ok = true;
  for (int y = 0; y < Side && ok; ++y) ok = TIFFWriteScanline(tiff, (inBand(y, index, Side) ? dark : white).data(), uint32_t(y)) == 1;
  TIFFClose(tiff);
  if (!ok) throw std::runtime_error("cannot write " + path);
}

void putLittleEndian(std::vector<uint8_t>& b, uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) b.push_back(uint8_t(v >> (8 * i)));
}

// Black (the pixels RLE data skips) with a white band, bottom-up as BMP rows go.
void writeBmp(const std::string& path, int index) {
  std::vector<uint8_t> rle;
  const int firstRow = Side - bandTop(index, Side) - BandHeight;
  for (int y = 0; y < firstRow; y += 255) rle.insert(rle.end(), {0, 2, 0, uint8_t(std::min(255, firstRow - y))});
  for (int row = 0; row < BandHeight; ++row) {
    for (int x = 0; x < Side; x += 255) rle.insert(rle.end(), {uint8_t(std::min(255, Side - x)), 1});
    rle.insert(rle.end(), {0, 0});
  }
  rle.insert(rle.end(), {0, 1});
  std::vector<uint8_t> b = {'B', 'M'};
  const uint32_t pixelOffset = 14 + 40 + 8;
  putLittleEndian(b, pixelOffset + uint32_t(rle.size()), 4);
  putLittleEndian(b, 0, 4);
  putLittleEndian(b, pixelOffset, 4);
  for (uint32_t v : {40u, uint32_t(Side), uint32_t(Side)}) putLittleEndian(b, v, 4);
  putLittleEndian(b, 1, 2);
  putLittleEndian(b, 8, 2);
  for (uint32_t v : {1u, uint32_t(rle.size()), 2835u, 2835u, 2u, 0u}) putLittleEndian(b, v, 4);
  b.insert(b.end(), {0, 0, 0, 0, 255, 255, 255, 0});
  b.insert(b.end(), rle.begin(), rle.end());
  test::WriteBytes(path, b);
}

// A small baseline JPEG whose frame header claims JpegSide x JpegSide: the decoder
// meets the end of the data early and fills the rest.
void writeJpeg(const std::string& path, int index) {
  std::vector<uint8_t> b = test::EncodeJpeg(test::BlockPicture(256, 256, 32, {test::White, test::Rgb(60, 60, 60)}, uint32_t(index)));
  for (size_t i = 2; i + 9 < b.size(); ++i) {
    if (b[i] != 0xFF || b[i + 1] != 0xC0) continue;
    for (size_t at : {i + 5, i + 7}) b[at] = uint8_t(JpegSide >> 8), b[at + 1] = uint8_t(JpegSide & 0xFF);
    break;
  }
  test::WriteBytes(path, b);
}

// Writes the file unless it is there; a run stopped half-way leaves no picture behind.
void writeOnce(const std::string& path, const std::function<void(const std::string&)>& write) {
  if (std::filesystem::exists(path)) return;
  write(path + ".part");
  std::filesystem::rename(path + ".part", path);
}

// A generated photograph enlarged to JxlWidth x JxlHeight, with grain of 2 levels.
test::Picture largePhoto() {
  std::mt19937 random(7);
  const test::Picture small = test::GeneratedPhoto(random);
  std::normal_distribution<double> grain(0, 2);
  test::Picture out(JxlWidth, JxlHeight);
  for (int y = 0; y < JxlHeight; ++y)
    for (int x = 0; x < JxlWidth; ++x) {
      const uint32_t p = small.at(x * small.width / JxlWidth, y * small.height / JxlHeight);
      int c[3];
      for (int i = 0; i < 3; ++i) c[i] = std::clamp(int(p >> (16 - 8 * i) & 255) + int(grain(random)), 0, 255);
      out.set(x, y, test::Rgb(c[0], c[1], c[2]));
    }
  return out;
}

}  // namespace

std::vector<std::string> WriteCraftedPictures(const std::string& folder, int perType) {
  const std::pair<const char*, std::function<void(const std::string&, int)>> kinds[] = {
      {".png", writePng}, {".webp", [](const std::string& p, int i) { writeWebp(p, i, false); }},
      {".tif", writeTiff}, {".bmp", writeBmp}, {".jpg", writeJpeg}};
  std::filesystem::create_directories(folder);
  std::vector<std::string> paths;
  for (int i = 0; i < perType; ++i)
    for (const auto& [extension, write] : kinds) {
      paths.push_back(folder + "/crafted" + std::to_string(i) + extension);
      writeOnce(paths.back(), [&write, i](const std::string& p) { write(p, i); });
    }
  return paths;
}

std::string WriteLosslessWebp(const std::string& folder) {
  std::filesystem::create_directories(folder);
  const std::string path = folder + "/lossless.webp";
  writeOnce(path, [](const std::string& p) { writeWebp(p, 0, true); });
  return path;
}

JxlPictures WriteJxlPictures(const std::string& folder) {
  std::filesystem::create_directories(folder);
  const JxlPictures paths{folder + "/small.jxl", folder + "/opaque.jxl", folder + "/alpha.jxl", folder + "/lossy.jxl"};
  writeOnce(paths.small, [](const std::string& p) { test::WriteBytes(p, test::EncodeJxl(test::GradientPicture(64, 48))); });
  if (std::filesystem::exists(paths.lossy)) return paths;  // written last: the others are there
  const test::Picture photo = largePhoto();
  test::AlphaPlane alpha(photo.rgb.size());
  for (size_t i = 0; i < alpha.size(); ++i) alpha[i] = uint8_t(255 - int(i % JxlWidth) * 255 / (JxlWidth - 1));
  writeOnce(paths.opaque, [&photo](const std::string& p) { test::WriteBytes(p, test::EncodeJxl(photo)); });
  writeOnce(paths.alpha, [&](const std::string& p) { test::WriteBytes(p, test::EncodeJxl(photo, alpha)); });
  writeOnce(paths.lossy, [&photo](const std::string& p) { test::WriteBytes(p, test::EncodeJxl(photo, {}, 2)); });
  return paths;
}

}  // namespace vl::bench

// Encoding test pictures through libpng, libtiff, libwebp, libheif and libjxl.
#include "tests/support/modern_writer.h"

#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <memory>
#include <stdexcept>
#include <string>

#include <jxl/encode.h>
#include <jxl/encode_cxx.h>
#include <libheif/heif.h>
#include <png.h>
#include <tiffio.h>
#include <webp/encode.h>
#include <webp/mux.h>

#include "tests/support/temp_dir.h"

namespace vl::test {

namespace {

void check(bool ok, const char* what) {
  if (!ok) throw std::runtime_error(std::string("modern writer: ") + what);
}

// R, G, B, A bytes per pixel.
std::vector<uint8_t> rgbaBytes(const Picture& p, const AlphaPlane& alpha) {
  std::vector<uint8_t> out;
  out.reserve(p.rgb.size() * 4);
  for (size_t i = 0; i < p.rgb.size(); ++i) {
    const uint32_t c = p.rgb[i];
    out.insert(out.end(), {uint8_t(c >> 16), uint8_t(c >> 8), uint8_t(c), alpha.empty() ? uint8_t(255) : alpha[i]});
  }
  return out;
}

// R, G, B bytes per pixel, and A when `alpha` is given.
std::vector<uint8_t> samplesOf(const Picture& p, const AlphaPlane& alpha) {
  std::vector<uint8_t> out = rgbaBytes(p, alpha);
  if (!alpha.empty()) return out;
  for (size_t i = 0; i < p.rgb.size(); ++i) std::copy_n(out.data() + i * 4, 3, out.data() + i * 3);
  out.resize(p.rgb.size() * 3);
  return out;
}

// The samples of one pixel of a PNG layout, each 0 to 2^depth - 1.
std::vector<uint32_t> pngSamples(uint32_t c, uint8_t alpha, const std::vector<uint32_t>& palette, const PngLayout& l) {
  const uint32_t r = c >> 16 & 0xFF, g = c >> 8 & 0xFF, b = c & 0xFF, grey = (r + g + b + 1) / 3;
  const auto scaled = [&l](uint32_t v) { return l.depth == 16 ? v * 257 : v >> (8 - std::min(l.depth, 8)); };
  switch (l.colour) {
    case PngColour::Grey: return {scaled(grey)};
    case PngColour::GreyAlpha: return {scaled(grey), scaled(alpha)};
    case PngColour::Palette: return {uint32_t(std::find(palette.begin(), palette.end(), c) - palette.begin())};
    case PngColour::Rgb: return {scaled(r), scaled(g), scaled(b)};
    default: return {scaled(r), scaled(g), scaled(b), scaled(alpha)};
  }
}

// One row of samples, packed most significant bit first below 8 bits, big-endian at 16.
std::vector<uint8_t> pngRow(const Picture& p, int y, const std::vector<uint32_t>& palette, const PngLayout& l,
                            const AlphaPlane& alpha) {
  std::vector<uint8_t> row;
  int bits = 0;
  for (int x = 0; x < p.width; ++x) {
    const uint8_t a = alpha.empty() ? 255 : alpha[size_t(y) * size_t(p.width) + size_t(x)];
    for (uint32_t v : pngSamples(p.at(x, y), a, palette, l)) {
      if (l.depth == 16) row.insert(row.end(), {uint8_t(v >> 8), uint8_t(v)});
      else if (l.depth == 8) row.push_back(uint8_t(v));
      else {
        if (bits % 8 == 0) row.push_back(0);
        row.back() |= uint8_t(v << (8 - l.depth - bits % 8));
        bits += l.depth;
      }
    }
  }
  return row;
}

void appendPng(png_structp png, png_bytep data, size_t size) {
  auto* out = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(png));
  out->insert(out->end(), data, data + size);
}

void setPngTransparency(png_structp png, png_infop info, const Picture& p, const std::vector<uint32_t>& palette,
                        const PngLayout& l) {
  const std::vector<uint32_t> first = pngSamples(p.at(0, 0), 255, palette, l);
  if (l.colour == PngColour::Palette) {
    std::vector<png_byte> alphas(palette.size(), 255);
    alphas[first[0]] = 0;
    png_set_tRNS(png, info, alphas.data(), int(alphas.size()), nullptr);
    return;
  }
  png_color_16 colour{};
  colour.gray = png_uint_16(first[0]);
  if (first.size() >= 3) colour.red = png_uint_16(first[0]), colour.green = png_uint_16(first[1]), colour.blue = png_uint_16(first[2]);
  png_set_tRNS(png, info, nullptr, 0, &colour);
}

// Writes the samples (perPixel per pixel, `width` pixels a row) in blocks of
// blockWidth x blockHeight (tiles, or strips as wide as the picture), all of them
// interleaved, or with `plane` >= 0 that plane alone.
void writeTiffBlocks(TIFF* tiff, const std::vector<uint8_t>& samples, int width, int height, int perPixel, int plane,
                     int blockWidth, int blockHeight) {
  const int channels = plane >= 0 ? 1 : perPixel;
  std::vector<uint8_t> block(size_t(blockWidth) * blockHeight * channels);
  for (int by = 0; by < height; by += blockHeight)
    for (int bx = 0; bx < width; bx += blockWidth) {
      for (int y = 0; y < blockHeight; ++y)
        for (int x = 0; x < blockWidth; ++x)
          for (int c = 0; c < channels; ++c) {
            const bool inside = bx + x < width && by + y < height;
            const size_t at = (size_t(by + y) * width + bx + x) * perPixel + size_t(plane >= 0 ? plane : c);
            block[(size_t(y) * blockWidth + x) * channels + c] = inside ? samples[at] : 0;
          }
      const uint16_t sample = uint16_t(std::max(plane, 0));
      const bool written =
          TIFFIsTiled(tiff)
              ? TIFFWriteEncodedTile(tiff, TIFFComputeTile(tiff, bx, by, 0, sample), block.data(), tmsize_t(block.size())) > 0
              : TIFFWriteEncodedStrip(tiff, TIFFComputeStrip(tiff, by, sample), block.data(),
                                      tmsize_t(std::min(blockHeight, height - by)) * width * channels) > 0;
      check(written, "TIFF block");
    }
}

heif_image* heifImage(const Picture& p, const AlphaPlane& alpha, const heif_color_profile_nclx* nclx) {
  heif_image* image = nullptr;
  check(heif_image_create(p.width, p.height, heif_colorspace_RGB, heif_chroma_interleaved_RGBA, &image).code ==
            heif_error_Ok, "HEIF image");
  check(heif_image_add_plane(image, heif_channel_interleaved, p.width, p.height, 8).code == heif_error_Ok, "plane");
  heif_image_set_nclx_color_profile(image, nclx);
  int stride = 0;
  uint8_t* plane = heif_image_get_plane(image, heif_channel_interleaved, &stride);
  const std::vector<uint8_t> rgba = rgbaBytes(p, alpha);
  for (int y = 0; y < p.height; ++y)
    std::copy_n(rgba.data() + size_t(y) * p.width * 4, size_t(p.width) * 4, plane + size_t(y) * size_t(stride));
  return image;
}

heif_error appendBytes(heif_context*, const void* data, size_t size, void* userdata) {
  auto* out = static_cast<std::vector<uint8_t>*>(userdata);
  out->insert(out->end(), static_cast<const uint8_t*>(data), static_cast<const uint8_t*>(data) + size);
  return heif_error{heif_error_Ok, heif_suberror_Unspecified, ""};
}

}  // namespace

std::vector<uint8_t> EncodePng(const Picture& picture, const AlphaPlane& alpha) {
  return EncodePng(picture, {.colour = alpha.empty() ? PngColour::Rgb : PngColour::Rgba}, alpha);
}

// The bytes of a TIFF file that `write` fills.
template <typename Write>
std::vector<uint8_t> tiffBytes(Write write) {
  char path[] = "/tmp/velloran-tiff-XXXXXX";
  const int fd = ::mkstemp(path);
  check(fd >= 0, "TIFF temporary file");
  ::close(fd);
  TIFF* tiff = TIFFOpen(path, "w");
  check(tiff != nullptr, "TIFF open");
  write(tiff);
  TIFFClose(tiff);
  const std::string bytes = ReadFileBytes(path);
  ::unlink(path);
  std::vector<uint8_t> out(bytes.begin(), bytes.end());
  return out;
}

// Writes one page of `p` in layout `l` (its directory is written by TIFFClose or the caller).
void writeTiff(TIFF* tiff, const Picture& p, const TiffLayout& l, const AlphaPlane& alpha) {
  const int perPixel = l.bilevel ? 1 : alpha.empty() ? 3 : 4;
  std::vector<uint8_t> samples;
  if (l.bilevel) {
    for (int y = 0; y < p.height; ++y)
      for (int x = 0; x < p.width; ++x) {
        if (x % 8 == 0) samples.push_back(0);
        if ((p.at(x, y) >> 16 & 0xFF) < 128) samples.back() |= uint8_t(0x80 >> (x % 8));
      }
  } else {
    samples = samplesOf(p, alpha);
  }
  const uint16_t codings[] = {COMPRESSION_NONE, COMPRESSION_LZW, COMPRESSION_CCITTFAX4, COMPRESSION_JPEG};
  const bool jpeg = l.coding == TiffCoding::Jpeg;
  TIFFSetField(tiff, TIFFTAG_IMAGEWIDTH, uint32_t(p.width));
  TIFFSetField(tiff, TIFFTAG_IMAGELENGTH, uint32_t(p.height));
  TIFFSetField(tiff, TIFFTAG_ORIENTATION, l.orientation);
  TIFFSetField(tiff, TIFFTAG_SAMPLESPERPIXEL, uint16_t(perPixel));
  TIFFSetField(tiff, TIFFTAG_BITSPERSAMPLE, uint16_t(l.bilevel ? 1 : 8));
  TIFFSetField(tiff, TIFFTAG_COMPRESSION, codings[int(l.coding)]);
  TIFFSetField(tiff, TIFFTAG_PHOTOMETRIC,
               uint16_t(l.bilevel ? PHOTOMETRIC_MINISWHITE : jpeg ? PHOTOMETRIC_YCBCR : PHOTOMETRIC_RGB));
  if (jpeg) TIFFSetField(tiff, TIFFTAG_JPEGCOLORMODE, JPEGCOLORMODE_RGB);
  TIFFSetField(tiff, TIFFTAG_PLANARCONFIG, uint16_t(l.separate ? PLANARCONFIG_SEPARATE : PLANARCONFIG_CONTIG));
  if (!alpha.empty()) {
    const uint16_t extra = EXTRASAMPLE_UNASSALPHA;
    TIFFSetField(tiff, TIFFTAG_EXTRASAMPLES, uint16_t(1), &extra);
  }
  const int width = l.bilevel ? (p.width + 7) / 8 : p.width;
  const int rows = l.tile > 0 ? l.tile : l.coding == TiffCoding::G4 ? p.height : 16;
  if (l.tile > 0) TIFFSetField(tiff, TIFFTAG_TILEWIDTH, uint32_t(l.tile)), TIFFSetField(tiff, TIFFTAG_TILELENGTH, uint32_t(l.tile));
  else TIFFSetField(tiff, TIFFTAG_ROWSPERSTRIP, uint32_t(rows));
  for (int plane = l.separate ? 0 : -1; plane < (l.separate ? perPixel : 0); ++plane)
    writeTiffBlocks(tiff, samples, width, p.height, perPixel, plane, l.tile > 0 ? l.tile : width, rows);
}

std::vector<uint8_t> EncodeTiff(const std::vector<Picture>& pages, const AlphaPlane& alpha, int orientation) {
  return tiffBytes([&](TIFF* tiff) {
    for (size_t i = 0; i < pages.size(); ++i) {
      writeTiff(tiff, pages[i], {.orientation = uint16_t(orientation)}, i == 0 ? alpha : AlphaPlane{});
      check(TIFFWriteDirectory(tiff) == 1, "TIFF page");
    }
  });
}

std::vector<uint8_t> EncodeTiff(const Picture& p, const TiffLayout& l, const AlphaPlane& alpha) {
  return tiffBytes([&](TIFF* tiff) { writeTiff(tiff, p, l, alpha); });
}

std::vector<uint8_t> EncodePng(const Picture& picture, const PngLayout& layout, const AlphaPlane& alpha) {
  std::vector<uint32_t> palette;
  if (layout.colour == PngColour::Palette)
    for (uint32_t c : picture.rgb)
      if (std::find(palette.begin(), palette.end(), c) == palette.end()) palette.push_back(c);
  check(palette.size() <= (size_t(1) << layout.depth), "PNG palette");
  std::vector<uint8_t> out;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  if (png == nullptr || info == nullptr || setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    check(false, "PNG layout");
  }
  png_set_write_fn(png, &out, appendPng, nullptr);
  png_set_IHDR(png, info, png_uint_32(picture.width), png_uint_32(picture.height), layout.depth,
               std::array{PNG_COLOR_TYPE_GRAY, PNG_COLOR_TYPE_GRAY_ALPHA, PNG_COLOR_TYPE_PALETTE, PNG_COLOR_TYPE_RGB,
                          PNG_COLOR_TYPE_RGB_ALPHA}[size_t(layout.colour)],
               layout.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  std::vector<png_color> entries;
  for (uint32_t c : palette) entries.push_back({png_byte(c >> 16), png_byte(c >> 8), png_byte(c)});
  if (!entries.empty()) png_set_PLTE(png, info, entries.data(), int(entries.size()));
  if (layout.transparentFirst) setPngTransparency(png, info, picture, palette, layout);
  if (layout.gamma != 0) png_set_gAMA(png, info, layout.gamma);
  png_write_info(png, info);
  std::vector<std::vector<uint8_t>> rows;
  std::vector<png_bytep> pointers;
  for (int y = 0; y < picture.height; ++y) rows.push_back(pngRow(picture, y, palette, layout, alpha));
  for (auto& row : rows) pointers.push_back(row.data());
  png_write_image(png, pointers.data());
  png_write_end(png, info);
  png_destroy_write_struct(&png, &info);
  return out;
}

// `picture` initialised with the pixels of `p`; false when they cannot be imported.
bool importWebp(const Picture& p, const AlphaPlane& alpha, WebPPicture& picture) {
  WebPPictureInit(&picture);
  picture.use_argb = 1;
  picture.width = p.width;
  picture.height = p.height;
  const std::vector<uint8_t> rgba = rgbaBytes(p, alpha);
  return WebPPictureImportRGBA(&picture, rgba.data(), p.width * 4) != 0;
}

// A still WebP of one picture.
std::vector<uint8_t> encodeStillWebp(const Picture& p, const AlphaPlane& alpha, const WebPConfig& config) {
  WebPPicture picture;
  WebPMemoryWriter writer;
  WebPMemoryWriterInit(&writer);
  const bool ok = importWebp(p, alpha, picture);
  picture.writer = WebPMemoryWrite;
  picture.custom_ptr = &writer;
  const bool encoded = ok && WebPEncode(&config, &picture) != 0;
  WebPPictureFree(&picture);
  std::vector<uint8_t> out(writer.mem, writer.mem + writer.size);
  WebPMemoryWriterClear(&writer);
  check(encoded, "WebP still");
  return out;
}

std::vector<uint8_t> EncodeWebp(const std::vector<Picture>& frames, const AlphaPlane& alpha, int quality) {
  const Picture& first = frames.at(0);
  WebPConfig config;
  WebPConfigInit(&config);
  config.lossless = quality == 0 ? 1 : 0;
  if (quality != 0) config.quality = float(quality);
  config.exact = 1;
  if (frames.size() == 1) return encodeStillWebp(first, alpha, config);
  WebPAnimEncoderOptions animOptions;
  check(WebPAnimEncoderOptionsInit(&animOptions) != 0, "WebP options");
  WebPAnimEncoder* encoder = WebPAnimEncoderNew(first.width, first.height, &animOptions);
  check(encoder != nullptr, "WebP encoder");
  int timestamp = 0;
  for (size_t i = 0; i < frames.size(); ++i, timestamp += 100) {
    WebPPicture frame;
    check(importWebp(frames[i], i == 0 ? alpha : AlphaPlane{}, frame), "WebP frame");
    const bool added = WebPAnimEncoderAdd(encoder, &frame, timestamp, &config) != 0;
    WebPPictureFree(&frame);
    check(added, "WebP add");
  }
  WebPAnimEncoderAdd(encoder, nullptr, timestamp, nullptr);
  WebPData data;
  WebPDataInit(&data);
  const bool assembled = WebPAnimEncoderAssemble(encoder, &data) != 0;
  WebPAnimEncoderDelete(encoder);
  check(assembled, "WebP assemble");
  std::vector<uint8_t> out(data.bytes, data.bytes + data.size);
  WebPDataClear(&data);
  return out;
}

std::vector<uint8_t> EncodeHeif(const std::vector<Picture>& images, bool av1, const AlphaPlane& alpha, int quality,
                                int orientation, const std::vector<uint8_t>& exif) {
  heif_context* context = heif_context_alloc();
  heif_encoder* encoder = nullptr;
  check(heif_context_get_encoder_for_format(context, av1 ? heif_compression_AV1 : heif_compression_HEVC, &encoder)
            .code == heif_error_Ok, "HEIF encoder");
  heif_encoding_options* options = heif_encoding_options_alloc();
  heif_color_profile_nclx* nclx = heif_nclx_color_profile_alloc();
  if (quality == 0) {
    heif_encoder_set_lossless(encoder, 1);
    heif_encoder_set_parameter_string(encoder, "chroma", "444");
    nclx->matrix_coefficients = heif_matrix_coefficients_RGB_GBR;
    nclx->full_range_flag = 1;
  } else {
    heif_encoder_set_lossy_quality(encoder, quality);
    if (av1) heif_encoder_set_parameter_integer(encoder, "speed", 8);  // a few times faster than the default
  }
  options->output_nclx_profile = nclx;
  options->image_orientation = heif_orientation(orientation);
  for (size_t i = 0; i < images.size(); ++i) {
    heif_image* image = heifImage(images[i], i == 0 ? alpha : AlphaPlane{}, nclx);
    heif_image_handle* handle = nullptr;
    const bool encoded = heif_context_encode_image(context, image, encoder, options, &handle).code == heif_error_Ok;
    heif_image_release(image);
    check(encoded, "HEIF encode");
    if (i == 0 && !exif.empty())
      check(heif_context_add_exif_metadata(context, handle, exif.data(), int(exif.size())).code == heif_error_Ok, "Exif");
    heif_image_handle_release(handle);
  }
  heif_nclx_color_profile_free(nclx);
  heif_encoding_options_free(options);
  heif_encoder_release(encoder);
  std::vector<uint8_t> out;
  heif_writer writer{1, appendBytes};
  const bool written = heif_context_write(context, &writer, &out).code == heif_error_Ok;
  heif_context_free(context);
  check(written, "HEIF write");
  return out;
}

std::vector<uint8_t> EncodeJxl(const Picture& p, const AlphaPlane& alpha, float distance) {
  const JxlEncoderPtr encoder = JxlEncoderMake(nullptr);
  JxlBasicInfo info;
  JxlEncoderInitBasicInfo(&info);
  info.xsize = uint32_t(p.width), info.ysize = uint32_t(p.height);
  info.bits_per_sample = 8, info.uses_original_profile = distance > 0 ? JXL_FALSE : JXL_TRUE;
  info.num_extra_channels = alpha.empty() ? 0 : 1, info.alpha_bits = alpha.empty() ? 0 : 8;
  check(JxlEncoderSetBasicInfo(encoder.get(), &info) == JXL_ENC_SUCCESS, "JXL info");
  JxlColorEncoding srgb;
  JxlColorEncodingSetToSRGB(&srgb, JXL_FALSE);
  check(JxlEncoderSetColorEncoding(encoder.get(), &srgb) == JXL_ENC_SUCCESS, "JXL colour");
  JxlEncoderFrameSettings* settings = JxlEncoderFrameSettingsCreate(encoder.get(), nullptr);
  if (distance > 0) check(JxlEncoderSetFrameDistance(settings, distance) == JXL_ENC_SUCCESS, "JXL distance");
  else check(JxlEncoderSetFrameLossless(settings, JXL_TRUE) == JXL_ENC_SUCCESS, "JXL lossless");
  const std::vector<uint8_t> samples = samplesOf(p, alpha);
  const JxlPixelFormat format{alpha.empty() ? 3u : 4u, JXL_TYPE_UINT8, JXL_NATIVE_ENDIAN, 0};
  check(JxlEncoderAddImageFrame(settings, &format, samples.data(), samples.size()) == JXL_ENC_SUCCESS, "JXL frame");
  JxlEncoderCloseInput(encoder.get());
  std::vector<uint8_t> out(4096);
  uint8_t* next = out.data();
  size_t left = out.size();
  while (JxlEncoderProcessOutput(encoder.get(), &next, &left) == JXL_ENC_NEED_MORE_OUTPUT) {
    const size_t used = size_t(next - out.data());
    out.resize(out.size() * 2);
    next = out.data() + used, left = out.size() - used;
  }
  out.resize(size_t(next - out.data()));
  return out;
}

std::vector<uint8_t> EncodeDng(const Picture& scene, const Picture& preview, int orientation) {
  return tiffBytes([&](TIFF* tiff) {
    // The sensor: an RGGB colour filter array of 2 x 2 photosites per pixel of the scene.
    const uint8_t version[4] = {1, 4, 0, 0}, pattern[4] = {0, 1, 1, 2};
    const uint16_t repeat[2] = {2, 2};
    TIFFSetField(tiff, TIFFTAG_DNGVERSION, version);
    TIFFSetField(tiff, TIFFTAG_UNIQUECAMERAMODEL, "Velloran test camera");
    TIFFSetField(tiff, TIFFTAG_ORIENTATION, uint16_t(orientation));
    TIFFSetField(tiff, TIFFTAG_IMAGEWIDTH, uint32_t(2 * scene.width));
    TIFFSetField(tiff, TIFFTAG_IMAGELENGTH, uint32_t(2 * scene.height));
    TIFFSetField(tiff, TIFFTAG_BITSPERSAMPLE, uint16_t(16));
    TIFFSetField(tiff, TIFFTAG_SAMPLESPERPIXEL, uint16_t(1));
    TIFFSetField(tiff, TIFFTAG_PHOTOMETRIC, uint16_t(PHOTOMETRIC_CFA));
    TIFFSetField(tiff, TIFFTAG_CFAREPEATPATTERNDIM, repeat);
    TIFFSetField(tiff, TIFFTAG_CFAPATTERN, 4, pattern);
    const float neutral[3] = {1, 1, 1};  // the white balance the camera chose: the scene is balanced
    TIFFSetField(tiff, TIFFTAG_ASSHOTNEUTRAL, 3, neutral);
    std::vector<uint16_t> row(size_t(2 * scene.width));
    for (int y = 0; y < 2 * scene.height; ++y) {
      for (int x = 0; x < 2 * scene.width; ++x)
        row[size_t(x)] = uint16_t((scene.at(x / 2, y / 2) >> (16 - 8 * (x % 2 + y % 2)) & 0xFF) * 257);
      check(TIFFWriteScanline(tiff, row.data(), uint32_t(y)) == 1, "DNG sensor row");
    }
    check(TIFFWriteDirectory(tiff) == 1, "DNG sensor");
    // A whole JPEG stream as the preview's one strip, as cameras write it.
    TIFFSetField(tiff, TIFFTAG_SUBFILETYPE, uint32_t(FILETYPE_REDUCEDIMAGE));
    const std::vector<uint8_t> jpeg = EncodeJpeg(preview);
    TIFFSetField(tiff, TIFFTAG_IMAGEWIDTH, uint32_t(preview.width));
    TIFFSetField(tiff, TIFFTAG_IMAGELENGTH, uint32_t(preview.height));
    TIFFSetField(tiff, TIFFTAG_BITSPERSAMPLE, uint16_t(8));
    TIFFSetField(tiff, TIFFTAG_SAMPLESPERPIXEL, uint16_t(3));
    TIFFSetField(tiff, TIFFTAG_PHOTOMETRIC, uint16_t(PHOTOMETRIC_YCBCR));
    TIFFSetField(tiff, TIFFTAG_COMPRESSION, uint16_t(COMPRESSION_JPEG));
    TIFFSetField(tiff, TIFFTAG_ROWSPERSTRIP, uint32_t(preview.height));
    check(TIFFWriteRawStrip(tiff, 0, const_cast<uint8_t*>(jpeg.data()), tmsize_t(jpeg.size())) > 0, "DNG preview");
  });
}

}  // namespace vl::test

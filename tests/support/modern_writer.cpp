// Encoding test pictures through libpng, libtiff, libwebp and libheif.
#include "tests/support/modern_writer.h"

#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <memory>
#include <stdexcept>
#include <string>

#include <libheif/heif.h>
#include <png.h>
#include <tiffio.h>
#include <webp/encode.h>
#include <webp/mux.h>

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

std::vector<uint8_t> readBack(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

void writeTiffPage(TIFF* tiff, const Picture& p, const AlphaPlane& alpha, int orientation) {
  const uint16_t samples = alpha.empty() ? 3 : 4;
  TIFFSetField(tiff, TIFFTAG_IMAGEWIDTH, uint32_t(p.width));
  TIFFSetField(tiff, TIFFTAG_IMAGELENGTH, uint32_t(p.height));
  TIFFSetField(tiff, TIFFTAG_SAMPLESPERPIXEL, samples);
  TIFFSetField(tiff, TIFFTAG_BITSPERSAMPLE, uint16_t(8));
  TIFFSetField(tiff, TIFFTAG_PHOTOMETRIC, uint16_t(PHOTOMETRIC_RGB));
  TIFFSetField(tiff, TIFFTAG_PLANARCONFIG, uint16_t(PLANARCONFIG_CONTIG));
  TIFFSetField(tiff, TIFFTAG_ROWSPERSTRIP, uint32_t(8));
  if (orientation != 1) TIFFSetField(tiff, TIFFTAG_ORIENTATION, uint16_t(orientation));
  if (!alpha.empty()) {
    const uint16_t extra = EXTRASAMPLE_UNASSALPHA;
    TIFFSetField(tiff, TIFFTAG_EXTRASAMPLES, uint16_t(1), &extra);
  }
  const std::vector<uint8_t> rgba = rgbaBytes(p, alpha);
  std::vector<uint8_t> row(size_t(p.width) * samples);
  for (int y = 0; y < p.height; ++y) {
    for (int x = 0; x < p.width; ++x)
      for (int c = 0; c < samples; ++c) row[size_t(x) * samples + size_t(c)] = rgba[(size_t(y) * p.width + x) * 4 + c];
    check(TIFFWriteScanline(tiff, row.data(), uint32_t(y), 0) == 1, "TIFF row");
  }
  check(TIFFWriteDirectory(tiff) == 1, "TIFF page");
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
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = png_uint_32(picture.width);
  image.height = png_uint_32(picture.height);
  image.format = alpha.empty() ? PNG_FORMAT_RGB : PNG_FORMAT_RGBA;
  std::vector<uint8_t> pixels = rgbaBytes(picture, alpha);
  if (alpha.empty())
    for (size_t i = 0; i < picture.rgb.size(); ++i) std::copy_n(pixels.data() + i * 4, 3, pixels.data() + i * 3);
  png_alloc_size_t size = 0;
  check(png_image_write_to_memory(&image, nullptr, &size, 0, pixels.data(), 0, nullptr) != 0, "PNG size");
  std::vector<uint8_t> out(size);
  check(png_image_write_to_memory(&image, out.data(), &size, 0, pixels.data(), 0, nullptr) != 0, "PNG");
  out.resize(size);
  return out;
}

std::vector<uint8_t> EncodeTiff(const std::vector<Picture>& pages, const AlphaPlane& alpha, int orientation) {
  char path[] = "/tmp/velloran-tiff-XXXXXX";
  const int fd = ::mkstemp(path);
  check(fd >= 0, "TIFF temporary file");
  ::close(fd);
  TIFF* tiff = TIFFOpen(path, "w");
  check(tiff != nullptr, "TIFF open");
  for (size_t i = 0; i < pages.size(); ++i) writeTiffPage(tiff, pages[i], i == 0 ? alpha : AlphaPlane{}, orientation);
  TIFFClose(tiff);
  std::vector<uint8_t> out = readBack(path);
  ::unlink(path);
  return out;
}

std::vector<uint8_t> EncodeWebp(const std::vector<Picture>& frames, const AlphaPlane& alpha, int quality) {
  const Picture& first = frames.at(0);
  WebPAnimEncoderOptions animOptions;
  check(WebPAnimEncoderOptionsInit(&animOptions) != 0, "WebP options");
  WebPAnimEncoder* encoder = WebPAnimEncoderNew(first.width, first.height, &animOptions);
  check(encoder != nullptr, "WebP encoder");
  WebPConfig config;
  WebPConfigInit(&config);
  config.lossless = quality == 0 ? 1 : 0;
  config.exact = quality == 0 ? 1 : 0;
  if (quality != 0) config.quality = float(quality);
  int timestamp = 0;
  for (size_t i = 0; i < frames.size(); ++i, timestamp += 100) {
    WebPPicture frame;
    WebPPictureInit(&frame);
    frame.use_argb = 1;
    frame.width = frames[i].width;
    frame.height = frames[i].height;
    const std::vector<uint8_t> rgba = rgbaBytes(frames[i], i == 0 ? alpha : AlphaPlane{});
    check(WebPPictureImportRGBA(&frame, rgba.data(), frame.width * 4) != 0, "WebP frame");
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
                                int orientation) {
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
    const bool encoded = heif_context_encode_image(context, image, encoder, options, nullptr).code == heif_error_Ok;
    heif_image_release(image);
    check(encoded, "HEIF encode");
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

}  // namespace vl::test

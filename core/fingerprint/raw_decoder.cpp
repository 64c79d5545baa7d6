// Camera raw pictures through libraw, read from memory: the embedded preview when it is large enough, else a half-size decode.
#include "core/fingerprint/raw_decoder.h"

#include <algorithm>
#include <vector>

#include <libraw/libraw.h>

#include "core/fingerprint/jpeg_decoder.h"
#include "core/fingerprint/modern_decoders.h"

namespace vl {

namespace {

struct RawFree {
  void operator()(libraw_data_t* raw) const { libraw_close(raw); }
  void operator()(libraw_processed_image_t* image) const { libraw_dcraw_clear_mem(image); }
};
template <typename T>
using RawPtr = std::unique_ptr<T, RawFree>;

void ignoreMemoryError(void*, const char*, const char*) {}
void ignoreDataError(void*, const char*, const int) {}
int stopWhenCancelled(void* control, LibRaw_progress, int, int) {
  return static_cast<const DecodeControl*>(control)->cancelled() ? 1 : 0;
}

// libraw's flip (dcraw's: 4 swaps rows and columns, 2 mirrors the rows, 1 the
// columns) as the EXIF orientation value it was read from.
int tagOfFlip(int flip) {
  static constexpr int TagOfFlip[8] = {1, 2, 4, 3, 5, 8, 6, 7};
  return TagOfFlip[flip & 7];
}

// A libraw reader over the data, silent, stopping when the control is cancelled.
RawPtr<libraw_data_t> openRaw(const uint8_t* data, size_t size, const DecodeControl& control) {
  RawPtr<libraw_data_t> raw(libraw_init(0));
  if (!raw) return nullptr;
  libraw_set_memerror_handler(raw.get(), ignoreMemoryError, nullptr);
  libraw_set_dataerror_handler(raw.get(), ignoreDataError, nullptr);
  libraw_set_progress_handler(raw.get(), stopWhenCancelled, const_cast<DecodeControl*>(&control));
  raw->params.max_raw_memory_mb = unsigned(std::min<uint64_t>(control.maxDecodeBytes >> 20, 1u << 20));
  if (libraw_open_buffer(raw.get(), const_cast<uint8_t*>(data), size) != LIBRAW_SUCCESS) return nullptr;
  return raw;
}

// Fills the picture's pixels or JPEG bytes from a processed image of libraw's;
// false when the image is not one we can take, or has too few pixels for its size.
bool takeImage(RawPtr<libraw_processed_image_t> image, RawPicture& picture) {
  if (!image) return false;
  picture.data = image->data;
  picture.size = image->data_size;
  if (image->type == LIBRAW_IMAGE_JPEG) {
    picture.jpeg = true;
  } else {
    const uint64_t pixels = uint64_t(image->width) * image->height;
    if (image->bits != 8 || (image->colors != 1 && image->colors != 3) || pixels == 0 || pixels > MaxWorkPixels ||
        image->data_size < pixels * image->colors)
      return false;
    picture.width = image->width;
    picture.height = image->height;
    picture.colours = image->colors;
  }
  picture.owner = std::shared_ptr<const void>(image.release(), RawFree{});
  return true;
}

bool largeEnough(int64_t width, int64_t height) { return std::max(width, height) >= MinRawPreviewSide; }

// The embedded preview when libraw finds one (a JPEG stream or 8-bit pixels) that is
// large enough. Its kind is known only once it is read; a preview announced smaller,
// or longer than the file, is not read.
bool takePreview(libraw_data_t* raw, size_t fileSize, RawPicture& picture) {
  const libraw_thumbnail_t& thumb = raw->thumbnail;
  const bool sizeKnown = thumb.twidth > 0 && thumb.theight > 0;
  if (thumb.tlength == 0 || thumb.tlength > fileSize || (sizeKnown && !largeEnough(thumb.twidth, thumb.theight)))
    return false;
  if (libraw_unpack_thumb(raw) != LIBRAW_SUCCESS) return false;
  int error = 0;
  RawPicture preview = picture;
  if (!takeImage(RawPtr<libraw_processed_image_t>(libraw_dcraw_make_mem_thumb(raw, &error)), preview)) return false;
  int32_t width = preview.width, height = preview.height;
  if (preview.jpeg && !JpegSize(preview.data, preview.size, width, height)) return false;
  if (!largeEnough(width, height)) return false;
  picture = std::move(preview);
  return true;
}

// What libraw holds for a half-size decode: the sensor data (16 bits a photosite of
// a colour filter array, four channels of 16 bits otherwise), the half-size picture
// of four 16-bit channels, and its 8-bit copy.
uint64_t halfSizeMemory(const libraw_data_t* raw, uint64_t halfPixels) {
  const uint64_t sensor = uint64_t(raw->sizes.raw_width) * raw->sizes.raw_height;
  return sensor * (raw->idata.filters != 0 ? 2 : 8) + halfPixels * (8 + 3);
}

// The sensor data decoded at half size, white balanced as the camera set it, in sRGB
// tones without libraw's automatic brightening (a camera's JPEG is not brightened
// either), not turned.
bool takeHalfSize(libraw_data_t* raw, const DecodeControl& control, const std::function<bool(uint64_t)>& reserve,
                  RawPicture& picture) {
  const uint64_t halfPixels = uint64_t((raw->sizes.width + 1) / 2) * uint64_t((raw->sizes.height + 1) / 2);
  const uint64_t bytes = halfSizeMemory(raw, halfPixels);
  if (halfPixels == 0 || halfPixels > MaxWorkPixels || bytes > control.maxDecodeBytes || !reserve(bytes)) return false;
  raw->params.half_size = 1;
  raw->params.use_camera_wb = 1;
  raw->params.output_bps = 8;
  raw->params.user_flip = 0;
  raw->params.no_auto_bright = 1;
  raw->params.gamm[0] = 1 / 2.4;  // the sRGB curve: power and linear slope
  raw->params.gamm[1] = 12.92;
  if (libraw_unpack(raw) != LIBRAW_SUCCESS || libraw_dcraw_process(raw) != LIBRAW_SUCCESS) return false;
  int error = 0;
  return takeImage(RawPtr<libraw_processed_image_t>(libraw_dcraw_make_mem_image(raw, &error)), picture);
}

// Hands the picture's pixels to the sink, a row at a time; false when the sink
// refuses it or the cancel flag is set.
bool putPixels(const RawPicture& picture, PixelSink& sink, const DecodeControl& control) {
  if (!sink.begin({picture.width, picture.height, 0, false, picture.size})) return false;
  std::vector<uint32_t> row(size_t(picture.width));
  const size_t stride = size_t(picture.width) * size_t(picture.colours);
  for (int y = 0; y < picture.height; ++y) {
    if (y % 64 == 0 && control.cancelled()) return false;
    const uint8_t* in = picture.data + size_t(y) * stride;
    const int colours = picture.colours;
    PutConverted(sink, y, 0, picture.width, 1, row, [in, colours](int x) {
      const uint8_t* p = in + size_t(x) * size_t(colours);
      return colours == 1 ? uint32_t(p[0]) * 0x010101u : uint32_t(p[0]) << 16 | uint32_t(p[1]) << 8 | p[2];
    });
  }
  return true;
}

}  // namespace

bool ReadRawPicture(const uint8_t* data, size_t size, const DecodeControl& control,
                    const std::function<bool(uint64_t)>& reserve, RawPicture& picture) {
  picture = RawPicture{};
  if (size == 0 || control.cancelled()) return false;
  const RawPtr<libraw_data_t> raw = openRaw(data, size, control);
  if (!raw) return false;
  picture.cameraWidth = raw->sizes.width;
  picture.cameraHeight = raw->sizes.height;
  picture.orientationTag = tagOfFlip(raw->sizes.flip);
  return takePreview(raw.get(), size, picture) || takeHalfSize(raw.get(), control, reserve, picture);
}

bool DecodeRaw(const uint8_t* data, size_t size, PixelSink& sink, const DecodeControl& control, bool withChroma,
               RawFacts& facts) {
  RawPicture picture;
  if (!ReadRawPicture(data, size, control, [&sink](uint64_t bytes) { return sink.reserve(bytes); }, picture))
    return false;
  facts = RawFacts{picture.cameraWidth, picture.cameraHeight, picture.orientationTag, picture.width, picture.height, 1};
  if (picture.jpeg) {
    if (!DecodeJpeg(picture.data, picture.size, sink, facts.sourceWidth, facts.sourceHeight, control, withChroma))
      return false;
    facts.scale = JpegScaleDenominator(facts.sourceWidth, facts.sourceHeight);
    return true;
  }
  // The pixels stay at hand, so a second pass needs no second decode.
  if (!putPixels(picture, sink, control)) return false;
  return !sink.startSecondPass() || putPixels(picture, sink, control);
}

}  // namespace vl

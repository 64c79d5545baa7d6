// WebP decoding through libwebp; an animation through libwebpdemux, which gives its first frame's canvas.
#include "core/fingerprint/modern_decoders.h"

#include <cstring>
#include <memory>

#include <webp/decode.h>
#include <webp/demux.h>

namespace vl {

namespace {

struct AnimDecoderDeleter {
  void operator()(WebPAnimDecoder* decoder) const { WebPAnimDecoderDelete(decoder); }
};

uint8_t* bytesOf(WorkBitmap& bitmap) { return reinterpret_cast<uint8_t*>(bitmap.pixels.data()); }

bool decodeStill(const uint8_t* data, size_t size, WorkBitmap& bitmap) {
  const size_t stride = size_t(bitmap.width) * 4;
  return WebPDecodeRGBAInto(data, size, bytesOf(bitmap), stride * size_t(bitmap.height), int(stride)) != nullptr;
}

// The first frame composed on the canvas; the canvas size was checked by the caller.
bool decodeFirstFrame(const uint8_t* data, size_t size, WorkBitmap& bitmap) {
  const WebPData input{data, size};
  WebPAnimDecoderOptions options;
  if (!WebPAnimDecoderOptionsInit(&options)) return false;
  options.color_mode = MODE_RGBA;
  options.use_threads = 0;
  std::unique_ptr<WebPAnimDecoder, AnimDecoderDeleter> decoder(WebPAnimDecoderNew(&input, &options));
  WebPAnimInfo info;
  if (!decoder || !WebPAnimDecoderGetInfo(decoder.get(), &info)) return false;
  if (int64_t(info.canvas_width) != bitmap.width || int64_t(info.canvas_height) != bitmap.height) return false;
  uint8_t* frame = nullptr;
  int timestamp = 0;
  if (!WebPAnimDecoderGetNext(decoder.get(), &frame, &timestamp) || frame == nullptr) return false;
  std::memcpy(bytesOf(bitmap), frame, bitmap.pixels.size() * 4);
  return true;
}

}  // namespace

bool DecodeWebp(const uint8_t* data, size_t size, WorkBitmap& bitmap) {
  WebPBitstreamFeatures features;
  if (WebPGetFeatures(data, size, &features) != VP8_STATUS_OK) return false;
  if (!bitmap.reset(features.width, features.height, 0)) return false;
  const bool ok = features.has_animation ? decodeFirstFrame(data, size, bitmap) : decodeStill(data, size, bitmap);
  if (ok) CompositeRgbaBytes(bitmap);
  return ok;
}

}  // namespace vl

// WebP decoding through libwebp; of an animation, libwebpdemux finds the first frame, drawn on its canvas.
#include "core/fingerprint/modern_decoders.h"

#include <memory>

#include <webp/decode.h>
#include <webp/demux.h>

namespace vl {

namespace {

struct DemuxDeleter {
  void operator()(WebPDemuxer* demux) const { WebPDemuxDelete(demux); }
};

uint8_t* bytesOf(WorkBitmap& bitmap) { return reinterpret_cast<uint8_t*>(bitmap.pixels.data()); }

bool decodeStill(const uint8_t* data, size_t size, WorkBitmap& bitmap) {
  const size_t stride = size_t(bitmap.width) * 4;
  if (WebPDecodeRGBAInto(data, size, bytesOf(bitmap), stride * size_t(bitmap.height), int(stride)) == nullptr)
    return false;
  CompositeRgbaBytes(bitmap);
  return true;
}

// Draws the decoded frame at its offset onto the white canvas, alpha over white.
void drawFrame(const WorkBitmap& frame, int left, int top, WorkBitmap& canvas) {
  for (int y = 0; y < frame.height; ++y) {
    const auto* in = reinterpret_cast<const uint8_t*>(frame.pixels.data() + size_t(y) * size_t(frame.width));
    uint32_t* out = canvas.row(top + y) + left;
    for (int x = 0; x < frame.width; ++x, in += 4) out[x] = OverWhite(in[0], in[1], in[2], in[3]);
  }
}

// The first frame of an animation as it shows on its canvas (the canvas starts
// transparent, so the rest is white). Only that frame is decoded, and the canvas
// is taken only once the frame is found inside it.
bool decodeFirstFrame(const uint8_t* data, size_t size, WorkBitmap& bitmap) {
  const WebPData input{data, size};
  std::unique_ptr<WebPDemuxer, DemuxDeleter> demux(WebPDemux(&input));
  WebPIterator frame;
  if (!demux || !WebPDemuxGetFrame(demux.get(), 1, &frame)) return false;
  const int64_t width = WebPDemuxGetI(demux.get(), WEBP_FF_CANVAS_WIDTH);
  const int64_t height = WebPDemuxGetI(demux.get(), WEBP_FF_CANVAS_HEIGHT);
  const bool fits = frame.x_offset >= 0 && frame.y_offset >= 0 && frame.x_offset + frame.width <= width &&
                    frame.y_offset + frame.height <= height;
  WorkBitmap pixels;
  const size_t stride = size_t(frame.width) * 4;
  const bool ok = fits && pixels.reset(frame.width, frame.height, 0) &&
                  WebPDecodeRGBAInto(frame.fragment.bytes, frame.fragment.size, bytesOf(pixels),
                                     stride * size_t(frame.height), int(stride)) != nullptr &&
                  bitmap.reset(width, height, 0xFFFFFF);
  if (ok) drawFrame(pixels, frame.x_offset, frame.y_offset, bitmap);
  WebPDemuxReleaseIterator(&frame);
  return ok;
}

}  // namespace

bool DecodeWebp(const uint8_t* data, size_t size, WorkBitmap& bitmap) {
  WebPBitstreamFeatures features;
  if (WebPGetFeatures(data, size, &features) != VP8_STATUS_OK) return false;
  if (!features.has_animation) return bitmap.reset(features.width, features.height, 0) && decodeStill(data, size, bitmap);
  return decodeFirstFrame(data, size, bitmap);
}

}  // namespace vl

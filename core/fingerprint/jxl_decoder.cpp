// JPEG XL decoding through libjxl: the first frame, turned upright by libjxl, handed on row run by row run as it decodes.
#include "core/fingerprint/modern_decoders.h"

#include <algorithm>
#include <vector>

#include <jxl/decode.h>
#include <jxl/decode_cxx.h>

namespace vl {

namespace {

// The input is handed to libjxl this much at a time, so that a set cancel flag is
// looked at between pieces of the decode.
constexpr size_t InputChunk = size_t(1) << 20;

// What libjxl holds per pixel while it decodes a frame, as measured on a 4032 x 3024
// picture (bench_decode_memory): 28.5 bytes a pixel for a lossless one (kept in its
// original colour profile), 19 for a lossy one, and about 8 more for each extra
// channel (alpha, depth).
constexpr uint64_t LosslessBytesPerPixel = 30;
constexpr uint64_t LossyBytesPerPixel = 20;
constexpr uint64_t LibraryBytesPerExtraChannel = 8;

// Where libjxl's row runs go: converted over white into the sink.
struct JxlTarget {
  PixelSink* sink = nullptr;
  int width = 0;
  int height = 0;
  int channels = 3;
  std::vector<uint32_t> row;
  bool outOfBounds = false;  // a run outside the picture: the decode is not trusted
};

void putRun(void* opaque, size_t x, size_t y, size_t count, const void* pixels) {
  auto& t = *static_cast<JxlTarget*>(opaque);
  if (y >= size_t(t.height) || x >= size_t(t.width) || count > size_t(t.width) - x) {
    t.outOfBounds = true;
    return;
  }
  const auto* in = static_cast<const uint8_t*>(pixels);
  const int channels = t.channels;
  PutConverted(*t.sink, int(y), int(x), int(count), 1, t.row, [in, channels](int i) {
    const uint8_t* p = in + size_t(i) * size_t(channels);
    return OverWhite(p[0], p[1], p[2], channels == 4 ? p[3] : 255);
  });
}

// Checks the announced size against the caps, begins the sink with the picture as
// shown (orientations 5 to 8 swap the sides) and asks libjxl for its rows.
bool startPicture(JxlDecoder* decoder, JxlTarget& target, PixelSink& sink) {
  JxlBasicInfo info;
  if (JxlDecoderGetBasicInfo(decoder, &info) != JXL_DEC_SUCCESS) return false;
  const bool sideways = info.orientation >= JXL_ORIENT_TRANSPOSE;
  const int64_t width = sideways ? info.ysize : info.xsize, height = sideways ? info.xsize : info.ysize;
  const uint64_t pixels = uint64_t(width) * uint64_t(height);
  if (width <= 0 || height <= 0 || pixels > MaxWorkPixels) return false;
  const uint64_t perPixel = info.uses_original_profile ? LosslessBytesPerPixel : LossyBytesPerPixel;
  const uint64_t libraryBytes = pixels * (perPixel + LibraryBytesPerExtraChannel * info.num_extra_channels);
  if (!sink.begin({width, height, OverWhite(0, 0, 0, 0), false, libraryBytes})) return false;
  target.sink = &sink;
  target.width = int(width);
  target.height = int(height);
  target.channels = info.alpha_bits > 0 ? 4 : 3;
  target.row.resize(size_t(width));
  return true;
}

// Hands libjxl the next piece of the input after what it has not used; false when
// everything was given already (the data is truncated).
bool feedMore(JxlDecoder* decoder, const uint8_t* data, size_t size, size_t& given) {
  if (given == size) return false;
  const size_t unused = JxlDecoderReleaseInput(decoder);
  const size_t from = given - unused;
  given = std::min(size, given + InputChunk);
  if (JxlDecoderSetInput(decoder, data + from, given - from) != JXL_DEC_SUCCESS) return false;
  if (given == size) JxlDecoderCloseInput(decoder);
  return true;
}

}  // namespace

bool DecodeJxl(const uint8_t* data, size_t size, PixelSink& sink, const DecodeControl& control) {
  if (size == 0 || JxlSignatureCheck(data, size) == JXL_SIG_INVALID) return false;
  const JxlDecoderPtr decoder = JxlDecoderMake(nullptr);
  if (!decoder || JxlDecoderSubscribeEvents(decoder.get(), JXL_DEC_BASIC_INFO | JXL_DEC_FULL_IMAGE) != JXL_DEC_SUCCESS ||
      JxlDecoderSetUnpremultiplyAlpha(decoder.get(), JXL_TRUE) != JXL_DEC_SUCCESS)
    return false;
  size_t given = 0;
  if (!feedMore(decoder.get(), data, size, given)) return false;
  JxlTarget target;
  for (;;) {
    if (control.cancelled()) return false;
    switch (JxlDecoderProcessInput(decoder.get())) {
      case JXL_DEC_NEED_MORE_INPUT:
        if (!feedMore(decoder.get(), data, size, given)) return false;
        break;
      case JXL_DEC_BASIC_INFO:
        if (!startPicture(decoder.get(), target, sink)) return false;
        break;
      case JXL_DEC_NEED_IMAGE_OUT_BUFFER: {
        const JxlPixelFormat format{uint32_t(target.channels), JXL_TYPE_UINT8, JXL_NATIVE_ENDIAN, 0};
        if (target.sink == nullptr ||
            JxlDecoderSetImageOutCallback(decoder.get(), &format, putRun, &target) != JXL_DEC_SUCCESS)
          return false;
        break;
      }
      case JXL_DEC_FULL_IMAGE: return !target.outOfBounds && !control.cancelled();  // the first frame is enough
      default: return false;  // an error, or the end without a frame
    }
  }
}

}  // namespace vl

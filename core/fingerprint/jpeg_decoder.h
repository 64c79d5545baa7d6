// JPEG decoding through libjpeg, from memory: greyscale (or CMYK) at the reduced scale for fingerprints, colour at a chosen scale for previews.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "core/fingerprint/decode_control.h"
#include "core/fingerprint/pixel_sink.h"
#include "core/fingerprint/work_bitmap.h"

namespace vl {

// The scale denominator (8, 4, 2 or 1) for a picture of the given full size: the
// smallest scale that leaves more than 50 pixels on each side.
int JpegScaleDenominator(int64_t width, int64_t height);

// Decodes JPEG data at its fingerprint scale into the sink, row by row: the
// luminance alone (a luminance layout), or for CMYK and YCCK pictures R = C*K/255,
// G = M*K/255, B = Y*K/255. With `withChroma` a YCbCr picture's pixels also carry
// their chroma (a layout with chroma; the luminance is the same either way). width
// and height get the full-size dimensions. libjpeg's warnings (corrupt or truncated
// data) are ignored and the picture is used as delivered; its errors, pictures above
// MaxWorkPixels at the reduced size, more than 500 scans and a set cancel flag
// (looked at every 16 rows and while libjpeg reads the scans of a progressive
// picture) give false. O(file size + reduced pixels).
bool DecodeJpeg(const uint8_t* data, size_t size, PixelSink& sink, int32_t& width, int32_t& height,
                const DecodeControl& control, bool withChroma = false);
// The same into a bitmap.
inline bool DecodeJpeg(const uint8_t* data, size_t size, WorkBitmap& bitmap, int32_t& width, int32_t& height,
                       bool withChroma = false) {
  BitmapSink sink(bitmap);
  return DecodeJpeg(data, size, sink, width, height, DecodeControl{}, withChroma);
}

// The full size of JPEG data as its header gives it; false when the header cannot
// be read. O(header).
bool JpegSize(const uint8_t* data, size_t size, int32_t& width, int32_t& height);

// How a preview is decoded. ScaleDenominator 1, 2, 4 or 8 decodes at that
// fraction of the full size through libjpeg's scaled DCT; Fast takes the fast
// integer DCT without fancy upsampling instead of the accurate DCT with it. With a
// fit box, a smaller scale is taken as long as the picture still covers the size it
// is shown at when fitted into that box.
struct JpegPreviewOptions {
  int scaleDenominator = 1;
  bool fast = false;
  int fitWidth = 0;  // 0: no fit box
  int fitHeight = 0;
};

// A decoded preview: Width x Height pixels 0xFFRRGGBB, row by row from the top.
struct PreviewPicture {
  int32_t width = 0;
  int32_t height = 0;
  int32_t fullWidth = 0;
  int32_t fullHeight = 0;
  int scaleDenominator = 1;
  std::unique_ptr<uint32_t[]> pixels;
};

// Previews above this many decoded pixels are refused.
inline constexpr int64_t MaxPreviewPixels = 100'000'000;

// The largest denominator (of 8, 4, 2, 1) at which a width x height picture still
// covers its size when fitted into fitWidth x fitHeight; 1 for an empty box.
int JpegCoveringDenominator(int64_t width, int64_t height, int fitWidth, int fitHeight);

// The denominator a preview of a width x height picture is decoded at: the
// covering denominator, but never finer than the options' ScaleDenominator.
int JpegPreviewDenominator(int64_t width, int64_t height, const JpegPreviewOptions& options);

// Decodes JPEG data for a preview. Grey pictures come out grey, CMYK and YCCK ones
// as R = C*K/255 and so on, as for fingerprints. libjpeg's warnings are ignored;
// its errors, more than 500 scans and pictures above MaxPreviewPixels give false.
// O(file size + decoded pixels).
bool DecodeJpegPreview(const uint8_t* data, size_t size, const JpegPreviewOptions& options, PreviewPicture& picture);

}  // namespace vl

// Camera raw pictures through libraw: the embedded preview when it is large enough, else a half-size decode of the sensor data.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>

#include "core/fingerprint/decode_control.h"
#include "core/fingerprint/pixel_sink.h"

namespace vl {

// An embedded preview is taken when its longer side has at least this many pixels.
inline constexpr int MinRawPreviewSide = 640;

// The picture a raw file shows, as stored (not yet turned): an embedded JPEG
// preview's bytes, or 8-bit pixels (a bitmap preview or the half-size decode).
struct RawPicture {
  int32_t cameraWidth = 0;   // the developed picture's size, as the camera's JPEG has it
  int32_t cameraHeight = 0;
  int orientationTag = 1;    // the EXIF orientation value (1 to 8) that shows the stored picture upright
  bool jpeg = false;
  const uint8_t* data = nullptr;
  size_t size = 0;
  int width = 0;             // of the pixels (not of a JPEG)
  int height = 0;
  int colours = 3;           // 1 (grey) or 3 (RGB) bytes a pixel, rows without padding
  std::shared_ptr<const void> owner;  // keeps data alive
};

// Reads the picture of raw data held in memory. `reserve` is asked for the memory
// libraw takes for a half-size decode before it is taken (false refuses). Damaged
// data, a picture above MaxWorkPixels, more than the control's maxDecodeBytes and a
// set cancel flag (looked at through libraw's progress calls) give false; libraw's
// messages are swallowed. O(metadata) with a large enough preview, else
// O(sensor pixels).
bool ReadRawPicture(const uint8_t* data, size_t size, const DecodeControl& control,
                    const std::function<bool(uint64_t)>& reserve, RawPicture& picture);

// What DecodeRaw tells besides the pixels.
struct RawFacts {
  int32_t cameraWidth = 0;  // as RawPicture
  int32_t cameraHeight = 0;
  int orientationTag = 1;
  int32_t sourceWidth = 0;  // the full size of the picture decoded into the sink
  int32_t sourceHeight = 0;
  int scale = 1;            // the reduction it was decoded at (a JPEG preview's fingerprint scale)
};

// Decodes raw data into the sink: a JPEG preview as DecodeJpeg decodes a JPEG
// (luminance at the fingerprint scale, with chroma when asked), pixels as they are,
// stored as the camera stored them. O(as ReadRawPicture + decoded pixels).
bool DecodeRaw(const uint8_t* data, size_t size, PixelSink& sink, const DecodeControl& control, bool withChroma,
               RawFacts& facts);

}  // namespace vl

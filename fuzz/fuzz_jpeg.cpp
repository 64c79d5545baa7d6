// Fuzz target: MakeFingerprint (with and without the verified print) and the preview decoder on JPEG data.
#include <cstddef>
#include <cstdint>

#include "core/fingerprint/fingerprint.h"
#include "core/fingerprint/jpeg_decoder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  vl::TFingerprint fingerprint;
  int32_t width = 0, height = 0;
  vl::VerifiedPrint print;
  // Every other input is read as a verifying scan would: with chroma and the EXIF orientation.
  vl::VerifiedPrint* verified = size % 4 < 2 ? &print : nullptr;
  if (vl::MakeFingerprintFromMemory(data, size, vl::PictureType::Jpeg, fingerprint, width, height, verified)) {
    for (size_t k = 0; k < fingerprint.size(); ++k)
      if (fingerprint[k] > 3 || print.grid[k] > 3) __builtin_trap();
    if (print.orientation < 0 || print.orientation >= vl::OrientationCount) __builtin_trap();
  }
  vl::JpegPreviewOptions options;
  options.ScaleDenominator = 8;
  options.Fast = size % 2 == 1;
  vl::PreviewPicture picture;
  if (vl::DecodeJpegPreview(data, size, options, picture)) {
    if (picture.Width <= 0 || picture.Height <= 0 || !picture.Pixels) __builtin_trap();
    // Every pixel was written: reading the last one must be defined.
    if ((picture.Pixels[size_t(picture.Width) * size_t(picture.Height) - 1] >> 24) != 0xFF) __builtin_trap();
  }
  return 0;
}

// Fuzz target: MakeFingerprint and the verified print (kept whole and sampled) and the preview decoder on JPEG data.
#include "core/fingerprint/jpeg_decoder.h"
#include "fuzz/fingerprint_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  vl::fuzz::CheckFingerprint(data, size, vl::PictureType::Jpeg);
  vl::JpegPreviewOptions options;
  options.scaleDenominator = 8;
  options.fast = size % 2 == 1;
  vl::PreviewPicture picture;
  if (vl::DecodeJpegPreview(data, size, options, picture)) {
    if (picture.width <= 0 || picture.height <= 0 || !picture.pixels) __builtin_trap();
    // Every pixel was written: reading the last one must be defined.
    if ((picture.pixels[size_t(picture.width) * size_t(picture.height) - 1] >> 24) != 0xFF) __builtin_trap();
  }
  return 0;
}

// Fuzz target: MakeFingerprint and the verified print on data of the picture type FUZZ_PICTURE_TYPE (PNG, TIFF, WebP, HEIF/AVIF, JPEG XL or camera raw), kept whole and sampled.
#include "fuzz/fingerprint_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  vl::fuzz::CheckFingerprint(data, size, vl::PictureType::FUZZ_PICTURE_TYPE);
  return 0;
}

// Fuzz target: MakeFingerprint on data of the picture type FUZZ_PICTURE_TYPE (PNG, TIFF, WebP or HEIF/AVIF).
#include <cstddef>
#include <cstdint>

#include "core/fingerprint/fingerprint.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  vl::TFingerprint fingerprint;
  int32_t width = 0, height = 0;
  if (vl::MakeFingerprintFromMemory(data, size, vl::PictureType::FUZZ_PICTURE_TYPE, fingerprint, width, height)) {
    for (uint8_t code : fingerprint)
      if (code > 3) __builtin_trap();
  }
  return 0;
}

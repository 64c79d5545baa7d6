// Fuzz target: MakeFingerprint and the picture signature on BMP data.
#include <cstddef>
#include <cstdint>

#include "core/fingerprint/fingerprint.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  vl::TFingerprint fingerprint;
  int32_t width = 0, height = 0;
  vl::PictureSignature signature = 0;
  if (vl::MakeFingerprintFromMemory(data, size, vl::PictureType::Bmp, fingerprint, width, height, &signature)) {
    for (uint8_t code : fingerprint)
      if (code > 3) __builtin_trap();
    if ((signature & 1) != 0) __builtin_trap();  // the mean never has a bit
  }
  return 0;
}

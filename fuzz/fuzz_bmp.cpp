// Fuzz target: MakeFingerprint and the verified print on BMP data.
#include <cstddef>
#include <cstdint>

#include "core/fingerprint/fingerprint.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  vl::TFingerprint fingerprint;
  int32_t width = 0, height = 0;
  vl::VerifiedPrint print;
  if (vl::MakeFingerprintFromMemory(data, size, vl::PictureType::Bmp, fingerprint, width, height, &print)) {
    for (size_t k = 0; k < fingerprint.size(); ++k)
      if (fingerprint[k] > 3 || print.grid[k] > 3) __builtin_trap();
    if (print.orientation != 0) __builtin_trap();  // a BMP has no orientation tag
  }
  return 0;
}

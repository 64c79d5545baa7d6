// Fuzz target: MakeFingerprint and the verified print on BMP data, kept whole and sampled.
#include "fuzz/fingerprint_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  vl::fuzz::CheckFingerprint(data, size, vl::PictureType::Bmp);
  return 0;
}

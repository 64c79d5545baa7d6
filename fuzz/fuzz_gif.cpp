// Fuzz target: MakeFingerprint on GIF data, kept whole and sampled.
#include "fuzz/fingerprint_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  vl::fuzz::CheckFingerprint(data, size, vl::PictureType::Gif);
  return 0;
}

// The check every picture fuzz target makes: a sound fingerprint, the same whether the picture is kept whole or sampled.
#pragma once

#include <cstddef>
#include <cstdint>

#include "core/fingerprint/fingerprint.h"

namespace vl::fuzz {

// Fingerprints the data as scans do and again keeping only the rows and columns the
// fingerprint reads; traps unless both fail or both give the same fingerprint, size
// and signature, with tone codes 0 to 3 and a signature without the mean's bit.
inline void CheckFingerprint(const uint8_t* data, size_t size, PictureType type) {
  TFingerprint whole{}, sampled{};
  int32_t width = 0, height = 0, sampledWidth = 0, sampledHeight = 0;
  PictureSignature signature = 0, sampledSignature = 0;
  DecodeControl sampling;
  sampling.wholePixels = 0;
  const bool ok = MakeFingerprintFromMemory(data, size, type, whole, width, height, &signature);
  const bool sampledOk =
      MakeFingerprintFromMemory(data, size, type, sampled, sampledWidth, sampledHeight, &sampledSignature, sampling);
  if (ok != sampledOk) __builtin_trap();
  if (!ok) return;
  if (whole != sampled || width != sampledWidth || height != sampledHeight || signature != sampledSignature)
    __builtin_trap();
  for (uint8_t code : whole)
    if (code > 3) __builtin_trap();
  if ((signature & 1) != 0) __builtin_trap();  // the mean never has a bit
}

}  // namespace vl::fuzz

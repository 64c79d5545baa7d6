// The check every picture fuzz target makes: a sound fingerprint and verified print, the same whether the picture is kept whole or sampled.
#pragma once

#include <cstddef>
#include <cstdint>

#include "core/fingerprint/fingerprint.h"

namespace vl::fuzz {

// Fingerprints the data as a classic scan does, then as a verifying scan does, kept
// whole and again keeping only the rows and columns the fingerprint and print read;
// traps unless all three fail or all give the same fingerprint and size, both
// verifying reads the same print, with tone codes 0 to 3 and an orientation 0 to 7.
inline void CheckFingerprint(const uint8_t* data, size_t size, PictureType type) {
  TFingerprint classic{}, whole{}, sampled{};
  int32_t width = 0, height = 0, wholeWidth = 0, wholeHeight = 0, sampledWidth = 0, sampledHeight = 0;
  VerifiedPrint print, sampledPrint;
  DecodeControl sampling;
  sampling.wholePixels = 0;
  const bool ok = MakeFingerprintFromMemory(data, size, type, classic, width, height);
  const bool wholeOk = MakeFingerprintFromMemory(data, size, type, whole, wholeWidth, wholeHeight, &print);
  const bool sampledOk =
      MakeFingerprintFromMemory(data, size, type, sampled, sampledWidth, sampledHeight, &sampledPrint, sampling);
  if (ok != wholeOk || ok != sampledOk) __builtin_trap();
  if (!ok) return;
  if (classic != whole || classic != sampled || width != wholeWidth || width != sampledWidth ||
      height != wholeHeight || height != sampledHeight || !(print == sampledPrint))
    __builtin_trap();
  for (size_t k = 0; k < classic.size(); ++k)
    if (classic[k] > 3 || print.grid[k] > 3) __builtin_trap();
  if (print.orientation < 0 || print.orientation >= OrientationCount) __builtin_trap();
}

}  // namespace vl::fuzz

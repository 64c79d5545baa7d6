// The check every picture fuzz target makes: a sound fingerprint and verified print, the same whether the picture is kept whole or sampled.
#pragma once

#include <cstddef>
#include <cstdint>

#include "core/fingerprint/fingerprint.h"

namespace vl::fuzz {

// Traps unless the codes of a fingerprint and print are tone codes 0 to 3 and the
// print's orientation is 0 to 7.
inline void CheckCodes(const TFingerprint& fingerprint, const VerifiedPrint& print) {
  for (size_t k = 0; k < fingerprint.size(); ++k)
    if (fingerprint[k] > 3 || print.grid[k] > 3) __builtin_trap();
  if (print.orientation < 0 || print.orientation >= OrientationCount) __builtin_trap();
}

// Fingerprints the data as a classic scan does, then as a verifying scan does, kept
// whole and again keeping only the rows and columns the fingerprint and print read;
// traps unless all three fail or all give the same fingerprint and size, both
// verifying reads the same print, with sound codes. libraw 0.20 reads stack memory
// it never wrote for some damaged files (a DNG colour filter pattern naming a fifth
// colour), so two reads of one damaged raw file may differ: each is checked alone.
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
  if (type == PictureType::Raw) {
    if (wholeOk) CheckCodes(whole, print);
    if (sampledOk) CheckCodes(sampled, sampledPrint);
    return;
  }
  if (ok != wholeOk || ok != sampledOk) __builtin_trap();
  if (!ok) return;
  if (classic != whole || classic != sampled || width != wholeWidth || width != sampledWidth ||
      height != wholeHeight || height != sampledHeight || !(print == sampledPrint))
    __builtin_trap();
  CheckCodes(classic, print);
}

}  // namespace vl::fuzz

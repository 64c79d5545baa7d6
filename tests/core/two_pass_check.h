// Fingerprinting a file as scans do and again in two passes, checking that both agree.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "core/fingerprint/fingerprint.h"

namespace vl::test {

// MakeFingerprint on the file, and again with every picture read in two passes (only
// the rows and columns the fingerprint reads kept): both give the same result,
// signature included. Gives the first call's result.
inline bool FingerprintBothWays(const std::string& path, TFingerprint& fingerprint, int32_t& width, int32_t& height,
                                bool* unreadable = nullptr) {
  PictureSignature signature = 0, twoPassSignature = 0;
  const bool ok = MakeFingerprint(path, fingerprint, width, height, unreadable, &signature);
  DecodeControl twoPasses;
  twoPasses.wholePixels = 0;
  TFingerprint twoPassFingerprint{};
  int32_t w = -1, h = -1;
  EXPECT_EQ(MakeFingerprint(path, twoPassFingerprint, w, h, nullptr, &twoPassSignature, twoPasses), ok) << path;
  if (ok) {
    EXPECT_EQ(twoPassFingerprint, fingerprint) << path;
    EXPECT_EQ(w * 100000 + h, width * 100000 + height) << path;
    EXPECT_EQ(twoPassSignature, signature) << path;
  }
  return ok;
}

}  // namespace vl::test

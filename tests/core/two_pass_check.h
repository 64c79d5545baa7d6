// Fingerprinting a file as scans do and again in two passes, checking that both agree.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "core/fingerprint/fingerprint.h"

namespace vl::test {

// MakeFingerprint on the file, and again with the verified print kept whole and read
// in two passes (only the rows and columns the fingerprint and print read kept): all
// give the same fingerprint and size, both verifying reads the same print. Gives the
// first call's result.
inline bool FingerprintBothWays(const std::string& path, TFingerprint& fingerprint, int32_t& width, int32_t& height,
                                bool* unreadable = nullptr) {
  VerifiedPrint print, twoPassPrint;
  const bool ok = MakeFingerprint(path, fingerprint, width, height, unreadable);
  TFingerprint printed{};
  int32_t pw = -1, ph = -1;
  EXPECT_EQ(MakeFingerprint(path, printed, pw, ph, nullptr, &print), ok) << path;
  DecodeControl twoPasses;
  twoPasses.wholePixels = 0;
  TFingerprint twoPassFingerprint{};
  int32_t w = -1, h = -1;
  EXPECT_EQ(MakeFingerprint(path, twoPassFingerprint, w, h, nullptr, &twoPassPrint, twoPasses), ok) << path;
  if (ok) {
    EXPECT_EQ(printed, fingerprint) << path;
    EXPECT_EQ(twoPassFingerprint, fingerprint) << path;
    EXPECT_EQ(w * 100000 + h, width * 100000 + height) << path;
    EXPECT_EQ(pw * 100000 + ph, width * 100000 + height) << path;
    EXPECT_TRUE(twoPassPrint == print) << path;
  }
  return ok;
}

}  // namespace vl::test

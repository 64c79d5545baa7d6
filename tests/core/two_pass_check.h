// Fingerprinting a file as scans do and again in two passes, checking that both agree, and a fixture of
// pictures written to files and fingerprinted so.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "core/fingerprint/fingerprint.h"
#include "tests/support/image_writer.h"
#include "tests/support/temp_dir.h"

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
    EXPECT_TRUE(std::tie(printed, pw, ph) == std::tie(fingerprint, width, height)) << path;
    EXPECT_TRUE(std::tie(twoPassFingerprint, w, h, twoPassPrint) == std::tie(fingerprint, width, height, print)) << path;
  }
  return ok;
}

// What fingerprinting a file both ways gave.
struct PictureOutcome {
  bool ok = false;
  TFingerprint fingerprint{};
  int32_t width = -1, height = -1;
  bool unreadable = true;
  std::pair<int32_t, int32_t> size() const { return {width, height}; }
};

inline PictureOutcome FingerprintOutcomeOf(const std::string& path) {
  PictureOutcome o;
  o.ok = FingerprintBothWays(path, o.fingerprint, o.width, o.height, &o.unreadable);
  return o;
}

// Pictures written to new files of a temporary folder and fingerprinted both ways.
class PictureFiles : public ::testing::Test {
 protected:
  // Writes the bytes to a new file of the extension and fingerprints it.
  PictureOutcome of(const std::vector<uint8_t>& bytes, const std::string& extension) {
    const std::string path = dir.file("p" + std::to_string(counter++) + extension);
    WriteBytes(path, bytes);
    return FingerprintOutcomeOf(path);
  }
  PictureOutcome ofBmp(const Picture& p, const BmpVariant& variant = {}) { return of(EncodeBmp(p, variant), ".bmp"); }
  PictureOutcome ofJpeg(const Picture& p, const JpegOptions& options = {}) { return of(EncodeJpeg(p, options), ".jpg"); }
  PictureOutcome ofGif(const Picture& p, const GifOptions& options = {}) { return of(EncodeGif(p, options), ".gif"); }

  TempDir dir;
  int counter = 0;
};

}  // namespace vl::test

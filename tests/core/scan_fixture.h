// A scan test's world: its own settings folder and cache, a request, folders of files and a scan runner.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "core/results/deleted_list.h"
#include "core/scan/scan_driver.h"
#include "core/fingerprint/scan_entry.h"
#include "tests/support/recording_host.h"
#include "tests/support/temp_dir.h"

namespace vl::test {

// An empty AppDir and cache folder of its own, and a request with the default
// settings (the deleted-file list off); afterwards the environment is restored.
class ScanFixture : public ::testing::Test {
 protected:
  ScanFixture();

  // Writes a JPEG of the standard test photograph (variant 0) or of another picture.
  std::string writePhoto(const std::string& relative, int variant = 0, int quality = 90) const;
  // Copies a file byte for byte to `relative` below the temporary folder.
  std::string copyFile(const std::string& from, const std::string& relative) const;

  // Runs the scan's job with `request` (and the mode, mask and lists given), reporting
  // to `host`, then what its caller does (FinishScan through `host`: the deleted-file
  // list's question is the host's askYesNo); the outcome is kept in `outcome`. A
  // test cancels through `cancel`, made anew for each scan.
  const ScanOutcome& scan(ScanMode mode, const std::vector<std::string>& base, const std::vector<std::string>& compare,
                          const std::string& mask = "*.jpg;*.jpeg;*.gif;*.bmp");
  // One line per group, "base: dup(errors) dup(errors,*) ...", paths relative to dir ("*": marked).
  std::vector<std::string> groups() const;
  // The texts of the messages shown, in order.
  std::vector<std::string> messageTexts() const;
  // Entries as gathering makes them: a path, no dimensions, no fingerprint.
  static ScanList listOf(const std::vector<std::string>& paths);
  // One line per entry: path, dimensions and the fingerprint's bytes when it has one.
  static std::vector<std::string> describe(const ScanList& list);

  TempDir dir;
  ScopedEnv appDir{"VELLORAN_APPDIR", dir.makeDir("app")};
  ScopedEnv cacheHome{"XDG_CACHE_HOME", dir.makeDir("cache")};
  RecordingHost host;
  ScanRequest request;
  ScanOutcome outcome;
  AutoDeletionOutcome deletion;
  DeletedList deletedList;
  std::optional<CancelToken> cancel;
};

}  // namespace vl::test

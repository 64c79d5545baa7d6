// velloran-cli run as a script would run it: scan output, exit statuses, results files and databases.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/results/deleted_list.h"
#include "core/settings/settings.h"
#include "tests/support/image_writer.h"
#include "tests/support/recording_host.h"
#include "tests/support/temp_dir.h"

namespace {

struct CliRun {
  int status = -1;
  std::string out;
};

// Runs velloran-cli with a shell command line in its own settings, cache and trash
// folders; standard error goes to the file errors (discarded when empty).
CliRun Cli(const vl::test::TempDir& home, const std::string& arguments, const std::string& errors = "") {
  const std::string command = "cd '" + home.path() + "' && VELLORAN_APPDIR='" + home.path() + "' XDG_CACHE_HOME='" +
                              home.path() + "/cache' XDG_DATA_HOME='" + home.path() + "/data' '" VELLORAN_CLI "' " +
                              arguments + " 2>'" + (errors.empty() ? "/dev/null" : errors) + "'";
  CliRun run;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return run;
  std::array<char, 4096> buffer{};
  size_t n = 0;
  while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0) run.out.append(buffer.data(), n);
  const int status = pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

class CliScan : public ::testing::Test {
 protected:
  void SetUp() override {
    dir.makeDir("a");
    dir.makeDir("b/deeper");
    const vl::test::Picture photo = vl::test::GradientPicture(160, 120);
    vl::test::WriteJpeg(dir.file("a/photo.jpg"), photo);
    vl::test::WriteJpeg(dir.file("b/deeper/copy.jpg"), photo);
    vl::test::WriteJpeg(dir.file("b/other.jpg"),
                        vl::test::BlockPicture(160, 120, 20, {vl::test::Rgb(250, 0, 0), vl::test::Rgb(0, 0, 40)}, 3));
    dir.write("a/notes.txt", std::string("same"));
    dir.write("b/notes.txt", std::string("same"));
  }
  vl::test::TempDir dir;
};

TEST_F(CliScan, ImageScanPrintsGroupsWithAbsolutePathsAndLoadsBackFromItsResultsFile) {
  const CliRun scan = Cli(dir, "scan --subfolders --compare a --compare b --save-results r.vlr");
  ASSERT_EQ(scan.status, 0);
  const std::string expectedGroup = "G\t0\t" + dir.file("a/photo.jpg") + "\n";
  EXPECT_EQ(scan.out.substr(0, expectedGroup.size()), expectedGroup);
  EXPECT_NE(scan.out.find(dir.file("b/deeper/copy.jpg")), std::string::npos);
  EXPECT_EQ(scan.out.find("other.jpg"), std::string::npos);
  const CliRun dump = Cli(dir, "results dump r.vlr");
  EXPECT_EQ(dump.status, 0);
  EXPECT_EQ(dump.out, scan.out);
}

TEST_F(CliScan, EveryAutoDeletedFileIsNamedOnStandardError) {
  ::setenv("VELLORAN_APPDIR", (dir.path() + "/").c_str(), 1);
  vl::ResetAppPaths();
  vl::test::RecordingHost host;
  vl::DeletedList list;
  list.AddToDeletedList(dir.file("a/notes.txt"), host);
  list.SaveDeletedList();
  ::unsetenv("VELLORAN_APPDIR");
  vl::ResetAppPaths();

  const CliRun scan = Cli(dir, "scan --use-deleted-list --mode contents --mask '*.txt' --base a --compare b", "err");
  EXPECT_NE(scan.status, 0) << "nothing left to compare";
  const std::string errors = vl::test::ReadFileBytes(dir.file("err"));
  const std::string line = "\nvelloran-cli: auto-deleted: " + dir.file("b/notes.txt") + "\n";
  EXPECT_NE(errors.find(line), std::string::npos) << errors;
  EXPECT_EQ(vl::test::ReadFileBytes(dir.file("data/Trash/files/notes.txt")), "same");
  EXPECT_EQ(vl::test::ReadFileBytes(dir.file("a/notes.txt")), "same");
}

TEST_F(CliScan, WithoutSubfoldersOnlyTheNamedFoldersAreScanned) {
  const CliRun scan = Cli(dir, "scan --compare a --compare b");
  EXPECT_EQ(scan.status, 0);
  EXPECT_EQ(scan.out, "");
}

TEST_F(CliScan, ModesAndMaskSelectWhatIsCompared) {
  const CliRun contents = Cli(dir, "scan --mode contents --mask '*.txt' --base a --compare b");
  EXPECT_EQ(contents.status, 0);
  EXPECT_EQ(contents.out, "G\t0\t" + dir.file("a/notes.txt") + "\nD\t0\t1\t" + dir.file("b/notes.txt") + "\n");
  const CliRun names = Cli(dir, "scan --mode names --mask '*.jpg' --compare a --compare b");
  EXPECT_EQ(names.status, 0);
  EXPECT_EQ(names.out, "");
}

TEST_F(CliScan, ThePlainLoopsGiveTheSameOutputInEveryModeAndArrangement) {
  dir.write("b/deeper/notes.txt", std::string("same"));
  dir.write("b/deeper/photo.jpg", std::string("not a picture"));
  for (const char* mode : {"images", "names", "names-size", "contents"}) {
    for (const char* folders : {"--compare a --compare b", "--base a --compare b"}) {
      const std::string arguments = std::string("scan --subfolders --mask '*.*' --mode ") + mode + " " + folders;
      const CliRun fast = Cli(dir, arguments);
      const CliRun plain = Cli(dir, arguments + " --reference");
      EXPECT_EQ(fast.status, 0);
      EXPECT_NE(fast.out, "") << arguments;
      EXPECT_EQ(fast.out, plain.out) << arguments;
    }
  }
}

TEST_F(CliScan, ADatabaseTakesPartInPlaceOfItsFolder) {
  ASSERT_EQ(Cli(dir, "db new pics.vdb a").status, 0);
  const CliRun scan = Cli(dir, "scan --base pics.vdb --compare b/deeper --no-cache");
  EXPECT_EQ(scan.status, 0);
  EXPECT_EQ(scan.out.rfind("G\t0\t" + dir.file("a/photo.jpg") + "\nD\t", 0), 0u) << scan.out;
}

// The entry count that "cache stats" prints, or -1 when its output is not the two lines.
long CachedEntries(const vl::test::TempDir& home) {
  const CliRun stats = Cli(home, "cache stats");
  long entries = -1;
  long long bytes = -1;
  if (stats.status != 0 || std::sscanf(stats.out.c_str(), "entries: %ld\nsize: %lld\n", &entries, &bytes) != 2)
    return -1;
  return entries == 0 || bytes > 0 ? entries : -1;
}

TEST_F(CliScan, ScansAndDatabasesFillTheCacheUnlessNoCacheAndClearEmptiesIt) {
  EXPECT_EQ(Cli(dir, "cache stats").out, "entries: 0\nsize: 0\n");
  ASSERT_EQ(Cli(dir, "scan --subfolders --compare a --compare b --no-cache").status, 0);
  EXPECT_EQ(Cli(dir, "cache stats").out, "entries: 0\nsize: 0\n") << "no cache file was made";
  ASSERT_EQ(Cli(dir, "scan --subfolders --compare a --compare b").status, 0);
  EXPECT_EQ(CachedEntries(dir), 3);
  EXPECT_EQ(Cli(dir, "cache clear").status, 0);
  EXPECT_EQ(CachedEntries(dir), 0);
  ASSERT_EQ(Cli(dir, "scan --subfolders --compare a --compare b --no-cache").status, 0);
  ASSERT_EQ(Cli(dir, "db new pics.vdb --no-cache a").status, 0);
  EXPECT_EQ(CachedEntries(dir), 0) << "--no-cache leaves an existing cache alone";
  ASSERT_EQ(Cli(dir, "db new pics.vdb a").status, 0);
  EXPECT_EQ(CachedEntries(dir), 1);
  EXPECT_EQ(Cli(dir, "cache drop").status, 2);
}

TEST_F(CliScan, BadUsageAndNothingToCompareExitWithTwo) {
  EXPECT_EQ(Cli(dir, "scan").status, 2);
  EXPECT_EQ(Cli(dir, "scan --mode pictures --compare a").status, 2);
  EXPECT_EQ(Cli(dir, "scan --fuzz lots --compare a").status, 2);
  EXPECT_EQ(Cli(dir, "scan --use-deleted-list --no-deleted-list --compare a").status, 2);
  EXPECT_EQ(Cli(dir, "scan --compare a stray").status, 2);
}

TEST_F(CliScan, AMissingDatabaseIsAnErrorAndAnUnwritableResultsFileFails) {
  EXPECT_EQ(Cli(dir, "scan --base missing.vdb --compare a").status, 1);
  EXPECT_EQ(Cli(dir, "scan --subfolders --compare a --compare b --save-results no/such/folder/r.vlr").status, 1);
}

}  // namespace

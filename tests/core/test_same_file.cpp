// Scans over folders that reach one file several ways, special files and files that cannot be read.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <filesystem>

#include "tests/core/scan_fixture.h"

namespace vl::test {
namespace {

namespace fs = std::filesystem;
using Groups = std::vector<std::string>;

constexpr ScanMode AllModes[] = {ScanMode::Images, ScanMode::Names, ScanMode::NamesAndSize, ScanMode::Contents};

class SameFileTest : public ScanFixture {
 protected:
  // A scan that must end within the harness's limit: a hang fails the whole program.
  const ScanOutcome& scanWithin(ScanMode mode, const std::vector<std::string>& base,
                                const std::vector<std::string>& compare,
                                const std::string& mask = "*.jpg;*.jpeg;*.gif;*.bmp") {
    ::alarm(60);
    scan(mode, base, compare, mask);
    ::alarm(0);
    return outcome;
  }
};

// "a" holds one picture under two hard-linked names and a symbolic link to it; "link"
// is a symbolic link to "a"; "a" is also named as "a/./" and with doubled slashes.
TEST_F(SameFileTest, OneFileReachedManyWaysIsNeverItsOwnDuplicate) {
  const std::string photo = writePhoto("a/photo.jpg");
  fs::create_hard_link(photo, dir.file("a/hardlink.jpg"));
  fs::create_symlink(photo, dir.file("a/alias.jpg"));
  fs::create_directory_symlink(dir.file("a"), dir.file("link"));
  const std::vector<std::string> named = {dir.file("a"), dir.file("a/./"), dir.path() + "//a", dir.file("link")};

  for (const ScanMode mode : AllModes) {
    SCOPED_TRACE(int(mode));
    ASSERT_EQ(scanWithin(mode, {}, named).end, ScanEnd::Completed);
    EXPECT_EQ(groups(), Groups{});
    ASSERT_EQ(scanWithin(mode, {dir.file("a")}, {dir.file("link")}).end, ScanEnd::Completed);
    EXPECT_EQ(groups(), Groups{}) << "against a base, the same files in both lists";
  }
  // A real copy pairs with the first name only; the other names of that file are left alone.
  copyFile(photo, "b/photo.jpg");
  ASSERT_EQ(scanWithin(ScanMode::Contents, {}, {dir.file("a"), dir.file("link"), dir.file("b")}).end,
            ScanEnd::Completed);
  EXPECT_EQ(groups(), Groups{"a/hardlink.jpg: b/photo.jpg(0,*)"});
  ASSERT_EQ(scanWithin(ScanMode::Names, {}, {dir.file("link"), dir.file("b"), dir.file("a")}).end,
            ScanEnd::Completed);
  EXPECT_EQ(groups(), Groups{"link/photo.jpg: b/photo.jpg(0,*)"});
}

// A FIFO and character devices named like pictures are no regular files: the scan
// neither opens nor waits on them, and they are not counted as unreadable.
TEST_F(SameFileTest, SpecialFilesNeverHangAScan) {
  const std::string photo = writePhoto("s/photo.jpg");
  copyFile(photo, "s/copy.jpg");
  ASSERT_EQ(::mkfifo(dir.file("s/x.jpg").c_str(), 0644), 0);
  fs::create_symlink("/dev/zero", dir.file("s/zero.jpg"));
  const bool madeDevice = ::mknod(dir.file("s/dev.jpg").c_str(), S_IFCHR | 0644, makedev(1, 5)) == 0;
  fs::create_symlink("/dev/zero", dir.file("s/zero2.jpg"));
  for (const ScanMode mode : AllModes) {
    SCOPED_TRACE(int(mode));
    const ScanOutcome& result = scanWithin(mode, {}, {dir.file("s")}, "*.*");
    ASSERT_EQ(result.end, ScanEnd::Completed);
    EXPECT_TRUE(result.unreadable.empty());
    const bool byName = mode == ScanMode::Names || mode == ScanMode::NamesAndSize;
    EXPECT_EQ(groups(), (byName ? Groups{} : Groups{"s/copy.jpg: s/photo.jpg(0,*)"}));
  }
  EXPECT_TRUE(madeDevice || ::geteuid() != 0);
  // A FIFO or a device given as a database is not a database, and never waited on:
  // a base list of nothing else stops the scan.
  ASSERT_EQ(::mkfifo(dir.file("pipe.vdb").c_str(), 0644), 0);
  fs::create_symlink("/dev/zero", dir.file("zero.vdb"));
  EXPECT_EQ(scanWithin(ScanMode::Images, {dir.file("pipe.vdb"), dir.file("zero.vdb")}, {dir.file("s")}).end,
            ScanEnd::EmptyBaseList);
  EXPECT_NE(host.messages.back().text.find(dir.file("zero.vdb") + ": not a valid database"), std::string::npos);
}

// A dangling link and a picture that vanishes before it is read are counted and
// reported; the rest of the scan goes on.
TEST_F(SameFileTest, FilesThatCannotBeReadAreCountedAndReported) {
  const std::string photo = writePhoto("u/photo.jpg");
  copyFile(photo, "u/copy.jpg");
  const std::string vanishing = writePhoto("u/vanishing.jpg", 7);
  fs::create_symlink(dir.file("u/gone.jpg"), dir.file("u/dangling.jpg"));
  host.onStatus = [&](const std::string& entry) {
    if (entry == "phase:Reading Compare Images") fs::remove(vanishing);
  };
  ASSERT_EQ(scanWithin(ScanMode::Images, {}, {dir.file("u")}).end, ScanEnd::Completed);
  EXPECT_EQ(groups(), Groups{"u/copy.jpg: u/photo.jpg(0,*)"});
  const std::string summary = host.messages.back().text;
  EXPECT_NE(summary.find("\n\n2 files could not be read."), std::string::npos) << summary;
  EXPECT_EQ(outcome.unreadable, (std::vector<UnreadableFile>{{dir.file("u/dangling.jpg"), "the symbolic link leads nowhere"},
                                                            {vanishing, "it is gone"}}));
  EXPECT_TRUE(host.messages.back().details.ends_with("Could not be read:\n" + dir.file("u/dangling.jpg") +
                                                     ": the symbolic link leads nowhere\n" + vanishing + ": it is gone"));
}

// Sizes of files read from disk compare in 64 bits: a sparse file of 4 GiB + 100
// bytes is not a 100-byte file of the same name.
TEST_F(SameFileTest, NameAndSizeComparesWholeSizes) {
  dir.write("small/big.bin", std::string(100, 'x'));
  dir.makeDir("large");
  const int fd = ::open(dir.file("large/big.bin").c_str(), O_WRONLY | O_CREAT, 0644);
  ASSERT_GE(fd, 0);
  const bool sparse = ::ftruncate(fd, (off_t(1) << 32) + 100) == 0;
  ::close(fd);
  if (!sparse) GTEST_SKIP() << "no sparse files here";
  dir.write("other/big.bin", std::string(100, 'y'));
  ASSERT_EQ(scanWithin(ScanMode::NamesAndSize, {}, {dir.file("small"), dir.file("large"), dir.file("other")}, "*.*").end,
            ScanEnd::Completed);
  EXPECT_EQ(groups(), Groups{"small/big.bin: other/big.bin(0,*)"});
}

}  // namespace
}  // namespace vl::test

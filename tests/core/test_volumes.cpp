// The volume table, against the mounts of this machine and real loop-mounted volumes.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <cstdlib>
#include <optional>
#include <tuple>

#include "core/database/volume_table.h"
#include "core/files/drives.h"
#include "core/files/recycle.h"
#include "tests/support/temp_dir.h"

namespace vl {

namespace {

std::optional<VolumeEntry> entryFor(const std::string& root) {
  const auto table = VolumeTable();
  const auto it = std::find_if(table.begin(), table.end(), [&](const VolumeEntry& e) { return e.root == root; });
  if (it == table.end()) return std::nullopt;
  return *it;
}

bool run(const std::string& command) { return std::system((command + " >/dev/null 2>&1").c_str()) == 0; }

// A small ext4 image, loop-mounted under a temporary folder while the object lives.
class LoopVolume {
 public:
  LoopVolume(const test::TempDir& dir, const std::string& name, const std::string& mkfsOptions)
      : image_(dir.file(name + ".img")), mountPoint_(dir.makeDir(name)) {
    const bool made = run("truncate -s 4M '" + image_ + "'") && run("mkfs.ext4 -q -F " + mkfsOptions + " '" + image_ + "'");
    mounted_ = made && run("mount -o loop '" + image_ + "' '" + mountPoint_ + "'");
  }
  ~LoopVolume() { unmount(); }
  LoopVolume(const LoopVolume&) = delete;
  LoopVolume& operator=(const LoopVolume&) = delete;

  bool mounted() const { return mounted_; }
  const std::string& mountPoint() const { return mountPoint_; }
  bool unmount() {
    if (mounted_ && run("umount '" + mountPoint_ + "'")) mounted_ = false;
    return !mounted_;
  }

 private:
  std::string image_;
  std::string mountPoint_;
  bool mounted_ = false;
};

std::string whyMountingIsImpossible() {
  if (::geteuid() != 0) return "mounting a loop volume needs root";
  if (!run("command -v mkfs.ext4") && !run("test -x /sbin/mkfs.ext4")) return "mkfs.ext4 (e2fsprogs) is missing";
  return {};
}

}  // namespace

// Labels compare whole: an empty label or a longer one is another volume.
TEST(VolumeTable, TheRootFileSystemHasAShortLabelAndRelativePathsNone) {
  ClearVolumeTable();
  VolumeLabelOfPath("/");
  EXPECT_FALSE(VolumeTable().empty()) << "a lookup fills an empty table";
  EXPECT_EQ(VolumeLabelOfPath(""), NoVolumeLabel);
  EXPECT_EQ(VolumeLabelOfPath("photos/a.jpg"), NoVolumeLabel);
  EXPECT_FALSE(IsVolumeMounted("photos/a.jpg", NoVolumeLabel));
  const std::optional<VolumeEntry> root = entryFor("/");
  if (!root) GTEST_SKIP() << "the root file system has no type (an overlay or the like) on this machine";
  EXPECT_FALSE(root->volumeLabel.empty());
  EXPECT_LE(root->volumeLabel.size(), 13u);
  EXPECT_EQ(VolumeLabelOfPath("/velloran-no-such-folder/a.jpg"), root->volumeLabel);
  EXPECT_TRUE(IsVolumeMounted("/velloran-no-such-folder/a.jpg", root->volumeLabel));
  EXPECT_FALSE(IsVolumeMounted("/velloran-no-such-folder/a.jpg", ""));
  EXPECT_FALSE(IsVolumeMounted("/velloran-no-such-folder/a.jpg", root->volumeLabel + "x"));
}

class LoopVolumeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (const std::string reason = whyMountingIsImpossible(); !reason.empty()) GTEST_SKIP() << reason;
  }
  test::TempDir dir;
};

// An unlabelled volume is known by its serial, a long label is cut; a volume stays
// present until it is unmounted and the table refreshed.
TEST_F(LoopVolumeTest, LabelsAndSerialsHoldUntilTheVolumeIsUnmountedAndTheTableRefreshed) {
  LoopVolume volume(dir, "labelled", "-L VLTEST");
  LoopVolume unlabelled(dir, "unlabelled", "-U 1234abcd-0000-4000-8000-00000000cafe");
  LoopVolume longLabel(dir, "long", "-L VLTEST-LONGNAME");
  if (!volume.mounted() || !unlabelled.mounted() || !longLabel.mounted())
    GTEST_SKIP() << "a loop mount is not possible here (no loop devices or no mount rights)";
  const std::string photo = volume.mountPoint() + "/photos/a.jpg";
  RefreshVolumeTable();
  const std::optional<VolumeEntry> entry = entryFor(volume.mountPoint());
  ASSERT_TRUE(entry);
  EXPECT_EQ(std::tuple(entry->volumeLabel, entry->driveTypeText), std::tuple("VLTEST", "Fixed"));
  EXPECT_EQ(VolumeLabelOfPath(photo), "VLTEST");
  EXPECT_TRUE(IsVolumeMounted(photo, "VLTEST"));
  EXPECT_FALSE(IsVolumeMounted(photo, "vltest")) << "labels compare with case";
  EXPECT_FALSE(IsVolumeMounted(dir.file("elsewhere.jpg"), "VLTEST"));
  EXPECT_EQ(VolumeLabelOfPath(unlabelled.mountPoint() + "/a.jpg"), "305441741");  // 0x1234ABCD
  EXPECT_EQ(VolumeLabelOfPath(longLabel.mountPoint() + "/a.jpg"), "VLTEST-LONGNA");
  std::string label, fileSystem, type;
  uint32_t serial = 0;
  ASSERT_TRUE(GetDriveDetails(unlabelled.mountPoint(), label, fileSystem, serial, type));
  EXPECT_EQ(std::tuple(label, fileSystem, serial), std::tuple("", "ext4", 0x1234ABCDu));

  ASSERT_TRUE(volume.unmount());
  EXPECT_TRUE(IsVolumeMounted(photo, "VLTEST")) << "the table stays as it was until the next refresh";
  RefreshVolumeTable();
  EXPECT_FALSE(entryFor(volume.mountPoint()));
  EXPECT_FALSE(IsVolumeMounted(photo, "VLTEST"));
  EXPECT_NE(VolumeLabelOfPath(photo), "VLTEST");
}

TEST_F(LoopVolumeTest, RecyclingOnAnotherFileSystemUsesThatFileSystemsTrash) {
  LoopVolume volume(dir, "trash", "-L VLTRASH");
  if (!volume.mounted()) GTEST_SKIP() << "a loop mount is not possible here";
  const test::ScopedEnv dataHome("XDG_DATA_HOME", dir.makeDir("data"));
  const std::string file = volume.mountPoint() + "/a.jpg";
  ASSERT_TRUE(std::ofstream(file) << "picture");
  EXPECT_TRUE(RecycleOrDeleteFile(file, true));
  const std::string trash = volume.mountPoint() + "/.Trash-" + std::to_string(::getuid());
  EXPECT_EQ(test::ReadFileBytes(trash + "/files/a.jpg"), "picture");
  EXPECT_NE(test::ReadFileBytes(trash + "/info/a.jpg.trashinfo").find("\nPath=" + file + "\n"), std::string::npos);
  EXPECT_EQ(test::ReadFileBytes(dir.file("data/Trash/files/a.jpg")), "") << "no copy into the home trash";
}

}  // namespace vl

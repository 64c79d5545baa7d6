// Drive roots and drive details.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <tuple>

#include "core/files/drives.h"
#include "tests/support/temp_dir.h"

namespace vl {

namespace {

std::vector<DriveRoot> rootsOf(std::initializer_list<const char*> paths) {
  std::vector<DriveRoot> roots;
  for (const char* path : paths) roots.push_back(DriveRoot{path, false, false, "", ""});
  return roots;
}

}  // namespace

TEST(DriveRootOf, TakesTheLongestRootAtAComponentBoundaryOrAMediaFolder) {
  const std::vector<DriveRoot> roots = rootsOf({"/", "/data", "/data/photos", "/mnt"});
  EXPECT_EQ(DriveRootOf("/data/photos", roots), "/data/photos");
  EXPECT_EQ(DriveRootOf("/data/photos2/a.jpg", roots), "/data");
  EXPECT_EQ(DriveRootOf("/data/", roots), "/data");
  EXPECT_EQ(DriveRootOf("/mnt/photos/a.jpg", roots), "/mnt") << "a mounted /mnt keeps its folders";
  for (const char* relative : {"", "photos/a.jpg", "C:\\photos"}) EXPECT_EQ(DriveRootOf(relative, roots), "");

  // Unmounted media folders are their own root.
  const std::vector<DriveRoot> media = rootsOf({"/", "/media/anna/CARD"});
  EXPECT_EQ(DriveRootOf("/media/anna/DISC/photos/a.jpg", media), "/media/anna/DISC");
  EXPECT_EQ(DriveRootOf("/media/anna/CARD/a.jpg", media), "/media/anna/CARD");
  EXPECT_EQ(DriveRootOf("/run/media/anna/USB STICK/a.jpg", media), "/run/media/anna/USB STICK");
  EXPECT_EQ(DriveRootOf("/mnt/backup", media), "/mnt/backup");
  EXPECT_EQ(DriveRootOf("/media/anna", media), "/") << "a user folder alone is no volume";
  EXPECT_EQ(DriveRootOf("/mnt/", media), "/");
}

TEST(GetDriveLetters, ListsTheRootFileSystemButNoPseudoFileSystems) {
  const std::vector<DriveRoot> roots = GetDriveLetters();
  ASSERT_FALSE(roots.empty());
  EXPECT_TRUE(std::is_sorted(roots.begin(), roots.end(),
                             [](const DriveRoot& a, const DriveRoot& b) { return a.root < b.root; }));
  EXPECT_TRUE(std::any_of(roots.begin(), roots.end(), [](const DriveRoot& r) { return r.root == "/"; }));
  for (const DriveRoot& root : roots) {
    EXPECT_NE(root.root.rfind("/proc", 0), 0u) << root.root;
    EXPECT_NE(root.root.rfind("/sys/", 0), 0u) << root.root;
  }
  EXPECT_EQ(DriveRootOf("/"), "/");
}

// A root that cannot be queried leaves no stale values behind.
TEST(GetDriveDetails, TheRootFileSystemHasDetailsAndAMissingRootNone) {
  std::string label, fileSystem, type;
  uint32_t serial = 0;
  ASSERT_TRUE(GetDriveDetails("/", label, fileSystem, serial, type));
  EXPECT_FALSE(fileSystem.empty());
  EXPECT_FALSE(type.empty());
  std::string label2, fileSystem2;
  uint32_t serial2 = 0;
  ASSERT_TRUE(GetVolumeDetails("/", label2, fileSystem2, serial2));
  EXPECT_EQ(std::pair(label2, serial2), std::pair(label, serial));

  test::TempDir dir;
  label = fileSystem = "old";
  serial = 7;
  EXPECT_FALSE(GetDriveDetails(dir.file("absent"), label, fileSystem, serial, type));
  EXPECT_EQ(std::tuple(type, label + fileSystem, serial), std::tuple("Root Directory does not exist", "", 0u));
  EXPECT_FALSE(GetVolumeDetails(dir.file("absent"), label, fileSystem, serial));
}

TEST(GetDriveDetails, ReadingLabelsLeavesTheBlkidCacheFileAsItWas) {
  test::TempDir dir;
  const std::string cacheFile = dir.write(
      "blkid.tab", std::string("<device DEVNO=\"0xfe01\" TIME=\"1.1\" LABEL=\"old\" TYPE=\"ext4\">/dev/vl-gone</device>\n"));
  struct stat before {};
  ASSERT_EQ(::stat(cacheFile.c_str(), &before), 0);
  {
    const test::ScopedEnv blkidFile("BLKID_FILE", cacheFile);
    std::string label, fileSystem, type;
    uint32_t serial = 0;
    for (const DriveRoot& root : GetDriveLetters()) GetDriveDetails(root.root, label, fileSystem, serial, type);
  }
  struct stat after {};
  ASSERT_EQ(::stat(cacheFile.c_str(), &after), 0);
  EXPECT_EQ(after.st_ino, before.st_ino) << "the cache file was replaced";
  EXPECT_EQ(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

}  // namespace vl

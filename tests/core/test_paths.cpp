// Path helpers.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/files/bound_path.h"
#include "core/files/paths.h"
#include "tests/support/temp_dir.h"

namespace vl {

TEST(Paths, NameFolderAndExtensionSplitAtTheLastSlash) {
  EXPECT_EQ(AddSlash(""), "");
  EXPECT_EQ(AddSlash("/"), "/");
  EXPECT_EQ(AddSlash("/photos"), "/photos/");
  EXPECT_EQ(FileNameOf("/a/b.c/photo.jpg"), "photo.jpg");
  EXPECT_EQ(FolderOf("/a/b.c/photo.jpg"), "/a/b.c/");
  EXPECT_EQ(ExtensionOf("/a/b.c/photo"), "");
  EXPECT_EQ(ExtensionOf("archive.tar.gz"), ".gz");
  EXPECT_EQ(FileNameNoExt("/a/b.c/photo.jpg"), "photo");
  EXPECT_EQ(FileNameOf("plain"), "plain");
  EXPECT_EQ(FolderOf("plain"), "");
  EXPECT_EQ(ForceExtension("/x/photo.jpg", "lnk"), "/x/photo.lnk");
  EXPECT_EQ(ForceExtension("/x.d/photo", ".lnk"), "/x.d/photo.lnk");
  EXPECT_EQ(UpperAscii("img_caf\xc3\xa9.jpg"), "IMG_CAF\xc3\xa9.JPG");
}

TEST(Paths, AbsolutePathJoinsTheCurrentFolderAndDropsDotParts) {
  const std::string here = std::filesystem::current_path().string();
  EXPECT_EQ(AbsolutePath("a/./b/../c"), here + "/a/c");
  EXPECT_EQ(AbsolutePath("a/"), here + "/a");
  EXPECT_EQ(AbsolutePath("/x/../y"), "/x/../y");
  EXPECT_EQ(AbsolutePath(""), "");
}

TEST(Paths, CleanFilePathTakesDotDotBackOnlyOverARealFolder) {
  test::TempDir dir;
  dir.makeDir("x");
  std::filesystem::create_directory_symlink(dir.file("x"), dir.file("link"));
  EXPECT_EQ(CleanFilePath(dir.path() + "//x/./a.jpg"), dir.file("x/a.jpg"));
  EXPECT_EQ(CleanFilePath(dir.path() + "/x/../a.jpg"), dir.file("a.jpg"));
  EXPECT_EQ(CleanFilePath(dir.path() + "/link/../a.jpg"), dir.file("link/../a.jpg"));
  EXPECT_EQ(CleanFilePath("/../x/.a/...//"), "/x/.a/...");
}

}  // namespace vl

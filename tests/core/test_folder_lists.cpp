// Tests of the folder-list file and the add-folder rule.
#include <gtest/gtest.h>

#include <stdexcept>

#include "core/settings/folder_lists.h"
#include "tests/support/temp_dir.h"

namespace vl {
namespace {

using Entries = std::vector<std::string>;

// Any line end is read, every line is saved ending with CR LF; a file that cannot be
// read or written is named in the error.
TEST(FolderListFile, LineEndsEmptyLinesAndRoundTrip) {
  test::TempDir dir;
  EXPECT_EQ(LoadFolderListFile(dir.write("crlf.txt", "/a\r\n\r\n/b\r\n")), (Entries{"/a", "", "/b"}));
  EXPECT_EQ(LoadFolderListFile(dir.write("cr.txt", "/a\r/b\r")), (Entries{"/a", "/b"}));
  EXPECT_EQ(LoadFolderListFile(dir.write("lf.txt", "/a\n\n/b")), (Entries{"/a", "", "/b"}));
  EXPECT_EQ(LoadFolderListFile(dir.write("empty.txt", "")), Entries{});

  const Entries entries{"/pics/a", "", "/pics/b"};
  const std::string file = dir.file("list.txt");
  SaveFolderListFile(file, entries);
  EXPECT_EQ(test::ReadFileBytes(file), "/pics/a\r\n\r\n/pics/b\r\n");
  EXPECT_EQ(LoadFolderListFile(file), entries);
  EXPECT_THROW(SaveFolderListFile(dir.file("no/such/folder/list.txt"), entries), std::runtime_error);
  const std::string missing = dir.file("missing.txt");
  try {
    LoadFolderListFile(missing);
    FAIL() << "no exception";
  } catch (const std::runtime_error& e) {
    EXPECT_NE(std::string(e.what()).find(missing), std::string::npos);
  }
}

// Names that differ in case are two folders on Linux: both stay in the list. With
// subfolders, the folder's tree merges in sorted, without repeats.
TEST(AddFolder, KeepsOneOfEqualNamesSortedWithOrWithoutSubfolders) {
  Entries entries{"/x/B"};
  AddFolderToList(entries, "/x/a", false, {});
  AddFolderToList(entries, "/x/a", false, {});
  AddFolderToList(entries, "/X/A", false, {});
  EXPECT_EQ(entries, (Entries{"/X/A", "/x/a", "/x/B"}));

  test::TempDir dir;
  const std::string root = dir.makeDir("root");
  dir.makeDir("root/Sub");
  dir.makeDir("root/other/deep");
  entries = {root + "/Sub", dir.file("zzz")};
  int pumps = 0;
  AddFolderToList(entries, root, true, [&pumps] { ++pumps; });
  EXPECT_EQ(entries, (Entries{root, root + "/other", root + "/other/deep", root + "/Sub", dir.file("zzz")}));
  EXPECT_GT(pumps, 0);
}

}  // namespace
}  // namespace vl

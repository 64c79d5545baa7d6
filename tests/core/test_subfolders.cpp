// Breadth-first listing of subfolders.
#include <gtest/gtest.h>
#include <unistd.h>

#include "core/files/subfolders.h"
#include "tests/support/temp_dir.h"

namespace vl {

// Hidden folders, files and a link back to the top are left out; output is appended to.
TEST(SubFolders, ListsLevelByLevelWithFullOrRelativePaths) {
  test::TempDir dir;
  for (const char* folder : {"b/b2", "b/b1/deep", "a/a1", "c", ".hidden/inside", "a/.cache"}) dir.makeDir(folder);
  dir.write("a/file.txt", "not a folder");
  ASSERT_EQ(::symlink(dir.path().c_str(), dir.file("b/loop").c_str()), 0);
  std::vector<std::string> output{"kept"};
  int pumps = 0;
  EXPECT_TRUE(ListSubFolders(dir.path(), "", output, [&] { ++pumps; }));
  const std::string p = dir.path() + "/";
  EXPECT_EQ(output, (std::vector<std::string>{"kept", p + "a", p + "b", p + "c", p + "a/a1", p + "b/b1", p + "b/b2",
                                              p + "b/b1/deep"}));
  EXPECT_EQ(pumps, 7) << "one pump per folder found";

  output.clear();
  ListSubFolders(dir.file("b"), dir.path(), output);
  EXPECT_EQ(output, (std::vector<std::string>{"b/b1", "b/b2", "b/b1/deep"}));
  output.clear();
  ListSubFolders(dir.file("b"), "/elsewhere", output);  // a root that does not lead the folder
  EXPECT_EQ(output, (std::vector<std::string>{dir.file("b/b1"), dir.file("b/b2"), dir.file("b/b1/deep")}));
  output = {"x"};
  EXPECT_TRUE(ListSubFolders(dir.file("c"), "", output));
  EXPECT_TRUE(ListSubFolders(dir.file("absent"), "", output));
  EXPECT_EQ(output, std::vector<std::string>{"x"});
  output.clear();
  ListChildFolders(dir.path() + "/", "", output);
  EXPECT_EQ(output, (std::vector<std::string>{dir.file("a"), dir.file("b"), dir.file("c")}));
}

}  // namespace vl

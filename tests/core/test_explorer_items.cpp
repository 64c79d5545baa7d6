// Tests of the explorer's folder tree and its loading, sorting and searching of real database files.
#include <gtest/gtest.h>

#include <tuple>

#include "core/database/explorer_items.h"
#include "core/files/little_endian.h"
#include "core/files/zlib_stream.h"
#include "tests/support/temp_dir.h"

namespace vl {
namespace {

const std::vector<DriveRoot> Roots = {{"/", false, false, "", ""}, {"/media/me/DISC1", true, false, "", ""}};

std::vector<std::string> Split(const std::string& folder) {
  std::vector<std::string> parts{"left over"};
  SplitPath(folder, parts, Roots);
  return parts;
}

// The node whose NodePath is `path`, or -1.
int NodeAt(const FolderTree& tree, const std::string& path) {
  for (size_t node = 0; node < tree.nodes.size(); ++node)
    if (NodePath(tree, int(node)) == path) return int(node);
  return -1;
}

TEST(FolderTreeTest, FoldersBecomeNodesBelowTheirVolumeRoots) {
  EXPECT_EQ(Split("/media/me/DISC1/Photos/2001/"), (std::vector<std::string>{"/media/me/DISC1", "Photos", "2001"}));
  EXPECT_EQ(Split("/home/me//x/name.jpg"), (std::vector<std::string>{"/", "home", "me", "x"}));
  EXPECT_EQ(Split("relative/dir/"), (std::vector<std::string>{"relative", "dir"}));
  EXPECT_TRUE(Split("").empty());

  FolderTree tree;
  FolderPathMap map;
  const int a = FindOrCreateNode("/A/one.jpg", tree, true, map, Roots);
  const int b = FindOrCreateNode("/A/B/two.jpg", tree, true, map, Roots);
  ASSERT_EQ(tree.topLevel.size(), 1u);
  EXPECT_EQ(tree.nodes[size_t(tree.topLevel[0])].text, "/");
  EXPECT_EQ(std::tuple(NodePath(tree, a), NodePath(tree, b), tree.nodes[size_t(b)].parent), std::tuple("/A/", "/A/B/", a));
  EXPECT_EQ(FindOrCreateNode("/A/three.jpg", tree, true, map, Roots), a);

  // Two folders of one name, one below the other, are two nodes.
  const int lower = FindOrCreateNode("/a/x.jpg", tree, false, map, Roots);
  EXPECT_EQ(lower, a) << "the map compares folder paths without regard to case";
  FolderTree nested;
  FolderPathMap nestedMap;
  const int outer = FindOrCreateNode("/media/me/DISC1/a/x.jpg", nested, true, nestedMap, Roots);
  const int inner = FindOrCreateNode("/media/me/DISC1/a/a/y.jpg", nested, true, nestedMap, Roots);
  EXPECT_NE(outer, inner);
  EXPECT_EQ(nested.nodes[size_t(inner)].parent, outer);
  EXPECT_EQ(NodePath(nested, inner), "/media/me/DISC1/a/a/");
  EXPECT_EQ(FindOrCreateNode("/media/me/DISC1/A/A/z.jpg", nested, true, nestedMap, Roots), inner);

  // Without the map, a walk matches texts exactly and finds nothing else unless asked to create.
  FolderPathMap empty;
  EXPECT_EQ(FindOrCreateNode("/A/B/again.jpg", tree, false, empty, Roots), b);
  EXPECT_EQ(FindOrCreateNode("/a/b/again.jpg", tree, false, empty, Roots), -1);
  EXPECT_EQ(FindOrCreateNode("no-folder.jpg", tree, true, empty, Roots), -1);
}

class ExplorerDataTest : public ::testing::Test {
 protected:
  // A database of fingerprinted records of `paths`.
  std::string WriteRecords(const std::string& name, const std::vector<std::string>& paths) {
    ScanList list;
    for (const std::string& path : paths) {
      list.push_back(std::make_unique<TScanEntry>());
      list.back()->Path = path;
      list.back()->Fingerprint = std::make_unique<TFingerprint>();
    }
    const std::string file = dir_.file(name);
    WriteDatabase(file, list);
    return file;
  }

  std::vector<std::string> Paths(const std::vector<int>& indexes) const {
    std::vector<std::string> paths;
    for (int index : indexes) paths.push_back(data_.items()[size_t(index)].path);
    return paths;
  }

  test::TempDir dir_;
  ExplorerData data_;
};

TEST_F(ExplorerDataTest, LoadsSortsBuildsTheTreeAndSearches) {
  const std::string d = dir_.path();
  const std::string file = WriteRecords("pics.VDB", {d + "/A/B/z.jpg", d + "/A/c.GIF", d + "/A/b.jpg",
                                                     d + "/Other/x.gif", d + "/A/B/Y.bmp", d + "/A/a.jpg"});
  ASSERT_EQ(data_.load(file), DatabaseOutcome::Readable);
  data_.sortByPath();
  EXPECT_EQ(Paths({0, 1, 2, 3, 4, 5}), (std::vector<std::string>{d + "/A/a.jpg", d + "/A/b.jpg", d + "/A/B/Y.bmp",
                                                                  d + "/A/B/z.jpg", d + "/A/c.GIF",
                                                                  d + "/Other/x.gif"}));
  data_.buildTree();
  const FolderTree& tree = data_.tree();
  ASSERT_EQ(tree.nodes[size_t(tree.topLevel.back())].text, "Search Results");
  EXPECT_EQ(tree.topLevel.back(), data_.searchNode());
  const int a = NodeAt(tree, d + "/A/");
  const int b = NodeAt(tree, d + "/A/B/");
  ASSERT_TRUE(a >= 0 && b >= 0);
  std::vector<std::string> inA = Paths(data_.itemsOf(a));
  std::sort(inA.begin(), inA.end());
  EXPECT_EQ(inA, (std::vector<std::string>{d + "/A/a.jpg", d + "/A/b.jpg", d + "/A/c.GIF"}));
  EXPECT_EQ(Paths(data_.itemsOf(b)).size(), 2u);
  EXPECT_TRUE(data_.itemsOf(tree.nodes[size_t(a)].parent).empty());

  data_.search("*.GIF");
  EXPECT_EQ(Paths(data_.searchResults()), (std::vector<std::string>{d + "/A/c.GIF", d + "/Other/x.gif"}));
  EXPECT_EQ(data_.itemsOf(data_.searchNode()), data_.searchResults());
  data_.search("");
  EXPECT_TRUE(data_.searchResults().empty());
  for (const ExplorerItem& item : data_.items()) EXPECT_EQ(item.flag, 0);
}

TEST_F(ExplorerDataTest, RefusesOtherFilesAndKeepsWhatWasReadBeforeDamage) {
  EXPECT_EQ(data_.load(dir_.write("text.VDB", "not a database")), DatabaseOutcome::Invalid);
  EXPECT_TRUE(data_.items().empty());

  std::vector<uint8_t> version(4);
  PutLE32(version.data(), 999);
  const std::vector<uint8_t> packed = ZlibCompress(version.data(), version.size());
  EXPECT_EQ(data_.load(dir_.write("old.VDB", packed)), DatabaseOutcome::WrongVersion);
  EXPECT_TRUE(data_.items().empty());

  const std::string whole = test::ReadFileBytes(WriteRecords("two.VDB", {"/x/1.jpg", "/x/2.jpg", "/x/3.jpg"}));
  const std::string cut = dir_.write("cut.VDB", whole.substr(0, whole.size() - 6));
  EXPECT_THROW(data_.load(cut), std::runtime_error);
  EXPECT_LT(data_.items().size(), 3u);
  data_.clear();
  EXPECT_TRUE(data_.items().empty());
  EXPECT_EQ(data_.searchNode(), -1);
}

}  // namespace
}  // namespace vl

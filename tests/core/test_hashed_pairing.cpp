// The hashed name and content pairings give exactly the plain loops' groups and progress calls.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "core/files/dir_listing.h"
#include "tests/core/pairing_recorder.h"
#include "tests/support/temp_dir.h"

namespace vl::test {
namespace {

struct FileSpec {
  std::string path;
  int32_t size;
};

// A tree where sizes are shared by files that differ in one byte at the start, in
// the middle or at the end, by identical copies (small and past the 4 KiB prefix),
// empty files and names that differ in case or size, a hard link and a file listed
// twice (never their own duplicates); one file is removed after "gathering" and one
// listed file cannot be read.
class HashedPairingTest : public ::testing::Test {
 protected:
  HashedPairingTest() {
    std::mt19937 random(3);
    for (const size_t size : {size_t(100), size_t(4096), size_t(5000), size_t(70000)}) {
      std::string bytes(size, '\0');
      for (char& c : bytes) c = char(random());
      for (int copy = 0; copy < 3; ++copy) add("same/" + std::to_string(size) + "_" + std::to_string(copy) + ".dat", bytes);
      for (const size_t at : {size_t(0), size / 2, size - 1}) {
        std::string changed = bytes;
        changed[at] = char(changed[at] ^ 1);
        add("diff/" + std::to_string(size) + "_" + std::to_string(at) + ".dat", changed);
        add("diff2/" + std::to_string(size) + "_" + std::to_string(at) + ".DAT", changed);
      }
    }
    for (int i = 0; i < 3; ++i) add("empty/e" + std::to_string(i) + ".txt", "");
    add("names/Photo.jpg", "abc");
    add("names/x/PHOTO.JPG", "abcd");
    add("names/y/photo.jpg", "xyz");
    std::filesystem::create_directories(dir.file("links"));
    std::filesystem::create_hard_link(dir.file("same/5000_0.dat"), dir.file("links/5000_0.dat"));
    files.push_back({dir.file("links/5000_0.dat"), 5000});
    files.push_back(files.front());
    add("gone/1000_copy.dat", "soon gone");
    files.push_back({dir.file("gone/1000_copy.dat"), 9});
    std::filesystem::remove(dir.file("gone/1000_copy.dat"));
    std::shuffle(files.begin(), files.end(), random);
  }

  void add(const std::string& relative, const std::string& bytes) {
    files.push_back({dir.write(relative, bytes), int32_t(bytes.size())});
  }

  ScanList listOf(size_t from, size_t to) const {
    ScanList list;
    for (size_t i = from; i < to && i < files.size(); ++i) {
      auto entry = std::make_unique<TScanEntry>();
      entry->Path = files[i].path;
      entry->Size = files[i].size;
      if (const auto item = FindFile(files[i].path)) {
        entry->FullSize = item->fullSize;
        entry->Identity = item->identity;
      }
      list.push_back(std::move(entry));
    }
    return list;
  }

  // Runs a self-compare on a fresh list and records its groups and the Excluded flags it leaves.
  template <class Pairing>
  Outcome recordSelf(Pairing pairing) const {
    ScanList list = listOf(0, files.size());
    Outcome outcome = Record([&](auto& p, auto s) { return pairing(list, p, s); });
    for (const auto& entry : list) outcome.lines.push_back(entry->Excluded ? "x" : "-");
    return outcome;
  }

  TempDir dir;
  std::vector<FileSpec> files;
};

TEST_F(HashedPairingTest, SelfCompareEqualsThePlainLoops) {
  for (const bool withSize : {false, true}) {
    EXPECT_EQ(recordSelf([&](ScanList& l, auto& p, auto s) { return PairNamesSelfHashed(l, withSize, p, s); }),
              recordSelf([&](ScanList& l, auto& p, auto s) { return PairNamesSelf(l, withSize, p, s); }));
  }
  const Outcome plain = recordSelf([](ScanList& l, auto& p, auto s) { return PairContentsSelf(l, p, s); });
  EXPECT_EQ(recordSelf([](ScanList& l, auto& p, auto s) { return PairContentsSelfHashed(l, {2, {}}, p, s); }), plain);
  EXPECT_GE(std::count_if(plain.lines.begin(), plain.lines.end(), [](const std::string& l) { return l.find(':') != l.npos; }),
            9);  // four sizes of copies, the three changed copies of each, the empty files
}

TEST_F(HashedPairingTest, AgainstBaseEqualsThePlainLoops) {
  const size_t half = files.size() / 2;
  const ScanList base = listOf(0, half + 3);  // three files in both lists
  const ScanList compare = listOf(half, files.size());
  for (const bool withSize : {false, true}) {
    EXPECT_EQ(Record([&](auto& p, auto s) { return PairNamesAgainstBaseHashed(base, compare, withSize, p, s); }),
              Record([&](auto& p, auto s) { return PairNamesAgainstBase(base, compare, withSize, p, s); }));
  }
  EXPECT_EQ(Record([&](auto& p, auto s) { return PairContentsAgainstBaseHashed(base, compare, {2, {}}, p, s); }),
            Record([&](auto& p, auto s) { return PairContentsAgainstBase(base, compare, p, s); }));
}

}  // namespace
}  // namespace vl::test

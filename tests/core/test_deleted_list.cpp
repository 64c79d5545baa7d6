// Tests of the deleted-file list: its file, loading, saving, adding and the deleting match.
#include <gtest/gtest.h>

#include <cstdlib>
#include <zlib.h>

#include "core/files/little_endian.h"
#include "core/files/paths.h"
#include "core/files/zlib_stream.h"
#include "core/results/deleted_list.h"
#include "core/settings/settings.h"
#include "tests/support/recording_host.h"
#include "tests/support/temp_dir.h"

namespace vl {
namespace {

uint32_t crcOf(const std::string& bytes) {
  return static_cast<uint32_t>(crc32(0, reinterpret_cast<const Bytef*>(bytes.data()), static_cast<uInt>(bytes.size())));
}

std::string compressed(const std::vector<uint8_t>& data) {
  const std::vector<uint8_t> packed = ZlibCompress(data.data(), data.size());
  return std::string(packed.begin(), packed.end());
}

class DeletedListTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ::setenv("VELLORAN_APPDIR", (dir.path() + "/").c_str(), 1);
    ResetAppPaths();
  }

  void writeListFile(const std::string& bytes) { dir.write("dellist.ddb", bytes); }

  test::TempDir dir;
  test::RecordingHost host;
  DeletedList list;
};

TEST(DeletedListFormat, EncodeAndParseRoundTripAndAPartialEntryIsDamage) {
  const std::vector<TDeletedEntry> entries = {{0, 0}, {0xFFFFFFFFu, 0x12345678u}, {7, 7}, {7, 7}};
  std::vector<uint8_t> data = DeletedList::Encode(entries);
  ASSERT_EQ(data.size(), 4u + 8 * entries.size());
  EXPECT_EQ(std::vector<uint8_t>(data.begin(), data.begin() + 4), (std::vector<uint8_t>{0xE8, 0x03, 0x00, 0x00}));
  EXPECT_EQ(std::vector<uint8_t>(data.begin() + 12, data.begin() + 20),
            (std::vector<uint8_t>{0xFF, 0xFF, 0xFF, 0xFF, 0x78, 0x56, 0x34, 0x12}));

  std::vector<uint8_t> packed = ZlibCompress(data.data(), data.size());
  std::vector<TDeletedEntry> out;
  ASSERT_EQ(DeletedList::Parse(packed, out), DeletedListParse::Ok);
  EXPECT_EQ(out, entries);
  packed.resize(packed.size() - 2);  // no whole trailer
  EXPECT_THROW(DeletedList::Parse(packed, out), ZlibDataError);
  data.resize(data.size() - 3);
  EXPECT_THROW(DeletedList::Parse(ZlibCompress(data.data(), data.size()), out), ZlibDataError);
  EXPECT_EQ(out, entries);
}

TEST(DeletedListFormat, ParseOutcomes) {
  std::vector<TDeletedEntry> out = {{1, 1}};
  EXPECT_EQ(DeletedList::Parse({}, out), DeletedListParse::Invalid);
  EXPECT_EQ(DeletedList::Parse({'n', 'o', 't', ' ', 'z', 'l', 'i', 'b'}, out), DeletedListParse::Invalid);
  std::vector<uint8_t> data = DeletedList::Encode({{1, 2}});
  PutLE32(data.data(), 1001);
  EXPECT_EQ(DeletedList::Parse(ZlibCompress(data.data(), data.size()), out), DeletedListParse::WrongVersion);
  EXPECT_EQ(out, (std::vector<TDeletedEntry>{{1, 1}}));  // untouched unless Ok

  data = DeletedList::Encode({{1, 2}, {3, 4}});
  std::vector<uint8_t> damaged = ZlibCompress(data.data(), data.size());
  damaged.back() ^= 0x55;
  EXPECT_THROW(DeletedList::Parse(damaged, out), ZlibDataError);

  // A few kilobytes claiming millions of entries are damage, not a list to hold in memory.
  data = DeletedList::Encode(std::vector<TDeletedEntry>(1 << 20, {5, 5}));
  const std::vector<uint8_t> flood = ZlibCompress(data.data(), data.size(), 9);
  ASSERT_LT(flood.size(), 16u * 1024);
  EXPECT_THROW(DeletedList::Parse(flood, out), ZlibDataError);
}

TEST_F(DeletedListTest, VersionOnlyFileLoadsEmptyWithoutMessage) {
  writeListFile(compressed(DeletedList::Encode({})));
  list.LoadDeletedList(host);
  EXPECT_TRUE(list.entries().empty());
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(DeletedListTest, MissingFileLoadsNothingAndInvalidOrOtherVersionFilesAreReported) {
  list.LoadDeletedList(host);
  EXPECT_TRUE(host.messages.empty());

  const std::string name = AppDir() + "dellist.ddb";
  writeListFile("garbage");
  list.LoadDeletedList(host);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].kind, MessageKind::Error);
  EXPECT_EQ(host.messages[0].text, name + "\n\ndoes not appear to be a valid Deleted File list.");

  std::vector<uint8_t> data = DeletedList::Encode({{5, 6}});
  PutLE32(data.data(), 999);
  writeListFile(compressed(data));
  list.LoadDeletedList(host);
  ASSERT_EQ(host.messages.size(), 2u);
  EXPECT_EQ(host.messages[1].text, "Database: \n\n" + name + "\n\nis a different version, can not open.");
  EXPECT_TRUE(list.entries().empty());
}

TEST_F(DeletedListTest, SaveThenLoadRestoresTheListAndLoadSkipsANonEmptyList) {
  list.entries() = {{10, 20}, {30, 40}, {10, 20}};
  list.SaveDeletedList();
  DeletedList again;
  again.LoadDeletedList(host);
  EXPECT_EQ(again.entries(), list.entries());

  again.entries() = {{1, 1}};
  again.LoadDeletedList(host);
  EXPECT_EQ(again.entries(), (std::vector<TDeletedEntry>{{1, 1}}));
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(DeletedListTest, SaveFailureThrowsAndKeepsTheOldFile) {
  list.entries() = {{1, 2}};
  list.SaveDeletedList();
  const std::string before = test::ReadFileBytes(DeletedList::fileName());
  ::setenv("VELLORAN_APPDIR", (dir.path() + "/no/such/folder/").c_str(), 1);
  ResetAppPaths();
  EXPECT_THROW(list.SaveDeletedList(), std::runtime_error);
  ::setenv("VELLORAN_APPDIR", (dir.path() + "/").c_str(), 1);
  ResetAppPaths();
  EXPECT_EQ(test::ReadFileBytes(DeletedList::fileName()), before);
}

TEST_F(DeletedListTest, AddRecordsSizeAndCrcAndMissingFilesGetAllBitsSet) {
  const std::string content = "some file contents";
  list.AddToDeletedList(dir.write("a.txt", content), host);
  list.AddToDeletedList(dir.write("empty.txt", std::string()), host);
  list.AddToDeletedList(dir.file("missing.txt"), host);
  EXPECT_EQ(list.entries(), (std::vector<TDeletedEntry>{{static_cast<uint32_t>(content.size()), crcOf(content)},
                                                        {0, 0},
                                                        {0xFFFFFFFFu, 0xFFFFFFFFu}}));
}

TEST_F(DeletedListTest, AddingFilesLoadsFirstAndRemovesRepeatsKeepingTheFirst) {
  const std::string a = dir.write("a.txt", std::string("aaa"));
  const std::string b = dir.write("b.txt", std::string("bbbb"));
  const std::string aCopy = dir.write("sub/a-copy.txt", std::string("aaa"));
  const TDeletedEntry stored{4, crcOf("bbbb")};
  writeListFile(compressed(DeletedList::Encode({stored, {99, 99}})));

  list.AddFilesToDeletedList({a, b, a, aCopy}, host);
  EXPECT_EQ(list.entries(), (std::vector<TDeletedEntry>{stored, {99, 99}, {3, crcOf("aaa")}}));
  EXPECT_EQ(host.beeps, 1);
  EXPECT_EQ(host.cursorDepth, 0);
  EXPECT_EQ(host.cursors.size(), 1u);
}

TEST_F(DeletedListTest, MatchingFileIsDeletedOthersAreLeftAlone) {
  const std::string content = "the deleted picture";
  list.entries() = {{static_cast<uint32_t>(content.size()), crcOf("other bytes, same size")},
                    {static_cast<uint32_t>(content.size()), crcOf(content)}};
  const std::string match = dir.write("back/again.jpg", content);
  const std::string sameSize = dir.write("same-size.jpg", std::string(content.size(), 'x'));
  const int32_t size = static_cast<int32_t>(content.size());

  EXPECT_FALSE(list.IsDeletedFile(sameSize, size));
  EXPECT_TRUE(FileExists(sameSize));
  EXPECT_FALSE(list.IsDeletedFile(match, size + 1));  // sizes differ: not even read
  EXPECT_TRUE(FileExists(match));
  EXPECT_TRUE(list.IsDeletedFile(match, size));
  EXPECT_FALSE(FileExists(match));
  EXPECT_FALSE(list.IsDeletedFile(match, size));  // now missing: no
}

TEST_F(DeletedListTest, FileThatCannotBeDeletedIsNotReportedDeleted) {
  const std::string content = "undeletable";
  list.entries() = {{static_cast<uint32_t>(content.size()), crcOf(content)}};
  const std::string path = dir.write("locked.jpg", content);
  std::vector<std::string> attempts;
  list.setRemover([&](const std::string& p) {
    attempts.push_back(p);
    return false;
  });
  EXPECT_FALSE(list.IsDeletedFile(path, static_cast<int32_t>(content.size())));
  EXPECT_EQ(attempts, std::vector<std::string>{path});
  EXPECT_TRUE(FileExists(path));
}

TEST_F(DeletedListTest, EmptyFileEntryDeletesEveryLaterEmptyFile) {
  const std::string first = dir.write("first-empty", std::string());
  list.AddToDeletedList(first, host);
  ASSERT_EQ(list.entries(), (std::vector<TDeletedEntry>{{0, 0}}));
  const std::string later = dir.write("elsewhere/another-empty.txt", std::string());
  EXPECT_TRUE(list.IsDeletedFile(later, 0));
  EXPECT_FALSE(FileExists(later));
}

}  // namespace
}  // namespace vl

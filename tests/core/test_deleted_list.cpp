// Tests of the deleted-file list: both file versions, loading, saving, adding and the deleting match.
#include <gtest/gtest.h>

#include <xxhash.h>
#include <zlib.h>

#include <filesystem>

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

ContentDigest digestOf(const std::string& bytes) {
  const XXH128_hash_t hash = XXH3_128bits(bytes.data(), bytes.size());
  return {hash.low64, hash.high64};
}

TDeletedEntry strongOf(const std::string& bytes) { return TDeletedEntry(bytes.size(), crcOf(bytes), digestOf(bytes)); }

// A classic list as older versions wrote it: 1000, then 8 bytes per entry.
std::vector<uint8_t> classicList(const std::vector<TDeletedEntry>& entries) {
  std::vector<uint8_t> data(4 + 8 * entries.size());
  PutLE32(data.data(), 1000);
  for (size_t i = 0; i < entries.size(); ++i) {
    PutLE32(data.data() + 4 + 8 * i, entries[i].Size);
    PutLE32(data.data() + 8 + 8 * i, entries[i].CRC);
  }
  return data;
}

DeletedListParse parsePlain(const std::vector<uint8_t>& data, std::vector<TDeletedEntry>& out) {
  return DeletedList::Parse(ZlibCompress(data.data(), data.size()), out);
}

class DeletedListTest : public ::testing::Test {
 protected:
  void writeListFile(const std::string& bytes) { dir.write("dellist.ddb", bytes); }

  test::TempDir dir;
  test::ScopedEnv appDir{"VELLORAN_APPDIR", dir.path() + "/"};
  test::ScopedEnv dataHome{"XDG_DATA_HOME", dir.makeDir("data")};
  test::RecordingHost host;
  DeletedList list;
};

TEST(DeletedListFormat, CurrentVersionRoundTripsAndTheClassicVersionStillReads) {
  const std::vector<TDeletedEntry> entries = {{7, 7}, TDeletedEntry((uint64_t{5} << 32) + 9, 0xCAFEu, {1, 2}), {7, 7}};
  const std::vector<uint8_t> data = DeletedList::Encode(entries);
  EXPECT_EQ(std::vector<uint8_t>(data.begin(), data.begin() + 13),
            (std::vector<uint8_t>{0xD0, 0x07, 0, 0, 3, 0, 0, 0, 0, 7, 0, 0, 0}));
  EXPECT_EQ(data.size(), 8u + 9 + 33 + 9);
  std::vector<TDeletedEntry> out;
  ASSERT_EQ(parsePlain(data, out), DeletedListParse::Ok);
  EXPECT_EQ(out, entries);
  EXPECT_EQ(out[1].Size, 9u) << "the low 32 bits of the whole size";

  // An entry that records where it was deleted from makes the newer version.
  const std::vector<TDeletedEntry> withOrigin = {{7, 7}, TDeletedEntry(5, 6, {1, 2}, "/photos/a.jpg")};
  std::vector<uint8_t> originData = DeletedList::Encode(withOrigin);
  EXPECT_EQ(GetLE32(originData.data()), 3000u);
  ASSERT_EQ(parsePlain(originData, out), DeletedListParse::Ok);
  EXPECT_EQ(out, withOrigin);
  PutLE16(originData.data() + 8 + 9 + 33, 4097);
  EXPECT_THROW(parsePlain(originData, out), ZlibDataError) << "an origin beyond the bound";
  PutLE32(originData.data(), 2000);
  EXPECT_THROW(parsePlain(originData, out), ZlibDataError) << "no origins in the older counted version";

  std::vector<uint8_t> classic = classicList({{0xFFFFFFFFu, 0x12345678u}, {3, 4}});
  ASSERT_EQ(parsePlain(classic, out), DeletedListParse::Ok);
  EXPECT_EQ(out, (std::vector<TDeletedEntry>{{0xFFFFFFFFu, 0x12345678u}, {3, 4}}));
  EXPECT_FALSE(out[0].Strong);
  classic.resize(classic.size() - 3);
  EXPECT_THROW(parsePlain(classic, out), ZlibDataError) << "a partial last classic entry is damage";
}

TEST(DeletedListFormat, DamagedOrLyingListsAreRejectedNotReadShorter) {
  std::vector<TDeletedEntry> out = {{1, 1}};
  EXPECT_EQ(DeletedList::Parse({}, out), DeletedListParse::Invalid);
  EXPECT_EQ(DeletedList::Parse({'n', 'o', 't', ' ', 'z', 'l', 'i', 'b'}, out), DeletedListParse::Invalid);
  std::vector<uint8_t> data = DeletedList::Encode({{1, 2}});
  PutLE32(data.data(), 1001);
  EXPECT_EQ(parsePlain(data, out), DeletedListParse::WrongVersion);
  EXPECT_EQ(out, (std::vector<TDeletedEntry>{{1, 1}})) << "untouched unless Ok";

  data = DeletedList::Encode({strongOf("abc"), {3, 4}});
  EXPECT_THROW(parsePlain(std::vector<uint8_t>(data.begin(), data.end() - 1), out), ZlibDataError) << "cut short";
  PutLE32(data.data() + 4, 0xFFFFFFFFu);
  EXPECT_THROW(parsePlain(data, out), ZlibDataError) << "a claimed count beyond the data";
  data = DeletedList::Encode({{3, 4}});
  data[8] = 7;
  EXPECT_THROW(parsePlain(data, out), ZlibDataError) << "an unknown entry kind";

  // A few kilobytes claiming millions of entries are damage, not a list to hold in memory.
  data = DeletedList::Encode(std::vector<TDeletedEntry>(1 << 20, {5, 5}));
  const std::vector<uint8_t> flood = ZlibCompress(data.data(), data.size(), 9);
  ASSERT_LT(flood.size(), 32u * 1024);
  EXPECT_THROW(DeletedList::Parse(flood, out), ZlibDataError);
  EXPECT_EQ(out, (std::vector<TDeletedEntry>{{1, 1}}));
}

TEST_F(DeletedListTest, LoadReportsInvalidAndOtherVersionFilesAndAVersionOnlyFileIsEmpty) {
  list.LoadDeletedList(host);
  writeListFile(test::Compressed(classicList({})));
  list.LoadDeletedList(host);
  EXPECT_TRUE(list.entries().empty());
  EXPECT_TRUE(host.messages.empty());

  const std::string name = AppDir() + "dellist.ddb";
  writeListFile("garbage");
  list.LoadDeletedList(host);
  std::vector<uint8_t> data = classicList({{5, 6}});
  PutLE32(data.data(), 999);
  writeListFile(test::Compressed(data));
  list.LoadDeletedList(host);
  EXPECT_EQ(host.messages,
            (std::vector<JobMessage>{
                {MessageKind::Error, name + "\n\ndoes not appear to be a valid Deleted File list.", ""},
                {MessageKind::Error, "Database: \n\n" + name + "\n\nis a different version, can not open.", ""}}));
  EXPECT_TRUE(list.entries().empty());
}

TEST_F(DeletedListTest, AClassicListLoadsAndIsSavedInTheCurrentVersionKeepingItsEntriesAndAFailedSaveKeepsTheFile) {
  writeListFile(test::Compressed(classicList({{10, 20}, {30, 40}})));
  list.LoadDeletedList(host);
  list.AddToDeletedList(dir.write("a.txt", std::string("some contents")), host);
  list.SaveDeletedList();

  DeletedList again;
  again.LoadDeletedList(host);
  EXPECT_EQ(again.entries(), (std::vector<TDeletedEntry>{{10, 20}, {30, 40}, strongOf("some contents")}));
  again.entries() = {{1, 1}};
  again.LoadDeletedList(host);
  EXPECT_EQ(again.entries(), (std::vector<TDeletedEntry>{{1, 1}})) << "a list in memory is not reloaded";
  EXPECT_TRUE(host.messages.empty());

  const std::string before = test::ReadFileBytes(DeletedList::fileName());
  {
    const test::ScopedEnv missingFolder("VELLORAN_APPDIR", dir.path() + "/no/such/folder/");
    EXPECT_THROW(again.SaveDeletedList(), std::runtime_error);
  }
  EXPECT_EQ(test::ReadFileBytes(DeletedList::fileName()), before) << "a failed save keeps the old file";
}

TEST_F(DeletedListTest, AddingRecordsStrongEntriesSkipsEmptyMissingOrSpecialFilesAndRepeats) {
  const std::string a = dir.write("a.txt", std::string("aaa"));
  const std::string b = dir.write("b.txt", std::string("bbbb"));
  const std::string aCopy = dir.write("sub/a-copy.txt", std::string("aaa"));
  writeListFile(test::Compressed(DeletedList::Encode({strongOf("bbbb"), {99, 99}})));

  list.AddFilesToDeletedList({a, dir.write("empty", std::string()), b, dir.file("missing"), a, aCopy, "/dev/null"},
                             host);
  EXPECT_EQ(list.entries(), (std::vector<TDeletedEntry>{strongOf("bbbb"), {99, 99}, strongOf("aaa")}));
  EXPECT_EQ(host.beeps, 1);
  EXPECT_EQ(host.cursorDepth, 0);
}

TEST_F(DeletedListTest, StrongEntriesMatchOnlyTheWholeSizeAndDigestClassicOnesOnSizeAndCrcAndMatchingRemovesNothing) {
  const std::string original = "the deleted picture";
  const std::string forged = "a forged lookalike!";  // same size; the entries below give it the same CRC
  ASSERT_EQ(forged.size(), original.size());
  const uint64_t size = original.size();
  const std::string forgery = dir.write("forged.jpg", forged);
  list.entries() = {TDeletedEntry(size, crcOf(forged), digestOf(original))};
  EXPECT_FALSE(list.MatchFile(forgery, size)) << "same size and CRC, other contents";

  const std::string copy = dir.write("back/again.jpg", original);
  EXPECT_FALSE(list.MatchFile(copy, size + (uint64_t{1} << 32))) << "the low 32 bits alone are not the size";
  const auto match = list.MatchFile(copy, size);
  ASSERT_TRUE(match);
  EXPECT_FALSE(match->classic);
  EXPECT_TRUE(FileExists(copy)) << "matching removes nothing";
  std::string reason;
  EXPECT_TRUE(list.RemoveMatchedFile(*match, false, reason)) << reason;
  EXPECT_FALSE(FileExists(copy));

  list.entries().push_back({static_cast<uint32_t>(size), crcOf(forged)});
  const auto classic = list.MatchFile(forgery, size);
  ASSERT_TRUE(classic) << "a classic entry still matches on size and CRC";
  EXPECT_TRUE(classic->classic);

  list.entries() = {{0, 0}};
  EXPECT_FALSE(list.MatchFile(dir.write("elsewhere/empty.txt", std::string()), 0)) << "an empty file never matches";
}

// Between the match and the removal the file is checked again: other bytes of the
// same size or a link there are refused; a removal that fails is no deletion.
TEST_F(DeletedListTest, ARemovalChecksTheFileJustBefore) {
  list.entries() = {strongOf("unwanted")};
  const std::string swapped = dir.write("photos/swapped.jpg", std::string("unwanted"));
  const auto first = list.MatchFile(swapped, 8);
  ASSERT_TRUE(first);
  dir.write("photos/swapped.jpg", std::string("replaced"));
  std::string reason;
  EXPECT_FALSE(list.RemoveMatchedFile(*first, false, reason));
  EXPECT_EQ(reason, "it changed since it was read");
  std::filesystem::remove(swapped);
  std::filesystem::create_symlink(dir.write("elsewhere/target.jpg", std::string("unwanted")), swapped);
  EXPECT_FALSE(list.RemoveMatchedFile(*first, false, reason));
  EXPECT_EQ(reason, "it is no longer a regular file");

  const std::string locked = dir.write("locked.jpg", std::string("unwanted"));
  list.setRemover([](const std::string&, bool) { return FileRemoval{false, "Permission denied", {}}; });
  EXPECT_FALSE(list.RemoveMatchedFile(*list.MatchFile(locked, 8), false, reason));
  EXPECT_EQ(reason, "Permission denied");
}

// A file restored to the place it was deleted from is no match and the list forgets
// its contents; a fresh copy elsewhere still matches while no restored file drops them.
TEST_F(DeletedListTest, AFileBackWhereItWasDeletedFromIsKeptAndForgottenAFreshCopyElsewhereMatches) {
  const std::string restored = dir.write("photos/sunset.jpg", std::string("sunset bytes"));
  const std::string fresh = dir.write("downloads/sunset (1).jpg", std::string("sunset bytes"));
  const ContentSums sums = *ReadContentSums(restored);
  list.entries() = {*DeletedList::EntryOf(sums, dir.path() + "/photos/./sunset.jpg"), strongOf("other")};
  EXPECT_EQ(list.entries()[0].Origin, restored) << "the origin is kept in its normal form";
  EXPECT_TRUE(list.MatchFile(fresh, 12)) << "a fresh copy elsewhere";
  bool back = false;
  EXPECT_FALSE(list.MatchFile(restored, 12, &back));
  EXPECT_TRUE(back);
  EXPECT_EQ(list.entries(), std::vector<TDeletedEntry>{strongOf("other")});
  EXPECT_FALSE(list.MatchFile(fresh, 12)) << "its contents are wanted again";
}

// Two programs saving: each writes its own changes into the file as it is then.
TEST_F(DeletedListTest, SavingChangesKeepsWhatAnotherProgramSavedMeanwhile) {
  writeListFile(test::Compressed(DeletedList::Encode({strongOf("one"), strongOf("two")})));
  list.LoadDeletedList(host);
  DeletedList other;
  other.AddToDeletedList(dir.write("x.txt", std::string("three")), host);
  list.entries().erase(list.entries().begin());
  list.AddToDeletedList(dir.write("y.txt", std::string("four")), host);
  other.SaveChanges();
  list.SaveChanges();
  DeletedList again;
  again.LoadDeletedList(host);
  EXPECT_EQ(again.entries(), (std::vector<TDeletedEntry>{strongOf("two"), strongOf("three"), strongOf("four")}));

  writeListFile("garbage");
  list.AddToDeletedList(dir.write("z.txt", std::string("five")), host);
  EXPECT_THROW(list.SaveChanges(), std::runtime_error);
  EXPECT_EQ(test::ReadFileBytes(DeletedList::fileName()), "garbage") << "a damaged list is never overwritten";
}

}  // namespace
}  // namespace vl

// Tests of the image database format: record layout, writer, reader and loading into a scan list.
#include <gtest/gtest.h>

#include <cstring>
#include <tuple>

#include "core/database/database_file.h"
#include "core/database/volume_table.h"
#include "core/files/little_endian.h"
#include "core/scan/gather.h"
#include "tests/support/temp_dir.h"

namespace vl {
namespace {

std::unique_ptr<TScanEntry> makeEntry(const std::string& path, const std::string& volume, int seed) {
  auto entry = std::make_unique<TScanEntry>();
  entry->Path = path;
  entry->Volume = volume;
  entry->Size = 1000 + seed;
  entry->FileDate = 45000.5 + seed / 7.0;
  entry->Width = 640 + seed;
  entry->Height = 480 - seed;
  entry->Fingerprint = std::make_unique<TFingerprint>();
  for (size_t i = 0; i < FingerprintSize; ++i) (*entry->Fingerprint)[i] = static_cast<uint8_t>((i + seed) % 4);
  return entry;
}

// Version 1000 followed by the records of the entries, uncompressed.
std::vector<uint8_t> databaseData(const ScanList& entries) {
  std::vector<uint8_t> data(4);
  PutLE32(data.data(), DatabaseVersion);
  for (const auto& entry : entries) {
    uint8_t record[DatabaseRecordSize];
    EncodeDatabaseRecord(*entry, record);
    data.insert(data.end(), record, record + DatabaseRecordSize);
  }
  return data;
}

ScanList readAll(const std::string& path, DatabaseOutcome& outcome) {
  ScanList records;
  outcome = ReadDatabaseRecords(path, [&](std::unique_ptr<TScanEntry> e) { records.push_back(std::move(e)); });
  return records;
}

void expectSameEntry(const TScanEntry& got, const TScanEntry& want) {
  ASSERT_TRUE(got.Fingerprint);
  const auto fields = [](const TScanEntry& e) {
    return std::tuple(e.Path, e.Volume, e.Size, e.FileDate, e.Width, e.Height, *e.Fingerprint);
  };
  EXPECT_EQ(fields(got), fields(want));
}

class DatabaseTest : public ::testing::Test {
 protected:
  LoadAnswer load(const std::string& fileName) {
    return LoadDatabaseIntoList(fileName, list, errors);
  }

  test::TempDir dir;
  test::ScopedEnv appDir{"VELLORAN_APPDIR", dir.path() + "/"};
  std::vector<std::string> errors;
  ScanList list;
};

// Texts are length-prefixed and space-filled; numbers little-endian; a long path or
// label is cut, and a damaged length byte is clamped to its field.
TEST(DatabaseRecord, FieldsAtTheirOffsetsAndLengthsBounded) {
  auto entry = makeEntry("/pics/a.jpg", "ARCHIVE", 1);
  entry->Size = -2;
  entry->FileDate = 1.5;
  uint8_t record[DatabaseRecordSize];
  std::memset(record, 0xAA, sizeof record);
  EncodeDatabaseRecord(*entry, record);
  const std::string text(record, record + 272);
  EXPECT_EQ(text, std::string("\0\x0b/pics/a.jpg", 13) + std::string(244, ' ') + "\x07" "ARCHIVE" +
                      std::string(6, ' ') + std::string(1, '\0'));
  const uint8_t numbers[] = {0xFE, 0xFF, 0xFF, 0xFF,                     // size -2
                             0,    0,    0,    0, 0, 0, 0xF8, 0x3F,      // date 1.5, an IEEE-754 double
                             0x81, 0x02, 0,    0, 0xDF, 0x01, 0, 0};     // width 641, height 479
  EXPECT_EQ(std::memcmp(record + 272, numbers, sizeof numbers), 0);
  EXPECT_EQ(std::memcmp(record + 292, entry->Fingerprint->data(), FingerprintSize), 0);

  entry = makeEntry(std::string(300, 'p'), "A-VERY-LONG-VOLUME-LABEL", 2);
  EncodeDatabaseRecord(*entry, record);
  auto decoded = DecodeDatabaseRecord(record);
  EXPECT_EQ(std::tuple(record[1], record[257], decoded->Path, decoded->Volume),
            std::tuple(255, 13, std::string(255, 'p'), "A-VERY-LONG-V"));
  entry->Volume = "AB";
  EncodeDatabaseRecord(*entry, record);
  record[257] = 200;  // beyond the label's 13 characters: clamped, never reads past the field
  EXPECT_EQ(DecodeDatabaseRecord(record)->Volume, "AB" + std::string(11, ' '));
  record[257] = 0;
  record[1] = 0;
  record[0] = 1;
  decoded = DecodeDatabaseRecord(record);
  EXPECT_EQ(decoded->Path + decoded->Volume, "");
  EXPECT_EQ(decoded->Excluded, 1);
}

TEST_F(DatabaseTest, WriteAndReadBackKeepsFingerprintedIncludedEntriesInOrder) {
  ScanList entries;
  entries.push_back(makeEntry("/m/" + std::string(252, 'x'), "ARCHIVE", 1));  // exactly 255 characters
  entries.push_back(makeEntry("/m/skipped-no-fingerprint.jpg", "ARCHIVE", 2));
  entries.back()->Fingerprint.reset();
  entries.push_back(makeEntry("/m/skipped-excluded.jpg", "ARCHIVE", 3));
  entries.back()->Excluded = 1;
  entries.push_back(makeEntry("/m/b.jpg", "LABEL-LONGER-THAN-13", 4));
  entries.push_back(makeEntry("/m/" + std::string(253, 'x'), "ARCHIVE", 5));  // one byte too long: left out
  const std::string file = dir.file("pics.VDB");
  EXPECT_EQ(WriteDatabase(file, entries), 1u);

  const std::string data = test::InflatedFile(file);
  ASSERT_EQ(data.size(), 4 + 2 * DatabaseRecordSize);
  EXPECT_EQ(data.substr(0, 4), std::string("\xE8\x03\x00\x00", 4));

  DatabaseOutcome outcome{};
  const ScanList records = readAll(file, outcome);
  ASSERT_EQ(outcome, DatabaseOutcome::Readable);
  ASSERT_EQ(records.size(), 2u);
  expectSameEntry(*records[0], *entries[0]);
  entries[3]->Volume = "LABEL-LONGER-";  // cut to the label's 13 characters
  expectSameEntry(*records[1], *entries[3]);
}

TEST_F(DatabaseTest, DamagedDatabasesAreLeftOutWholeWithTheirMessageAndGatheringGoesOn) {
  ScanList entries;
  for (int i = 0; i < 5; ++i) entries.push_back(makeEntry("/absent/" + std::to_string(i), "NOSUCHVOL", i));
  std::vector<uint8_t> data = databaseData(entries);
  const std::string whole = test::Compressed(data);
  data.resize(4 + 4 * DatabaseRecordSize + 100);
  const std::vector<std::pair<std::string, std::string>> damaged = {
      {dir.write("partial.VDB", test::Compressed(data)), "unexpected end of file inside a record"},
      {dir.write("cut.VDB", whole.substr(0, whole.size() * 2 / 3)), "unexpected end of file"},
  };
  list.push_back(makeEntry("/kept/before", "NOSUCHVOL", 9));
  for (const auto& [file, reason] : damaged) {
    errors.clear();
    EXPECT_EQ(load(file), LoadAnswer::Continue);
    ASSERT_EQ(list.size(), 1u) << file;
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], file + "\n\ndoes not appear to be a valid database.\n\n" + reason);
    std::string damage;
    EXPECT_EQ(CheckDatabase(file, damage), DatabaseOutcome::Invalid);
    EXPECT_EQ(damage, reason);
  }
  std::string damage = "stale";
  EXPECT_EQ(CheckDatabase(dir.write("whole.VDB", whole), damage), DatabaseOutcome::Readable);
  EXPECT_EQ(damage, "");
}

TEST_F(DatabaseTest, EmptyForeignOtherVersionAndMissingFilesGiveTheirMessage) {
  const std::string versionOnly = dir.file("version-only.VDB");
  WriteDatabase(versionOnly, ScanList{});
  EXPECT_EQ(test::InflatedFile(versionOnly), std::string("\xE8\x03\x00\x00", 4));
  ScanList entries;
  entries.push_back(makeEntry("/absent/a", "NOSUCHVOL", 1));
  std::vector<uint8_t> oldData = databaseData(entries);
  PutLE32(oldData.data(), 999);
  const std::string invalid = "\n\ndoes not appear to be a valid database.";
  const std::vector<std::pair<std::string, std::string>> files = {
      {versionOnly, ""},
      {dir.write("empty.VDB", ""), dir.file("empty.VDB") + invalid},
      {dir.write("short.VDB", test::Compressed("\xE8\x03")), dir.file("short.VDB") + invalid},
      {dir.write("old.VDB", test::Compressed(oldData)),
       "Database: \n\n" + dir.file("old.VDB") + "\n\nis a different version, can not open."},
  };
  for (const auto& [file, message] : files) {
    errors.clear();
    EXPECT_EQ(load(file), LoadAnswer::Continue) << file;
    if (message.empty()) {
      EXPECT_TRUE(errors.empty());
      continue;
    }
    ASSERT_EQ(errors.size(), 1u) << file;
    EXPECT_EQ(errors[0], message);
  }
  EXPECT_TRUE(list.empty());

  // A missing database stops the gathering.
  errors.clear();
  const std::string file = dir.file("gone.VDB");
  EXPECT_EQ(load(file), LoadAnswer::Stop);
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0], "Unable to locate database file \n\n" + file);
  EXPECT_EQ(load(dir.makeDir("folder.VDB")), LoadAnswer::Stop);  // a folder is not a database file
}

TEST_F(DatabaseTest, RecordsOfPresentVolumeWithGoneFilesDroppedAbsentVolumesKept) {
  const std::string present = dir.write("here.jpg", std::string("picture"));
  const std::string gone = dir.file("gone.jpg");
  const std::string label = VolumeLabelOfPath(present);
  ASSERT_TRUE(IsVolumeMounted(present, label)) << "the temporary folder's volume is present";
  ScanList entries;
  entries.push_back(makeEntry(present, label, 1));
  entries.push_back(makeEntry(gone, label, 2));
  entries.push_back(makeEntry(gone, "NOSUCHVOL", 3));
  entries.push_back(makeEntry("/nowhere/at/all.jpg", "NOSUCHVOL", 4));
  const std::string file = dir.file("mixed.VDB");
  WriteDatabase(file, entries);

  EXPECT_EQ(load(file), LoadAnswer::Continue);
  ASSERT_EQ(list.size(), 3u);
  for (auto [got, want] : {std::pair{0, 0}, {1, 2}, {2, 3}}) expectSameEntry(*list[got], *entries[want]);
  EXPECT_TRUE(errors.empty());
}

}  // namespace
}  // namespace vl

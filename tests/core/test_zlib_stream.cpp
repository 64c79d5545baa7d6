// Tests of the streaming zlib writer and readers: round trips, truncation, damage.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/files/safe_file_writer.h"
#include "core/files/zlib_stream.h"
#include "tests/support/temp_dir.h"

namespace vl {
namespace {

std::string sampleText(size_t size) {
  std::string text;
  text.reserve(size);
  uint32_t state = 12345;
  while (text.size() < size) {
    state = state * 1103515245u + 12345u;
    text += static_cast<char>('a' + (state >> 16) % 7);  // compressible but not trivial
  }
  return text;
}

std::string readAll(ZlibReader& reader, size_t piece) {
  std::string out;
  std::string buffer(piece, '\0');
  size_t got = 0;
  while ((got = reader.read(buffer.data(), piece)) == piece) out.append(buffer, 0, got);
  out.append(buffer, 0, got);
  return out;
}

TEST(ZlibStream, FileRoundTripInAnyPieceSize) {
  test::TempDir dir;
  const std::string target = dir.file("data.z");
  const std::string text = sampleText(700 * 1000);
  {
    ZlibFileWriter writer(target);
    writer.write(text.data(), 1);
    writer.write(text.data() + 1, text.size() - 1);
    writer.commit();
  }
  for (const size_t piece : {size_t{1}, size_t{392}, size_t{65536}, size_t{1} << 20}) {
    ZlibFileReader reader(target);
    EXPECT_EQ(readAll(reader, piece), text) << piece;
    EXPECT_TRUE(reader.complete());
  }
  const std::string bytes = test::ReadFileBytes(target);
  ASSERT_GE(bytes.size(), 2u);
  EXPECT_EQ(static_cast<uint8_t>(bytes[0]), 0x78);  // zlib header, deflate with 32 KiB window
  EXPECT_EQ(static_cast<uint8_t>(bytes[1]), 0x01);  // level 1
}

TEST(SafeFileWriter, ACommitRemovesLeftoversButNotATemporaryStillBeingWritten) {
  test::TempDir dir;
  const std::string target = dir.file("settings.ini");
  const std::string leftover = dir.write("settings.ini.tmp-k1LLed", std::string("half"));
  const std::string unrelated = dir.write("settings.ini.tmp-other-name", std::string("kept"));
  SafeFileWriter live(target);
  live.write("live", 4);
  WriteFileSafely(target, "first");
  EXPECT_FALSE(std::filesystem::exists(leftover));
  EXPECT_TRUE(std::filesystem::exists(unrelated));
  live.commit();  // its temporary survived the other commit
  EXPECT_EQ(test::ReadFileBytes(target), "live");
  size_t files = 0;
  for ([[maybe_unused]] const auto& item : std::filesystem::directory_iterator(dir.path())) ++files;
  EXPECT_EQ(files, 2u);
}

TEST(ZlibStream, TargetReplacedOnlyOnCommit) {
  test::TempDir dir;
  const std::string target = dir.write("data.z", std::string("old"));
  {
    ZlibFileWriter writer(target);
    writer.write("new", 3);
  }
  EXPECT_EQ(test::ReadFileBytes(target), "old");
  EXPECT_THROW(ZlibFileWriter(dir.file("no/such/folder/data.z")), std::runtime_error);
}

TEST(ZlibStream, DataEndingBeforeTheTrailerIsDamageAfterTheBytesBeforeIt) {
  const std::string text = sampleText(100 * 1000);
  const std::vector<uint8_t> packed = ZlibCompress(text.data(), text.size());
  for (const size_t kept : {packed.size() / 2, packed.size() - 1, size_t{0}}) {
    ZlibMemoryReader cut(packed.data(), kept);
    std::string got;
    char buffer[1000];
    try {
      for (size_t n = 0; (n = cut.read(buffer, sizeof buffer)) > 0;) got.append(buffer, n);
      FAIL() << "no error for " << kept << " bytes";
    } catch (const ZlibDataError& e) {
      EXPECT_STREQ(e.what(), "unexpected end of file");
    }
    EXPECT_EQ(got, text.substr(0, got.size()));
    EXPECT_FALSE(cut.complete());
  }

  // A whole stream whose data ends inside a record is damaged too.
  const std::vector<uint8_t> records = ZlibCompress(text.data(), 1000);
  ZlibMemoryReader reader(records.data(), records.size());
  char record[400];
  EXPECT_TRUE(reader.readRecord(record, sizeof record));
  EXPECT_TRUE(reader.readRecord(record, sizeof record));
  EXPECT_THROW(reader.readRecord(record, sizeof record), ZlibDataError);
  ZlibMemoryReader exact(records.data(), records.size());
  EXPECT_TRUE(exact.readRecord(record, 500));
  EXPECT_TRUE(exact.readRecord(record, 500));
  EXPECT_FALSE(exact.readRecord(record, 500));
  EXPECT_TRUE(exact.complete());
}

TEST(ZlibStream, NotZlibAndDamagedDataThrowZlibsMessage) {
  const std::string plain = "this is not a zlib stream";
  ZlibMemoryReader notZlib(plain.data(), plain.size());
  char buffer[16];
  try {
    notZlib.read(buffer, sizeof buffer);
    FAIL() << "no error";
  } catch (const ZlibDataError& e) {
    EXPECT_STREQ(e.what(), "incorrect header check");
  }

  const std::string text = sampleText(5000);
  std::vector<uint8_t> packed = ZlibCompress(text.data(), text.size());
  packed.back() ^= 0xFF;  // the Adler-32 trailer
  ZlibMemoryReader damaged(packed.data(), packed.size());
  std::string out(text.size(), '\0');
  try {
    damaged.read(out.data(), out.size() + 1);
    FAIL() << "no error";
  } catch (const ZlibDataError& e) {
    EXPECT_STREQ(e.what(), "incorrect data check");
  }
}

TEST(ZlibStream, BytesAfterTheStreamAreIgnored) {
  const std::string text = "hello";
  std::vector<uint8_t> packed = ZlibCompress(text.data(), text.size());
  packed.insert(packed.end(), {'j', 'u', 'n', 'k'});
  ZlibMemoryReader reader(packed.data(), packed.size());
  EXPECT_EQ(readAll(reader, 100), text);
  EXPECT_TRUE(reader.complete());
}

}  // namespace
}  // namespace vl

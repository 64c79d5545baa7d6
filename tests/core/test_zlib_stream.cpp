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

// The reason of the ZlibDataError that reading all of `packed` raises ("" for none);
// `got` receives the bytes handed over before it.
std::string damageOf(const std::vector<uint8_t>& packed, size_t size, std::string& got) {
  ZlibMemoryReader reader(packed.data(), size);
  got.clear();
  char buffer[1000];
  try {
    for (size_t n = 0; (n = reader.read(buffer, sizeof buffer)) > 0;) got.append(buffer, n);
  } catch (const ZlibDataError& e) {
    EXPECT_FALSE(reader.complete());
    return e.what();
  }
  EXPECT_TRUE(reader.complete());
  return "";
}

TEST(ZlibStream, TheTargetIsReplacedOnlyOnCommitAndReadsBackInAnyPieceSize) {
  test::TempDir dir;
  const std::string target = dir.write("data.z", std::string("old"));
  {
    ZlibFileWriter abandoned(target);
    abandoned.write("new", 3);
  }
  EXPECT_EQ(test::ReadFileBytes(target), "old");
  EXPECT_THROW(ZlibFileWriter(dir.file("no/such/folder/data.z")), std::runtime_error);

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
  // The zlib header: deflate with a 32 KiB window, level 1.
  EXPECT_EQ(test::ReadFileBytes(target).substr(0, 2), "\x78\x01");
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
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 2);
}

// Damage is reported with zlib's message once the bytes before it are handed over;
// bytes after a whole stream are ignored.
TEST(ZlibStream, CutNotZlibAndDamagedDataThrowAfterTheBytesBeforeTheDamage) {
  const std::string text = sampleText(100 * 1000);
  std::vector<uint8_t> packed = ZlibCompress(text.data(), text.size());
  std::string got;
  for (const size_t kept : {packed.size() / 2, packed.size() - 1, size_t{0}}) {
    EXPECT_EQ(damageOf(packed, kept, got), "unexpected end of file") << kept;
    EXPECT_EQ(got, text.substr(0, got.size()));
  }
  packed.insert(packed.end(), {'j', 'u', 'n', 'k'});
  EXPECT_EQ(damageOf(packed, packed.size(), got), "");
  EXPECT_EQ(got, text);

  const std::string plain = "this is not a zlib stream";
  EXPECT_EQ(damageOf(std::vector<uint8_t>(plain.begin(), plain.end()), plain.size(), got), "incorrect header check");
  packed.resize(packed.size() - 4);
  packed.back() ^= 0xFF;  // the Adler-32 trailer
  EXPECT_EQ(damageOf(packed, packed.size(), got), "incorrect data check");
}

}  // namespace
}  // namespace vl

// CRC-32 of files and byte-for-byte comparison.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zlib.h>

#include "core/files/file_checks.h"
#include "tests/support/temp_dir.h"

namespace vl {

namespace {

std::string patternBytes(size_t size) {
  std::string bytes(size, '\0');
  for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>((i * 7919 + i / 251) & 0xFF);
  return bytes;
}

uint32_t onePassCrc(const std::string& bytes) {
  return static_cast<uint32_t>(
      crc32(0L, reinterpret_cast<const Bytef*>(bytes.data()), static_cast<uInt>(bytes.size())));
}

}  // namespace

// Files past one read block must give the one-pass value; a folder is not a file.
TEST(FileCRC32, KnownValuesLargeFilesAndMissingFile) {
  test::TempDir dir;
  EXPECT_EQ(FileCRC32(dir.file("absent")), MissingFileCRC);
  EXPECT_EQ(FileCRC32(dir.path()), MissingFileCRC);
  EXPECT_EQ(FileCRC32(dir.write("empty", "")), 0u);
  EXPECT_EQ(FileCRC32(dir.write("digits", "123456789")), 0xCBF43926u);
  for (const size_t size : {size_t{1} << 20, (size_t{1} << 20) + 1, (size_t{5} << 20) / 2}) {
    const std::string bytes = patternBytes(size);
    EXPECT_EQ(FileCRC32(dir.write("big", bytes)), onePassCrc(bytes)) << size;
  }
}

TEST(FileCRC32, AFileThatCannotBeReadRaises) {
  // The process's memory file opens but fails at offset 0, for root too.
  EXPECT_THROW(FileCRC32("/proc/self/mem"), FileAccessError);
  if (::geteuid() == 0) return;  // root opens files regardless of their permissions
  test::TempDir dir;
  const std::string file = dir.write("locked", "data");
  ::chmod(file.c_str(), 0);
  EXPECT_THROW(FileCRC32(file), FileAccessError);
}

// Sizes around the read block; a change at the start, middle or end must be found.
TEST(CompareFileContents, EqualOnlyForIdenticalBytesOfEverySize) {
  test::TempDir dir;
  for (const size_t size : {size_t{1}, size_t{1024}, size_t{2048}, size_t{65536}, size_t{65537}, size_t{200000}}) {
    const std::string bytes = patternBytes(size);
    const std::string original = dir.write("a", bytes);
    EXPECT_TRUE(CompareFileContents(original, dir.write("b", bytes))) << size;
    for (const size_t at : {size_t{0}, size / 2, size - 1}) {
      std::string changed = bytes;
      changed[at] = static_cast<char>(changed[at] ^ 0x01);
      EXPECT_FALSE(CompareFileContents(original, dir.write("b", changed))) << size << " at " << at;
    }
  }
  EXPECT_TRUE(CompareFileContents(dir.write("a", ""), dir.write("b", "")));
}

// An unreadable file of another size is never opened for reading, so it just differs.
TEST(CompareFileContents, OtherSizesMissingFilesAndFoldersDiffer) {
  test::TempDir dir;
  const std::string present = dir.write("present", "abc");
  EXPECT_FALSE(CompareFileContents(present, dir.write("longer", "abcd")));
  EXPECT_FALSE(CompareFileContents(dir.write("empty", ""), present));
  const std::string locked = dir.write("locked", "abcdef");
  ::chmod(locked.c_str(), 0);
  EXPECT_FALSE(CompareFileContents(present, locked));
  EXPECT_FALSE(CompareFileContents(present, dir.file("absent")));
  EXPECT_FALSE(CompareFileContents(dir.file("absent"), dir.file("absent")));
  EXPECT_FALSE(CompareFileContents(dir.path(), dir.path()));
  EXPECT_TRUE(CompareFileContents(present, present));
}

}  // namespace vl

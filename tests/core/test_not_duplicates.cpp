// Pairs remembered as not duplicates: left out of image scans after renames and moves, and the list file's damage handling.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/files/little_endian.h"
#include "core/scan/not_duplicates.h"
#include "tests/core/scan_fixture.h"

namespace vl::test {
namespace {

using Groups = std::vector<std::string>;

class NotDuplicatesTest : public ScanFixture {
 protected:
  // Remembers the pair as `velloran-cli notdupes add` does; false when it was known.
  bool remember(const std::string& a, const std::string& b) {
    NotDuplicateSide first, second;
    std::string reason;
    EXPECT_TRUE(SideOfFile(a, first, reason) && SideOfFile(b, second, reason)) << reason;
    return RememberNotDuplicate(NotDuplicatesFileName(), MakeNotDuplicatePair(first, second));
  }
  Groups imageScan(const std::vector<std::string>& folders) {
    EXPECT_EQ(scan(ScanMode::Images, {}, folders).end, ScanEnd::Completed);
    return groups();
  }
};

TEST_F(NotDuplicatesTest, ARememberedPairStaysApartAfterARenameAndAMoveAndItsFilesPairWithOthers) {
  const std::string photo = writePhoto("a/1.jpg");
  const std::string recompressed = writePhoto("a/2.jpg", 0, 60);
  const std::string other = writePhoto("a/3.jpg", 0, 75);
  writePhoto("a/4.jpg", 7);
  ASSERT_EQ(imageScan({dir.file("a")}).size(), 1u);

  EXPECT_TRUE(remember(photo, recompressed));
  EXPECT_TRUE(remember(photo, other));
  EXPECT_FALSE(remember(other, photo)) << "a pair and its mirror are kept once";
  const Groups apart = imageScan({dir.file("a")});
  ASSERT_EQ(apart.size(), 1u);
  EXPECT_EQ(apart[0].rfind("a/2.jpg: a/3.jpg(", 0), 0u) << "the rejected candidates stay free for a later head";

  std::filesystem::rename(recompressed, dir.file("a/renamed.jpg"));
  std::filesystem::create_directories(dir.file("b"));
  std::filesystem::rename(other, dir.file("b/moved.jpg"));
  copyFile(photo, "b/0copy.jpg");
  const Groups afterMove = imageScan({dir.file("b"), dir.file("a")});
  ASSERT_EQ(afterMove.size(), 2u) << afterMove[0];
  EXPECT_EQ(afterMove[0].rfind("b/0copy.jpg: a/1.jpg(0", 0), 0u) << afterMove[0];
  EXPECT_EQ(afterMove[1].rfind("b/moved.jpg: a/renamed.jpg(", 0), 0u) << afterMove[1];

  request.notDuplicatesFile.clear();
  ASSERT_EQ(scan(ScanMode::Images, {}, {dir.file("a")}, "*.jpg").end, ScanEnd::Completed);
  ASSERT_EQ(groups().size(), 1u);
  EXPECT_EQ(groups()[0].rfind("a/1.jpg: a/renamed.jpg(", 0), 0u) << "ignoring the list pairs as before";
}

TEST_F(NotDuplicatesTest, DamagedAndOversizedListsAreNamedOnceAndLeaveNothingOut) {
  const std::string photo = writePhoto("a/1.jpg");
  copyFile(photo, "a/2.jpg");
  ASSERT_TRUE(remember(photo, dir.file("a/2.jpg")));
  const std::string file = NotDuplicatesFileName();
  const std::string sound = ReadFileBytes(file);
  ASSERT_EQ(sound.size(), 12u + 216u + 4u);
  EXPECT_EQ(imageScan({dir.file("a")}), Groups{}) << "the sound list leaves the pair out";

  std::string flipped = sound;
  flipped[20] ^= 1;
  const std::vector<std::pair<std::string, std::string>> damaged = {
      {flipped, "checksum mismatch"},
      {sound.substr(0, sound.size() - 1), "wrong length"},
      {"VLNX" + sound.substr(4), "not a list of pairs"},
      {std::string(sound.substr(0, 4)) + std::string("\x02\0\0\0", 4) + sound.substr(8), "version 2 is not known"},
      {std::string(sound.substr(0, 8)) + std::string("\xA1\x86\x01\0\0\0\0\0", 8), "100001 pairs, more than 100000"},
  };
  for (const auto& [bytes, reason] : damaged) {
    SCOPED_TRACE(reason);
    dir.write("app/notdupes", bytes);
    host.messages.clear();
    EXPECT_EQ(imageScan({dir.file("a")}), Groups{"a/1.jpg: a/2.jpg(0,*)"});
    const std::vector<std::string> texts = messageTexts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0], "The not-duplicate list " + file + " is damaged (" + reason + "); it is taken as empty.");
  }

  // Longer than any list may be: read only up to its bound.
  dir.write("app/notdupes", sound);
  std::filesystem::resize_file(file, 12 + 216 * 100001 + 4);
  std::string problem;
  EXPECT_TRUE(ReadNotDuplicates(file, problem).empty());
  EXPECT_NE(problem.find("(wrong length)"), std::string::npos) << problem;

  // Adding over a damaged list is refused and keeps the file; a full list refuses the next pair.
  NotDuplicateSide side;
  std::string reason;
  ASSERT_TRUE(SideOfFile(photo, side, reason));
  const std::string damagedBytes = ReadFileBytes(file);
  EXPECT_THROW(RememberNotDuplicate(file, MakeNotDuplicatePair(side, side)), std::runtime_error);
  EXPECT_EQ(ReadFileBytes(file), damagedBytes);
  ForgetNotDuplicates(file);
  EXPECT_TRUE(RememberNotDuplicate(file, MakeNotDuplicatePair(side, side)));
  EXPECT_EQ(ReadNotDuplicates(file, problem = "").size(), 1u);
  EXPECT_EQ(problem, "");
  EXPECT_FALSE(SideOfFile(dir.write("a/notes.jpg", std::string("text")), side, reason));
  EXPECT_EQ(reason, dir.file("a/notes.jpg") + " is not a picture that can be read.");
  EXPECT_THROW(WriteNotDuplicates(file, std::vector<NotDuplicatePair>(MaxNotDuplicatePairs + 1)), std::runtime_error);
  ForgetNotDuplicates(file);
  EXPECT_EQ(ReadFileBytes(file).size(), 16u);
  EXPECT_TRUE(ReadNotDuplicates(file, problem = "").empty());
  EXPECT_EQ(problem, "");
}

}  // namespace
}  // namespace vl::test

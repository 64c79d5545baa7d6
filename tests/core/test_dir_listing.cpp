// Folder listing and the conversion of file times to date-time values.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <ctime>
#include <tuple>

#include "core/files/dir_listing.h"
#include "tests/support/temp_dir.h"

namespace vl {

namespace {

// Sets TZ for the lifetime of the guard.
struct TimeZone {
  explicit TimeZone(const char* zone) : old(std::getenv("TZ") ? std::getenv("TZ") : "") { set(zone); }
  ~TimeZone() { set(old.empty() ? nullptr : old.c_str()); }
  static void set(const char* zone) {
    zone ? ::setenv("TZ", zone, 1) : ::unsetenv("TZ");
    ::tzset();
  }
  std::string old;
};

std::vector<std::string> namesOf(const std::vector<DirItem>& items) {
  std::vector<std::string> names;
  for (const DirItem& item : items) names.push_back(item.name);
  return names;
}

}  // namespace

// Whole days since 30 December 1899 in local time, the seconds truncated to even ones.
TEST(FileTimeToDateTime, CountsDaysSince30December1899InLocalTimeInEvenSeconds) {
  {
    const TimeZone utc("UTC");
    EXPECT_DOUBLE_EQ(FileTimeToDateTime(0), 25569.0);  // 1 January 1970
    EXPECT_DOUBLE_EQ(FileTimeToDateTime(86400 + 12 * 3600), 25570.5);
    EXPECT_DOUBLE_EQ(FileTimeToDateTime(951782400), 36585.0);  // 29 February 2000, a leap day
    EXPECT_DOUBLE_EQ(FileTimeToDateTime(86399), 25569.0 + 86398.0 / 86400);
  }
  const TimeZone east("XYZ-2");  // two hours ahead of UTC, no daylight saving
  EXPECT_DOUBLE_EQ(FileTimeToDateTime(0), 25569.0 + 2.0 / 24);
}

// Links are followed and broken ones left out.
TEST(ListDirectory, SortsByteWiseSkipsDotEntriesAndFollowsLinks) {
  test::TempDir dir;
  for (const char* name : {"b.jpg", "B.jpg", "_x", ".hidden", "\xc3\xa9t\xc3\xa9.png"}) dir.write(name, "1");
  const std::string target = dir.write("a", "abc");
  dir.makeDir("Folder");
  ASSERT_EQ(::symlink(target.c_str(), dir.file("link").c_str()), 0);
  ASSERT_EQ(::symlink(dir.file("gone").c_str(), dir.file("broken").c_str()), 0);
  const std::vector<DirItem> items = ListDirectory(dir.path());
  ASSERT_EQ(namesOf(items), (std::vector<std::string>{".hidden", "B.jpg", "Folder", "_x", "a", "b.jpg", "link",
                                                      "\xc3\xa9t\xc3\xa9.png"}));
  EXPECT_EQ(std::tuple(items[0].isHidden, items[1].isHidden, items[1].isDirectory, items[2].isDirectory, items[6].size),
            std::tuple(true, false, false, true, 3));
}

// Size holds the low 32 bits of a file's size, FullSize all of it.
TEST(ListDirectory, GivesSizeAndDateFromTheFileAndStopsWhenAsked) {
  const TimeZone utc("UTC");
  test::TempDir dir;
  const std::string file = dir.write("photo.jpg", std::string(1234, 'x'));
  const struct timespec times[2] = {{86401, 0}, {86401, 0}};  // 2 January 1970 00:00:01
  ASSERT_EQ(::utimensat(AT_FDCWD, file.c_str(), times, 0), 0);
  const std::string sparse = dir.write("sparse", "");
  ASSERT_EQ(::truncate(sparse.c_str(), (int64_t{1} << 32) + 5), 0);
  const std::vector<DirItem> items = ListDirectory(dir.path() + "/");
  ASSERT_EQ(items.size(), 2u);
  EXPECT_EQ(std::tuple(items[0].size, items[0].fullSize, items[0].fileDate, items[1].size, items[1].fullSize),
            std::tuple(1234, int64_t{1234}, 25570.0, 5, (int64_t{1} << 32) + 5));
  ASSERT_EQ(::truncate(sparse.c_str(), 0xFFFFFFFFll), 0);
  EXPECT_EQ(ListDirectory(dir.path())[1].size, -1);

  const std::optional<DirItem> found = FindFile(file);
  ASSERT_TRUE(found);
  EXPECT_EQ(std::pair(found->name, found->size), std::pair(std::string("photo.jpg"), 1234));
  EXPECT_FALSE(FindFile(dir.file("absent")));

  // A missing folder lists nothing; a stop ends the listing early.
  EXPECT_TRUE(ListDirectory(dir.file("absent")).empty());
  EXPECT_TRUE(ListDirectory("").empty());
  int asked = 0;
  EXPECT_EQ(ListDirectory(dir.path(), [&] { return ++asked > 1; }).size(), 1u);
}

}  // namespace vl

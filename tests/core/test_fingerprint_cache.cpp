// The fingerprint cache: hits without decoding, misses after a change, unsound rows, broken caches, two processes.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <thread>

#include "core/fingerprint/fingerprint_cache.h"
#include "core/scan/read_images.h"
#include "tests/core/scan_fixture.h"
#include "tests/support/image_writer.h"

namespace vl::test {
namespace {

std::string textOf(const FingerprintOutcome& outcome) {
  if (!outcome.ok) return "failed";
  std::string codes;
  for (const uint8_t code : outcome.fingerprint) codes += char('0' + code);
  return std::to_string(outcome.width) + "x" + std::to_string(outcome.height) + " " + codes;
}

class FingerprintCacheTest : public ScanFixture {
 protected:
  // Runs one statement on the cache file, binding `blob` to its first parameter when given;
  // gives the first column of the first row ("" when none).
  static std::string sql(const std::string& statement, const std::vector<uint8_t>* blob = nullptr) {
    sqlite3* db = nullptr;
    sqlite3_stmt* query = nullptr;
    std::string text;
    EXPECT_EQ(sqlite3_open(DefaultFingerprintCachePath().c_str(), &db), SQLITE_OK);
    EXPECT_EQ(sqlite3_prepare_v2(db, statement.c_str(), -1, &query, nullptr), SQLITE_OK) << statement;
    if (blob != nullptr) sqlite3_bind_blob(query, 1, blob->data(), int(blob->size()), SQLITE_TRANSIENT);
    const int step = sqlite3_step(query);
    EXPECT_TRUE(step == SQLITE_ROW || step == SQLITE_DONE) << statement;
    if (step == SQLITE_ROW && sqlite3_column_text(query, 0) != nullptr)
      text = reinterpret_cast<const char*>(sqlite3_column_text(query, 0));
    sqlite3_finalize(query);
    sqlite3_close(db);
    return text;
  }

  std::vector<std::string> photos(int count) const {
    std::vector<std::string> paths;
    for (int i = 0; i < count; ++i) paths.push_back(writePhoto("p/" + std::to_string(i) + ".jpg", i % 6));
    return paths;
  }

  // Reads 12 pictures twice through each of two caches at the default path (jobs 1
  // and 2), expecting the entries of a pass without cache; gives each cache's warning count.
  std::vector<long> warningsReadingThroughCache() {
    const std::vector<std::string> paths = photos(12);
    ScanList plain = listOf(paths);
    ReadImages(plain, nullptr, host);
    std::vector<long> counts;
    for (const int jobs : {1, 2}) {
      FingerprintCache cache;
      RecordingHost pass;
      for (int round = 0; round < 2; ++round) {
        ScanList list = listOf(paths);
        ReadImages(list, nullptr, pass, FingerprintOptions{jobs, &cache});
        EXPECT_EQ(describe(list), describe(plain)) << "jobs " << jobs << ", round " << round;
      }
      counts.push_back(std::count_if(pass.warnings.begin(), pass.warnings.end(), [](const std::string& text) {
        return text.rfind("Fingerprint cache unavailable: ", 0) == 0;
      }));
    }
    return counts;
  }
};

TEST_F(FingerprintCacheTest, AHitGivesTheStoredResultWithoutDecoding) {
  const std::string photo = writePhoto("photo.jpg");
  const FingerprintOutcome decoded = ComputeFingerprint(photo);
  ASSERT_TRUE(decoded.ok);
  {
    FingerprintCache cache;
    EXPECT_EQ(textOf(ComputeFingerprint(photo, &cache)), textOf(decoded));
    EXPECT_EQ(textOf(ComputeFingerprint(photo, &cache)), textOf(decoded)) << "a queued result is a hit too";
  }
  std::vector<uint8_t> altered(decoded.fingerprint.begin(), decoded.fingerprint.end());
  for (uint8_t& code : altered) code = uint8_t(3 - code);
  sql("UPDATE fingerprints SET fingerprint = ?", &altered);
  FingerprintCache cache;
  const FingerprintOutcome hit = ComputeFingerprint(photo, &cache);
  EXPECT_TRUE(std::equal(altered.begin(), altered.end(), hit.fingerprint.begin()));
}

TEST_F(FingerprintCacheTest, NewContentOfTheSameSizeAndDateIsAMiss) {
  const std::string path = dir.file("same.bmp");
  WriteBmp(path, GradientPicture(160, 120));
  const std::string before = textOf(ComputeFingerprint(path));
  { FingerprintCache cache; EXPECT_EQ(textOf(ComputeFingerprint(path, &cache)), before); }
  const FileKey old = *StatFileKey(path);
  std::this_thread::sleep_for(std::chrono::milliseconds(30));  // past the file system's time granularity
  WriteBmp(path, BlockPicture(160, 120, 20, {Rgb(250, 10, 10), Rgb(0, 0, 60), White}, 7));
  const struct timespec times[2] = {{0, UTIME_OMIT}, {old.modified / 1'000'000'000, old.modified % 1'000'000'000}};
  ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
  const FileKey now = *StatFileKey(path);
  ASSERT_TRUE(now.size == old.size && now.modified == old.modified && now.changed != old.changed);
  const std::string after = textOf(ComputeFingerprint(path));
  ASSERT_NE(after, before);
  FingerprintCache cache;
  EXPECT_EQ(textOf(ComputeFingerprint(path, &cache)), after);
  cache.flush();
  EXPECT_EQ(sql("SELECT count(*) FROM fingerprints"), "1") << "the new result replaced the old row";
}

TEST_F(FingerprintCacheTest, AFailureIsCachedAndUnsoundRowsAreMisses) {
  const std::string broken = dir.write("broken.jpg", std::string("not a picture"));
  const std::string photo = writePhoto("photo.jpg");
  const std::string decoded = textOf(ComputeFingerprint(photo));
  {
    FingerprintCache cache;
    EXPECT_FALSE(ComputeFingerprint(broken, &cache).ok);
    ComputeFingerprint(photo, &cache);
  }
  FingerprintCache reader;
  const auto failure = reader.lookup(broken, *StatFileKey(broken));
  ASSERT_TRUE(failure.has_value()) << "a failure is stored, so the file is not decoded again";
  EXPECT_FALSE(failure->ok);
  const std::string codesAbove3 = "fingerprint = x'" + std::string(200, '4') + "'";
  for (const std::string& change : {std::string("fingerprint = x'0102'"), codesAbove3, std::string("fingerprint = NULL"),
                                   std::string("ok = 2"), std::string("width = 0"), std::string("height = 'tall'"),
                                   std::string("height = 2147483648"), std::string("inode = 'x'")}) {
    sql("UPDATE fingerprints SET " + change + " WHERE ok = 1");
    FingerprintCache cache;
    EXPECT_FALSE(cache.lookup(photo, *StatFileKey(photo))) << change;
    EXPECT_EQ(textOf(ComputeFingerprint(photo, &cache)), decoded) << change;
  }
  EXPECT_EQ(textOf(*reader.lookup(photo, *StatFileKey(photo))), decoded) << "the row was written anew";
}

// A damaged file is left alone until cleared; then reads go through the cache; a
// folder in the cache's place cannot be cleared.
TEST_F(FingerprintCacheTest, AnUnusableCacheFileGivesOneWarningAndPlainResults) {
  const std::string path = DefaultFingerprintCachePath();
  dir.write("cache/velloran/fingerprints.sqlite", std::string(5000, 'x'));
  EXPECT_EQ(warningsReadingThroughCache(), (std::vector<long>{1, 1}));
  EXPECT_EQ(ReadFileBytes(path), std::string(5000, 'x'));
  EXPECT_EQ(ClearFingerprintCache(path), std::nullopt);
  EXPECT_EQ(warningsReadingThroughCache(), (std::vector<long>{0, 0}));
  EXPECT_EQ(FingerprintCache().stats().entries, 12);
  std::filesystem::remove(path);
  std::filesystem::create_directories(path);
  EXPECT_EQ(warningsReadingThroughCache(), (std::vector<long>{1, 1}));
}

TEST_F(FingerprintCacheTest, AFileOfAnotherVersionIsLeftAlone) {
  const std::string photo = writePhoto("photo.jpg");
  { FingerprintCache cache; ComputeFingerprint(photo, &cache); }
  sql("PRAGMA user_version = 7");
  FingerprintCache cache;
  EXPECT_FALSE(cache.lookup(photo, *StatFileKey(photo)));
  EXPECT_NE(cache.takeWarning().value_or("").find("another version"), std::string::npos);
  EXPECT_FALSE(cache.takeWarning()) << "the warning is given once";
  EXPECT_EQ(sql("SELECT count(*) FROM fingerprints"), "1");
}

// Caches of the versions before verified prints (1: no signature column, 2: 64-bit
// signatures that no longer count): their rows still hit where no print is wanted, a
// print is decoded and stored once, and the file is of the new version.
TEST_F(FingerprintCacheTest, OlderCachesAreMigratedAndTheirRowsKept) {
  const std::string photo = writePhoto("photo.jpg");
  const std::string decoded = textOf(ComputeFingerprint(photo));
  const std::optional<VerifiedPrint> verified = ComputeFingerprint(photo, nullptr, true).verified;
  ASSERT_TRUE(verified);
  for (const char* version : {"1", "2"}) {
    SCOPED_TRACE(version);
    { FingerprintCache cache; ComputeFingerprint(photo, &cache); }
    sql("ALTER TABLE fingerprints DROP COLUMN signature");
    if (version == std::string("2")) {
      sql("ALTER TABLE fingerprints ADD COLUMN signature INTEGER");
      sql("UPDATE fingerprints SET signature = 1234567");
    }
    sql(std::string("PRAGMA user_version = ") + version);
    sql("UPDATE fingerprints SET width = 77");  // tells a stored result from a decoded one
    {
      FingerprintCache cache;
      EXPECT_EQ(cache.lookup(photo, *StatFileKey(photo))->width, 77) << "an old row is kept";
      EXPECT_FALSE(cache.lookup(photo, *StatFileKey(photo), true)) << "it has no print";
      const FingerprintOutcome fresh = ComputeFingerprint(photo, &cache, true);
      EXPECT_EQ(textOf(fresh), decoded);
      EXPECT_EQ(fresh.verified, verified);
      EXPECT_FALSE(cache.takeWarning());
    }
    EXPECT_EQ(sql("PRAGMA user_version"), "3");
    const auto stored = FingerprintCache().lookup(photo, *StatFileKey(photo), true);
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->verified, verified);
  }
  sql("UPDATE fingerprints SET signature = x'0102'");
  EXPECT_FALSE(FingerprintCache().lookup(photo, *StatFileKey(photo))) << "a print of the wrong size is unsound";
}

// One process's share of the two-process test: exit status 0 when every result is
// right and the cache stayed on, 1 for a wrong result, 2 when it turned itself off.
int fingerprintAll(const std::vector<std::string>& paths, const std::vector<std::string>& expected, bool backwards) {
  FingerprintCache cache;
  for (size_t n = 0; n < paths.size(); ++n) {
    const size_t i = backwards ? paths.size() - 1 - n : n;
    if (textOf(ComputeFingerprint(paths[i], &cache)) != expected[i]) return 1;
    cache.flush();  // one transaction per result, so the two processes contend for the lock
  }
  return cache.takeWarning() ? 2 : 0;
}

TEST_F(FingerprintCacheTest, TwoProcessesShareOneCacheFile) {
  const std::vector<std::string> paths = photos(50);
  std::vector<std::string> expected;
  for (const auto& path : paths) expected.push_back(textOf(ComputeFingerprint(path)));
  pid_t children[2];
  for (int k = 0; k < 2; ++k) {
    children[k] = fork();
    ASSERT_GE(children[k], 0);
    if (children[k] == 0) _exit(fingerprintAll(paths, expected, k == 1));
  }
  for (const pid_t child : children) {
    int status = -1;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
  }
  EXPECT_EQ(sql("PRAGMA integrity_check"), "ok");
  EXPECT_EQ(sql("SELECT count(*) FROM fingerprints"), "50");
  FingerprintCache cache;
  for (size_t i = 0; i < paths.size(); ++i) {
    const auto hit = cache.lookup(paths[i], *StatFileKey(paths[i]));
    EXPECT_EQ(hit ? textOf(*hit) : "miss", expected[i]);
  }
}

}  // namespace
}  // namespace vl::test

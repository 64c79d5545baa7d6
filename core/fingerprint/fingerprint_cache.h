// The persistent fingerprint cache: MakeFingerprint results kept in SQLite, keyed by path and file identity.
#pragma once

#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <unordered_map>

#include "core/fingerprint/fingerprint.h"

struct sqlite3;
struct sqlite3_stmt;

namespace vl {

// What identifies one version of a file: from one stat(), times in nanoseconds.
struct FileKey {
  uint64_t device = 0;
  uint64_t inode = 0;
  int64_t size = 0;
  int64_t modified = 0;
  int64_t changed = 0;
  bool operator==(const FileKey&) const = default;
};

// The key of the file at path (symbolic links followed); none when stat() fails or
// it is no regular file.
std::optional<FileKey> StatFileKey(const std::string& path);

// $XDG_CACHE_HOME/velloran/fingerprints.sqlite (default ~/.cache/velloran/...).
std::string DefaultFingerprintCachePath();

// Empties the cache file at path: every entry removed in place or, when the file
// cannot be used as a cache (damaged, of another version), the file and its journal
// removed and made anew, so that later runs find a sound, empty cache. The warning
// text when even that fails (naming the file, with the system's reason); none when
// the cache is empty and usable. Cost: one clear or one removal and creation.
std::optional<std::string> ClearFingerprintCache(const std::string& path);

struct FingerprintCacheStats {
  int64_t entries = 0;
  int64_t bytes = 0;  // the database file and its write-ahead log
};

// One connection to a cache file, shared by any number of threads (calls are
// serialised by a mutex). A lookup hits only when the stored key equals the given
// one in every field and the stored result is sound (and, when a signature is
// asked for, holds one or is a failure); stores are queued and written
// in one transaction per 512 results, and at flush() and destruction. Several
// processes may use one file: WAL journal, 2 s busy timeout. When the file cannot
// be opened, read or written, the cache turns itself off (lookups miss, stores are
// dropped) and keeps one warning text for takeWarning().
class FingerprintCache {
 public:
  // Opens or creates the file, creating its folder when missing.
  explicit FingerprintCache(const std::string& path = DefaultFingerprintCachePath());
  ~FingerprintCache();
  FingerprintCache(const FingerprintCache&) = delete;
  FingerprintCache& operator=(const FingerprintCache&) = delete;

  // The stored result for path when its key matches and, with `withSignature`, it
  // carries a signature. One indexed query.
  std::optional<FingerprintOutcome> lookup(const std::string& path, const FileKey& key, bool withSignature = false);
  // Queues the result, replacing any stored for path; may write a batch.
  void store(const std::string& path, const FileKey& key, const FingerprintOutcome& outcome);
  // Writes the queued results in one transaction.
  void flush();
  // The warning of a cache that turned itself off, given once; none otherwise.
  std::optional<std::string> takeWarning();

  // Entries and size after a flush; zeros when the cache is off.
  FingerprintCacheStats stats();
  // Removes every entry and shrinks the file; false when the cache is off.
  bool clear();

 private:
  struct Row {
    FileKey key;
    FingerprintOutcome outcome;
  };
  void open();
  bool ensureSchema();
  bool execute(const char* sql);
  std::optional<std::string> queryText(const char* sql);
  void turnOff(const std::string& reason);
  void turnOffWithError(const std::string& action);
  void close();
  void writePending();
  void endReading();
  bool writeRow(const std::string& path, const Row& row);
  std::optional<Row> readRow(const std::string& path);

  std::string path_;
  std::mutex mutex_;
  sqlite3* db_ = nullptr;
  sqlite3_stmt* select_ = nullptr;
  sqlite3_stmt* insert_ = nullptr;
  std::unordered_map<std::string, Row> pending_;
  int readsInTransaction_ = 0;
  bool warned_ = false;
  std::optional<std::string> warning_;
};

}  // namespace vl

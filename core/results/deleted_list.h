// The deleted-file list: what every file the user deleted looked like, kept in "dellist.ddb".
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/files/content_sums.h"
#include "core/files/file_checks.h"
#include "core/host.h"

namespace vl {

// The classic file: entries of size and CRC-32 only.
constexpr int32_t DeletedListVersion = 1000;
// The current file: a counted list of classic and strong entries.
constexpr int32_t StrongDeletedListVersion = 2000;

// One remembered file. A classic entry (Strong false) knows only Size and CRC; a
// strong entry also knows the whole size and the XXH3-128 digest of the contents.
struct TDeletedEntry {
  TDeletedEntry() = default;
  // A classic entry.
  TDeletedEntry(uint32_t size, uint32_t crc) : Size(size), CRC(crc) {}
  // A strong entry of a file with this whole size, CRC-32 and digest.
  TDeletedEntry(uint64_t fullSize, uint32_t crc, const ContentDigest& digest)
      : Size(static_cast<uint32_t>(fullSize)), CRC(crc), Strong(true), FullSize(fullSize), Digest(digest) {}

  uint32_t Size = 0;  // low 32 bits of the file size
  uint32_t CRC = 0;   // FileCRC32 of the whole file
  bool Strong = false;
  uint64_t FullSize = 0;  // strong entries only
  ContentDigest Digest;   // strong entries only
  bool operator==(const TDeletedEntry&) const = default;
};

// A file that auto-deletion removed, and whether the match rested on a classic entry.
struct TAutoDeletion {
  std::string Path;
  bool Classic = false;
  bool operator==(const TAutoDeletion&) const = default;
};

enum class DeletedListParse { Invalid, WrongVersion, Ok };

// The list in memory (FDeletedList) with its file AppDir() + "dellist.ddb".
class DeletedList {
 public:
  // Removes a file; true when it is gone. IsDeletedFile uses it.
  using FileRemover = std::function<bool(const std::string& path)>;

  DeletedList();
  std::vector<TDeletedEntry>& entries() { return entries_; }
  const std::vector<TDeletedEntry>& entries() const { return entries_; }
  static std::string fileName();

  // Fills the list from the file (either version) unless it already holds entries or
  // the file is missing; an invalid or other-version file is reported through host
  // and loads nothing. Damaged data after the version throws ZlibDataError and loads
  // nothing. O(file size).
  void LoadDeletedList(Host& host);
  // Writes the list in the current version (through a temporary file and a rename).
  // Throws std::runtime_error when it cannot be written; the old file then stays
  // intact. Whether to save at all (UseDeletedList) is the caller's decision.
  void SaveDeletedList() const;
  // Loads the list, then appends a strong entry for the file at path. A missing,
  // empty or non-regular file is not recorded; FileAccessError propagates for a file
  // that exists but cannot be read. O(file size).
  void AddToDeletedList(const std::string& path, Host& host);
  // The strong entry of a file read as `sums`; none for an empty file, which is never
  // recorded (every later empty file would match it).
  static std::optional<TDeletedEntry> EntryOf(const ContentSums& sums);
  // Loads the list, then appends the entry of a file that was just deleted.
  void AddDeletedEntry(const TDeletedEntry& entry, Host& host);
  // "Add Files to Deleted List...": loads the list, appends every file's entry in
  // order, then removes repeated entries (the first of each kind stays).
  void AddFilesToDeletedList(const std::vector<std::string>& paths, Host& host);
  // True when the listed file of this size matches an entry and was then removed
  // (to the trash while DeleteToRecycleBin is on) and logged in autoDeletions(). A
  // strong entry matches on the whole size and digest, a classic one on the size's
  // low 32 bits and the CRC. An empty file, a file that is not a regular file, cannot
  // be read, changed since it was read or could not be removed answers false and
  // stays in the scan. The file is read at most once, and only on a size match.
  bool IsDeletedFile(const std::string& path, uint64_t size);
  // Replaces the remover, e.g. to test a removal that fails.
  void setRemover(FileRemover remover) { remover_ = std::move(remover); }
  // The files IsDeletedFile removed since the last clearAutoDeletions(), in order.
  const std::vector<TAutoDeletion>& autoDeletions() const { return autoDeletions_; }
  void clearAutoDeletions() { autoDeletions_.clear(); }

  // The decompressed contents of a current-version file: version, entry count, then
  // per entry a kind byte and its fields.
  static std::vector<uint8_t> Encode(const std::vector<TDeletedEntry>& entries);
  // Reads zlib-compressed file bytes of either version. Invalid when the version
  // cannot be read (empty, not zlib, damaged). Data that ends early, inside an entry
  // or before its count, holds more than its count or expands more than 64 times
  // throws ZlibDataError, as does damaged data after the version; more than 2^26 entries throw std::runtime_error.
  // Memory grows with the entries read, never with a claimed count. `out` is filled
  // only when the answer is Ok.
  static DeletedListParse Parse(const std::vector<uint8_t>& fileBytes, std::vector<TDeletedEntry>& out);

 private:
  const TDeletedEntry* matchOf(uint64_t size, uint32_t crc, const ContentDigest& digest) const;

  std::vector<TDeletedEntry> entries_;
  FileRemover remover_;
  std::vector<TAutoDeletion> autoDeletions_;
};

}  // namespace vl

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
#include "core/files/recycle.h"
#include "core/host.h"

namespace vl {

// The classic file: entries of size and CRC-32 only.
constexpr int32_t DeletedListVersion = 1000;
// A counted list of classic and strong entries.
constexpr int32_t StrongDeletedListVersion = 2000;
// The current file: as the counted list, and a strong entry may name where its file was deleted from.
constexpr int32_t OriginDeletedListVersion = 3000;
// The longest path an entry records; a longer one is not recorded.
constexpr size_t MaxOriginLength = 4096;

// One remembered file. A classic entry (Strong false) knows only Size and CRC; a
// strong entry also knows the whole size and the XXH3-128 digest of the contents,
// and, when it was made by a deletion, the path the file was deleted from.
struct TDeletedEntry {
  TDeletedEntry() = default;
  // A classic entry.
  TDeletedEntry(uint32_t size, uint32_t crc) : Size(size), CRC(crc) {}
  // A strong entry of a file with this whole size, CRC-32 and digest, deleted from origin ("": unknown).
  TDeletedEntry(uint64_t fullSize, uint32_t crc, const ContentDigest& digest, std::string origin = {})
      : Size(static_cast<uint32_t>(fullSize)), CRC(crc), Strong(true), FullSize(fullSize), Digest(digest),
        Origin(std::move(origin)) {}

  uint32_t Size = 0;  // low 32 bits of the file size
  uint32_t CRC = 0;   // FileCRC32 of the whole file
  bool Strong = false;
  uint64_t FullSize = 0;  // strong entries only
  ContentDigest Digest;   // strong entries only
  std::string Origin;     // strong entries only: where the file was deleted from; "" when unknown
  bool operator==(const TDeletedEntry&) const = default;
};

// A file that the deleted-file list removed, and whether the match rested on a classic entry.
struct TAutoDeletion {
  std::string Path;
  bool Classic = false;
  bool operator==(const TAutoDeletion&) const = default;
};

// A listed file whose contents the list holds, as it was read when it matched.
struct DeletedMatch {
  std::string Path;
  ContentSums Sums;
  bool Classic = false;  // matched only by size and CRC-32 (an entry of an older list)
};

enum class DeletedListParse { Invalid, WrongVersion, Ok };

// The list in memory (FDeletedList) with its file AppDir() + "dellist.ddb".
class DeletedList {
 public:
  // Removes a file, to the trash with `recycle` (RemoveFile by default).
  using FileRemover = std::function<FileRemoval(const std::string& path, bool recycle)>;

  DeletedList();
  std::vector<TDeletedEntry>& entries() { return entries_; }
  const std::vector<TDeletedEntry>& entries() const { return entries_; }
  static std::string fileName();

  // Fills the list from the file (any version) unless it already holds entries or
  // the file is missing; an invalid or other-version file is reported through host
  // and loads nothing. Damaged data after the version throws ZlibDataError and loads
  // nothing. O(file size).
  void LoadDeletedList(Host& host);
  // Writes the list in the current version (through a temporary file and a rename).
  // Throws std::runtime_error when it cannot be written; the old file then stays
  // intact. For a caller that holds the file's lock and loaded the list under it;
  // whether to save at all (the setting "Use Deleted List") is the caller's decision.
  void SaveDeletedList() const;
  // Writes what changed in memory since the list was loaded (entries added, entries
  // dropped) into the file as it is now, under the file's FileLock (waiting up to
  // half a minute for another program), so that entries another program saved
  // meanwhile stay. Nothing is done when nothing changed. A file that is now
  // invalid, of another version or damaged is left as it is and std::runtime_error
  // says why, as does a failed write. O(entries log entries) plus the file.
  void SaveChanges();
  // Loads the list, then appends a strong entry, without origin, for the file at
  // path. A missing, empty or non-regular file is not recorded; FileAccessError
  // propagates for a file that exists but cannot be read. O(file size).
  void AddToDeletedList(const std::string& path, Host& host);
  // The strong entry of a file read as `sums` and about to be deleted from `origin`
  // (not recorded when longer than MaxOriginLength); none for an empty file, which is
  // never recorded (every later empty file would match it).
  static std::optional<TDeletedEntry> EntryOf(const ContentSums& sums, const std::string& origin = {});
  // Loads the list, then appends the entry of a file that was just deleted.
  void AddDeletedEntry(const TDeletedEntry& entry, Host& host);
  // "Add Files to Deleted List...": loads the list, appends every file's entry in
  // order, then removes repeated entries (the first of each kind stays).
  void AddFilesToDeletedList(const std::vector<std::string>& paths, Host& host);

  // Whether the listed regular file of this size has contents the list holds. A
  // strong entry matches on the whole size and digest, a classic one on the size's
  // low 32 bits and the CRC. A file back at the path an entry of its contents was
  // deleted from (restored from the trash) is no match: every entry of those
  // contents is dropped from the list, `restored` is set, and the file stays. An
  // empty file, a file that is not a regular file or cannot be read is no match.
  // The file is read at most once, and only on a size match. Removes nothing.
  std::optional<DeletedMatch> MatchFile(const std::string& path, uint64_t size, bool* restored = nullptr);
  // Whether the list still holds the contents of a match (a later restored file may
  // have dropped them). O(entries).
  bool holds(const DeletedMatch& match) const;
  // Removes a matched file after checking, just before, that it is still the file
  // that matched: a regular file reached without a symbolic link, on the same device
  // and inode, with the same size and digest (one more read of it); then removes it,
  // to the trash with `recycle`. False with the reason when it is not, or when it
  // could not be removed. O(file size).
  bool RemoveMatchedFile(const DeletedMatch& match, bool recycle, std::string& reason);
  // Replaces the remover, e.g. to test a removal that fails.
  void setRemover(FileRemover remover) { remover_ = std::move(remover); }

  // The decompressed contents of a current-version file: version, entry count, then
  // per entry a kind byte and its fields (a recorded origin: its length in 16 bits
  // and its bytes).
  static std::vector<uint8_t> Encode(const std::vector<TDeletedEntry>& entries);
  // Reads zlib-compressed file bytes of any version. Invalid when the version cannot
  // be read (empty, not zlib, damaged). Data that ends early, inside an entry or
  // before its count, holds more than its count, an origin longer than
  // MaxOriginLength or expands more than 64 times throws ZlibDataError, as does
  // damaged data after the version; more than 2^26 entries throw std::runtime_error.
  // Memory grows with the entries read, never with a claimed count. `out` is filled
  // only when the answer is Ok.
  static DeletedListParse Parse(const std::vector<uint8_t>& fileBytes, std::vector<TDeletedEntry>& out);

 private:
  const TDeletedEntry* matchOf(uint64_t size, uint32_t crc, const ContentDigest& digest) const;
  void dropContents(const ContentSums& sums);

  std::vector<TDeletedEntry> entries_;
  std::vector<TDeletedEntry> loaded_;  // the entries as last loaded or saved, for SaveChanges
  FileRemover remover_;
};

}  // namespace vl

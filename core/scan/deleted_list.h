// The deleted-file list: size and CRC-32 of every file the user deleted, kept in "dellist.ddb".
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/host.h"

namespace vl {

constexpr int32_t DeletedListVersion = 1000;

struct TDeletedEntry {
  uint32_t Size = 0;  // low 32 bits of the file size
  uint32_t CRC = 0;   // FileCRC32 of the whole file
};

enum class DeletedListParse { Invalid, WrongVersion, Ok };

// The list in memory (FDeletedList) with its file AppDir() + "dellist.ddb".
class DeletedList {
 public:
  std::vector<TDeletedEntry>& entries() { return entries_; }
  const std::vector<TDeletedEntry>& entries() const { return entries_; }
  static std::string fileName();

  // Fills the list from the file unless it already holds entries or the file is
  // missing; an invalid or other-version file is reported through host and loads nothing.
  void LoadDeletedList(Host& host);
  // Writes the list to the file (through a temporary file and a rename). Throws
  // std::runtime_error when it cannot be written; the old file then stays intact.
  void SaveDeletedList() const;
  // Loads the list, then appends the entry of the file at path.
  void AddToDeletedList(const std::string& path, Host& host);
  // "Add Files to Deleted List...": loads the list, appends every file's entry in
  // order, then removes repeated entries (the first of each kind stays).
  void AddFilesToDeletedList(const std::vector<std::string>& paths, Host& host);
  // True when a file of this size and CRC is on the list and the file was then
  // deleted for good. O(entries), one CRC of the file at most.
  bool IsDeletedFile(const std::string& path, int32_t size);

  // The decompressed file contents: version, then 8 bytes per entry.
  static std::vector<uint8_t> Encode(const std::vector<TDeletedEntry>& entries);
  // Reads zlib-compressed file bytes; a partial last entry is dropped.
  static DeletedListParse Parse(const std::vector<uint8_t>& fileBytes, std::vector<TDeletedEntry>& out);

 private:
  std::vector<TDeletedEntry> entries_;
};

}  // namespace vl

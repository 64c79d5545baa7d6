// The deleted-file list: size and CRC-32 of every file the user deleted, kept in "dellist.ddb".
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "core/host.h"

namespace vl {

constexpr int32_t DeletedListVersion = 1000;

struct TDeletedEntry {
  uint32_t Size = 0;  // low 32 bits of the file size
  uint32_t CRC = 0;   // FileCRC32 of the whole file
  bool operator==(const TDeletedEntry&) const = default;
};

enum class DeletedListParse { Invalid, WrongVersion, Ok };

// The list in memory (FDeletedList) with its file AppDir() + "dellist.ddb".
class DeletedList {
 public:
  // Deletes a file for good; true when it is gone. IsDeletedFile uses it.
  using FileRemover = std::function<bool(const std::string& path)>;

  DeletedList();
  std::vector<TDeletedEntry>& entries() { return entries_; }
  const std::vector<TDeletedEntry>& entries() const { return entries_; }
  static std::string fileName();

  // Fills the list from the file unless it already holds entries or the file is
  // missing; an invalid or other-version file is reported through host and loads nothing.
  // Damaged data after the version throws ZlibDataError and loads nothing. O(file size).
  void LoadDeletedList(Host& host);
  // Writes the list to the file (through a temporary file and a rename). Throws
  // std::runtime_error when it cannot be written; the old file then stays intact.
  // Whether to save at all (UseDeletedList) is the caller's decision.
  void SaveDeletedList() const;
  // Loads the list, then appends the entry of the file at path: its size's low 32
  // bits (all bits set when it is missing) and its FileCRC32, which throws
  // FileAccessError for a file that exists but cannot be read. O(file size).
  void AddToDeletedList(const std::string& path, Host& host);
  // "Add Files to Deleted List...": loads the list, appends every file's entry in
  // order, then removes repeated entries (the first of each kind stays).
  void AddFilesToDeletedList(const std::vector<std::string>& paths, Host& host);
  // True when a file of this size and CRC is on the list and the file was then
  // deleted for good; a file that could not be deleted answers false and stays in
  // the scan. FileAccessError from FileCRC32 propagates. O(entries), one CRC at most.
  bool IsDeletedFile(const std::string& path, int32_t size);
  // Replaces the remover (unlink by default), e.g. to test a deletion that fails.
  void setRemover(FileRemover remover) { remover_ = std::move(remover); }

  // The decompressed file contents: version, then 8 bytes per entry.
  static std::vector<uint8_t> Encode(const std::vector<TDeletedEntry>& entries);
  // Reads zlib-compressed file bytes. Invalid when the version cannot be read (empty,
  // not zlib, damaged); damaged data after the version (data that ends early or
  // inside an entry included, or data expanding more than 64 times) throws
  // ZlibDataError, a list of more than 2^26 entries std::runtime_error.
  // `out` is filled only when the answer is Ok.
  static DeletedListParse Parse(const std::vector<uint8_t>& fileBytes, std::vector<TDeletedEntry>& out);

 private:
  std::vector<TDeletedEntry> entries_;
  FileRemover remover_;
};

}  // namespace vl

// Directory listing and file-time conversion.
#pragma once

#include <cstdint>
#include <ctime>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace vl {

// Which file a path reaches: device and inode after following links; inode 0 while unknown.
struct FileIdentity {
  uint64_t Device = 0;
  uint64_t Inode = 0;
  bool known() const { return Inode != 0; }
  bool operator==(const FileIdentity&) const = default;
};

// One item of a folder listing.
struct DirItem {
  std::string Name;
  bool IsDirectory = false;
  bool IsRegular = false;  // a regular file (after following a link)
  bool IsLink = false;     // the name itself is a symbolic link
  FileIdentity Identity;
  bool IsHidden = false;   // the name begins with "."
  int32_t Size = 0;        // low 32 bits of the size, as a signed 32-bit value
  int64_t FullSize = 0;    // the whole size
  double FileDate = 0;     // last-write time, local date-time, truncated to even seconds
};

// A file or folder that could not be examined or read, and why ("Permission denied").
struct UnreadableFile {
  std::string Path;
  std::string Reason;
  bool operator==(const UnreadableFile&) const = default;
};

// What a listing could not examine: the folder itself (why it could not be read, or
// why its listing stopped; empty when it was read to its end) and the items whose
// target could not be examined, by name.
struct ListingProblems {
  std::string Folder;
  std::vector<UnreadableFile> Items;
};

// Every item of a folder except "." and "..", sorted by name in byte order
// (strcmp), so that the order never depends on the file system. Symbolic links are
// followed; an item whose target cannot be examined (vanished, a dangling link, no
// permission) is left out, and goes to `problems` when given, as does a folder that
// cannot be read (it lists nothing). `stop`, when given, is asked before each item
// and ends the listing early (the items read so far are returned). Cost: one readdir
// pass, one stat per item (two for a link) and the sort.
std::vector<DirItem> ListDirectory(const std::string& folder, const std::function<bool()>& stop = {},
                                   ListingProblems* problems = nullptr);

// The listing item of one path (following symbolic links); none when it does not exist.
std::optional<DirItem> FindFile(const std::string& path);

// A POSIX time as a local date-time double (days since 30 December 1899, the
// fraction the time of day), truncated to an even number of seconds.
double FileTimeToDateTime(std::time_t seconds);

}  // namespace vl

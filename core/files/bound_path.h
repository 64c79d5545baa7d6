// Reaching a file through its folder held open, so that the file checked is the file acted on.
#pragma once

#include <cstdint>
#include <string>

#include "core/files/file_transfer.h"

namespace vl {

// How the folders on the way to a file may be reached.
enum class FolderLinks {
  Follow,  // symbolic links on the way are followed; the caller compares the file reached with the one expected
  Refuse,  // a symbolic link on the way is refused
};

// One version of a regular file: the state a scan records, and the modification and
// status-change times to the nanosecond. No program can set the status-change time
// back, so any write, rename or new link gives a new version.
struct FileVersion {
  RegularFileState State;
  int64_t ModifiedNs = 0;
  int64_t ChangedNs = 0;

  // The same file (device and inode), size and both times.
  bool sameAs(const FileVersion& other) const;
};

// The path cleaned of "." parts and repeated slashes; a ".." part takes away the
// folder before it only when that folder is no symbolic link (one lstat per ".."),
// so that the cleaned path names the same file. From a ".." after a link on, the
// path keeps its parts. O(length).
std::string CleanFilePath(const std::string& path);

// A file's folder held open (O_PATH) and the file's name in it. Everything done
// through it names the file relative to that folder, never by the path again.
class BoundPath {
 public:
  // Opens the folder of path. With Refuse the walk goes from "/" (or the current
  // folder, for a relative path) one folder at a time without following a link:
  // one open per folder. With Follow, one open.
  BoundPath(const std::string& path, FolderLinks links);
  ~BoundPath();
  BoundPath(const BoundPath&) = delete;
  BoundPath& operator=(const BoundPath&) = delete;

  bool isOpen() const { return folder_ >= 0; }
  // A folder on the way is missing (or is no folder): the file is gone.
  bool folderMissing() const { return missing_; }
  // Why the folder is not open, as the end of a sentence about the file ("is
  // reached through the symbolic link /x/y", "its folder cannot be opened: ...");
  // empty when it is open or merely missing.
  const std::string& failure() const { return failure_; }
  int folder() const { return folder_; }
  const std::string& name() const { return name_; }

  // The named file without following a link: Missing, Other, or RegularFile with
  // `version` filled. One fstatat.
  PathKind examine(FileVersion& version) const;
  // Opens the named file for reading, without following a link and without
  // waiting (a FIFO or a device is never held open here: see examine first).
  // The descriptor, or -1 with errno set.
  int openForReading() const;

 private:
  void walk(const std::string& folder);
  void fail(const std::string& reason, bool missing);
  void failWithErrno();

  int folder_ = -1;
  bool missing_ = false;
  std::string failure_;
  std::string name_;
};

// The version of the regular file open as fd; false when fstat fails or it is no regular file.
bool VersionOfOpenFile(int fd, FileVersion& version);

}  // namespace vl

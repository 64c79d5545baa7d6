// Copying and moving files without ever losing one, and the state of a path just before acting on it.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

#include "core/files/dir_listing.h"

struct stat;

namespace vl {

// What a path names, looked at without following a symbolic link and without opening it.
enum class PathKind {
  Missing,      // nothing at the path (or a folder on the way is gone)
  RegularFile,  // a regular file named directly, not through a link
  Other,        // a folder, a symbolic link, a device, a FIFO, a socket
};

// The state of a regular file as a scan records it.
struct RegularFileState {
  FileIdentity Identity;
  uint64_t FullSize = 0;
  int32_t Size = 0;     // low 32 bits, as the directory listing gives them
  double FileDate = 0;  // as the directory listing gives it (FileTimeToDateTime)
};

// The state of the file an lstat, stat or fstat described.
RegularFileState StateOfStat(const struct stat& st);

// One lstat of path; `state` is filled for a regular file. Never blocks, never follows a link.
PathKind ExaminePath(const std::string& path, RegularFileState& state);

// Raised when a copy or a move cannot be done; what() names the files and gives the reason.
class FileTransferError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// What a copy or move does when its target already exists.
enum class ExistingTarget {
  Replace,  // an existing regular file at the target is replaced (the user agreed)
  Keep,     // an existing target is left alone and the transfer fails
};

// The name a copy or move of source to target takes: target itself, or, when
// target is an existing folder, the source's file name inside it.
std::string TransferTarget(const std::string& source, const std::string& target);

// Copies the regular file source to TransferTarget(source, target) and returns that
// name. The copy is written beside its target, synced and then renamed over it, so
// an existing target is never left half-written; it takes the source's read, write
// and execute bits and its modification time. A source that is not a regular file,
// a source that changes while it is read, a target that is the source itself or is
// not a regular file, and (with Keep) any existing target throw FileTransferError,
// leaving the target as it was. O(size), 1 MiB reads.
std::string CopyFileTo(const std::string& source, const std::string& target,
                       ExistingTarget existing = ExistingTarget::Replace);

// Moves the regular file source to TransferTarget(source, target) and returns that
// name: one rename(2) on the same file system; across file systems a CopyFileTo,
// the target's folder synced, and only then the source unlinked (when the source
// changed meanwhile, the copy stays and the source too, and the move fails). The
// failures of CopyFileTo, and a source that cannot be removed, throw
// FileTransferError. O(1) on one file system, O(size) across two.
std::string MoveFileTo(const std::string& source, const std::string& target,
                       ExistingTarget existing = ExistingTarget::Replace);

// Why a file cannot be put back at path now: something is there (even a link that
// leads nowhere), or the folder that held it is gone. Empty when the place is free.
// Two lstat/stat calls.
std::string PlaceTakenReason(const std::string& path);

}  // namespace vl

// Writing a file through a temporary file beside it, renamed over the target on success.
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <cstdio>
#include <ctime>
#include <optional>
#include <string>

namespace vl {

// Writes through a symbolic link at the target to the file it leads to, so the link
// stays. Streams bytes into "<target>.tmp-XXXXXX" (a unique name, held under flock while
// it is written) and, on commit(), flushes, syncs and renames it over the target, so
// that a crash, a full disk or a failed write never leaves a truncated or half-old
// file. Without commit() the temporary file is removed. A commit also removes the
// temporary files of the same target that an earlier, killed writer left behind
// (those no live writer holds). Every failure throws std::runtime_error naming the
// target and giving the system's reason.
class SafeFileWriter {
 public:
  explicit SafeFileWriter(std::string target);
  ~SafeFileWriter();
  SafeFileWriter(const SafeFileWriter&) = delete;
  SafeFileWriter& operator=(const SafeFileWriter&) = delete;

  void write(const void* data, size_t size);
  // The permission bits the file gets (instead of a replaced file's or the usual ones).
  void setPermissions(mode_t mode);
  // The modification time the file gets at commit (after its last write).
  void setModificationTime(const timespec& time);
  // Makes commit fail, leaving the target alone, when a target exists by then.
  void keepExistingTarget() { replace_ = false; }
  void commit();
  const std::string& target() const { return target_; }

 private:
  [[noreturn]] void fail(const char* what);
  // Creates and locks a fresh temporary file; -1 (errno set) when it cannot.
  int createTemporary();
  // Renames the temporary file to the target (without replacing one unless replace_).
  bool renameOverTarget() const;

  std::string target_;
  std::string temporary_;
  std::FILE* file_ = nullptr;
  std::optional<timespec> modified_;
  bool replace_ = true;
};

// Writes the whole file at once through a SafeFileWriter.
void WriteFileSafely(const std::string& target, const std::string& bytes);

// The file that a symbolic link at path finally leads to; path itself when it is no
// link or a link that leads nowhere.
std::string LinkTargetOf(const std::string& path);

// Removes the files "<target>.tmp-XXXXXX" beside target that no writer holds: the
// leftovers of writers killed before their rename. Cost: one listing of the folder.
void RemoveStaleTemporaries(const std::string& target);

}  // namespace vl

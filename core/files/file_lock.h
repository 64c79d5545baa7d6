// An exclusive lock between processes on a file, held on a lock file beside it.
#pragma once

#include <string>

namespace vl {

// Locks `<target>.lock` with flock, so that two processes that both mean to rewrite
// target take turns. The lock file exists only while the lock is held: the holder
// removes it before letting go, and a taker that locked a file already removed
// tries again. Not reentrant within one process. Cost: a few system calls per try.
class FileLock {
 public:
  explicit FileLock(std::string target);
  ~FileLock();
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

  // Takes the lock unless another holder has it: true when held, false when busy.
  // Throws std::runtime_error naming the lock file when it cannot be created.
  bool tryLock();
  // Lets go of a held lock; nothing when none is held.
  void unlock();
  bool held() const { return fd_ >= 0; }
  const std::string& lockName() const { return lockName_; }

 private:
  std::string lockName_;
  int fd_ = -1;
};

}  // namespace vl

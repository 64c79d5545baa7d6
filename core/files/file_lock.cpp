// An exclusive lock between processes on a file, held on a lock file beside it.
#include "core/files/file_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>

namespace vl {

FileLock::FileLock(std::string target) : lockName_(std::move(target) + ".lock") {}

FileLock::~FileLock() { unlock(); }

bool FileLock::tryLock() {
  if (held()) return true;
  for (;;) {
    const int fd = ::open(lockName_.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0) throw std::runtime_error("cannot lock " + lockName_ + ": " + std::strerror(errno));
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
      const int error = errno;
      ::close(fd);
      if (error == EWOULDBLOCK) return false;
      throw std::runtime_error("cannot lock " + lockName_ + ": " + std::strerror(error));
    }
    // The previous holder may have removed the file between our open and our flock.
    struct stat held {}, named {};
    if (::fstat(fd, &held) == 0 && ::stat(lockName_.c_str(), &named) == 0 && held.st_dev == named.st_dev &&
        held.st_ino == named.st_ino) {
      fd_ = fd;
      return true;
    }
    ::close(fd);
  }
}

void FileLock::unlock() {
  if (!held()) return;
  ::unlink(lockName_.c_str());
  ::close(fd_);
  fd_ = -1;
}

}  // namespace vl

// Writing a file through a temporary file beside it, renamed over the target on success.
#include "core/files/safe_file_writer.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

#include "core/files/paths.h"

namespace vl {

namespace {

constexpr std::string_view TemporaryInfix = ".tmp-";
constexpr size_t UniquePartLength = 6;  // the XXXXXX that mkstemp fills

bool sameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

// True when name is "<base>.tmp-" followed by six letters or digits, as mkstemp makes them.
bool isTemporaryOf(const std::string& name, const std::string& base) {
  const std::string prefix = base + std::string(TemporaryInfix);
  if (name.size() != prefix.size() + UniquePartLength || name.compare(0, prefix.size(), prefix) != 0) return false;
  for (size_t i = prefix.size(); i < name.size(); ++i)
    if (std::isalnum(static_cast<unsigned char>(name[i])) == 0) return false;
  return true;
}

// Unlinks the regular file `name` in the folder when no writer holds its lock.
void removeIfUnheld(int folderFd, const char* name) {
  const int fd = ::openat(folderFd, name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return;
  struct stat st {};
  if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0)
    ::unlinkat(folderFd, name, 0);
  ::close(fd);
}

}  // namespace

SafeFileWriter::SafeFileWriter(std::string target) : target_(LinkTargetOf(target)) {
  const int fd = createTemporary();
  if (fd < 0) {
    temporary_.clear();
    fail("cannot create a temporary file for");
  }
  struct stat st {};
  // Keep the permissions of a file being replaced; a new file gets the usual 0666 & ~umask.
  if (::stat(target_.c_str(), &st) == 0) {
    ::fchmod(fd, st.st_mode & 07777);
  } else {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
  }
  file_ = ::fdopen(fd, "wb");
  if (file_ == nullptr) {
    ::close(fd);
    fail("cannot open a temporary file for");
  }
}

int SafeFileWriter::createTemporary() {
  // A cleaner may take a new file for a leftover between mkstemp and flock: then try again.
  for (;;) {
    temporary_ = target_ + std::string(TemporaryInfix) + std::string(UniquePartLength, 'X');
    const int fd = ::mkostemp(temporary_.data(), O_CLOEXEC);
    if (fd < 0) return -1;
    struct stat held {}, named {};
    if (::flock(fd, LOCK_EX) == 0 && ::fstat(fd, &held) == 0 && ::stat(temporary_.c_str(), &named) == 0 &&
        sameFile(held, named))
      return fd;
    ::close(fd);
  }
}

SafeFileWriter::~SafeFileWriter() {
  if (!temporary_.empty()) ::unlink(temporary_.c_str());
  if (file_ != nullptr) std::fclose(file_);
}

void SafeFileWriter::fail(const char* what) {
  const std::string reason = std::strerror(errno);
  throw std::runtime_error(std::string(what) + " " + target_ + ": " + reason);
}

void SafeFileWriter::write(const void* data, size_t size) {
  if (size != 0 && std::fwrite(data, 1, size, file_) != size) fail("cannot write");
}

void SafeFileWriter::setPermissions(mode_t mode) {
  if (::fchmod(::fileno(file_), mode & 07777) != 0) fail("cannot set the permissions of");
}

void SafeFileWriter::setModificationTime(const timespec& time) { modified_ = time; }

void SafeFileWriter::commit() {
  if (std::fflush(file_) != 0) fail("cannot write");
  if (modified_) {
    const timespec times[2] = {{0, UTIME_OMIT}, *modified_};
    if (::futimens(::fileno(file_), times) != 0) fail("cannot set the time of");
  }
  if (::fsync(::fileno(file_)) != 0) fail("cannot write");
  // Renamed while still open and locked, so no cleaner takes it for a leftover first.
  if (!renameOverTarget()) fail(replace_ ? "cannot replace" : "cannot create");
  temporary_.clear();
  const int closed = std::fclose(file_);
  file_ = nullptr;
  if (closed != 0) fail("cannot write");
  RemoveStaleTemporaries(target_);
}

bool SafeFileWriter::renameOverTarget() const {
  if (replace_) return ::rename(temporary_.c_str(), target_.c_str()) == 0;
  if (::renameat2(AT_FDCWD, temporary_.c_str(), AT_FDCWD, target_.c_str(), RENAME_NOREPLACE) == 0) return true;
  if (errno != EINVAL && errno != ENOSYS) return false;
  // File systems without RENAME_NOREPLACE: link(2) refuses an existing name as well.
  if (::link(temporary_.c_str(), target_.c_str()) != 0) return false;
  ::unlink(temporary_.c_str());
  return true;
}

void WriteFileSafely(const std::string& target, const std::string& bytes) {
  SafeFileWriter writer(target);
  writer.write(bytes.data(), bytes.size());
  writer.commit();
}

std::string LinkTargetOf(const std::string& path) {
  struct stat st {};
  if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
  char* resolved = ::realpath(path.c_str(), nullptr);
  if (resolved == nullptr) return path;
  std::string target(resolved);
  std::free(resolved);
  return target;
}

void RemoveStaleTemporaries(const std::string& target) {
  const std::string folder = FolderOf(target);
  DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
  if (dir == nullptr) return;
  const std::string base = FileNameOf(target);
  while (const dirent* entry = ::readdir(dir))
    if (isTemporaryOf(entry->d_name, base)) removeIfUnheld(::dirfd(dir), entry->d_name);
  ::closedir(dir);
}

}  // namespace vl

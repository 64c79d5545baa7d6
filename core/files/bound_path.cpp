// Reaching a file through its folder held open, so that the file checked is the file acted on.
#include "core/files/bound_path.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

#include "core/files/paths.h"

namespace vl {

namespace {

int64_t nanoseconds(const struct timespec& time) { return int64_t(time.tv_sec) * 1'000'000'000 + time.tv_nsec; }

FileVersion versionOf(const struct stat& st) {
  return {StateOfStat(st), nanoseconds(st.st_mtim), nanoseconds(st.st_ctim)};
}

std::vector<std::string> partsOf(const std::string& path) {
  std::vector<std::string> parts;
  size_t start = 0;
  while (start <= path.size()) {
    const size_t end = std::min(path.find('/', start), path.size());
    std::string part = path.substr(start, end - start);
    if (!part.empty() && part != ".") parts.push_back(std::move(part));
    start = end + 1;
  }
  return parts;
}

std::string joined(bool absolute, const std::vector<std::string>& parts) {
  std::string path = absolute ? "/" : "";
  for (const std::string& part : parts) path += (path.empty() || path == "/" ? "" : "/") + part;
  return path.empty() ? "." : path;
}

// True when a part of the path is empty (a repeated or trailing slash), "." or "..".
bool needsCleaning(const std::string& path) {
  for (size_t start = path.front() == '/' ? 1 : 0; start <= path.size();) {
    const size_t end = std::min(path.find('/', start), path.size());
    const size_t length = end - start;
    if (length == 0 ? path.size() > 1 : length <= 2 && path.compare(start, length, std::string(length, '.')) == 0)
      return true;
    start = end + 1;
  }
  return false;
}

bool isRealFolder(const std::string& path) {
  struct stat st {};
  return ::lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

constexpr int FolderFlags = O_PATH | O_DIRECTORY | O_CLOEXEC;

}  // namespace

bool FileVersion::sameAs(const FileVersion& other) const {
  return State.Identity == other.State.Identity && State.FullSize == other.State.FullSize &&
         ModifiedNs == other.ModifiedNs && ChangedNs == other.ChangedNs;
}

std::string CleanFilePath(const std::string& path) {
  if (path.empty() || !needsCleaning(path)) return path;
  const bool absolute = path.front() == '/';
  const std::vector<std::string> parts = partsOf(path);
  std::vector<std::string> cleaned;
  for (size_t i = 0; i < parts.size(); ++i) {
    if (parts[i] != "..") {
      cleaned.push_back(parts[i]);
    } else if (cleaned.empty() && absolute) {
      continue;  // "/.." is "/"
    } else if (cleaned.empty() || cleaned.back() == ".." || !isRealFolder(joined(absolute, cleaned))) {
      cleaned.insert(cleaned.end(), parts.begin() + std::ptrdiff_t(i), parts.end());
      break;
    } else {
      cleaned.pop_back();
    }
  }
  return joined(absolute, cleaned);
}

BoundPath::BoundPath(const std::string& path, FolderLinks links) : name_(FileNameOf(path)) {
  if (name_.empty() || name_ == "." || name_ == "..") {
    fail("names no file", false);
    return;
  }
  const std::string folder = FolderOf(path);
  if (links == FolderLinks::Follow) {
    folder_ = ::open(folder.empty() ? "." : folder.c_str(), FolderFlags);
    if (folder_ < 0) failWithErrno();
  } else {
    walk(folder);
  }
}

BoundPath::~BoundPath() {
  if (folder_ >= 0) ::close(folder_);
}

void BoundPath::fail(const std::string& reason, bool missing) {
  if (folder_ >= 0) ::close(folder_);
  folder_ = -1;
  missing_ = missing;
  if (!missing_) failure_ = reason;
}

void BoundPath::failWithErrno() {
  const int error = errno;
  fail(std::string("its folder cannot be opened: ") + std::strerror(error), error == ENOENT || error == ENOTDIR);
}

// Opens one folder at a time from the start, refusing a symbolic link on the way.
void BoundPath::walk(const std::string& folder) {
  const bool absolute = !folder.empty() && folder.front() == '/';
  folder_ = ::open(absolute ? "/" : ".", FolderFlags);
  if (folder_ < 0) return failWithErrno();
  std::string reached = absolute ? "" : ".";
  for (const std::string& part : partsOf(folder)) {
    reached += "/" + part;
    struct stat st {};
    if (::fstatat(folder_, part.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) return failWithErrno();
    if (S_ISLNK(st.st_mode)) return fail("is reached through the symbolic link " + reached, false);
    const int next = ::openat(folder_, part.c_str(), FolderFlags | O_NOFOLLOW);
    if (next < 0) return failWithErrno();
    ::close(folder_);
    folder_ = next;
  }
}

PathKind BoundPath::examine(FileVersion& version) const {
  struct stat st {};
  if (::fstatat(folder_, name_.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0)
    return errno == ENOENT || errno == ENOTDIR ? PathKind::Missing : PathKind::Other;
  if (!S_ISREG(st.st_mode)) return PathKind::Other;
  version = versionOf(st);
  return PathKind::RegularFile;
}

int BoundPath::openForReading() const {
  return ::openat(folder_, name_.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
}

bool VersionOfOpenFile(int fd, FileVersion& version) {
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) return false;
  version = versionOf(st);
  return true;
}

}  // namespace vl

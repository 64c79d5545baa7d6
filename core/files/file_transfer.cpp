// Copying and moving files without ever losing one, and the state of a path just before acting on it.
#include "core/files/file_transfer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

#include "core/files/file_checks.h"
#include "core/files/paths.h"
#include "core/files/safe_file_writer.h"

namespace vl {

namespace {

constexpr size_t CopyBlockSize = 1 << 20;

bool sameContentsState(const struct stat& a, const struct stat& b) {
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino && a.st_size == b.st_size &&
         a.st_mtim.tv_sec == b.st_mtim.tv_sec && a.st_mtim.tv_nsec == b.st_mtim.tv_nsec;
}

[[noreturn]] void refuse(const std::string& what, const std::string& source, const std::string& target,
                         const std::string& reason) {
  throw FileTransferError("cannot " + what + " \"" + source + "\" to \"" + target + "\": " + reason);
}

// Refuses a target that is the source itself or names something other than a regular file.
void checkTarget(const std::string& what, const std::string& source, const struct stat& sourceState,
                 const std::string& target, ExistingTarget existing) {
  struct stat st {};
  if (::stat(target.c_str(), &st) != 0) return;
  if (st.st_dev == sourceState.st_dev && st.st_ino == sourceState.st_ino)
    refuse(what, source, target, "it is the same file");
  if (!S_ISREG(st.st_mode)) refuse(what, source, target, "the target is not a regular file");
  if (existing == ExistingTarget::Keep) refuse(what, source, target, "the target already exists");
}

// A regular file opened for reading, closed when it goes out of scope.
class SourceFile {
 public:
  explicit SourceFile(const std::string& path) { fd_ = OpenRegularFile(path, reason_); }
  ~SourceFile() {
    if (fd_ >= 0) ::close(fd_);
  }
  SourceFile(const SourceFile&) = delete;
  SourceFile& operator=(const SourceFile&) = delete;
  int fd() const { return fd_; }
  const std::string& reason() const { return reason_; }

 private:
  int fd_ = -1;
  std::string reason_;
};

// Streams the whole source into the writer; false (errno set) when a read fails.
bool copyContents(int fd, SafeFileWriter& writer) {
  std::vector<char> buffer(CopyBlockSize);
  for (;;) {
    const ssize_t got = ::read(fd, buffer.data(), buffer.size());
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return false;
    if (got == 0) return true;
    writer.write(buffer.data(), static_cast<size_t>(got));
  }
}

// The copy of CopyFileTo into its final name; `copied` gets the source's state as read.
void copyInto(const std::string& source, const std::string& target, ExistingTarget existing,
              struct stat& copied) {
  const SourceFile file(source);
  if (file.fd() < 0) refuse("copy", source, target, file.reason());
  if (::fstat(file.fd(), &copied) != 0) refuse("copy", source, target, std::strerror(errno));
  checkTarget("copy", source, copied, target, existing);
  try {
    SafeFileWriter writer(target);
    if (existing == ExistingTarget::Keep) writer.keepExistingTarget();
    writer.setPermissions(copied.st_mode & 0777);
    if (!copyContents(file.fd(), writer)) refuse("copy", source, target, std::strerror(errno));
    struct stat after {};
    if (::fstat(file.fd(), &after) != 0 || !sameContentsState(copied, after))
      refuse("copy", source, target, "the file changed while it was copied");
    writer.setModificationTime(copied.st_mtim);
    writer.commit();
  } catch (const FileTransferError&) {
    throw;
  } catch (const std::runtime_error& e) {
    refuse("copy", source, target, e.what());
  }
}

// Makes the names in a folder durable (a rename or a new file in it).
bool syncFolder(const std::string& folder) {
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool synced = ::fsync(fd) == 0;
  ::close(fd);
  return synced;
}

bool renameWithin(const std::string& source, const std::string& target, ExistingTarget existing) {
  if (existing == ExistingTarget::Replace) return ::rename(source.c_str(), target.c_str()) == 0;
  if (::renameat2(AT_FDCWD, source.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0) return true;
  if (errno != EINVAL && errno != ENOSYS) return false;
  // File systems without RENAME_NOREPLACE: link(2) refuses an existing name as well.
  if (::link(source.c_str(), target.c_str()) != 0) return false;
  return ::unlink(source.c_str()) == 0;
}

// The move across file systems: the copy, synced with its folder, and only then the source unlinked.
void moveByCopy(const std::string& source, const std::string& target, ExistingTarget existing) {
  struct stat copied {};
  copyInto(source, target, existing, copied);
  if (!syncFolder(FolderOf(LinkTargetOf(target)))) refuse("move", source, target, std::strerror(errno));
  struct stat now {};
  if (::lstat(source.c_str(), &now) != 0 || !sameContentsState(copied, now))
    refuse("move", source, target, "the file changed while it was copied; the copy and the file both stay");
  if (::unlink(source.c_str()) != 0)
    refuse("move", source, target, std::string("the copy was made but the file stays: ") + std::strerror(errno));
}

}  // namespace

RegularFileState StateOfStat(const struct stat& st) {
  RegularFileState state;
  state.Identity = {static_cast<uint64_t>(st.st_dev), static_cast<uint64_t>(st.st_ino)};
  state.FullSize = static_cast<uint64_t>(st.st_size);
  state.Size = static_cast<int32_t>(static_cast<uint32_t>(st.st_size));
  state.FileDate = FileTimeToDateTime(st.st_mtime);
  return state;
}

PathKind ExaminePath(const std::string& path, RegularFileState& state) {
  struct stat st {};
  if (::lstat(path.c_str(), &st) != 0) return errno == ENOENT || errno == ENOTDIR ? PathKind::Missing : PathKind::Other;
  if (!S_ISREG(st.st_mode)) return PathKind::Other;
  state = StateOfStat(st);
  return PathKind::RegularFile;
}

std::string TransferTarget(const std::string& source, const std::string& target) {
  struct stat st {};
  if (::stat(target.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) return AddSlash(target) + FileNameOf(source);
  return target;
}

std::string CopyFileTo(const std::string& source, const std::string& target, ExistingTarget existing) {
  const std::string name = TransferTarget(source, target);
  struct stat copied {};
  copyInto(source, name, existing, copied);
  return name;
}

std::string MoveFileTo(const std::string& source, const std::string& target, ExistingTarget existing) {
  const std::string name = TransferTarget(source, target);
  struct stat st {};
  if (::lstat(source.c_str(), &st) != 0) refuse("move", source, name, std::strerror(errno));
  if (!S_ISREG(st.st_mode)) refuse("move", source, name, "it is not a regular file");
  checkTarget("move", source, st, name, existing);
  if (renameWithin(source, name, existing)) return name;
  if (errno != EXDEV) refuse("move", source, name, std::strerror(errno));
  moveByCopy(source, name, existing);
  return name;
}

std::string PlaceTakenReason(const std::string& path) {
  struct stat st {};
  if (::lstat(path.c_str(), &st) == 0 || errno != ENOENT) return "another file is at its place now";
  if (::stat(FolderOf(path).c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return "its folder no longer exists";
  return {};
}

}  // namespace vl

// Deleting files, to the desktop trash or for good.
#include "core/files/recycle.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <optional>
#include <string_view>

#include "core/files/file_checks.h"
#include "core/files/file_transfer.h"
#include "core/files/paths.h"

namespace vl {

namespace {

// More numbered names than any trash holds; the bound only guards the loop.
constexpr int MaxTrashNames = 100000;

std::string systemReason() { return std::strerror(errno); }

std::optional<dev_t> deviceOf(const std::string& path) {
  struct stat st {};
  if (::lstat(path.c_str(), &st) != 0) return std::nullopt;
  return st.st_dev;
}

bool makeFolders(const std::string& path) {
  std::error_code error;
  std::filesystem::create_directories(path, error);
  struct stat st {};
  return ::lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// A folder that is a real folder (not a link) owned by us, created 0700 when missing.
bool ownFolder(const std::string& path) {
  if (::mkdir(path.c_str(), 0700) != 0 && errno != EEXIST) return false;
  struct stat st {};
  return ::lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::getuid();
}

std::string homeTrash() {
  const char* dataHome = std::getenv("XDG_DATA_HOME");
  if (dataHome != nullptr && dataHome[0] == '/') return AddSlash(dataHome) + "Trash";
  const char* home = std::getenv("HOME");
  return home != nullptr && home[0] == '/' ? AddSlash(home) + ".local/share/Trash" : std::string();
}

// The top folder of the file system holding path: the highest folder above it on the same device.
std::string topFolderOf(const std::string& path, dev_t device) {
  std::string top = path;
  while (top.size() > 1) {
    std::string parent = FolderOf(top);
    if (parent.size() > 1) parent.pop_back();
    if (parent.empty() || deviceOf(parent) != device) break;
    top = parent;
  }
  return top;
}

// $topdir/.Trash/$uid when an administrator made .Trash (a sticky folder, not a
// link), else $topdir/.Trash-$uid.
std::string topTrash(const std::string& top) {
  const std::string uid = std::to_string(::getuid());
  const std::string shared = AddSlash(top) + ".Trash";
  struct stat st {};
  if (::lstat(shared.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && (st.st_mode & S_ISVTX) &&
      ownFolder(shared + "/" + uid))
    return shared + "/" + uid;
  const std::string own = AddSlash(top) + ".Trash-" + uid;
  return ownFolder(own) ? own : std::string();
}

// The home trash as it is used: its folder (a symbolic link's target, as the
// desktops follow it), the device of that folder, the device the name itself lies
// on (they differ for a link to another file system), and why it cannot be used.
struct HomeTrash {
  std::string folder;
  dev_t device = 0;
  dev_t placeDevice = 0;
  std::string problem;
};

HomeTrash homeTrashInUse(const std::string& home) {
  HomeTrash trash;
  struct stat st {};
  if (::lstat(home.c_str(), &st) != 0 && !makeFolders(home)) {
    trash.problem = "cannot make the trash " + home + ": " + systemReason();
    std::string above = home;
    while (above.size() > 1 && ::stat(above.c_str(), &st) != 0) above = FolderOf(above.substr(0, above.size() - 1));
    trash.placeDevice = st.st_dev;
    return trash;
  }
  ::lstat(home.c_str(), &st);
  trash.placeDevice = st.st_dev;
  char* real = ::realpath(home.c_str(), nullptr);
  struct stat target {};
  if (real == nullptr || ::stat(real, &target) != 0 || !S_ISDIR(target.st_mode)) {
    trash.problem = "the trash " + home + " is no folder" + (S_ISLNK(st.st_mode) ? " (a symbolic link to none)" : "");
  } else {
    trash.folder = real;
    trash.device = target.st_dev;
  }
  std::free(real);
  return trash;
}

// The trash for a file: the home trash when the file is on its file system (also
// through a symbolic link), else the trash of the file's own file system. A file on
// the file system where the home trash lies never goes to another trash: when the
// home trash cannot take it, the reason is in `problem` and the answer is empty.
std::string trashFor(const std::string& path, dev_t device, std::string& problem) {
  const std::string home = homeTrash();
  if (home.empty()) return topTrash(topFolderOf(path, device));
  const HomeTrash trash = homeTrashInUse(home);
  if (trash.problem.empty() && trash.device == device) return trash.folder;
  if (trash.placeDevice == device) {
    problem = trash.problem.empty() ? "the trash " + home + " leads to " + trash.folder + " on another file system"
                                    : trash.problem;
    return {};
  }
  return topTrash(topFolderOf(path, device));
}

// The path escaped as in URLs: every byte but letters, digits, "/" and -_.!~*'() as %XX.
std::string urlEscaped(const std::string& path) {
  static const char* const hex = "0123456789ABCDEF";
  std::string escaped;
  for (const char c : path) {
    const auto byte = static_cast<unsigned char>(c);
    if (std::isalnum(byte) || std::string_view("/-_.!~*'()").find(c) != std::string_view::npos) {
      escaped += c;
    } else {
      escaped += '%';
      escaped += hex[byte >> 4];
      escaped += hex[byte & 0x0F];
    }
  }
  return escaped;
}

std::string trashInfoText(const std::string& path) {
  const std::time_t now = std::time(nullptr);
  struct tm local {};
  ::localtime_r(&now, &local);
  char date[32];
  std::strftime(date, sizeof date, "%Y-%m-%dT%H:%M:%S", &local);
  return "[Trash Info]\nPath=" + urlEscaped(path) + "\nDeletionDate=" + date + "\n";
}

bool writeAll(int fd, const std::string& text) {
  size_t done = 0;
  while (done < text.size()) {
    const ssize_t wrote = ::write(fd, text.data() + done, text.size() - done);
    if (wrote < 0 && errno == EINTR) continue;
    if (wrote <= 0) return false;
    done += static_cast<size_t>(wrote);
  }
  return true;
}

std::string candidateName(const std::string& name, int n) {
  if (n == 1) return name;
  return FileNameNoExt(name) + "." + std::to_string(n) + ExtensionOf(name);
}

// Reserves a free name in the trash by creating its .trashinfo (exclusively) and
// then moves the file `name` of the open `folder` in; the info file goes again when
// the move fails. The reason the file stayed, or empty when it went (`infoWritten`
// then names its .trashinfo).
std::string moveIntoTrash(int folder, const std::string& name, const std::string& path, const std::string& trash,
                          std::string& infoWritten) {
  if (!ownFolder(trash + "/files") || !ownFolder(trash + "/info")) return "cannot use the trash " + trash;
  const std::string trashName = FileNameOf(path);
  for (int n = 1; n <= MaxTrashNames; ++n) {
    const std::string candidate = candidateName(trashName, n);
    const std::string info = trash + "/info/" + candidate + ".trashinfo";
    const std::string target = trash + "/files/" + candidate;
    const int fd = ::open(info.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0 && errno == EEXIST) continue;
    if (fd < 0) return "cannot write to the trash " + trash + ": " + systemReason();
    const bool written = writeAll(fd, trashInfoText(path));
    if (::close(fd) != 0 || !written) {
      const std::string reason = "cannot write to the trash " + trash + ": " + systemReason();
      ::unlink(info.c_str());
      return reason;
    }
    if (deviceOf(target)) {  // a file without info holds the name
      ::unlink(info.c_str());
      continue;
    }
    if (::renameat(folder, name.c_str(), AT_FDCWD, target.c_str()) == 0) {
      infoWritten = info;
      return {};
    }
    const std::string reason = "cannot move it to the trash " + trash + ": " + systemReason();
    ::unlink(info.c_str());
    return reason;
  }
  return "the trash " + trash + " has no free name";
}

// The path as a .trashinfo records it: absolute, without "." or ".." parts.
std::string trashedPathOf(const std::string& fileName, std::error_code& error) {
  return std::filesystem::absolute(fileName, error).lexically_normal().string();
}

std::string moveToTrash(int folder, const std::string& name, const std::string& fileName, std::string& infoWritten) {
  std::error_code error;
  const std::string path = trashedPathOf(fileName, error);
  struct stat st {};
  if (error) return error.message();
  if (::fstatat(folder, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) return systemReason();
  if (S_ISDIR(st.st_mode)) return "is a folder";
  std::string problem;
  const std::string trash = trashFor(path, st.st_dev, problem);
  if (!problem.empty()) return problem;
  return trash.empty() ? "there is no trash on its file system"
                       : moveIntoTrash(folder, name, path, trash, infoWritten);
}

}  // namespace

FileRemoval RemoveFile(const std::string& fileName, bool recycle) {
  return RemoveFileAt(AT_FDCWD, fileName, fileName, recycle);
}

FileRemoval RemoveFileAt(int folder, const std::string& name, const std::string& path, bool recycle) {
  if (name.empty() || path.empty()) return {false, "empty name", {}};
  FileRemoval removal;
  if (recycle) {
    removal.Reason = moveToTrash(folder, name, path, removal.TrashInfo);
  } else if (::unlinkat(folder, name.c_str(), 0) != 0) {
    removal.Reason = systemReason();
  }
  removal.Removed = removal.Reason.empty();
  return removal;
}

bool RecycleOrDeleteFiles(const std::vector<std::string>& files, bool recycle) {
  bool allGone = true;
  for (const std::string& file : files) allGone = RemoveFile(file, recycle).Removed && allGone;
  return allGone;
}

bool RecycleOrDeleteFile(const std::string& fileName, bool recycle) {
  return RecycleOrDeleteFiles({fileName}, recycle);
}

namespace {

// A .trashinfo is a few lines; anything longer is not one we wrote.
constexpr size_t MaxTrashInfoBytes = 64 * 1024;
const char* const TrashInfoSuffix = ".trashinfo";

// The text of a regular file of at most MaxTrashInfoBytes; none when it cannot be read or is longer.
std::optional<std::string> readTrashInfo(const std::string& info) {
  std::string reason;
  const int fd = OpenRegularFile(info, reason);
  if (fd < 0) return std::nullopt;
  std::string text(MaxTrashInfoBytes + 1, '\0');
  size_t got = 0;
  bool failed = false;
  while (got < text.size()) {
    const ssize_t read = ::read(fd, text.data() + got, text.size() - got);
    if (read < 0 && errno == EINTR) continue;
    failed = read < 0;
    if (read <= 0) break;
    got += static_cast<size_t>(read);
  }
  ::close(fd);
  if (failed || got > MaxTrashInfoBytes) return std::nullopt;
  text.resize(got);
  return text;
}

// Whether the info file's [Trash Info] group has the line "Path=" + escaped.
bool namesPath(const std::string& text, const std::string& escaped) {
  const std::string header = "[Trash Info]\n";
  if (text.rfind(header, 0) != 0) return false;
  return text.find("\nPath=" + escaped + "\n") != std::string::npos;
}

// "<trash>/files/<name>" for "<trash>/info/<name>.trashinfo"; empty for any other name.
std::string trashedFileFor(const std::string& info) {
  const std::string name = FileNameOf(info);
  std::string folder = FolderOf(info);
  if (folder.size() > 1) folder.pop_back();
  const size_t suffix = std::strlen(TrashInfoSuffix);
  if (FileNameOf(folder) != "info" || name.size() <= suffix || !name.ends_with(TrashInfoSuffix)) return {};
  return FolderOf(folder) + "files/" + name.substr(0, name.size() - suffix);
}

TrashRestore restoreStatus(TrashRestoreStatus status, std::string trashedFile, std::string reason) {
  return {status, std::move(trashedFile), std::move(reason)};
}

}  // namespace

TrashRestore CheckTrashRestore(const std::string& trashInfo, const std::string& originalPath) {
  std::error_code error;
  const std::string path = trashedPathOf(originalPath, error);
  const std::string trashed = trashedFileFor(trashInfo);
  const std::optional<std::string> info = trashed.empty() || error ? std::nullopt : readTrashInfo(trashInfo);
  if (!info || !namesPath(*info, urlEscaped(path)))
    return restoreStatus(TrashRestoreStatus::NotInTrash, trashed, "the trash no longer holds it");
  struct stat st {};
  if (::lstat(trashed.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
    return restoreStatus(TrashRestoreStatus::NotInTrash, trashed, "its file is no longer in the trash");
  std::string taken = PlaceTakenReason(path);
  if (!taken.empty()) return restoreStatus(TrashRestoreStatus::PathTaken, trashed, std::move(taken));
  return restoreStatus(TrashRestoreStatus::Ready, trashed, {});
}

TrashRestore RestoreFromTrash(const std::string& trashInfo, const std::string& originalPath) {
  TrashRestore restore = CheckTrashRestore(trashInfo, originalPath);
  if (restore.Status != TrashRestoreStatus::Ready) return restore;
  try {
    MoveFileTo(restore.TrashedFile, originalPath, ExistingTarget::Keep);
  } catch (const FileTransferError& e) {
    return restoreStatus(TrashRestoreStatus::Failed, restore.TrashedFile, e.what());
  }
  ::unlink(trashInfo.c_str());
  return restore;
}

}  // namespace vl

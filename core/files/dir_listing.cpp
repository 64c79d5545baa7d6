// Directory listing and file-time conversion.
#include "core/files/dir_listing.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "core/files/paths.h"

namespace vl {

namespace {

constexpr double SecondsPerDay = 86400.0;

// Days from 1970-01-01 to the given civil date (proleptic Gregorian calendar).
int64_t daysFromCivil(int64_t year, unsigned month, unsigned day) {
  year -= month <= 2;
  const int64_t era = (year >= 0 ? year : year - 399) / 400;
  const unsigned yearOfEra = static_cast<unsigned>(year - era * 400);
  const unsigned dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const unsigned dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + static_cast<int64_t>(dayOfEra) - 719468;
}

const int64_t DateTimeEpoch = daysFromCivil(1899, 12, 30);

DirItem itemOf(std::string name, const struct stat& st) {
  DirItem item;
  item.Name = std::move(name);
  item.IsDirectory = S_ISDIR(st.st_mode);
  item.IsRegular = S_ISREG(st.st_mode);
  item.Identity = {uint64_t(st.st_dev), uint64_t(st.st_ino)};
  item.IsHidden = !item.Name.empty() && item.Name.front() == '.';
  item.FullSize = st.st_size;
  item.Size = static_cast<int32_t>(static_cast<uint32_t>(st.st_size));
  item.FileDate = FileTimeToDateTime(st.st_mtime);
  return item;
}

bool isLink(int dirFd, const dirent& entry) {
  if (entry.d_type != DT_UNKNOWN) return entry.d_type == DT_LNK;
  struct stat st {};
  return ::fstatat(dirFd, entry.d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISLNK(st.st_mode);
}

// Why an item could not be examined, from the errno of its stat.
std::string itemProblem(int dirFd, const dirent& entry, int error) {
  if (error == ENOENT && isLink(dirFd, entry)) return "the symbolic link leads nowhere";
  return std::strerror(error);
}

}  // namespace

std::vector<DirItem> ListDirectory(const std::string& folder, const std::function<bool()>& stop,
                                   ListingProblems* problems) {
  std::vector<DirItem> items;
  DIR* dir = folder.empty() ? nullptr : ::opendir(folder.c_str());
  if (dir == nullptr) {
    if (problems != nullptr) problems->Folder = std::strerror(folder.empty() ? ENOENT : errno);
    return items;
  }
  const int dirFd = ::dirfd(dir);
  for (;;) {
    errno = 0;
    const dirent* entry = ::readdir(dir);
    if (entry == nullptr) {
      if (errno != 0 && problems != nullptr) problems->Folder = std::string("its listing stopped: ") + std::strerror(errno);
      break;
    }
    if (std::strcmp(entry->d_name, ".") == 0 || std::strcmp(entry->d_name, "..") == 0) continue;
    if (stop && stop()) break;
    struct stat st {};
    if (::fstatat(dirFd, entry->d_name, &st, 0) != 0) {
      const int error = errno;
      if (problems != nullptr) problems->Items.push_back({entry->d_name, itemProblem(dirFd, *entry, error)});
      continue;
    }
    items.push_back(itemOf(entry->d_name, st));
    items.back().IsLink = isLink(dirFd, *entry);
  }
  ::closedir(dir);
  std::sort(items.begin(), items.end(),
            [](const DirItem& a, const DirItem& b) { return std::strcmp(a.Name.c_str(), b.Name.c_str()) < 0; });
  return items;
}

std::optional<DirItem> FindFile(const std::string& path) {
  struct stat st {};
  if (path.empty() || ::stat(path.c_str(), &st) != 0) return std::nullopt;
  return itemOf(FileNameOf(path), st);
}

double FileTimeToDateTime(std::time_t seconds) {
  struct tm local {};
  if (::localtime_r(&seconds, &local) == nullptr) return 0;
  const int64_t days = daysFromCivil(int64_t{local.tm_year} + 1900, static_cast<unsigned>(local.tm_mon + 1),
                                     static_cast<unsigned>(local.tm_mday)) -
                       DateTimeEpoch;
  const int secondOfDay = (local.tm_hour * 3600 + local.tm_min * 60 + std::min(local.tm_sec, 59)) & ~1;
  const double fraction = secondOfDay / SecondsPerDay;
  // Before 30 December 1899 the day count is negative and the fraction still adds time of day.
  return days >= 0 ? static_cast<double>(days) + fraction : static_cast<double>(days) - fraction;
}

}  // namespace vl

// Folder entries named on the command line, checked and made absolute.
#include "cli/folder_entries.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>

#include "cli/arguments.h"
#include "core/files/paths.h"
#include "core/scan/gather.h"

namespace vl::cli {

std::vector<std::string> AbsoluteEntries(const std::vector<std::string>& entries) {
  std::vector<std::string> absolute;
  for (const auto& entry : entries) absolute.push_back(AbsolutePath(entry));
  return absolute;
}

void CheckFolderEntries(const std::vector<std::string>& entries, const std::string& source) {
  for (const auto& entry : entries) {
    if (IsDatabaseEntry(entry)) continue;
    struct stat st {};
    const std::string named = source + ": \"" + entry + "\"";
    if (::stat(entry.c_str(), &st) != 0) throw UsageError{named + ": " + std::strerror(errno), false};
    if (!S_ISDIR(st.st_mode)) throw UsageError{named + " is not a folder", false};
  }
}

}  // namespace vl::cli

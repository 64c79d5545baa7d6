// Folder entries named on the command line, made absolute and expanded with their subfolders.
#include "cli/folder_entries.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>

#include "cli/arguments.h"
#include "core/files/paths.h"
#include "core/settings/folder_lists.h"
#include "core/scan/gather.h"

namespace vl::cli {

std::vector<std::string> ExpandFolderEntries(const std::vector<std::string>& entries, bool withSubfolders) {
  std::vector<std::string> folders;
  std::vector<std::string> databases;
  for (const auto& entry : entries) {
    const std::string absolute = AbsolutePath(entry);
    if (!withSubfolders)
      folders.push_back(absolute);
    else if (IsDatabaseEntry(absolute))
      databases.push_back(absolute);
    else
      AddFolderToList(folders, absolute, true, {});
  }
  folders.insert(folders.end(), databases.begin(), databases.end());
  return folders;
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

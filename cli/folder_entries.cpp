// Folder entries named on the command line, made absolute and expanded with their subfolders.
#include "cli/folder_entries.h"

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

}  // namespace vl::cli

// Breadth-first listing of every folder below a folder.
#include "core/files/subfolders.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstring>

#include "core/files/paths.h"

namespace vl {

namespace {

bool leads(const std::string& root, const std::string& folder) {
  const std::string slashedRoot = AddSlash(root);
  return !root.empty() && AddSlash(folder).compare(0, slashedRoot.size(), slashedRoot) == 0;
}

// Real folders only: a symbolic link is never taken for a folder.
bool isRealFolder(int dirFd, const dirent& entry) {
  if (entry.d_type != DT_UNKNOWN) return entry.d_type == DT_DIR;
  struct stat st {};
  return ::fstatat(dirFd, entry.d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISDIR(st.st_mode);
}

std::vector<std::string> childFolderNames(const std::string& folder) {
  std::vector<std::string> names;
  DIR* dir = folder.empty() ? nullptr : ::opendir(folder.c_str());
  if (dir == nullptr) return names;
  while (const dirent* entry = ::readdir(dir)) {
    if (entry->d_name[0] != '.' && isRealFolder(::dirfd(dir), *entry)) names.emplace_back(entry->d_name);
  }
  ::closedir(dir);
  std::sort(names.begin(), names.end(),
            [](const std::string& a, const std::string& b) { return std::strcmp(a.c_str(), b.c_str()) < 0; });
  return names;
}

}  // namespace

void ListChildFolders(const std::string& folder, const std::string& root, std::vector<std::string>& output) {
  const std::string slashed = AddSlash(folder);
  const std::string prefix = leads(root, folder) ? slashed.substr(AddSlash(root).size()) : slashed;
  for (const std::string& name : childFolderNames(folder)) output.push_back(prefix + name);
}

bool ListSubFolders(const std::string& folder, std::string root, std::vector<std::string>& output,
                    const std::function<void()>& pump) {
  if (folder.size() < root.size()) root = folder;
  if (!leads(root, folder)) root.clear();
  const std::string base = AddSlash(root);
  std::vector<std::string> found;
  ListChildFolders(folder, root, found);
  for (size_t i = 0; i < found.size(); ++i) {
    ListChildFolders(base + found[i], root, found);
    if (pump) pump();
  }
  output.insert(output.end(), found.begin(), found.end());
  return true;
}

}  // namespace vl

// Shortcuts to files: symbolic links named like the desktop's ".lnk" files.
#include "core/files/shortcut.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "core/files/paths.h"

namespace vl {

namespace {

// More numbered names than any folder holds; the bound only guards the loop.
constexpr int MaxNumberedNames = 100000;

bool nameTaken(const std::string& path) {
  struct stat st {};
  return ::lstat(path.c_str(), &st) == 0;  // a dangling link takes its name too
}

}  // namespace

std::string CreateShortcut(const std::string& target, const std::string& linkName) {
  if (target.empty() || linkName.empty()) return {};
  const std::string pointsTo = AbsolutePath(target);
  std::string name = ForceExtension(linkName, ".lnk");
  const std::string base = name.substr(0, name.size() - 4);
  for (int n = 1; n <= MaxNumberedNames; ++n) {
    if (!nameTaken(name)) {
      if (::symlink(pointsTo.c_str(), name.c_str()) == 0) return name;
      if (errno != EEXIST) return {};
    }
    name = base + "(" + std::to_string(n) + ").lnk";
  }
  return {};
}

}  // namespace vl

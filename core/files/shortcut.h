// Shortcuts to files: symbolic links named like the desktop's ".lnk" files.
#pragma once

#include <string>

namespace vl {

// Makes a symbolic link to Target named ForceExtension(LinkName, ".lnk"); when
// that name is taken, the first free of x(1).lnk, x(2).lnk, ... A relative Target
// is made absolute first so that the link works from any folder. Returns the name
// used; empty when no link could be made. O(names tried).
std::string CreateShortcut(const std::string& target, const std::string& linkName);

}  // namespace vl

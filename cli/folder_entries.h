// Folder entries named on the command line, checked and made absolute.
#pragma once

#include <string>
#include <vector>

namespace vl::cli {

// Each entry made absolute, so that results and databases record full paths (the
// job expands subfolders when asked: ExpandFolderEntries). O(n).
std::vector<std::string> AbsoluteEntries(const std::vector<std::string>& entries);

// Throws UsageError naming `source` (the option or list that gave them) and the entry
// for the first entry that is not a database file and not a folder, with the
// system's reason when it cannot be reached. One stat per entry.
void CheckFolderEntries(const std::vector<std::string>& entries, const std::string& source);

}  // namespace vl::cli

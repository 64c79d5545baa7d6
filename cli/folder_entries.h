// Folder entries named on the command line, made absolute and expanded with their subfolders.
#pragma once

#include <string>
#include <vector>

namespace vl::cli {

// Each entry made absolute (so results and databases record full paths); with
// withSubfolders each folder entry is merged with every folder below it (sorted,
// case-insensitive duplicates dropped) and database entries follow unchanged.
// O(n log n) plus one listing per subfolder.
std::vector<std::string> ExpandFolderEntries(const std::vector<std::string>& entries, bool withSubfolders);

// Throws UsageError naming `source` (the option or list that gave them) and the entry
// for the first entry that is not a database file and not a folder, with the
// system's reason when it cannot be reached. One stat per entry.
void CheckFolderEntries(const std::vector<std::string>& entries, const std::string& source);

}  // namespace vl::cli

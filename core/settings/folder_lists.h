// Folder lists: the folder-list text file and the rule for adding a folder to a list.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace vl {

// The largest folder-list file read: far more folders than anyone lists.
constexpr size_t MaxFolderListBytes = size_t(16) << 20;

// Reads a folder-list file: lines end in CR, LF or CR LF; every line is an entry,
// empty ones included, and a final line break adds none. Only a regular file of at
// most MaxFolderListBytes is read, opened without waiting (a FIFO or a device is
// refused at once). Throws std::runtime_error naming the file and the reason when
// it cannot be read. O(file size).
std::vector<std::string> LoadFolderListFile(const std::string& fileName);

// Writes the entries with CR LF after every line through WriteFileSafely, so a failed
// write keeps the old file. Throws std::runtime_error on failure. O(total length).
void SaveFolderListFile(const std::string& fileName, const std::vector<std::string>& entries);

// Sorts entries by the locale's case-insensitive collation. O(n log n) comparisons.
void SortFolderList(std::vector<std::string>& entries);

// Merges the folder (with subfolders: and every folder below it, ListSubFolders,
// `pump` after each) into the entries, dropping entries equal byte for byte to an
// earlier one: names differing in case are different folders. The list ends sorted
// without regard to case. O(n log n) plus one listing per subfolder.
void AddFolderToList(std::vector<std::string>& entries, const std::string& folder, bool withSubfolders,
                     const std::function<void()>& pump);

}  // namespace vl

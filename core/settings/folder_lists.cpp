// Folder lists: the folder-list text file and the rule for adding a folder to a list.
#include "core/settings/folder_lists.h"

#include <set>
#include <stdexcept>

#include "core/components/sorter.h"
#include "core/files/file_checks.h"
#include "core/files/safe_file_writer.h"
#include "core/files/subfolders.h"

namespace vl {

namespace {

// Drops entries equal byte for byte to an earlier one (on Linux "Photos" and
// "photos" are two folders), then sorts without regard to case.
void sortUnique(std::vector<std::string>& entries) {
  std::set<std::string> seen;
  std::vector<std::string> kept;
  kept.reserve(entries.size());
  for (auto& entry : entries) {
    if (seen.insert(entry).second) kept.push_back(std::move(entry));
  }
  entries = std::move(kept);
  SortFolderList(entries);
}

}  // namespace

std::vector<std::string> LoadFolderListFile(const std::string& fileName) {
  std::string bytes, reason;
  if (!ReadRegularFile(fileName, MaxFolderListBytes, bytes, reason))
    throw std::runtime_error("Cannot read the folder list " + fileName + ": " + reason + ".");
  if (bytes.size() > MaxFolderListBytes)
    throw std::runtime_error("Cannot read the folder list " + fileName + ": it is larger than " +
                             std::to_string(MaxFolderListBytes >> 20) + " MB.");
  std::vector<std::string> entries;
  std::string line;
  for (size_t i = 0; i < bytes.size(); ++i) {
    const char c = bytes[i];
    if (c != '\r' && c != '\n') {
      line += c;
      continue;
    }
    if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
    entries.push_back(std::move(line));
    line.clear();
  }
  if (!line.empty()) entries.push_back(std::move(line));
  return entries;
}

void SaveFolderListFile(const std::string& fileName, const std::vector<std::string>& entries) {
  std::string bytes;
  for (const auto& entry : entries) bytes += entry + "\r\n";
  WriteFileSafely(fileName, bytes);
}

void SortFolderList(std::vector<std::string>& entries) {
  TSorter sorter;
  VectorStrings<std::string> strings(entries, [](const std::string& s) { return s; });
  sorter.setStrings(&strings);
  sorter.setStringSortType(stWinNoCase);
  sorter.SortStrings();
}

void AddFolderToList(std::vector<std::string>& entries, const std::string& folder, bool withSubfolders,
                     const std::function<void()>& pump) {
  entries.push_back(folder);
  if (withSubfolders) ListSubFolders(folder, "", entries, pump);
  sortUnique(entries);
}

}  // namespace vl

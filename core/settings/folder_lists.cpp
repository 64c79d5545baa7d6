// Folder lists: the folder-list text file and the rule for adding a folder to a list.
#include "core/settings/folder_lists.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "core/components/sorter.h"
#include "core/files/safe_file_writer.h"
#include "core/files/subfolders.h"

namespace vl {

namespace {

int CompareNoCase(TSorter& sorter, const std::string& a, const std::string& b) {
  return sorter.CompareStrings(a, b, stWinNoCase);
}

// Sorts without regard to case and drops entries equal to their predecessor.
void SortUnique(std::vector<std::string>& entries) {
  SortFolderList(entries);
  TSorter sorter;
  std::vector<std::string> kept;
  kept.reserve(entries.size());
  for (auto& entry : entries) {
    if (kept.empty() || CompareNoCase(sorter, kept.back(), entry) != 0) kept.push_back(std::move(entry));
  }
  entries = std::move(kept);
}

}  // namespace

std::vector<std::string> LoadFolderListFile(const std::string& fileName) {
  std::ifstream in(fileName, std::ios::binary);
  if (!in) throw std::runtime_error("Cannot read the folder list " + fileName + ": " + std::strerror(errno) + ".");
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) throw std::runtime_error("Cannot read the folder list " + fileName + ": " + std::strerror(errno) + ".");
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
  if (!withSubfolders) {
    TSorter sorter;
    bool listed = false;
    for (const auto& entry : entries) listed = listed || CompareNoCase(sorter, entry, folder) == 0;
    if (!listed) entries.push_back(folder);
    SortFolderList(entries);
    return;
  }
  entries.push_back(folder);
  ListSubFolders(folder, "", entries, pump);
  SortUnique(entries);
}

}  // namespace vl

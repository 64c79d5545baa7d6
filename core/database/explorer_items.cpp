// Loading a database for the explorer, sorting its records, building the folder tree and searching file names.
#include "core/database/explorer_items.h"

#include <algorithm>
#include <numeric>

#include "core/components/parallel_run.h"
#include "core/components/sorter.h"
#include "core/files/wildcard.h"

namespace vl {

namespace {

// Records whose sort keys one thread makes at a time.
constexpr size_t KeyChunk = 4096;

// The folder part of a path, up to and including its last "/".
std::string_view folderOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string_view() : std::string_view(path).substr(0, slash + 1);
}

}  // namespace

void ExplorerData::clear() {
  items_.clear();
  tree_.clear();
  searchNode_ = -1;
  searchResults_.clear();
}

DatabaseOutcome ExplorerData::load(const std::string& fileName) {
  return ReadDatabaseRecords(fileName, [this](std::unique_ptr<TScanEntry> entry) {
    items_.push_back(ExplorerItem{-1, entry->Excluded, std::move(entry->Path), std::move(entry->Volume), entry->Size,
                                  entry->FileDate, entry->Width, entry->Height});
  });
}

void ExplorerData::sortByPath() {
  std::vector<std::string> keys(items_.size());
  const size_t chunks = (items_.size() + KeyChunk - 1) / KeyChunk;
  RunInParallel(
      chunks, 0,
      [this, &keys](size_t chunk) {
        const size_t end = std::min(items_.size(), (chunk + 1) * KeyChunk);
        for (size_t index = chunk * KeyChunk; index < end; ++index)
          keys[index] = CollationKey(items_[index].path, stWinNoCase);
      },
      [] { return true; });
  std::vector<size_t> order(items_.size());
  std::iota(order.begin(), order.end(), size_t(0));
  std::sort(order.begin(), order.end(), [&keys](size_t a, size_t b) { return keys[a] < keys[b]; });
  std::vector<ExplorerItem> sorted;
  sorted.reserve(items_.size());
  for (size_t index : order) sorted.push_back(std::move(items_[index]));
  items_ = std::move(sorted);
}

void ExplorerData::buildTree() {
  tree_.clear();
  searchResults_.clear();
  FolderPathMap map;
  const std::vector<DriveRoot> roots = GetDriveLetters();
  std::string_view lastFolder;
  int node = -1;
  for (size_t index = 0; index < items_.size(); ++index) {
    // Sorted records of one folder come together: only a new folder is looked up.
    const std::string_view folder = folderOf(items_[index].path);
    if (index == 0 || folder != lastFolder) node = FindOrCreateNode(items_[index].path, tree_, true, map, roots);
    lastFolder = folder;
    if (node < 0) continue;
    items_[index].next = tree_.nodes[size_t(node)].firstItem;
    tree_.nodes[size_t(node)].firstItem = static_cast<int>(index);
  }
  searchNode_ = tree_.add(SearchResultsText, -1);
}

void ExplorerData::search(const std::string& pattern) {
  searchResults_.clear();
  for (size_t index = 0; index < items_.size(); ++index) {
    const std::string& path = items_[index].path;
    const size_t slash = path.rfind('/');
    const std::string_view name = slash == std::string::npos ? std::string_view(path)
                                                             : std::string_view(path).substr(slash + 1);
    if (WildcardMatch(name, pattern, true)) searchResults_.push_back(static_cast<int>(index));
  }
}

std::vector<int> ExplorerData::itemsOf(int node) const {
  if (node < 0 || node >= static_cast<int>(tree_.nodes.size())) return {};
  if (node == searchNode_) return searchResults_;
  std::vector<int> shown;
  for (int item = tree_.nodes[size_t(node)].firstItem; item >= 0; item = items_[size_t(item)].next)
    shown.push_back(item);
  return shown;
}

}  // namespace vl

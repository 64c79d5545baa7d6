// Loading a database for the explorer, sorting its records, building the folder tree and searching file names.
#include "core/database/explorer_items.h"

#include <algorithm>
#include <numeric>

#include "core/components/sorter.h"
#include "core/files/wildcard.h"

namespace vl {

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
  std::vector<std::string> keys;
  keys.reserve(items_.size());
  for (const ExplorerItem& item : items_) keys.push_back(CollationKey(item.Path, stWinNoCase));
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
  for (size_t index = 0; index < items_.size(); ++index) {
    const int node = FindOrCreateNode(items_[index].Path, tree_, true, map, roots);
    if (node < 0) continue;
    items_[index].Next = tree_.Nodes[size_t(node)].FirstItem;
    tree_.Nodes[size_t(node)].FirstItem = static_cast<int>(index);
  }
  searchNode_ = tree_.add(SearchResultsText, -1);
}

void ExplorerData::search(const std::string& pattern) {
  searchResults_.clear();
  for (size_t index = 0; index < items_.size(); ++index) {
    const std::string& path = items_[index].Path;
    const size_t slash = path.rfind('/');
    const std::string_view name = slash == std::string::npos ? std::string_view(path)
                                                             : std::string_view(path).substr(slash + 1);
    if (WildcardMatch(name, pattern, true)) searchResults_.push_back(static_cast<int>(index));
  }
}

std::vector<int> ExplorerData::itemsOf(int node) const {
  if (node < 0 || node >= static_cast<int>(tree_.Nodes.size())) return {};
  if (node == searchNode_) return searchResults_;
  std::vector<int> shown;
  for (int item = tree_.Nodes[size_t(node)].FirstItem; item >= 0; item = items_[size_t(item)].Next)
    shown.push_back(item);
  return shown;
}

}  // namespace vl

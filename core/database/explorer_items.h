// The database explorer's data: the records of one database, sorted by path, their folder tree and a file-name search.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/database/database_file.h"
#include "core/database/folder_tree.h"

namespace vl {

// The explorer's copy of one database record. next is the index of the next record
// of the same folder, -1 for none.
struct ExplorerItem {
  int next = -1;
  uint8_t flag = 0;
  std::string path;
  std::string volumeLabel;
  int32_t size = 0;
  double date = 0;
  int32_t width = 0;
  int32_t height = 0;
};

// Every record of one database with its folder tree. The tree's last top-level
// node is "Search Results" (SearchNode) once a tree is built.
class ExplorerData {
 public:
  static constexpr const char* SearchResultsText = "Search Results";

  // Empties records, tree and search results.
  void clear();
  // Reads the records of fileName in file order, appending them. Invalid or
  // WrongVersion read nothing. A read error or damage after the version throws
  // (std::runtime_error or DatabaseDataError) and keeps the records read before it.
  // O(file size).
  DatabaseOutcome load(const std::string& fileName);
  // Sorts the records by path (a to z case-blind, by the user's locale), each path
  // collated once: O(n log n) key comparisons.
  void sortByPath();
  // Builds the folder tree over the records in their order, chaining each folder's
  // records through Next, then adds "Search Results". Drive roots are read once.
  // O(records × log folders).
  void buildTree();
  // Fills the search results with the records, in their order, whose file name (the
  // text after the last "/") matches `pattern` (WildcardMatch ignoring case). An
  // empty pattern finds nothing. O(records × pattern length).
  void search(const std::string& pattern);

  const std::vector<ExplorerItem>& items() const { return items_; }
  const FolderTree& tree() const { return tree_; }
  int searchNode() const { return searchNode_; }
  const std::vector<int>& searchResults() const { return searchResults_; }
  // The records shown for a node: the search results for SearchNode, else the
  // folder's own records through Next. O(records shown).
  std::vector<int> itemsOf(int node) const;

 private:
  std::vector<ExplorerItem> items_;
  FolderTree tree_;
  int searchNode_ = -1;
  std::vector<int> searchResults_;
};

}  // namespace vl

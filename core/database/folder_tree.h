// The folder tree of a database's records: one node per volume root and folder name, found through a sorted folder-path map.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "core/files/drives.h"

namespace vl {

// One folder of the tree. firstItem is the index of the first record that lies
// directly in the folder (the others follow through the records' Next), -1 for none.
struct FolderNode {
  std::string text;
  int parent = -1;
  std::vector<int> children;  // in the order they were added
  int firstItem = -1;
};

// A forest of folder nodes held by index; top-level nodes are volume roots.
struct FolderTree {
  std::vector<FolderNode> nodes;
  std::vector<int> topLevel;

  void clear() {
    nodes.clear();
    topLevel.clear();
  }
  // Adds a node as the last child of parent (at the top level for -1); returns its index.
  int add(const std::string& text, int parent);
};

// Orders folder paths with the letters a to z compared without regard to case.
struct FolderPathLess {
  bool operator()(const std::string& a, const std::string& b) const;
};

// Folder path (ending in "/") to node index.
using FolderPathMap = std::map<std::string, int, FolderPathLess>;

// The names of the folders in folderPath: first its drive root as DriveRootOf
// computes it against `roots` ("/" or a mount root such as "/media/me/DISC1"), then
// each folder name below it; text after the last "/" is no part. A path that is not
// absolute is split at every "/". Empty names (doubled slashes) are left out.
// O(path length + roots).
void SplitPath(const std::string& folderPath, std::vector<std::string>& parts, const std::vector<DriveRoot>& roots);

// The full folder path of a node, ending in "/": a top-level node's text with "/"
// added (a root "/" stays "/"), below it the parent's path, the text and "/".
// O(depth).
std::string NodePath(const FolderTree& tree, int node);

// The node of the folder that holds `path` (everything up to its last "/"): the map's
// node for that folder path when it has one (without regard to case); otherwise the
// tree is walked along the parts of SplitPath, matching node texts exactly, and with
// `create` the missing parts are added below the deepest match, each entered in the
// map under its NodePath. -1 when the folder is not in the tree and create is false, or when the
// folder path has no parts. O(log folders) for a mapped folder, else O(parts ×
// siblings).
int FindOrCreateNode(const std::string& path, FolderTree& tree, bool create, FolderPathMap& map,
                     const std::vector<DriveRoot>& roots);

}  // namespace vl

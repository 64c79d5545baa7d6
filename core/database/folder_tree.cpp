// Finding and creating folder nodes, splitting folder paths and naming nodes.
#include "core/database/folder_tree.h"

#include <algorithm>

namespace vl {

namespace {

char upperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// The node among `siblings` whose text equals `text` exactly, or -1.
int matchingSibling(const FolderTree& tree, const std::vector<int>& siblings, const std::string& text) {
  for (int node : siblings)
    if (tree.nodes[size_t(node)].text == text) return node;
  return -1;
}

// Walks the tree along parts; the deepest node matched and how many parts it covers.
std::pair<int, size_t> deepestMatch(const FolderTree& tree, const std::vector<std::string>& parts) {
  int found = -1;
  size_t matched = 0;
  const std::vector<int>* siblings = &tree.topLevel;
  for (const std::string& part : parts) {
    const int node = matchingSibling(tree, *siblings, part);
    if (node < 0) break;
    found = node;
    ++matched;
    siblings = &tree.nodes[size_t(node)].children;
  }
  return {found, matched};
}

}  // namespace

int FolderTree::add(const std::string& text, int parent) {
  const int index = static_cast<int>(nodes.size());
  nodes.push_back(FolderNode{text, parent, {}, -1});
  (parent < 0 ? topLevel : nodes[size_t(parent)].children).push_back(index);
  return index;
}

bool FolderPathLess::operator()(const std::string& a, const std::string& b) const {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return static_cast<unsigned char>(upperAscii(x)) < static_cast<unsigned char>(upperAscii(y));
  });
}

void SplitPath(const std::string& folderPath, std::vector<std::string>& parts, const std::vector<DriveRoot>& roots) {
  parts.clear();
  size_t start = 0;
  const std::string root = folderPath.empty() ? std::string() : DriveRootOf(folderPath, roots);
  if (!root.empty()) {
    parts.push_back(root);
    start = root.size();
  }
  for (size_t slash = folderPath.find('/', start); slash != std::string::npos;
       start = slash + 1, slash = folderPath.find('/', start)) {
    if (slash > start) parts.push_back(folderPath.substr(start, slash - start));
  }
}

std::string NodePath(const FolderTree& tree, int node) {
  const FolderNode& folder = tree.nodes[size_t(node)];
  const std::string above = folder.parent < 0 ? std::string() : NodePath(tree, folder.parent);
  if (folder.parent < 0 && !folder.text.empty() && folder.text.back() == '/') return folder.text;
  return above + folder.text + "/";
}

int FindOrCreateNode(const std::string& path, FolderTree& tree, bool create, FolderPathMap& map,
                     const std::vector<DriveRoot>& roots) {
  const size_t slash = path.rfind('/');
  const std::string folderPath = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
  if (const auto mapped = map.find(folderPath); mapped != map.end()) return mapped->second;
  std::vector<std::string> parts;
  SplitPath(folderPath, parts, roots);
  auto [node, matched] = deepestMatch(tree, parts);
  if (matched == parts.size()) return node;
  if (!create) return -1;
  for (size_t part = matched; part < parts.size(); ++part) {
    node = tree.add(parts[part], node);
    map.emplace(NodePath(tree, node), node);
  }
  return node;
}

}  // namespace vl

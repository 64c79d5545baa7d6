// Breadth-first listing of every folder below a folder.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace vl {

// Appends to Output every folder below Folder, at any depth, breadth first (each
// level in name order). Names beginning with "." are skipped, and so are symbolic
// links to folders (a link cycle would never end, and a linked tree would be listed
// twice). With an empty Root the entries are full paths ("Folder/sub/subsub");
// with a Root that leads Folder they are relative to Root (a Root that does not
// lead Folder counts as empty). `pump` runs after each folder (the GUI keeps
// responding). Always returns true. Cost: one listing per folder found.
bool ListSubFolders(const std::string& folder, std::string root, std::vector<std::string>& output,
                    const std::function<void()>& pump = {});

// The one-level step: appends prefix + name for each child folder of Folder, in
// name order; the prefix is Folder + "/" with an empty Root, else the part of it
// after Root + "/". O(children).
void ListChildFolders(const std::string& folder, const std::string& root, std::vector<std::string>& output);

}  // namespace vl

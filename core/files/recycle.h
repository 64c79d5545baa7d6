// Deleting files, to the desktop trash or for good.
#pragma once

#include <string>
#include <vector>

namespace vl {

// What became of one file handed to RemoveFile.
struct FileRemoval {
  bool Removed = false;
  std::string Reason;  // why it stayed, when it did
};

// With recycle, moves the file (never a folder) to the freedesktop.org trash as
// RecycleOrDeleteFiles does; without, unlinks it. Asks nothing. A link is removed
// itself, never its target.
FileRemoval RemoveFile(const std::string& fileName, bool recycle);

// With recycle, moves each file to the freedesktop.org trash (the home trash under
// $XDG_DATA_HOME for files on its file system, a symbolic link to it followed,
// $topdir/.Trash-$uid elsewhere, each with its .trashinfo); a file on the file system
// where the home trash lies stays when that trash cannot take it. Without recycle,
// unlinks it. Every file is tried; true only
// when every one went. Asks nothing. O(files).
bool RecycleOrDeleteFiles(const std::vector<std::string>& files, bool recycle);

// RecycleOrDeleteFiles for one file.
bool RecycleOrDeleteFile(const std::string& fileName, bool recycle);

}  // namespace vl

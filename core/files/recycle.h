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
// RemoveFile for the file `name` in the open `folder` (a descriptor, or AT_FDCWD
// for a name relative to the current folder), whose full path `path` the trash
// records: the file is moved or unlinked relative to that folder, which is never
// looked up by name again.
FileRemoval RemoveFileAt(int folder, const std::string& name, const std::string& path, bool recycle);

// With recycle, moves each file to the freedesktop.org trash (the home trash under
// $XDG_DATA_HOME for files on the home file system, $topdir/.Trash-$uid elsewhere,
// each with its .trashinfo); without, unlinks it. Every file is tried; true only
// when every one went. Asks nothing. O(files).
bool RecycleOrDeleteFiles(const std::vector<std::string>& files, bool recycle);

// RecycleOrDeleteFiles for one file.
bool RecycleOrDeleteFile(const std::string& fileName, bool recycle);

}  // namespace vl

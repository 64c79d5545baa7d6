// Deleting files, to the desktop trash or for good.
#pragma once

#include <string>
#include <vector>

namespace vl {

// What became of one file handed to RemoveFile.
struct FileRemoval {
  bool Removed = false;
  std::string Reason;     // why it stayed, when it did
  std::string TrashInfo;  // the .trashinfo written for a file moved to the trash
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
// $XDG_DATA_HOME for files on its file system, a symbolic link to it followed,
// $topdir/.Trash-$uid elsewhere, each with its .trashinfo); a file on the file system
// where the home trash lies stays when that trash cannot take it. Without recycle,
// unlinks it. Every file is tried; true only
// when every one went. Asks nothing. O(files).
bool RecycleOrDeleteFiles(const std::vector<std::string>& files, bool recycle);

// RecycleOrDeleteFiles for one file.
bool RecycleOrDeleteFile(const std::string& fileName, bool recycle);

// Whether a file RemoveFile moved to the trash can go back to where it was.
enum class TrashRestoreStatus {
  Ready,          // it can (CheckTrashRestore), or it did (RestoreFromTrash)
  PathTaken,      // something is at its old path now, or the folder there is gone
  NotInTrash,     // the .trashinfo no longer names that path, or its file left the trash
  Failed,         // the move back failed
};

struct TrashRestore {
  TrashRestoreStatus Status = TrashRestoreStatus::Ready;
  std::string TrashedFile;  // its place in the trash's files folder
  std::string Reason;       // for every status but Ready
};

// Checks, changing nothing, that `trashInfo` (FileRemoval::TrashInfo) still names
// originalPath, that its file in the trash is a regular file, and that nothing is at
// originalPath while the folder there exists. Reads the info file (bounded), three lstats.
TrashRestore CheckTrashRestore(const std::string& trashInfo, const std::string& originalPath);

// Puts the trashed file back at originalPath after CheckTrashRestore: never
// replacing anything there (an existing name makes the move fail), moving by rename
// (a copy across file systems), and removing the .trashinfo only once the file is
// back. O(1) on one file system.
TrashRestore RestoreFromTrash(const std::string& trashInfo, const std::string& originalPath);

}  // namespace vl

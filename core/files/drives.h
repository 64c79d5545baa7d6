// Drives: the mounted file systems, their types, labels and serial numbers.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vl {

struct DriveRoot {
  std::string root;  // the mount point
  bool removable = false;
  bool floppy = false;     // mounted from /dev/fd0 or /dev/fd1 (skipped unless a request takes floppy drives)
  std::string device;      // the mount source, e.g. "/dev/sdb1" or "//server/share"
  std::string fileSystem;  // the file-system type, e.g. "ext4", "vfat"
};

// The roots of every mounted file system that is not a pseudo file system, sorted
// in byte order, each flagged removable or not. Mounts below /proc, /sys and /dev
// are the system's own and left out. Reads /proc/self/mountinfo: O(mounts).
std::vector<DriveRoot> GetDriveLetters();

// The drive root of a path: the longest drive root that is a prefix of the path at a
// component boundary; for an unmounted /media/USER/NAME, /run/media/USER/NAME or
// /mnt/NAME the folder itself. Empty for a path that is not absolute.
std::string DriveRootOf(const std::string& path);
// DriveRootOf against a list of roots read before (no system call): O(roots).
std::string DriveRootOf(const std::string& path, const std::vector<DriveRoot>& roots);

// Type text ("Removable", "Fixed", "Remote", "CDROM", "RamDisk",
// "Root Directory does not exist", "No Type Information"), volume label, file-system
// name and 32-bit serial of the file system mounted at Root. False, with empty texts
// and serial 0, when it cannot be queried (the type text is set in both cases).
bool GetDriveDetails(const std::string& root, std::string& volumeLabel, std::string& fileSystemName,
                     uint32_t& serial, std::string& driveTypeText);

// GetDriveDetails without the type text.
bool GetVolumeDetails(const std::string& root, std::string& volumeLabel, std::string& fileSystemName,
                      uint32_t& serial);

}  // namespace vl

// Drives: the mounted file systems, their types, labels and serial numbers.
#include "core/files/drives.h"

#include <blkid/blkid.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/sysmacros.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <memory>
#include <optional>
#include <sstream>
#include <string_view>

#include "core/files/paths.h"

namespace vl {

namespace {

// One line of /proc/self/mountinfo, the fields this file needs.
struct Mount {
  std::string root;
  std::string source;
  std::string fileSystem;
  unsigned major = 0;
  unsigned minor = 0;
};

enum class DeviceKind { None, Fixed, Removable, Optical };

constexpr std::array<std::string_view, 23> PseudoFileSystems = {
    "proc",    "sysfs",      "cgroup", "cgroup2",    "devpts",    "devtmpfs",        "mqueue",      "debugfs",
    "tracefs", "securityfs", "pstore", "bpf",        "configfs",  "fusectl",         "binfmt_misc", "hugetlbfs",
    "autofs",  "efivarfs",   "nsfs",   "rpc_pipefs", "selinuxfs", "fuse.gvfsd-fuse", "fuse.portal"};
constexpr std::array<std::string_view, 7> RemoteFileSystems = {"nfs",   "nfs4", "cifs",      "smb3",
                                                               "smbfs", "9p",   "fuse.sshfs"};
constexpr std::array<std::string_view, 3> SystemTrees = {"/proc", "/sys", "/dev"};

template <size_t N>
bool isOneOf(std::string_view value, const std::array<std::string_view, N>& list) {
  return std::find(list.begin(), list.end(), value) != list.end();
}

bool isOctal(char c) { return c >= '0' && c <= '7'; }

// mountinfo writes space, tab, newline and backslash as \ooo.
std::string unescapeMountField(std::string_view field) {
  std::string result;
  result.reserve(field.size());
  for (size_t i = 0; i < field.size(); ++i) {
    if (field[i] == '\\' && i + 3 < field.size() && isOctal(field[i + 1]) && isOctal(field[i + 2]) &&
        isOctal(field[i + 3])) {
      result += static_cast<char>(((field[i + 1] - '0') << 6) | ((field[i + 2] - '0') << 3) | (field[i + 3] - '0'));
      i += 3;
    } else {
      result += field[i];
    }
  }
  return result;
}

// True when path is root or lies below it (at a component boundary).
bool isUnder(std::string_view path, std::string_view root) {
  if (root == "/") return !path.empty() && path.front() == '/';
  return path.size() >= root.size() && path.compare(0, root.size(), root) == 0 &&
         (path.size() == root.size() || path[root.size()] == '/');
}

std::optional<Mount> parseMountLine(const std::string& line) {
  std::istringstream in(line);
  std::vector<std::string> fields;
  for (std::string field; in >> field;) fields.push_back(field);
  const auto separator = std::find(fields.begin(), fields.end(), "-");
  if (fields.size() < 5 || separator == fields.end() || fields.end() - separator < 3) return std::nullopt;
  Mount mount;
  if (std::sscanf(fields[2].c_str(), "%u:%u", &mount.major, &mount.minor) != 2) return std::nullopt;
  mount.root = unescapeMountField(fields[4]);
  mount.fileSystem = unescapeMountField(*(separator + 1));
  mount.source = unescapeMountField(*(separator + 2));
  return mount;
}

bool isDrive(const Mount& mount) {
  if (mount.root.empty() || mount.root.front() != '/') return false;
  if (isOneOf(mount.fileSystem, PseudoFileSystems)) return false;
  return std::none_of(SystemTrees.begin(), SystemTrees.end(),
                      [&](std::string_view tree) { return isUnder(mount.root, tree); });
}

// The drives mounted now, one per mount point (the last mount on a point hides
// the ones below it), keyed and so sorted by mount point. O(mounts).
std::map<std::string, Mount> readDriveMounts() {
  std::map<std::string, Mount> mounts;
  std::ifstream in("/proc/self/mountinfo");
  for (std::string line; std::getline(in, line);) {
    const std::optional<Mount> mount = parseMountLine(line);
    if (mount && isDrive(*mount)) mounts[mount->root] = *mount;
  }
  return mounts;
}

std::optional<Mount> findDriveMount(const std::string& root) {
  const std::map<std::string, Mount> mounts = readDriveMounts();
  const auto it = mounts.find(root);
  if (it == mounts.end()) return std::nullopt;
  return it->second;
}

std::string readSysFile(const std::string& path) {
  std::ifstream in(path);
  std::string value;
  std::getline(in, value);
  return value;
}

bool isBlockDevicePath(const std::string& source, dev_t& device) {
  struct stat st {};
  if (source.compare(0, 5, "/dev/") != 0 || ::stat(source.c_str(), &st) != 0 || !S_ISBLK(st.st_mode)) return false;
  device = st.st_rdev;
  return true;
}

// The sysfs folder of the disk behind a mount (the whole disk for a partition),
// empty when the mount has no block device.
std::string sysfsDiskOf(const Mount& mount) {
  dev_t device = 0;
  std::string link;
  if (isBlockDevicePath(mount.source, device)) {
    link = "/sys/dev/block/" + std::to_string(::major(device)) + ":" + std::to_string(::minor(device));
  } else if (mount.major != 0) {
    link = "/sys/dev/block/" + std::to_string(mount.major) + ":" + std::to_string(mount.minor);
  } else {
    return {};
  }
  const std::unique_ptr<char, decltype(&std::free)> resolved(::realpath(link.c_str(), nullptr), &std::free);
  if (!resolved) return {};
  std::string folder = resolved.get();
  struct stat st {};
  if (::stat((folder + "/partition").c_str(), &st) == 0) folder.resize(folder.rfind('/'));
  return folder;
}

DeviceKind deviceKindOf(const Mount& mount) {
  const std::string disk = sysfsDiskOf(mount);
  if (disk.empty()) return DeviceKind::None;
  if (readSysFile(disk + "/device/type") == "5") return DeviceKind::Optical;  // SCSI type ROM
  const std::string name = FileNameOf(disk);
  if (readSysFile(disk + "/removable") == "1" || disk.find("/usb") != std::string::npos ||
      name.compare(0, 6, "mmcblk") == 0)
    return DeviceKind::Removable;
  return DeviceKind::Fixed;
}

std::string driveTypeTextOf(const Mount& mount) {
  if (isOneOf(mount.fileSystem, RemoteFileSystems)) return "Remote";
  if (mount.fileSystem == "iso9660" || mount.fileSystem == "udf") return "CDROM";
  if (mount.fileSystem == "tmpfs" || mount.fileSystem == "ramfs") return "RamDisk";
  switch (deviceKindOf(mount)) {
    case DeviceKind::Optical:
      return "CDROM";
    case DeviceKind::Removable:
      return "Removable";
    case DeviceKind::Fixed:
      return "Fixed";
    case DeviceKind::None:
      break;
  }
  return "No Type Information";
}

// The LABEL and UUID of a block device: probed when the device can be opened,
// else taken from the blkid cache without changing it.
struct DeviceTags {
  std::string label;
  std::string uuid;
};

std::optional<DeviceTags> probeDevice(const std::string& device) {
  blkid_probe probe = blkid_new_probe_from_filename(device.c_str());
  if (probe == nullptr) return std::nullopt;
  blkid_probe_enable_superblocks(probe, 1);
  blkid_probe_set_superblocks_flags(probe, BLKID_SUBLKS_LABEL | BLKID_SUBLKS_UUID | BLKID_SUBLKS_TYPE);
  std::optional<DeviceTags> tags;
  if (blkid_do_safeprobe(probe) == 0) {
    tags.emplace();
    const char* value = nullptr;
    if (blkid_probe_lookup_value(probe, "LABEL", &value, nullptr) == 0 && value) tags->label = value;
    if (blkid_probe_lookup_value(probe, "UUID", &value, nullptr) == 0 && value) tags->uuid = value;
  }
  blkid_free_probe(probe);
  return tags;
}

// The LABEL and UUID that the blkid cache holds for a device. The entry is only
// looked up, never created or verified: either would change the cache, and
// blkid_put_cache would then rewrite the system's cache file when run as root.
DeviceTags cachedTags(const std::string& device) {
  DeviceTags tags;
  blkid_cache cache = nullptr;
  if (blkid_get_cache(&cache, nullptr) != 0) return tags;
  if (blkid_dev entry = blkid_get_dev(cache, device.c_str(), BLKID_DEV_FIND)) {
    blkid_tag_iterate tag = blkid_tag_iterate_begin(entry);
    const char* type = nullptr;
    const char* value = nullptr;
    while (tag != nullptr && blkid_tag_next(tag, &type, &value) == 0) {
      if (std::string_view(type) == "LABEL") tags.label = value;
      if (std::string_view(type) == "UUID") tags.uuid = value;
    }
    blkid_tag_iterate_end(tag);
  }
  blkid_put_cache(cache);
  return tags;
}

DeviceTags deviceTagsOf(const std::string& device) {
  if (std::optional<DeviceTags> probed = probeDevice(device)) return *probed;
  return cachedTags(device);
}

// FAT, exFAT and NTFS carry a volume serial, which blkid shows as their UUID
// (NTFS: 64 bits, of which the low 32 are the serial); any other UUID gives its
// first 32 bits. Empty when the UUID holds fewer than eight hexadecimal digits.
std::optional<uint32_t> serialFromUuid(const std::string& uuid, const std::string& fileSystem) {
  std::string digits;
  for (const char c : uuid) {
    if (std::isxdigit(static_cast<unsigned char>(c))) digits += c;
  }
  if (digits.size() < 8) return std::nullopt;
  const bool ntfs = fileSystem == "ntfs" || fileSystem == "ntfs3" || fileSystem == "fuseblk";
  const std::string chosen = ntfs ? digits.substr(digits.size() - 8) : digits.substr(0, 8);
  return static_cast<uint32_t>(std::strtoul(chosen.c_str(), nullptr, 16));
}

// The last non-empty component of a remote source: "//server/photos" and
// "host:/export/photos/" both give "photos".
std::string lastComponentOf(std::string source) {
  while (source.size() > 1 && source.back() == '/') source.pop_back();
  const size_t cut = source.find_last_of("/:");
  return cut == std::string::npos ? source : source.substr(cut + 1);
}

bool queryVolume(const Mount& mount, std::string& volumeLabel, std::string& fileSystemName, uint32_t& serial) {
  volumeLabel.clear();
  fileSystemName.clear();
  serial = 0;
  struct statvfs vfs {};
  if (::statvfs(mount.root.c_str(), &vfs) != 0) return false;
  fileSystemName = mount.fileSystem;
  serial = static_cast<uint32_t>(vfs.f_fsid);
  if (isOneOf(mount.fileSystem, RemoteFileSystems)) {
    volumeLabel = lastComponentOf(mount.source);
    return true;
  }
  dev_t device = 0;
  if (!isBlockDevicePath(mount.source, device)) return true;
  const DeviceTags tags = deviceTagsOf(mount.source);
  volumeLabel = tags.label;
  if (const std::optional<uint32_t> fromUuid = serialFromUuid(tags.uuid, mount.fileSystem)) serial = *fromUuid;
  return true;
}

// /media/USER/NAME, /run/media/USER/NAME or /mnt/NAME leading path; empty when none.
std::string removableMountFolderOf(const std::string& path) {
  for (const std::string_view base : {std::string_view("/media/"), std::string_view("/run/media/")}) {
    if (path.compare(0, base.size(), base) != 0) continue;
    const size_t userEnd = path.find('/', base.size());
    if (userEnd == std::string::npos || userEnd == base.size() || userEnd + 1 >= path.size()) return {};
    return path.substr(0, path.find('/', userEnd + 1));
  }
  if (path.compare(0, 5, "/mnt/") == 0 && path.size() > 5 && path[5] != '/') return path.substr(0, path.find('/', 5));
  return {};
}

}  // namespace

std::vector<DriveRoot> GetDriveLetters() {
  std::vector<DriveRoot> roots;
  for (const auto& [root, mount] : readDriveMounts()) {
    DriveRoot drive;
    drive.root = root;
    drive.removable = driveTypeTextOf(mount) == "Removable";
    drive.floppy = mount.source == "/dev/fd0" || mount.source == "/dev/fd1";
    drive.device = mount.source;
    drive.fileSystem = mount.fileSystem;
    roots.push_back(std::move(drive));
  }
  return roots;
}

std::string DriveRootOf(const std::string& path) { return DriveRootOf(path, GetDriveLetters()); }

std::string DriveRootOf(const std::string& path, const std::vector<DriveRoot>& roots) {
  if (path.empty() || path.front() != '/') return {};
  std::string best;
  for (const DriveRoot& drive : roots) {
    if (isUnder(path, drive.root) && drive.root.size() > best.size()) best = drive.root;
  }
  const std::string folder = removableMountFolderOf(path);
  // A mounted parent of the folder (a /mnt partition, say) keeps the path.
  if (!folder.empty() && best.size() < folder.rfind('/')) return folder;
  return best;
}

bool GetDriveDetails(const std::string& root, std::string& volumeLabel, std::string& fileSystemName, uint32_t& serial,
                     std::string& driveTypeText) {
  volumeLabel.clear();
  fileSystemName.clear();
  serial = 0;
  struct stat st {};
  const std::optional<Mount> mount = ::stat(root.c_str(), &st) == 0 ? findDriveMount(root) : std::nullopt;
  if (!mount) {
    driveTypeText = "Root Directory does not exist";
    return false;
  }
  driveTypeText = driveTypeTextOf(*mount);
  return queryVolume(*mount, volumeLabel, fileSystemName, serial);
}

bool GetVolumeDetails(const std::string& root, std::string& volumeLabel, std::string& fileSystemName,
                      uint32_t& serial) {
  volumeLabel.clear();
  fileSystemName.clear();
  serial = 0;
  const std::optional<Mount> mount = findDriveMount(root);
  return mount && queryVolume(*mount, volumeLabel, fileSystemName, serial);
}

}  // namespace vl

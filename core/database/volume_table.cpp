// The volume table: which volumes are present now, keyed by drive root (mount point).
#include "core/database/volume_table.h"

#include <algorithm>
#include <cstdint>

#include "core/files/drives.h"
#include "core/settings/settings.h"

namespace vl {

namespace {

constexpr size_t MaxVolumeLabel = 13;

// The entries, and every drive root of the same refresh: a path's drive root is
// found among all of them, so a path on a drive without an entry (a floppy, a
// volume that cannot be queried) is not taken for a path on the drive above it.
struct Table {
  std::vector<VolumeEntry> entries;
  std::vector<DriveRoot> roots;
};

Table& table() {
  static Table instance;
  return instance;
}

void ensureFilled() {
  if (table().entries.empty()) RefreshVolumeTable();
}

const VolumeEntry* entryOf(const std::string& path) {
  ensureFilled();
  const std::string root = DriveRootOf(path, table().roots);
  if (root.empty()) return nullptr;
  const auto& entries = table().entries;
  const auto it = std::find_if(entries.begin(), entries.end(), [&](const VolumeEntry& e) { return e.Root == root; });
  return it == entries.end() ? nullptr : &*it;
}

}  // namespace

void RefreshVolumeTable() {
  ClearVolumeTable();
  Table& current = table();
  current.roots = GetDriveLetters();
  for (const DriveRoot& drive : current.roots) {
    if (drive.Floppy && !CheckABDrives) continue;
    VolumeEntry entry;
    std::string fileSystem;
    uint32_t serial = 0;
    if (!GetDriveDetails(drive.Root, entry.VolumeLabel, fileSystem, serial, entry.DriveTypeText)) continue;
    if (entry.DriveTypeText == "Root Directory does not exist" || entry.DriveTypeText == "No Type Information")
      continue;
    if (entry.VolumeLabel.empty()) entry.VolumeLabel = std::to_string(serial);
    entry.VolumeLabel.resize(std::min(entry.VolumeLabel.size(), MaxVolumeLabel));
    entry.Root = drive.Root;
    current.entries.push_back(std::move(entry));
  }
}

void ClearVolumeTable() {
  table().entries.clear();
  table().roots.clear();
}

const std::vector<VolumeEntry>& VolumeTable() { return table().entries; }

std::string VolumeLabelOfPath(const std::string& path) {
  const VolumeEntry* entry = entryOf(path);
  return entry ? entry->VolumeLabel : NoVolumeLabel;
}

bool IsVolumeMounted(const std::string& path, const std::string& volumeLabel) {
  if (volumeLabel.empty()) return false;
  const VolumeEntry* entry = entryOf(path);
  return entry != nullptr && entry->VolumeLabel == volumeLabel;
}

}  // namespace vl

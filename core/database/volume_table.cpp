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

DriveQueries systemQueries() { return {GetDriveLetters, GetDriveDetails}; }

DriveQueries& queries() {
  static DriveQueries instance = systemQueries();
  return instance;
}

// The label of the volume at root by the table's rules; false when it cannot be
// queried or the root holds no usable volume.
bool labelOf(const std::string& root, std::string& label, std::string& driveTypeText) {
  std::string fileSystem;
  uint32_t serial = 0;
  if (!queries().driveDetails(root, label, fileSystem, serial, driveTypeText)) return false;
  if (driveTypeText == "Root Directory does not exist" || driveTypeText == "No Type Information") return false;
  if (label.empty()) label = std::to_string(serial);
  label.resize(std::min(label.size(), MaxVolumeLabel));
  return true;
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
  current.roots = queries().driveRoots();
  for (const DriveRoot& drive : current.roots) {
    if (drive.floppy && !CheckABDrives) continue;
    VolumeEntry entry;
    if (!labelOf(drive.root, entry.VolumeLabel, entry.DriveTypeText)) continue;
    entry.Root = drive.root;
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

std::string PresentDriveRoot(const std::string& path) { return DriveRootOf(path, queries().driveRoots()); }

std::string PresentVolumeLabel(const std::string& path) {
  const std::string root = PresentDriveRoot(path);
  std::string label;
  std::string driveTypeText;
  if (root.empty() || !labelOf(root, label, driveTypeText)) return {};
  return label;
}

void SetDriveQueries(DriveQueries replacement) { queries() = std::move(replacement); }

void ResetDriveQueries() { queries() = systemQueries(); }

}  // namespace vl

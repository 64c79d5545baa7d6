// The volume table: which volumes are present now, keyed by drive root (mount point).
#include "core/database/volume_table.h"

#include <algorithm>
#include <cstdint>
#include <mutex>
#include <optional>
#include <shared_mutex>

#include "core/files/drives.h"

namespace vl {

namespace {

constexpr size_t MaxVolumeLabel = 13;

// The entries, and every drive root of the same refresh: a path's drive root is
// found among all of them, so a path on a drive without an entry (a floppy, a
// volume that cannot be queried) is not taken for a path on the drive above it.
struct Table {
  std::vector<VolumeEntry> entries;
  std::vector<DriveRoot> roots;
  bool checkFloppies = false;
};

Table& table() {
  static Table instance;
  return instance;
}

// Guards the table: readers share it, a refresh or clear holds it alone.
std::shared_mutex& tableMutex() {
  static std::shared_mutex mutex;
  return mutex;
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

// The label of the entry for the path's drive root, or none; fills an empty table first.
std::optional<std::string> labelOfEntry(const std::string& path) {
  bool empty = false;
  {
    std::shared_lock lock(tableMutex());
    empty = table().entries.empty();
  }
  if (empty) RefreshVolumeTable(table().checkFloppies);
  std::shared_lock lock(tableMutex());
  const std::string root = DriveRootOf(path, table().roots);
  if (root.empty()) return std::nullopt;
  const auto& entries = table().entries;
  const auto it = std::find_if(entries.begin(), entries.end(), [&](const VolumeEntry& e) { return e.Root == root; });
  if (it == entries.end()) return std::nullopt;
  return it->VolumeLabel;
}

}  // namespace

void RefreshVolumeTable(bool checkFloppies) {
  Table fresh;
  fresh.checkFloppies = checkFloppies;
  fresh.roots = queries().driveRoots();
  for (const DriveRoot& drive : fresh.roots) {
    if (drive.Floppy && !checkFloppies) continue;
    VolumeEntry entry;
    if (!labelOf(drive.Root, entry.VolumeLabel, entry.DriveTypeText)) continue;
    entry.Root = drive.Root;
    fresh.entries.push_back(std::move(entry));
  }
  std::unique_lock lock(tableMutex());
  table() = std::move(fresh);
}

void ClearVolumeTable() {
  std::unique_lock lock(tableMutex());
  table().entries.clear();
  table().roots.clear();
}

std::vector<VolumeEntry> VolumeTable() {
  std::shared_lock lock(tableMutex());
  return table().entries;
}

std::string VolumeLabelOfPath(const std::string& path) { return labelOfEntry(path).value_or(NoVolumeLabel); }

bool IsVolumeMounted(const std::string& path, const std::string& volumeLabel) {
  if (volumeLabel.empty()) return false;
  return labelOfEntry(path) == volumeLabel;
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

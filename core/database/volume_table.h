// The volume table: which volumes are present now, keyed by drive root (mount point).
#pragma once

#include <string>
#include <vector>

namespace vl {

struct VolumeEntry {
  std::string Root;           // the drive root (mount point), e.g. "/media/anna/ARCHIVE"
  std::string VolumeLabel;    // label, or the serial number in decimal; at most 13 bytes
  std::string DriveTypeText;  // "Fixed", "Removable", ... as GetDriveDetails gives it
};

// The label a path on no known volume gets.
inline constexpr const char* NoVolumeLabel = "*none*";

// Rebuilds the table from the drives present now: every drive root that can be
// queried and has a type, floppies only when CheckABDrives is on. O(mounts²)
// (one mount-table read per drive).
void RefreshVolumeTable();
// Empties the table.
void ClearVolumeTable();
// The entries, in drive-root order.
const std::vector<VolumeEntry>& VolumeTable();

// The label to record for Path: the label of the entry for the path's drive root,
// or "*none*" when there is none. Builds the table first when it is empty.
std::string VolumeLabelOfPath(const std::string& path);

// True when VolumeLabel is not empty and the entry for the path's drive root has
// exactly that label. Builds the table first when it is empty.
bool IsVolumeMounted(const std::string& path, const std::string& volumeLabel);

}  // namespace vl

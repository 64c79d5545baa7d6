// The volume table: which volumes are present now, keyed by drive root (mount point).
#pragma once

#include <string>
#include <vector>

namespace vl {

struct VolumeEntry {
  std::string Root;         // the drive root (mount point), e.g. "/media/anna/ARCHIVE"
  std::string VolumeLabel;  // label, or the serial number in decimal; at most 13 bytes
};

// Rebuilds the table from the drives present now. O(number of mounts).
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

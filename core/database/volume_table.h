// The volume table: which volumes are present now, keyed by drive root (mount point).
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/files/drives.h"

namespace vl {

struct VolumeEntry {
  std::string Root;           // the drive root (mount point), e.g. "/media/anna/ARCHIVE"
  std::string VolumeLabel;    // label, or the serial number in decimal; at most 13 bytes
  std::string DriveTypeText;  // "Fixed", "Removable", ... as GetDriveDetails gives it
};

// The label a path on no known volume gets.
inline constexpr const char* NoVolumeLabel = "*none*";

// The table is shared by every thread of the process: a refresh builds the new
// table aside and puts it in place under a lock, so a scan on a worker thread may
// refresh it while the window looks labels up.

// Rebuilds the table from the drives present now: every drive root that can be
// queried and has a type, floppies only with `checkFloppies` (the setting "Check A
// / B Drives."). O(mounts²) (one mount-table read per drive).
void RefreshVolumeTable(bool checkFloppies = false);
// Empties the table.
void ClearVolumeTable();
// A copy of the entries, in drive-root order.
std::vector<VolumeEntry> VolumeTable();

// The label to record for Path: the label of the entry for the path's drive root,
// or "*none*" when there is none. Builds the table first when it is empty (with the
// floppy choice of the last refresh).
std::string VolumeLabelOfPath(const std::string& path);

// True when VolumeLabel is not empty and the entry for the path's drive root has
// exactly that label. Builds the table first when it is empty.
bool IsVolumeMounted(const std::string& path, const std::string& volumeLabel);

// The label the volume mounted at the path's drive root carries now, by the
// table's rules (the label, else the serial in decimal, cut to 13 bytes); empty
// when nothing can be queried there. Asks the system afresh: one mount-table read
// and one volume query.
std::string PresentVolumeLabel(const std::string& path);
// The path's drive root among the drives present now (DriveRootOf). One mount-table read.
std::string PresentDriveRoot(const std::string& path);

// Where the table learns about drives. Tests put in their own to stand for
// volumes that are absent or carry another label; Reset restores the system's.
struct DriveQueries {
  std::function<std::vector<DriveRoot>()> driveRoots;
  std::function<bool(const std::string& root, std::string& volumeLabel, std::string& fileSystemName,
                     uint32_t& serial, std::string& driveTypeText)>
      driveDetails;
};
void SetDriveQueries(DriveQueries queries);
void ResetDriveQueries();

}  // namespace vl

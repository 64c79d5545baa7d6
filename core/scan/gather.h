// Gathering: turning a folder list (folders and database files) into a scan list.
#pragma once

#include <string>
#include <vector>

#include "core/host.h"
#include "core/scan/deleted_list.h"
#include "core/scan/scan_entry.h"

namespace vl {

// True when an entry names a database file: its extension, upper-cased, is ".VDB".
bool IsDatabaseEntry(const std::string& entry);

// Appends to target the files directly inside each folder entry (no subfolders)
// whose upper-cased extension occurs in the upper-cased mask ("*.*" admits every
// file), and the records of each database entry. autoDeletedCount starts at 0 and
// counts the files that the deleted-file list removed (only with checkDeleted).
// Pending events run and ScanCancelled is tested once per entry; a missing database
// stops the gathering. Cost: one folder listing per entry.
void LoadFileList(const std::vector<std::string>& folderList, const std::string& mask, int& autoDeletedCount,
                  bool checkDeleted, ScanList& target, DeletedList& deletedList, Host& host);

}  // namespace vl

// Gathering: turning a folder list (folders and database files) into a scan list.
#pragma once

#include <string>
#include <vector>

#include "core/host.h"
#include "core/results/deleted_list.h"
#include "core/fingerprint/scan_entry.h"

namespace vl {

// True when an entry names a database file: its extension, upper-cased, is ".VDB".
bool IsDatabaseEntry(const std::string& entry);

enum class LoadAnswer { Continue, Stop };

// Appends a database's records to List, dropping records of a present volume whose
// file is gone or is no regular file; no file a record names is ever opened. A
// missing file shows its message, sets ScanCancelled and answers Stop; an invalid or
// other-version file shows its message and answers Continue, and so does a database
// damaged after its version (data that ends early included): its records are left
// out whole. O(records), one stat per record.
LoadAnswer LoadDatabaseIntoList(const std::string& fileName, ScanList& list, Host& host);

// Appends to target the regular files directly inside each folder entry (no
// subfolders; links followed) whose upper-cased extension occurs in the upper-cased
// mask ("*.*" admits every file), and the records of each database entry. Entries
// are cleaned (NormalPath) and each is gathered once; a symbolic link to a file that
// the list also holds is left out. With checkDeleted, every listed file (never a
// database record) goes through the deleted-file list, which removes and logs the
// matches; autoDeletedCount starts at 0 and counts them, and records naming a
// removed file are left out too. unreadableCount, when given, is set to the files
// that could not be examined.
// Pending events run and ScanCancelled is tested once per entry; a missing database
// stops the gathering. Cost: one folder listing per entry.
void LoadFileList(const std::vector<std::string>& folderList, const std::string& mask, int& autoDeletedCount,
                  bool checkDeleted, ScanList& target, DeletedList& deletedList, Host& host,
                  int* unreadableCount = nullptr);

}  // namespace vl

// Gathering: turning a folder list (folders and database files) into a scan list.
#pragma once

#include <string>
#include <vector>

#include "core/components/cancel_token.h"
#include "core/results/deleted_list.h"
#include "core/fingerprint/scan_entry.h"

namespace vl {

// True when an entry names a database file: its extension, upper-cased, is ".VDB".
bool IsDatabaseEntry(const std::string& entry);

// The entries with every folder below each folder entry: the folders merged into one
// list (sorted without regard to case, entries equal byte for byte dropped), then
// the database entries unchanged. O(n log n) plus one listing per folder.
std::vector<std::string> ExpandFolderEntries(const std::vector<std::string>& entries);

enum class LoadAnswer { Continue, Stop };

// What one folder-list entry gave.
struct EntryYield {
  std::string Entry;
  bool Database = false;
  size_t Files = 0;     // entries it added to the list
  size_t LeftOut = 0;   // a folder: regular files the mask left out; a database: records of files that are gone
  std::string Problem;  // why it could not be used at all ("not found", "not a valid database"); "" when it was
};

// Why an entry gave no files, in words: its problem, "empty folder", "its 12 records
// are of files that are gone" and the like.
std::string NoFilesReason(const EntryYield& yield);

// What gathering learnt besides the files.
struct GatherReport {
  std::vector<EntryYield> entries;           // one per distinct entry gathered, in order
  std::vector<UnreadableFile> unreadable;    // files (of the mask) and folders that could not be examined
  std::vector<DeletedMatch> deletedMatches;  // files the deleted-file list matched; left out of the list
  size_t restored = 0;                       // files back where they were deleted from: kept, their entries dropped
  std::vector<std::string> errors;           // the messages about database entries (missing, invalid, damaged)
  bool missingDatabase = false;              // a database entry was missing: the gathering stopped there
};

// Appends a database's records to List, dropping records of a present volume whose
// file is gone or is no regular file; no file a record names is ever opened. A
// missing file adds its message to `errors` and answers Stop; an invalid or
// other-version file adds its message and answers Continue, and so does a database
// damaged after its version (data that ends early included): its records are left
// out whole. `yield`, when given, counts the records taken and those dropped, or
// says why none could be. O(records), one stat per record.
LoadAnswer LoadDatabaseIntoList(const std::string& fileName, ScanList& list, std::vector<std::string>& errors,
                                EntryYield* yield = nullptr);

// Appends to target the regular files directly inside each folder entry (no
// subfolders; links followed) whose upper-cased extension occurs in the upper-cased
// mask ("*.*" admits every file), and the records of each database entry. Entries
// are cleaned (NormalPath) and each is gathered once; a symbolic link to a file that
// the list also holds is left out. With a deleted-file list, every listed file that
// is no symbolic link (never a database record) is checked against it: a match is
// left out of the list, and so are records naming it, and goes to the report's
// deletedMatches, nothing is deleted here; a file back where it was deleted from
// stays and its entries leave the list. The report, when given, receives what each
// entry gave, the files and folders that could not be examined and the messages
// about database entries. The token is looked at once per entry and while a folder
// is listed; a missing database stops the gathering (missingDatabase). Cost: one
// folder listing per entry, one read of each file whose size a list entry has.
void LoadFileList(const std::vector<std::string>& folderList, const std::string& mask, ScanList& target,
                  const CancelToken& cancel, GatherReport* report = nullptr, DeletedList* deletedList = nullptr);

}  // namespace vl

// Building image databases from folders and extending and freshening existing ones.
#include "core/database/database_builder.h"

#include <chrono>
#include <cstdio>
#include <exception>
#include <unordered_set>

#include "core/components/sorter.h"
#include "core/database/database_file.h"
#include "core/database/volume_table.h"
#include "core/files/dir_listing.h"
#include "core/results/deleted_list.h"
#include "core/fingerprint/fingerprint.h"
#include "core/scan/gather.h"
#include "core/components/elapsed_time.h"

namespace vl {

namespace {

using Clock = std::chrono::steady_clock;

// True when ScanCancelled is set after pending events ran.
bool CancelledAfterEvents(Host& host) {
  host.processEvents();
  return ScanCancelled.load();
}

// Sets the phase text and answers whether the operation was cancelled meanwhile.
bool EnterPhase(Host& host, const std::string& phase) {
  host.phase(phase);
  return CancelledAfterEvents(host);
}

void Gather(const std::vector<std::string>& entries, ScanList& target, Host& host) {
  DeletedList unusedDeletedList;
  int autoDeletedCount = 0;
  LoadFileList(entries, std::string(ImageMasks), autoDeletedCount, false, target, unusedDeletedList, host);
}

// Writes through a temporary file; a failure shows the error message.
BuildOutcome Write(const std::string& fileName, const ScanList& list, Host& host) {
  try {
    WriteDatabase(fileName, list);
    return BuildOutcome::Written;
  } catch (const std::exception&) {
    host.showMessage(MessageKind::Error, "Error in creating database.");
    return BuildOutcome::Failed;
  }
}

// The end steps of both operations: beep, summary message after a write, phase and count taken away.
BuildOutcome Finish(BuildOutcome outcome, Clock::time_point start, Host& host) {
  host.beep();
  if (outcome == BuildOutcome::Written) {
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    host.showMessage(MessageKind::Information, "Database saved in " + ElapsedText(seconds) + ".");
  }
  host.phase("");
  host.clearProgress();
  return outcome;
}

// Empties the fingerprint of a record on a present volume whose file changed, and
// excludes one whose file is gone; records of absent volumes stay as they are.
void FreshenRecord(TScanEntry& entry) {
  if (!IsVolumeMounted(entry.Path, entry.Volume)) return;
  const auto item = FindFile(entry.Path);
  if (!item) {
    entry.Excluded = 1;
    return;
  }
  if (item->Size == entry.Size && item->FileDate == entry.FileDate) return;
  entry.Size = item->Size;
  entry.FileDate = item->FileDate;
  entry.Width = -1;
  entry.Height = -1;
  entry.Fingerprint.reset();
}

// Appends the records whose exact path (byte for byte) is not in the list yet.
void AddNewRecords(ScanList& database, ScanList& fresh) {
  std::unordered_set<std::string> paths;
  for (const auto& entry : database) paths.insert(entry->Path);
  for (auto& entry : fresh) {
    if (paths.insert(entry->Path).second) database.push_back(std::move(entry));
  }
  fresh.clear();
}

// Reads the version only: true when the file is a database of this version.
bool IsReadableDatabase(const std::string& fileName) {
  struct FirstRecord {};
  try {
    return ReadDatabaseRecords(fileName, [](std::unique_ptr<TScanEntry>) { throw FirstRecord{}; }) ==
           DatabaseOutcome::Readable;
  } catch (const FirstRecord&) {
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

// Loads the database into list; false (after the loader's message) when it is
// missing, invalid or of another version. Damaged data throws.
bool LoadExisting(const std::string& fileName, ScanList& list, Host& host) {
  const bool readable = IsReadableDatabase(fileName);
  Gather({fileName}, list, host);
  return readable;
}

// Writes fileName + ".new" and puts it in place of the database.
BuildOutcome Replace(const std::string& fileName, const ScanList& list, Host& host) {
  const std::string newName = fileName + ".new";
  BuildOutcome outcome = Write(newName, list, host);
  if (outcome != BuildOutcome::Written) return outcome;
  if (std::rename(newName.c_str(), fileName.c_str()) != 0) {
    std::remove(newName.c_str());
    host.showMessage(MessageKind::Error, "Error in creating database.");
    return BuildOutcome::Failed;
  }
  return outcome;
}

BuildOutcome NewDatabaseSteps(const std::string& fileName, const std::vector<std::string>& folders, Host& host,
                              const FingerprintOptions& options, Clock::time_point& start) {
  ScanList list;
  host.phase("Scanning Files");
  host.processEvents();
  start = Clock::now();
  RefreshVolumeTable();
  Gather(folders, list, host);
  if (list.empty() && !ScanCancelled) {
    host.showMessage(MessageKind::Error, "You must select some folders to add to the new database.");
    return BuildOutcome::Refused;
  }
  if (EnterPhase(host, "Reading Images")) return BuildOutcome::Cancelled;
  FingerprintRecords(list, host, options);
  SortRecordsByPath(list);
  host.clearProgress();
  if (EnterPhase(host, "Writing to Database")) return BuildOutcome::Cancelled;
  return Write(fileName, list, host);
}

BuildOutcome AddSteps(const std::string& fileName, const std::vector<std::string>& folders, bool freshen,
                      Host& host, const FingerprintOptions& options, Clock::time_point& start) {
  ScanList database;
  ScanList fresh;
  host.phase("Scanning New Files");
  host.processEvents();
  start = Clock::now();
  RefreshVolumeTable();
  Gather(folders, fresh, host);
  if (fresh.empty() && !ScanCancelled) {
    host.showMessage(MessageKind::Error, "You must select some folders to add to the database.");
    return BuildOutcome::Refused;
  }
  if (EnterPhase(host, "Scanning Database")) return BuildOutcome::Cancelled;
  const bool loaded = LoadExisting(fileName, database, host);
  if (CancelledAfterEvents(host)) return BuildOutcome::Cancelled;
  if (!loaded) return BuildOutcome::Refused;
  RefreshVolumeTable();
  if (freshen) {
    host.phase("Freshening DB Files");
    for (auto& entry : database) FreshenRecord(*entry);
  }
  if (EnterPhase(host, "Adding New files to DB")) return BuildOutcome::Cancelled;
  AddNewRecords(database, fresh);
  if (EnterPhase(host, "Reading Images")) return BuildOutcome::Cancelled;
  FingerprintRecords(database, host, options);
  SortRecordsByPath(database);
  if (EnterPhase(host, "Saving Database")) return BuildOutcome::Cancelled;
  return Replace(fileName, database, host);
}

// Runs the steps of an operation inside its hourglass cursor and its end steps; a
// failure while gathering (a damaged database among the entries) shows its text and
// writes nothing.
template <typename Steps>
BuildOutcome RunOperation(Host& host, Steps steps) {
  Clock::time_point start = Clock::now();
  CursorGuard cursor(host, BusyCursor::Hourglass);
  BuildOutcome outcome;
  try {
    outcome = steps(start);
  } catch (const std::exception& e) {
    host.showMessage(MessageKind::Error, e.what());
    outcome = BuildOutcome::Refused;
  }
  return Finish(outcome, start, host);
}

}  // namespace

void FingerprintRecords(ScanList& list, Host& host, const FingerprintOptions& options) {
  ListWalk walk;
  walk.checkpoint = [&host](size_t kept, size_t count) {
    host.progress(kept + 1, count);
    return !CancelledAfterEvents(host);
  };
  walk.mayDecode = [](const TScanEntry& entry) { return !entry.Fingerprint && IsPictureName(entry.Path); };
  walk.classify = [](TScanEntry& entry) {
    if (entry.Fingerprint) return EntryAction::Keep;
    return !IsPictureName(entry.Path) || !FindFile(entry.Path) ? EntryAction::Drop : EntryAction::Decode;
  };
  FingerprintList(list, walk, options, host);
}

void SortRecordsByPath(ScanList& list) {
  TSorter sorter;
  sorter.OnCompareList = [](TSorter& self, const void* p1, const void* p2, const std::string&, int& compare) {
    compare = self.CompareStrings(static_cast<const TScanEntry*>(p1)->Path, static_cast<const TScanEntry*>(p2)->Path,
                                  stWinNoCase);
  };
  sorter.SortList(&list);
}

BuildOutcome NewDatabase(const std::string& fileName, const std::vector<std::string>& folders, Host& host,
                         const FingerprintOptions& options) {
  ScanCancelled = false;
  return RunOperation(
      host, [&](Clock::time_point& start) { return NewDatabaseSteps(fileName, folders, host, options, start); });
}

BuildOutcome AddToDatabase(const std::string& fileName, const std::vector<std::string>& folders, bool freshen,
                           Host& host, const FingerprintOptions& options) {
  ScanCancelled = false;
  if (!IsDatabaseEntry(fileName)) {
    host.showMessage(MessageKind::Error, fileName + "\n\nis not a VL Database (*.VDB) file.");
    return BuildOutcome::Refused;
  }
  return RunOperation(host,
                      [&](Clock::time_point& start) { return AddSteps(fileName, folders, freshen, host, options, start); });
}

}  // namespace vl

// Building image databases from folders and extending and freshening existing ones.
#include "core/database/database_builder.h"

#include <chrono>
#include <exception>
#include <optional>
#include <thread>
#include <unordered_set>

#include "core/components/sorter.h"
#include "core/database/database_file.h"
#include "core/database/volume_table.h"
#include "core/files/dir_listing.h"
#include "core/files/file_lock.h"
#include "core/files/paths.h"
#include "core/files/safe_file_writer.h"
#include "core/results/deleted_list.h"
#include "core/results/saved_file_kind.h"
#include "core/fingerprint/fingerprint.h"
#include "core/scan/gather.h"
#include "core/components/elapsed_time.h"

namespace vl {

namespace {

using Clock = std::chrono::steady_clock;

// True when ScanCancelled is set after pending events ran.
bool cancelledAfterEvents(Host& host) {
  host.processEvents();
  return ScanCancelled.load();
}

// Sets the phase text and answers whether the operation was cancelled meanwhile.
bool enterPhase(Host& host, const std::string& phase) {
  host.phase(phase);
  return cancelledAfterEvents(host);
}

void Gather(const std::vector<std::string>& entries, ScanList& target, Host& host) {
  DeletedList unusedDeletedList;
  int autoDeletedCount = 0;
  LoadFileList(entries, std::string(ImageMasks()), autoDeletedCount, false, target, unusedDeletedList, host);
}

// Writes through a temporary file; records left out for their long paths are
// reported as a warning, a failure shows the error message with its reason.
BuildOutcome Write(const std::string& fileName, const ScanList& list, Host& host) {
  try {
    const size_t leftOut = WriteDatabase(fileName, list);
    if (leftOut > 0)
      host.warning(std::to_string(leftOut) + " files were left out of " + fileName + ": their paths are longer than " +
                   std::to_string(MaxPathLength) + " bytes.");
    return BuildOutcome::Written;
  } catch (const std::exception& e) {
    host.showMessage(MessageKind::Error, std::string("Error in creating database.\n\n") + e.what());
    return BuildOutcome::Failed;
  }
}

// Takes the database's lock, waiting while another process holds it (events run and
// the phase says so). Nothing once held; Cancelled when cancelled meanwhile, Failed
// (with the message and its reason) when the lock file cannot be made. Polls ten
// times a second.
std::optional<BuildOutcome> lockDatabase(FileLock& lock, const std::string& fileName, Host& host) {
  try {
    if (!lock.tryLock()) host.phase("Waiting for another program to finish with " + fileName);
    while (!lock.tryLock()) {
      if (cancelledAfterEvents(host)) return BuildOutcome::Cancelled;
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return std::nullopt;
  } catch (const std::exception& e) {
    host.showMessage(MessageKind::Error, std::string("Error in creating database.\n\n") + e.what());
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
void freshenRecord(TScanEntry& entry) {
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
void addNewRecords(ScanList& database, ScanList& fresh) {
  std::unordered_set<std::string> paths;
  for (const auto& entry : database) paths.insert(entry->Path);
  for (auto& entry : fresh) {
    if (paths.insert(entry->Path).second) database.push_back(std::move(entry));
  }
  fresh.clear();
}

// Loads the database into list; false after its message when it is missing, not a
// database, of another version or damaged anywhere: such a file is never rewritten.
bool loadExisting(const std::string& fileName, ScanList& list, Host& host) {
  std::string damage;
  const DatabaseOutcome outcome = CheckDatabase(fileName, damage);
  if (outcome != DatabaseOutcome::Readable) {
    host.showMessage(MessageKind::Error, DatabaseProblemMessage(fileName, outcome, damage));
    return false;
  }
  Gather({fileName}, list, host);
  return true;
}

BuildOutcome newDatabaseSteps(const std::string& fileName, const std::vector<std::string>& folders, Host& host,
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
  if (enterPhase(host, "Reading Images")) return BuildOutcome::Cancelled;
  FingerprintRecords(list, host, options);
  SortRecordsByPath(list);
  host.clearProgress();
  if (enterPhase(host, "Writing to Database")) return BuildOutcome::Cancelled;
  return Write(fileName, list, host);
}

BuildOutcome addSteps(const std::string& fileName, const std::vector<std::string>& folders, bool freshen,
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
  if (enterPhase(host, "Scanning Database")) return BuildOutcome::Cancelled;
  const bool loaded = loadExisting(fileName, database, host);
  if (cancelledAfterEvents(host)) return BuildOutcome::Cancelled;
  if (!loaded) return BuildOutcome::Refused;
  RefreshVolumeTable();
  if (freshen) {
    host.phase("Freshening DB Files");
    for (auto& entry : database) freshenRecord(*entry);
  }
  if (enterPhase(host, "Adding New files to DB")) return BuildOutcome::Cancelled;
  addNewRecords(database, fresh);
  if (enterPhase(host, "Reading Images")) return BuildOutcome::Cancelled;
  FingerprintRecords(database, host, options);
  SortRecordsByPath(database);
  if (enterPhase(host, "Saving Database")) return BuildOutcome::Cancelled;
  return Write(fileName, database, host);
}

// Runs the steps of an operation on the file a link at fileName leads to, inside its
// hourglass cursor and under the database's lock, then its end steps; a failure (the
// lock, a read error) shows its text and writes nothing.
template <typename Steps>
BuildOutcome runOperation(const std::string& fileName, Host& host, Steps steps) {
  Clock::time_point start = Clock::now();
  CursorGuard cursor(host, BusyCursor::Hourglass);
  const auto outcome = [&] {
    const std::string target = LinkTargetOf(fileName);
    FileLock lock(target);
    try {
      if (const auto unlocked = lockDatabase(lock, fileName, host)) return *unlocked;
      return steps(target, start);
    } catch (const std::exception& e) {
      host.showMessage(MessageKind::Error, e.what());
      return BuildOutcome::Refused;
    }
  }();
  return Finish(outcome, start, host);
}

}  // namespace

void FingerprintRecords(ScanList& list, Host& host, const FingerprintOptions& options) {
  ListWalk walk;
  walk.checkpoint = [&host](size_t kept, size_t count) {
    host.progress(kept + 1, count);
    return !cancelledAfterEvents(host);
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
  if (const std::string refusal = RefusalToWrite(fileName, SavedFileKind::Database); !refusal.empty()) {
    host.showMessage(MessageKind::Error, refusal);
    return BuildOutcome::Refused;
  }
  return runOperation(fileName, host, [&](const std::string& target, Clock::time_point& start) {
    return newDatabaseSteps(target, folders, host, options, start);
  });
}

BuildOutcome AddToDatabase(const std::string& fileName, const std::vector<std::string>& folders, bool freshen,
                           Host& host, const FingerprintOptions& options) {
  ScanCancelled = false;
  if (!IsDatabaseEntry(fileName) || KindOfSavedFile(fileName) == SavedFileKind::Results) {
    host.showMessage(MessageKind::Error, fileName + "\n\nis not a VL Database (*.VDB) file.");
    return BuildOutcome::Refused;
  }
  return runOperation(fileName, host, [&](const std::string& target, Clock::time_point& start) {
    return addSteps(target, folders, freshen, host, options, start);
  });
}

}  // namespace vl

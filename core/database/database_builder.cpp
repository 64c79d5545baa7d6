// Building image databases from folders and extending and freshening existing ones.
#include "core/database/database_builder.h"

#include <chrono>
#include <algorithm>
#include <exception>
#include <functional>
#include <map>
#include <optional>
#include <thread>
#include <unordered_set>

#include "core/components/sorter.h"
#include "core/components/user_text.h"
#include "core/database/database_file.h"
#include "core/database/volume_table.h"
#include "core/files/dir_listing.h"
#include "core/files/file_lock.h"
#include "core/files/paths.h"
#include "core/files/safe_file_writer.h"
#include "core/results/saved_file_kind.h"
#include "core/fingerprint/fingerprint.h"
#include "core/fingerprint/fingerprint_cache.h"
#include "core/scan/gather.h"
#include "core/components/elapsed_time.h"

namespace vl {

namespace {

using Clock = std::chrono::steady_clock;

// One run of New Database or Add to Database: the request, the token, the sink and
// the result it fills.
struct Build {
  const DatabaseRequest& request;
  const CancelToken& cancel;
  ProgressSink& sink;
  BuildResult& result;

  void error(const std::string& text) const { result.messages.push_back({MessageKind::Error, text, {}}); }
  // Enters a phase; true when the operation was cancelled meanwhile.
  bool cancelledAt(JobPhase phase) const {
    sink.report({phase});
    return cancel.cancelled();
  }
  FingerprintOptions fingerprinting(std::optional<FingerprintCache>& cache) const {
    FingerprintOptions options{request.jobs};
    if (request.useCache) options.cache = &cache.emplace();
    options.decoding.cancel = &cancel.flag();
    return options;
  }
  // Gathers the pictures of the request's folders into target; false after a missing
  // database entry's message, which ends the operation as a cancel.
  bool gather(ScanList& target) const {
    const std::vector<std::string> folders = request.subfolders ? ExpandFolderEntries(request.folders) : request.folders;
    GatherReport report;
    LoadFileList(folders, std::string(ImageMasks(request.modernImageFormats)), target, cancel, &report);
    for (const std::string& text : report.errors) error(text);
    return !report.missingDatabase;
  }
};

// The message of a database that could not be made, with the reason.
std::string creationError(const std::exception& e) {
  return UserText("vl::core", "Error in creating database.") + "\n\n" + e.what();
}

// Writes through a temporary file; records left out for their long paths are
// reported as a warning, a failure gives the error message with its reason.
BuildOutcome write(const std::string& fileName, const ScanList& list, const Build& build) {
  try {
    const size_t leftOut = WriteDatabase(fileName, list);
    if (leftOut > 0)
      build.sink.warning(FormatText(UserText("vl::core", "%n files were left out of %1: their paths are longer than %2 bytes.",
                                             nullptr, TextCount(leftOut)),
                                    {fileName, std::to_string(MaxPathLength)}));
    return BuildOutcome::Written;
  } catch (const std::exception& e) {
    build.error(creationError(e));
    return BuildOutcome::Failed;
  }
}

// Takes the database's lock, waiting while another process holds it (in the phase
// WaitingForLock). Nothing once held; Cancelled when cancelled meanwhile, Failed
// (with the message and its reason) when the lock file cannot be made. Polls ten
// times a second.
std::optional<BuildOutcome> lockDatabase(FileLock& lock, const Build& build) {
  try {
    if (!lock.tryLock()) build.sink.report({JobPhase::WaitingForLock});
    while (!lock.tryLock()) {
      if (build.cancel.cancelled()) return BuildOutcome::Cancelled;
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return std::nullopt;
  } catch (const std::exception& e) {
    build.error(creationError(e));
    return BuildOutcome::Failed;
  }
}

using EntrySet = std::unordered_set<const TScanEntry*>;

// The records of present volumes whose files are gone, and (with freshen) those
// refreshed: their file changed, so their fingerprint is emptied and read again.
// Records of absent volumes stay as they are. One stat per record.
struct RecordCheck {
  std::vector<TScanEntry*> gone;
  EntrySet refreshed;
};

RecordCheck checkRecords(ScanList& database, bool freshen) {
  RecordCheck check;
  for (auto& entry : database) {
    if (!IsVolumeMounted(entry->Path, entry->Volume)) continue;
    const auto item = FindFile(entry->Path);
    if (!item || !item->isRegular) {
      check.gone.push_back(entry.get());
      continue;
    }
    if (!freshen || (item->size == entry->Size && item->fileDate == entry->FileDate)) continue;
    entry->Size = item->size;
    entry->FileDate = item->fileDate;
    entry->Width = -1;
    entry->Height = -1;
    entry->Fingerprint.reset();
    check.refreshed.insert(entry.get());
  }
  return check;
}

// The question about many gone records: how many, and the folders they were in
// (the ten with most records), as a renamed or offline folder shows.
std::string goneQuestion(const std::string& fileName, const std::vector<TScanEntry*>& gone, size_t total) {
  std::map<std::string, size_t> perFolder;
  for (const TScanEntry* entry : gone) ++perFolder[FolderOf(entry->Path)];
  std::vector<std::pair<std::string, size_t>> folders(perFolder.begin(), perFolder.end());
  std::stable_sort(folders.begin(), folders.end(), [](const auto& a, const auto& b) { return a.second > b.second; });
  std::string text = FormatText(UserText("vl::core",
                                         "%1 of the %2 records of %3 are of files that are gone from a present volume, "
                                         "more than a tenth of the database. A folder may have been renamed or be "
                                         "offline."),
                                {std::to_string(gone.size()), std::to_string(total), fileName}) +
                     "\n";
  for (size_t i = 0; i < folders.size() && i < 10; ++i) {
    const auto& [folder, records] = folders[i];
    text += "\n" + folder + ": " + UserText("vl::core", "%n records", nullptr, TextCount(records));
  }
  if (const size_t more = folders.size() > 10 ? folders.size() - 10 : 0; more > 0)
    text += "\n" + UserText("vl::core", "... and %n more folders", nullptr, TextCount(more));
  return text + "\n\n" + UserText("vl::core", "Remove these records from the database? With No they are kept.");
}

// Whether the records of gone files leave the database: always when they are a
// tenth of it or fewer, otherwise as the policy says; none for Ask (the question).
std::optional<bool> removeGone(const std::vector<TScanEntry*>& gone, size_t total, GoneRecords policy) {
  if (gone.size() * 10 <= total || policy == GoneRecords::Remove) return true;
  if (policy == GoneRecords::Keep) return false;
  return std::nullopt;
}

// Appends the records whose exact path (byte for byte) is not in the list yet; gives those appended.
EntrySet addNewRecords(ScanList& database, ScanList& fresh) {
  EntrySet added;
  std::unordered_set<std::string> paths;
  for (const auto& entry : database) paths.insert(entry->Path);
  for (auto& entry : fresh) {
    if (!paths.insert(entry->Path).second) continue;
    added.insert(entry.get());
    database.push_back(std::move(entry));
  }
  fresh.clear();
  return added;
}

// Reads every record of the database into list; false after its message when it is
// missing, not a database, of another version or damaged anywhere: such a file is
// never rewritten.
bool loadExisting(const std::string& fileName, ScanList& list, const Build& build) {
  std::string damage;
  const DatabaseOutcome outcome = CheckDatabase(fileName, damage);
  if (outcome != DatabaseOutcome::Readable) {
    build.error(DatabaseProblemMessage(fileName, outcome, damage));
    return false;
  }
  ReadDatabaseRecords(fileName, [&list](std::unique_ptr<TScanEntry> entry) {
    entry->Excluded = 0;
    list.push_back(std::move(entry));
  });
  return true;
}

// The counts of a rewritten database: the records it will hold against those it held.
void countChanges(const ScanList& database, size_t before, const EntrySet& added, const EntrySet& refreshed,
                  DatabaseChanges& changes) {
  size_t written = 0;
  for (const auto& entry : database) {
    if (!entry->Fingerprint || entry->Excluded != 0) continue;
    ++written;
    changes.added += added.count(entry.get());
    changes.refreshed += refreshed.count(entry.get());
  }
  changes.removed = before + changes.added - written;
}

// The close of Add to Database's summary: the counts, and the gone records kept.
std::string changesNote(const DatabaseChanges& changes) {
  std::string note = "\n\n" + FormatText(UserText("vl::core", "%1 records added, %2 refreshed, %3 removed."),
                                          {std::to_string(changes.added), std::to_string(changes.refreshed),
                                           std::to_string(changes.removed)});
  if (changes.keptGone > 0)
    note += "\n\n" + UserText("vl::core",
                               "%n records of files that are gone from a present volume were kept: they are more than "
                               "a tenth of the database.",
                               nullptr, TextCount(changes.keptGone));
  return note;
}

// Reads the pictures of the records without a fingerprint, sorts them and, in the
// phase `writing`, writes them; `beforeWriting` runs after the sort.
BuildOutcome finishList(const std::string& fileName, ScanList& list, JobPhase writing, const Build& build,
                        const std::function<void()>& beforeWriting = {}) {
  if (build.cancelledAt(JobPhase::ReadingImages)) return BuildOutcome::Cancelled;
  std::optional<FingerprintCache> cache;
  FingerprintRecords(list, build.sink, build.fingerprinting(cache), build.request.modernImageFormats);
  SortRecordsByPath(list);
  if (beforeWriting) beforeWriting();
  if (build.cancelledAt(writing)) return BuildOutcome::Cancelled;
  return write(fileName, list, build);
}

BuildOutcome newDatabaseSteps(const std::string& fileName, const Build& build, Clock::time_point& start) {
  ScanList list;
  build.sink.report({JobPhase::ScanningFiles});
  start = Clock::now();
  RefreshVolumeTable(build.request.checkABDrives);
  if (!build.gather(list)) return BuildOutcome::Cancelled;
  if (list.empty() && !build.cancel.cancelled()) {
    build.error(UserText("vl::core", "You must select some folders to add to the new database."));
    return BuildOutcome::Refused;
  }
  return finishList(fileName, list, JobPhase::WritingDatabase, build);
}

BuildOutcome addSteps(const std::string& fileName, const Build& build, Clock::time_point& start) {
  ScanList database;
  ScanList fresh;
  build.sink.report({JobPhase::ScanningNewFiles});
  start = Clock::now();
  RefreshVolumeTable(build.request.checkABDrives);
  if (!build.gather(fresh)) return BuildOutcome::Cancelled;
  if (fresh.empty() && !build.cancel.cancelled()) {
    build.error(UserText("vl::core", "You must select some folders to add to the database."));
    return BuildOutcome::Refused;
  }
  if (build.cancelledAt(JobPhase::ScanningDatabase)) return BuildOutcome::Cancelled;
  const bool loaded = loadExisting(fileName, database, build);
  if (build.cancel.cancelled()) return BuildOutcome::Cancelled;
  if (!loaded) return BuildOutcome::Refused;
  RefreshVolumeTable(build.request.checkABDrives);
  if (build.request.freshen) build.sink.report({JobPhase::FresheningRecords});
  const size_t before = database.size();
  const RecordCheck check = checkRecords(database, build.request.freshen);
  const std::optional<bool> remove = removeGone(check.gone, before, build.request.gone);
  if (!remove) {
    build.result.goneQuestion = goneQuestion(fileName, check.gone, before);
    return BuildOutcome::Undecided;
  }
  if (*remove) {
    for (TScanEntry* entry : check.gone) entry->Excluded = 1;
  } else {
    build.result.changes.keptGone = check.gone.size();
  }
  if (build.cancelledAt(JobPhase::AddingNewFiles)) return BuildOutcome::Cancelled;
  const EntrySet added = addNewRecords(database, fresh);
  return finishList(fileName, database, JobPhase::SavingDatabase, build, [&] {
    countChanges(database, before, added, check.refreshed, build.result.changes);
  });
}

// Runs the steps of an operation on the file a link at the request's name leads to,
// under the database's lock, then adds the summary after a write; a failure (the
// lock, a read error) gives its text and writes nothing.
template <typename Steps>
BuildResult runOperation(const DatabaseRequest& request, const CancelToken& cancel, ProgressSink& sink, Steps steps,
                         bool withChanges) {
  BuildResult result;
  const Build build{request, cancel, sink, result};
  Clock::time_point start = Clock::now();
  result.outcome = [&] {
    const std::string target = LinkTargetOf(request.fileName);
    FileLock lock(target);
    try {
      if (const auto unlocked = lockDatabase(lock, build)) return *unlocked;
      return steps(target, build, start);
    } catch (const std::exception& e) {
      build.error(e.what());
      return BuildOutcome::Refused;
    }
  }();
  if (result.outcome == BuildOutcome::Written) {
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    result.messages.push_back({MessageKind::Information,
                               FormatText(UserText("vl::core", "Database saved in %1."), {ElapsedText(seconds)}) +
                                   (withChanges ? changesNote(result.changes) : std::string()),
                               {}});
  }
  return result;
}

BuildResult refusal(const std::string& text) {
  BuildResult result;
  result.messages.push_back({MessageKind::Error, text, {}});
  return result;
}

}  // namespace

DatabaseRequest DatabaseRequestFromSettings(const Settings& settings) {
  DatabaseRequest request;
  request.jobs = settings.fingerprintJobs;
  request.useCache = settings.useFingerprintCache;
  request.modernImageFormats = settings.modernImageFormats;
  request.checkABDrives = settings.checkABDrives;
  return request;
}

void FingerprintRecords(ScanList& list, ProgressSink& sink, const FingerprintOptions& options, bool modernTypes) {
  ListWalk walk;
  walk.checkpoint = [&sink, &options](size_t kept, size_t count) {
    sink.report({JobPhase::ReadingImages, kept + 1, count});
    return !options.decoding.cancelled();
  };
  walk.mayDecode = [modernTypes](const TScanEntry& entry) {
    return !entry.Fingerprint && IsPictureName(entry.Path, modernTypes);
  };
  walk.classify = [modernTypes](TScanEntry& entry) {
    if (entry.Fingerprint) return EntryAction::Keep;
    return !IsPictureName(entry.Path, modernTypes) || !FindFile(entry.Path) ? EntryAction::Drop : EntryAction::Decode;
  };
  FingerprintList(list, walk, options, sink);
}

void SortRecordsByPath(ScanList& list) {
  TSorter sorter;
  sorter.OnCompareList = [](TSorter& self, const void* p1, const void* p2, const std::string&, int& compare) {
    compare = self.CompareStrings(static_cast<const TScanEntry*>(p1)->Path, static_cast<const TScanEntry*>(p2)->Path,
                                  stWinNoCase);
  };
  sorter.SortList(&list);
}

BuildResult NewDatabase(const DatabaseRequest& request, const CancelToken& cancel, ProgressSink& sink) {
  if (const std::string refused = RefusalToWrite(request.fileName, SavedFileKind::Database); !refused.empty())
    return refusal(refused);
  return runOperation(request, cancel, sink, newDatabaseSteps, false);
}

BuildResult AddToDatabase(const DatabaseRequest& request, const CancelToken& cancel, ProgressSink& sink) {
  if (!IsDatabaseEntry(request.fileName) || KindOfSavedFile(request.fileName) == SavedFileKind::Results)
    return refusal(FormatText(UserText("vl::core", "%1\n\nis not a VL Database (*.VDB) file."), {request.fileName}));
  return runOperation(request, cancel, sink, addSteps, true);
}

}  // namespace vl

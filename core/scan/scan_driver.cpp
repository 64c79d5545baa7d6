// The scan driver: from the two folder lists to result groups, with status, cancel and summary.
#include "core/scan/scan_driver.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <exception>
#include <optional>

#include "core/components/elapsed_time.h"
#include "core/database/volume_table.h"
#include "core/files/paths.h"
#include "core/fingerprint/fingerprint_cache.h"
#include "core/scan/gather.h"
#include "core/scan/marking.h"
#include "core/scan/not_duplicates.h"
#include "core/scan/pairing.h"
#include "core/scan/read_images.h"
#include "core/settings/settings.h"

namespace vl {

namespace {

using Clock = std::chrono::steady_clock;

std::unique_ptr<TResultEntry> resultOf(const TScanEntry& file, TResultEntry* base, int errors) {
  auto entry = std::make_unique<TResultEntry>();
  entry->Base = base;
  entry->Errors = static_cast<uint8_t>(errors);
  entry->Path = file.Path;
  entry->Volume = file.Volume;
  entry->Size = file.Size;
  entry->FileDate = file.FileDate;
  entry->Width = file.Width;
  entry->Height = file.Height;
  return entry;
}

// How many automatic deletions rested on size and CRC-32 alone; nothing when none did.
std::string classicNote(int classicDeleted) {
  if (classicDeleted == 0) return std::string();
  return "\n\n" + std::to_string(classicDeleted) +
         " of them matched only by size and CRC-32 (entries of an older deleted-file list).";
}

// The summary of a completed scan; the classic-entry note and the files that could
// not be read, when there were any, close it.
std::string summaryText(const ScanResult& result, double seconds) {
  std::string text = "Finished Scanning for Duplicates.\n\nFound " + std::to_string(result.duplicates) +
                     " possible duplicates in " + ElapsedText(seconds) + ".\n\n" +
                     std::to_string(result.markedCount) + " files marked for Delete.\n\n" +
                     std::to_string(result.autoDeletedCount) + " files automatically deleted." +
                     classicNote(result.classicAutoDeletedCount);
  if (result.unreadableCount > 0) text += "\n\n" + std::to_string(result.unreadableCount) + " files could not be read.";
  return text;
}

int classicCount(const std::vector<TAutoDeletion>& deletions) {
  return static_cast<int>(std::count_if(deletions.begin(), deletions.end(), [](const auto& d) { return d.Classic; }));
}

// The details of a message after gathering: every automatically deleted path, one a line.
std::string deletionDetails(const std::vector<TAutoDeletion>& deletions) {
  if (deletions.empty()) return std::string();
  std::string details = "Automatically deleted:";
  for (const TAutoDeletion& deletion : deletions) details += "\n" + deletion.Path;
  return details;
}

// Adds the folder entries that are no folders (a typo, a drive taken away) to missing, each once.
// One stat per entry.
void addMissingFolders(const std::vector<std::string>& entries, std::vector<std::string>& missing) {
  for (const std::string& entry : entries) {
    std::error_code error;
    if (IsDatabaseEntry(entry) || std::filesystem::is_directory(entry, error)) continue;
    if (std::find(missing.begin(), missing.end(), entry) == missing.end()) missing.push_back(entry);
  }
}

// The warning lines for a message, or "" when every folder was found.
std::string missingFoldersText(const std::vector<std::string>& missing) {
  if (missing.empty()) return "";
  std::string text = "\n\nThese folders were not found and were left out:";
  for (const std::string& folder : missing) text += "\n" + folder;
  return text;
}

double secondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// One run of StartScan: the two scan lists and the counters live as long as it does.
class ScanRun {
 public:
  ScanRun(ResultsModel& results, DeletedList& deletedList, ScanHost& host, ScanMode scanMode, const std::string& mask,
          const ScanTuning& tuning)
      : results_(results), deletedList_(deletedList), host_(host), scanMode_(scanMode), mask_(mask),
        fingerprinting_{tuning.jobs}, useCache_(tuning.useCache), reference_(tuning.reference),
        pairing_{tuning.jobs, [this] { return idle(); }} {}

  // Gathers and pairs; true when the pairing ran to its end. May throw.
  bool run(const std::vector<std::string>& baseFolders, const std::vector<std::string>& compareFolders);

  // The closing step: the scan lists are freed with every entry and fingerprint.
  void freeLists() {
    FreeScanList(base_);
    FreeScanList(compare_);
  }

  int markedCount = 0;
  int autoDeletedCount = 0;
  int unreadableCount = 0;
  bool compareListEmpty = false;
  bool useNotDuplicates = true;
  std::vector<std::string> missingFolders;

 private:
  bool enterPhase(const std::string& phase);
  bool gather(const std::vector<std::string>& baseFolders, const std::vector<std::string>& compareFolders);
  bool pair();
  bool readImages();
  bool progress(size_t index, size_t count);
  bool idle();
  bool pairImages(const PairingProgress& onProgress, const GroupSink& onGroup);
  std::optional<NotDuplicateFilter> notDuplicateFilter();
  void addGroup(const PairedGroup& group);

  ResultsModel& results_;
  DeletedList& deletedList_;
  ScanHost& host_;
  ScanMode scanMode_;
  std::string mask_;
  FingerprintOptions fingerprinting_;
  bool useCache_;
  bool reference_;
  PairingOptions pairing_;
  ScanList base_;
  ScanList compare_;
};

bool ScanRun::enterPhase(const std::string& phase) {
  host_.phase(phase);
  host_.processEvents();
  return !ScanCancelled;
}

bool ScanRun::run(const std::vector<std::string>& baseFolders, const std::vector<std::string>& compareFolders) {
  if (!gather(baseFolders, compareFolders)) return false;
  if (compare_.empty()) {
    compareListEmpty = true;
    host_.beep();
    const auto& deletions = deletedList_.autoDeletions();
    host_.showDetailedMessage(MessageKind::Error,
                              "The Compare List contained no files.\n\n" + std::to_string(autoDeletedCount) +
                                  " files were automatically deleted." + classicNote(classicCount(deletions)) +
                                  missingFoldersText(missingFolders),
                              deletionDetails(deletions));
    return false;
  }
  return pair();
}

bool ScanRun::gather(const std::vector<std::string>& baseFolders, const std::vector<std::string>& compareFolders) {
  int baseDeleted = 0;
  int baseUnreadable = 0;
  int compareUnreadable = 0;
  addMissingFolders(baseFolders, missingFolders);
  addMissingFolders(compareFolders, missingFolders);
  host_.phase("Loading Base List.");
  host_.processEvents();
  LoadFileList(baseFolders, mask_, baseDeleted, false, base_, deletedList_, host_, &baseUnreadable);
  host_.processEvents();
  unreadableCount += baseUnreadable;
  if (ScanCancelled || !enterPhase("Loading Compare List.")) return false;
  const bool checkDeleted = UseDeletedList && !base_.empty();
  LoadFileList(compareFolders, mask_, autoDeletedCount, checkDeleted, compare_, deletedList_, host_,
               &compareUnreadable);
  unreadableCount += compareUnreadable;
  host_.processEvents();
  return !ScanCancelled;
}

// True when the list holds an entry with a fingerprint before reading: a database record.
bool holdsRecords(const ScanList& list) {
  return std::any_of(list.begin(), list.end(), [](const auto& entry) { return entry->Fingerprint != nullptr; });
}

bool ScanRun::readImages() {
  std::optional<FingerprintCache> cache;
  FingerprintOptions options = fingerprinting_;
  if (useCache_) options.cache = &cache.emplace();
  options.signatures = VerifyMatches;
  // Database records hold classic fingerprints only: with any of them the pictures are
  // paired by their fingerprints too (turned upright), their signatures still verifying.
  options.verifiedGrids = !holdsRecords(base_) && !holdsRecords(compare_);
  host_.phase("Reading Base Images");
  unreadableCount += int(ReadImages(base_, nullptr, host_, options));
  if (ScanCancelled) return false;
  host_.phase("Reading Compare Images");
  unreadableCount += int(ReadImages(compare_, &base_, host_, options));
  if (ScanCancelled) return false;
  host_.phase("Comparing Images");
  host_.clearProgress();
  return true;
}

bool ScanRun::progress(size_t index, size_t count) {
  host_.progress(index + 1, count);
  host_.processEvents();
  return !ScanCancelled;
}

// While pairing threads work: pending events run and a cancel stops them; phase and progress stay.
bool ScanRun::idle() {
  host_.processEvents();
  return !ScanCancelled;
}

bool ScanRun::pair() {
  const PairingProgress onProgress = [this](size_t index, size_t count) { return progress(index, count); };
  const GroupSink onGroup = [this](const PairedGroup& group) { addGroup(group); };
  const bool self = base_.empty();
  const bool withSize = scanMode_ == ScanMode::NamesAndSize;
  switch (scanMode_) {
    case ScanMode::Names:
    case ScanMode::NamesAndSize:
      if (reference_)
        return self ? PairNamesSelf(compare_, withSize, onProgress, onGroup)
                    : PairNamesAgainstBase(base_, compare_, withSize, onProgress, onGroup);
      return self ? PairNamesSelfHashed(compare_, withSize, onProgress, onGroup)
                  : PairNamesAgainstBaseHashed(base_, compare_, withSize, onProgress, onGroup);
    case ScanMode::Contents:
      if (reference_)
        return self ? PairContentsSelf(compare_, onProgress, onGroup)
                    : PairContentsAgainstBase(base_, compare_, onProgress, onGroup);
      return self ? PairContentsSelfHashed(compare_, pairing_, onProgress, onGroup)
                  : PairContentsAgainstBaseHashed(base_, compare_, pairing_, onProgress, onGroup);
    default:
      // Reading drops the base entries that are no pictures, so the arrangement is known only afterwards.
      return readImages() && pairImages(onProgress, onGroup);
  }
}

// The remembered not-duplicate pairs, when used and there are any; a damaged list is
// reported and leaves none out.
std::optional<NotDuplicateFilter> ScanRun::notDuplicateFilter() {
  if (!useNotDuplicates) return std::nullopt;
  std::string problem;
  const std::vector<NotDuplicatePair> pairs = ReadNotDuplicates(NotDuplicatesFileName(), problem);
  if (!problem.empty()) host_.showMessage(MessageKind::Error, problem);
  if (pairs.empty()) return std::nullopt;
  return NotDuplicateFilter(pairs);
}

bool ScanRun::pairImages(const PairingProgress& onProgress, const GroupSink& onGroup) {
  const int fuzz = std::min(FuzzFactor, MaxFuzzFactor);
  const ScanList& heads = base_.empty() ? compare_ : base_;
  ImageMatchRules rules;
  rules.rotations = MatchRotations;
  if (VerifyMatches) rules.checks.push_back(SignatureCheck(heads, compare_));
  const std::optional<NotDuplicateFilter> filter = notDuplicateFilter();
  if (filter) AddNotDuplicateCheck(rules, *filter, heads, compare_);
  if (reference_)
    return base_.empty() ? PairImagesSelf(compare_, fuzz, onProgress, onGroup, rules)
                         : PairImagesAgainstBase(base_, compare_, fuzz, onProgress, onGroup, rules);
  return base_.empty() ? PairImagesSelfIndexed(compare_, fuzz, pairing_, onProgress, onGroup, rules)
                       : PairImagesAgainstBaseIndexed(base_, compare_, fuzz, pairing_, onProgress, onGroup, rules);
}

void ScanRun::addGroup(const PairedGroup& group) {
  const TScanEntry& head = base_.empty() ? *compare_[group.head] : *base_[group.head];
  TResultEntry* base = results_.appendEntry(resultOf(head, nullptr, 0));
  TResultEntry* last = base;
  for (const PairedDuplicate& found : group.duplicates) {
    const TScanEntry& file = *compare_[found.index];
    auto entry = resultOf(file, base, found.errors);
    if (AutoMarkDuplicate(scanMode_, head, file, found.errors)) {
      entry->Marked = 1;
      ++markedCount;
    }
    last->Next = results_.appendEntry(std::move(entry));
    last = last->Next;
  }
  results_.appendGroup(GroupCaption(*base, static_cast<int>(group.duplicates.size())), base);
  host_.groupAdded();
}

}  // namespace

ScanDriver::ScanDriver(ResultsModel& results, DeletedList& deletedList, ScanHost& host, ScanTuning tuning)
    : results_(results), deletedList_(deletedList), host_(host), tuning_(tuning) {}

ScanResult ScanDriver::StartScan(ScanMode scanMode, const std::string& mask, const std::vector<std::string>& baseFolders,
                                 const std::vector<std::string>& compareFolders) {
  ScanResult result;
  results_.ClearResults();
  host_.resultsCleared();
  host_.processEvents();
  if (compareFolders.empty()) {
    host_.showMessage(MessageKind::Information, "You must first Add some folders to Scan.");
    host_.openFoldersDialog();
    result.end = ScanEnd::NoFolders;
    return result;
  }

  const Clock::time_point scanStart = Clock::now();
  host_.scanRunning(true);
  std::optional<CursorGuard> cursor(std::in_place, host_, BusyCursor::AppStarting);
  ScanCancelled = false;
  host_.phase("Getting Drive Information.");
  host_.clearProgress();
  host_.processEvents();

  std::optional<std::string> failure;
  bool completed = false;
  ScanRun run(results_, deletedList_, host_, scanMode, mask, tuning_);
  run.useNotDuplicates = useNotDuplicates_;
  deletedList_.clearAutoDeletions();
  try {
    RefreshVolumeTable();
    if (UseDeletedList) deletedList_.LoadDeletedList(host_);
    completed = run.run(baseFolders, compareFolders);
  } catch (const std::exception& error) {
    failure = error.what();
  }
  result.markedCount = run.markedCount;
  result.autoDeletedCount = run.autoDeletedCount;
  result.unreadableCount = run.unreadableCount;
  const auto& deletions = deletedList_.autoDeletions();
  result.classicAutoDeletedCount = classicCount(deletions);
  for (const TAutoDeletion& deletion : deletions) result.autoDeletedPaths.push_back(deletion.Path);
  const std::string details = deletionDetails(deletions);
  result.missingFolders = run.missingFolders;

  // Closing steps, on every way out.
  run.freeLists();
  cursor.reset();
  host_.scanRunning(false);
  host_.phase("Ready To Scan");
  host_.clearProgress();
  if (ScanCancelled) {
    host_.beep();
    host_.showDetailedMessage(MessageKind::Information, "Scan Canceled.", details);
    result.end = ScanEnd::Cancelled;
  } else if (failure) {
    host_.showDetailedMessage(MessageKind::Error, *failure, details);
    result.end = ScanEnd::Failed;
  } else if (run.compareListEmpty) {
    result.end = ScanEnd::EmptyCompareList;
  }
  result.duplicates = results_.duplicateCount();
  if (!completed || result.end != ScanEnd::Completed) return result;

  PropagateMarks(results_);
  if (markRule_) result.markedCount = ApplyMarkRule(results_, *markRule_).marked;
  host_.showFirstGroup();
  host_.beep();
  host_.processEvents();
  result.summary = summaryText(result, secondsSince(scanStart)) + missingFoldersText(result.missingFolders);
  host_.showDetailedMessage(MessageKind::Information, result.summary, details);
  return result;
}

}  // namespace vl

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
#include "core/scan/auto_deletion.h"
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
  entry->Identity = file.Identity;
  return entry;
}

MatchBasis matchBasisOf(ScanMode mode) {
  switch (mode) {
    case ScanMode::Names:
    case ScanMode::NamesAndSize:
      return MatchBasis::Names;
    case ScanMode::Contents:
      return MatchBasis::Contents;
    default:
      return MatchRotations ? MatchBasis::TurnedPictures : MatchBasis::Pictures;
  }
}

// How many automatic deletions rested on size and CRC-32 alone; nothing when none did.
std::string classicNote(int classicDeleted) {
  if (classicDeleted == 0) return std::string();
  return "\n\n" + std::to_string(classicDeleted) +
         " of them matched only by size and CRC-32 (entries of an older deleted-file list).";
}

// What became of the deleted-file list's matches beyond the deletions, for a message; "" when nothing.
std::string matchNotes(const ScanResult& result) {
  std::string text;
  if (!result.keptMatches.empty())
    text += "\n\n" + std::to_string(result.keptMatches.size()) +
            " files that the deleted-file list matched were not deleted and were left out of this scan.";
  if (!result.notDeleted.empty())
    text += "\n\n" + std::to_string(result.notDeleted.size()) +
            " matched files were not deleted: they changed since they were read or could not be removed.";
  if (result.restoredCount > 0)
    text += "\n\n" + std::to_string(result.restoredCount) +
            " files were back where they had been deleted from: they were kept, and the deleted-file list forgot them.";
  return text;
}

// The summary of a completed scan; the classic-entry note, the matches not deleted
// and the files that could not be read, when there were any, close it.
std::string summaryText(const ScanResult& result, double seconds) {
  std::string text = "Finished Scanning for Duplicates.\n\nFound " + std::to_string(result.duplicates) +
                     " possible duplicates in " + ElapsedText(seconds) + ".\n\n" +
                     std::to_string(result.markedCount) + " files marked for Delete.\n\n" +
                     std::to_string(result.autoDeletedCount) + " files automatically deleted." +
                     classicNote(result.classicAutoDeletedCount) + matchNotes(result);
  if (result.unreadableCount > 0) text += "\n\n" + std::to_string(result.unreadableCount) + " files could not be read.";
  return text;
}

int classicCount(const std::vector<TAutoDeletion>& deletions) {
  return static_cast<int>(std::count_if(deletions.begin(), deletions.end(), [](const auto& d) { return d.Classic; }));
}

// One section of a message's details: a heading, then one line per item; nothing without items.
template <typename Items, typename Line>
void addSection(std::string& details, const char* heading, const Items& items, Line line) {
  if (items.empty()) return;
  details += (details.empty() ? "" : "\n\n") + std::string(heading);
  for (const auto& item : items) details += "\n" + line(item);
}

std::string pathLine(const std::string& path) { return path; }
std::string reasonLine(const UnreadableFile& file) { return file.Path + ": " + file.Reason; }

// The details of a message after gathering: the automatically deleted paths, the
// matches not deleted, and the files that could not be read with the reason.
std::string scanDetails(const ScanResult& result) {
  std::string details;
  addSection(details, "Automatically deleted:", result.autoDeletedPaths, pathLine);
  addSection(details, "Matched by the deleted-file list, not deleted:", result.keptMatches, pathLine);
  addSection(details, "Matched by the deleted-file list, not deleted:", result.notDeleted, reasonLine);
  addSection(details, "Could not be read:", result.unreadable, reasonLine);
  return details;
}

// The stop for a base list whose entries gave no file: each entry with the reason.
std::string emptyBaseText(const std::vector<EntryYield>& entries) {
  std::string text =
      "The Base List contained no files, so the scan was not run (it would have compared the Compare List with "
      "itself).\n";
  for (const EntryYield& entry : entries) text += "\n" + entry.Entry + ": " + NoFilesReason(entry);
  return text;
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
  // Copies the counters, the deleted-file list's outcome and the problems into result.
  void fillResult(ScanResult& result) const;

  // The closing step: the scan lists are freed with every entry and fingerprint.
  void freeLists() {
    FreeScanList(base_);
    FreeScanList(compare_);
  }

  int markedCount = 0;
  std::vector<UnreadableFile> unreadable;
  AutoDeletionOutcome autoDeletion;
  size_t restoredCount = 0;
  bool baseListEmpty = false;
  bool compareListEmpty = false;
  bool useNotDuplicates = true;
  std::vector<std::string> missingFolders;

 private:
  bool enterPhase(const std::string& phase);
  bool gatherBase(const std::vector<std::string>& baseFolders);
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
    ScanResult counts;
    fillResult(counts);
    host_.showDetailedMessage(MessageKind::Error,
                              "The Compare List contained no files.\n\n" + std::to_string(counts.autoDeletedCount) +
                                  " files were automatically deleted." + classicNote(counts.classicAutoDeletedCount) +
                                  matchNotes(counts) + missingFoldersText(missingFolders),
                              scanDetails(counts));
    return false;
  }
  return pair();
}

void ScanRun::fillResult(ScanResult& result) const {
  result.markedCount = markedCount;
  result.autoDeletedCount = static_cast<int>(autoDeletion.deleted.size());
  result.classicAutoDeletedCount = classicCount(autoDeletion.deleted);
  for (const TAutoDeletion& deletion : autoDeletion.deleted) result.autoDeletedPaths.push_back(deletion.Path);
  result.keptMatches = autoDeletion.kept;
  result.notDeleted = autoDeletion.refused;
  result.restoredCount = restoredCount;
  result.unreadable = unreadable;
  result.unreadableCount = static_cast<int>(unreadable.size());
  result.missingFolders = missingFolders;
}

// Gathers the base list; false when cancelled, or when its entries gave no file at
// all: then the scan stops with a message naming each entry and why.
bool ScanRun::gatherBase(const std::vector<std::string>& baseFolders) {
  host_.phase("Loading Base List.");
  host_.processEvents();
  GatherReport report;
  LoadFileList(baseFolders, mask_, base_, host_, &report);
  host_.processEvents();
  unreadable.insert(unreadable.end(), report.unreadable.begin(), report.unreadable.end());
  if (ScanCancelled) return false;
  if (baseFolders.empty() || !base_.empty()) return true;
  baseListEmpty = true;
  host_.beep();
  host_.showMessage(MessageKind::Error, emptyBaseText(report.entries));
  return false;
}

// Gathers both lists, then asks before the deleted-file list removes what it matched.
bool ScanRun::gather(const std::vector<std::string>& baseFolders, const std::vector<std::string>& compareFolders) {
  addMissingFolders(baseFolders, missingFolders);
  addMissingFolders(compareFolders, missingFolders);
  if (!gatherBase(baseFolders) || !enterPhase("Loading Compare List.")) return false;
  const bool checkDeleted = UseDeletedList && !base_.empty();
  GatherReport report;
  LoadFileList(compareFolders, mask_, compare_, host_, &report, checkDeleted ? &deletedList_ : nullptr);
  unreadable.insert(unreadable.end(), report.unreadable.begin(), report.unreadable.end());
  restoredCount = report.restored;
  host_.processEvents();
  if (ScanCancelled) return false;
  autoDeletion = ConfirmAutoDeletion(report.deletedMatches, deletedList_, host_);
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
  ReadImages(base_, nullptr, host_, options, &unreadable);
  if (ScanCancelled) return false;
  host_.phase("Reading Compare Images");
  ReadImages(compare_, &base_, host_, options, &unreadable);
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

bool ScanHost::confirmAutoDeletion(const std::vector<DeletedMatch>& matches) {
  return askYesNoDefaultNo(AutoDeletionQuestion(matches));
}

ScanDriver::ScanDriver(ResultsModel& results, DeletedList& deletedList, ScanHost& host, ScanTuning tuning)
    : results_(results), deletedList_(deletedList), host_(host), tuning_(tuning) {}

ScanResult ScanDriver::StartScan(ScanMode scanMode, const std::string& mask, const std::vector<std::string>& baseFolders,
                                 const std::vector<std::string>& compareFolders) {
  ScanResult result;
  results_.ClearResults();
  results_.matchBasis = matchBasisOf(scanMode);
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
  try {
    RefreshVolumeTable();
    if (UseDeletedList) deletedList_.LoadDeletedList(host_);
    completed = run.run(baseFolders, compareFolders);
  } catch (const std::exception& error) {
    failure = error.what();
  }
  run.fillResult(result);
  const std::string details = scanDetails(result);

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
  } else if (run.baseListEmpty) {
    result.end = ScanEnd::EmptyBaseList;
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

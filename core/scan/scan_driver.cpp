// The scan as a job: from a request to result groups, with typed progress, a cancel token and an outcome.
#include "core/scan/scan_driver.h"

#include <algorithm>
#include <chrono>
#include <exception>
#include <filesystem>
#include <optional>

#include "core/components/elapsed_time.h"
#include "core/components/user_text.h"
#include "core/database/volume_table.h"
#include "core/files/paths.h"
#include "core/fingerprint/fingerprint_cache.h"
#include "core/scan/gather.h"
#include "core/scan/marking.h"
#include "core/scan/not_duplicates.h"
#include "core/scan/pairing.h"
#include "core/scan/read_images.h"

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
  entry->almostUniform = IsAlmostUniform(file);
  return entry;
}

MatchBasis matchBasisOf(const ScanRequest& request) {
  switch (request.mode) {
    case ScanMode::Names:
    case ScanMode::NamesAndSize:
      return MatchBasis::Names;
    case ScanMode::Contents:
      return MatchBasis::Contents;
    default:
      return request.matchRotations ? MatchBasis::TurnedPictures : MatchBasis::Pictures;
  }
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

// The stop for a base list whose entries gave no file: each entry with the reason.
std::string emptyBaseText(const std::vector<EntryYield>& entries) {
  std::string text = UserText("vl::core",
                              "The Base List contained no files, so the scan was not run (it would have compared the "
                              "Compare List with itself).") +
                     "\n";
  for (const EntryYield& entry : entries) text += "\n" + entry.entry + ": " + NoFilesReason(entry);
  return text;
}

void addErrors(std::vector<JobMessage>& messages, const std::vector<std::string>& errors) {
  for (const std::string& error : errors) messages.push_back({MessageKind::Error, error, {}});
}

// One run of a scan: the two scan lists live as long as it does.
class ScanRun {
 public:
  ScanRun(const ScanRequest& request, DeletedList& deletedList, const CancelToken& cancel, ProgressSink& sink,
          ScanOutcome& outcome)
      : request_(request), deletedList_(deletedList), cancel_(cancel), sink_(sink), outcome_(outcome),
        pairing_{request.jobs, [&cancel] { return cancel.cancelled(); }} {}

  // Gathers and pairs; true when the pairing ran to its end. May throw.
  bool run();

 private:
  bool stopped() const { return cancel_.cancelled() || missingDatabase_; }
  std::vector<std::string> entries(const std::vector<std::string>& given) const;
  void gatherInto(const std::vector<std::string>& entries, ScanList& list, GatherReport& report, bool checkDeleted);
  bool gather();
  bool pair();
  bool readImages();
  bool progress(JobPhase phase, size_t index, size_t count);
  bool pairImages(const PairingProgress& onProgress, const GroupSink& onGroup);
  std::optional<NotDuplicateFilter> notDuplicateFilter();
  void addGroup(const PairedGroup& group);
  // Whether a verifying image scan paired the two without comparing their signatures
  // (a database record, or a picture read without one). O(1).
  bool unverifiedPair(const TScanEntry& head, const TScanEntry& file) const {
    return request_.mode == ScanMode::Images && request_.verifyMatches && !(head.Signature && file.Signature);
  }

  const ScanRequest& request_;
  DeletedList& deletedList_;
  const CancelToken& cancel_;
  ProgressSink& sink_;
  ScanOutcome& outcome_;
  PairingOptions pairing_;
  ScanList base_;
  ScanList compare_;
  bool missingDatabase_ = false;
};

bool ScanRun::run() {
  if (!gather()) return false;
  if (compare_.empty()) {
    outcome_.end = ScanEnd::EmptyCompareList;
    return false;
  }
  return pair();
}

// The entries of a list, with every folder below each folder entry when asked.
std::vector<std::string> ScanRun::entries(const std::vector<std::string>& given) const {
  return request_.subfolders ? ExpandFolderEntries(given) : given;
}

void ScanRun::gatherInto(const std::vector<std::string>& entries, ScanList& list, GatherReport& report,
                         bool checkDeleted) {
  LoadFileList(entries, request_.mask, list, cancel_, &report, checkDeleted ? &deletedList_ : nullptr);
  outcome_.unreadable.insert(outcome_.unreadable.end(), report.unreadable.begin(), report.unreadable.end());
  addErrors(outcome_.messages, report.errors);
  missingDatabase_ = missingDatabase_ || report.missingDatabase;
}

// Gathers the base list and then the compare list, the deleted-file list's matches
// left out of it; false when stopped, or when the base entries gave no file at all.
bool ScanRun::gather() {
  sink_.report({JobPhase::LoadingBaseList});
  const std::vector<std::string> baseEntries = entries(request_.baseEntries);
  const std::vector<std::string> compareEntries = entries(request_.compareEntries);
  addMissingFolders(baseEntries, outcome_.missingFolders);
  addMissingFolders(compareEntries, outcome_.missingFolders);
  GatherReport baseReport;
  gatherInto(baseEntries, base_, baseReport, false);
  if (stopped()) return false;
  if (!baseEntries.empty() && base_.empty()) {
    outcome_.end = ScanEnd::EmptyBaseList;
    outcome_.stopText = emptyBaseText(baseReport.entries);
    return false;
  }
  sink_.report({JobPhase::LoadingCompareList});
  GatherReport report;
  gatherInto(compareEntries, compare_, report, request_.useDeletedList && !base_.empty());
  outcome_.restoredCount = report.restored;
  outcome_.deletedMatches = std::move(report.deletedMatches);
  return !stopped();
}

// True when the list holds an entry with a fingerprint before reading: a database record.
bool holdsRecords(const ScanList& list) {
  return std::any_of(list.begin(), list.end(), [](const auto& entry) { return entry->Fingerprint != nullptr; });
}

bool ScanRun::readImages() {
  std::optional<FingerprintCache> cache;
  FingerprintOptions options{request_.jobs};
  if (request_.useCache) options.cache = &cache.emplace();
  options.signatures = request_.verifyMatches;
  // Database records hold classic fingerprints only: with any of them the pictures are
  // paired by their fingerprints too (turned upright), their signatures still verifying.
  options.verifiedGrids = !holdsRecords(base_) && !holdsRecords(compare_);
  options.decoding.cancel = &cancel_.flag();
  std::vector<UnreadableFile>& unreadable = outcome_.unreadable;
  sink_.report({JobPhase::ReadingBaseImages});
  ReadImages(base_, nullptr, sink_, options, &unreadable, {JobPhase::ReadingBaseImages, request_.modernImageFormats});
  if (cancel_.cancelled()) return false;
  sink_.report({JobPhase::ReadingCompareImages});
  ReadImages(compare_, &base_, sink_, options, &unreadable,
             {JobPhase::ReadingCompareImages, request_.modernImageFormats});
  if (cancel_.cancelled()) return false;
  sink_.report({JobPhase::ComparingImages});
  return true;
}

bool ScanRun::progress(JobPhase phase, size_t index, size_t count) {
  sink_.report({phase, index + 1, count});
  return !cancel_.cancelled();
}

bool ScanRun::pair() {
  const JobPhase phase = request_.mode == ScanMode::Images ? JobPhase::ComparingImages : JobPhase::LoadingCompareList;
  const PairingProgress onProgress = [this, phase](size_t index, size_t count) { return progress(phase, index, count); };
  const GroupSink onGroup = [this](const PairedGroup& group) { addGroup(group); };
  const StopRequest& stop = pairing_.stop;
  const bool self = base_.empty();
  const bool withSize = request_.mode == ScanMode::NamesAndSize;
  switch (request_.mode) {
    case ScanMode::Names:
    case ScanMode::NamesAndSize:
      if (request_.reference)
        return self ? PairNamesSelf(compare_, withSize, onProgress, onGroup)
                    : PairNamesAgainstBase(base_, compare_, withSize, onProgress, onGroup);
      return self ? PairNamesSelfHashed(compare_, withSize, onProgress, onGroup)
                  : PairNamesAgainstBaseHashed(base_, compare_, withSize, onProgress, onGroup);
    case ScanMode::Contents:
      if (request_.reference)
        return self ? PairContentsSelf(compare_, onProgress, onGroup, stop)
                    : PairContentsAgainstBase(base_, compare_, onProgress, onGroup, stop);
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
  if (request_.notDuplicatesFile.empty()) return std::nullopt;
  std::string problem;
  const std::vector<NotDuplicatePair> pairs = ReadNotDuplicates(request_.notDuplicatesFile, problem);
  if (!problem.empty()) outcome_.messages.push_back({MessageKind::Error, problem, {}});
  if (pairs.empty()) return std::nullopt;
  return NotDuplicateFilter(pairs);
}

bool ScanRun::pairImages(const PairingProgress& onProgress, const GroupSink& onGroup) {
  const int fuzz = request_.fuzzFactor;
  const ScanList& heads = base_.empty() ? compare_ : base_;
  ImageMatchRules rules;
  rules.rotations = request_.matchRotations;
  if (request_.verifyMatches) rules.checks.push_back(SignatureCheck(heads, compare_));
  const std::optional<NotDuplicateFilter> filter = notDuplicateFilter();
  if (filter) AddNotDuplicateCheck(rules, *filter, heads, compare_);
  if (request_.reference)
    return base_.empty() ? PairImagesSelf(compare_, fuzz, onProgress, onGroup, rules)
                         : PairImagesAgainstBase(base_, compare_, fuzz, onProgress, onGroup, rules);
  return base_.empty() ? PairImagesSelfIndexed(compare_, fuzz, pairing_, onProgress, onGroup, rules)
                       : PairImagesAgainstBaseIndexed(base_, compare_, fuzz, pairing_, onProgress, onGroup, rules);
}

void ScanRun::addGroup(const PairedGroup& group) {
  ResultsModel& results = outcome_.results;
  const TScanEntry& head = base_.empty() ? *compare_[group.head] : *base_[group.head];
  TResultEntry* base = results.appendEntry(resultOf(head, nullptr, 0));
  TResultEntry* last = base;
  for (const PairedDuplicate& found : group.duplicates) {
    const TScanEntry& file = *compare_[found.index];
    auto entry = resultOf(file, base, found.errors);
    entry->unverifiedPair = unverifiedPair(head, file);
    if (MarkableByRule(*entry) && AutoMarkDuplicate(request_.mode, head, file, found.errors, request_.autoMark)) {
      entry->Marked = 1;
      ++outcome_.markedCount;
    }
    last->Next = results.appendEntry(std::move(entry));
    last = last->Next;
  }
  results.appendGroup(GroupCaption(*base, static_cast<int>(group.duplicates.size())), base);
}

// Loads the deleted-file list into memory when the scan uses it; its messages join the outcome's.
void loadDeletedList(const ScanRequest& request, DeletedList& deletedList, ScanOutcome& outcome) {
  if (!request.useDeletedList) return;
  MessageList messages;
  deletedList.LoadDeletedList(messages);
  outcome.messages.insert(outcome.messages.end(), messages.messages.begin(), messages.messages.end());
}

// Marks a completed scan: propagated marks, then the keep rule, whose marks are then the
// count. A cancel while the rule reads EXIF blocks leaves the rule unapplied and ends
// the scan as cancelled.
void mark(const ScanRequest& request, ScanOutcome& outcome, const CancelToken& cancel, ProgressSink& sink) {
  sink.report({JobPhase::Marking});
  PropagateMarks(outcome.results);
  if (!request.keepRule) return;
  if (const auto marked = ReadFactsAndApplyMarkRule(outcome.results, *request.keepRule, cancel, sink))
    outcome.markedCount = marked->marked;
  else
    outcome.end = ScanEnd::Cancelled;
}

// How many automatic deletions rested on size and CRC-32 alone; nothing when none did.
std::string classicNote(const AutoDeletionOutcome& deletion) {
  const auto classic = std::count_if(deletion.deleted.begin(), deletion.deleted.end(),
                                     [](const AutoDeletedFile& d) { return d.classic; });
  if (classic == 0) return std::string();
  return "\n\n" + UserText("vl::core", "%n of them matched only by size and CRC-32 (entries of an older deleted-file list).",
                          nullptr, TextCount(size_t(classic)));
}

// What became of the deleted-file list's matches beyond the deletions, for a message; "" when nothing.
std::string matchNotes(const ScanOutcome& outcome, const AutoDeletionOutcome& deletion) {
  std::string text;
  if (!deletion.kept.empty())
    text += "\n\n" + UserText("vl::core",
                              "%n files that the deleted-file list matched were not deleted and were left out of this "
                              "scan.",
                              nullptr, TextCount(deletion.kept.size()));
  if (!deletion.refused.empty())
    text += "\n\n" + UserText("vl::core",
                              "%n matched files were not deleted: they changed since they were read or could not be "
                              "removed.",
                              nullptr, TextCount(deletion.refused.size()));
  if (outcome.restoredCount > 0)
    text += "\n\n" + UserText("vl::core",
                              "%n files were back where they had been deleted from: they were kept, and the "
                              "deleted-file list forgot them.",
                              nullptr, TextCount(outcome.restoredCount));
  return text;
}

// "A files automatically deleted." (`wording` is the translated "%n ..." text for the
// count) with what became of the other matches.
std::string deletionLines(const ScanOutcome& outcome, const AutoDeletionOutcome& deletion, const std::string& wording) {
  return wording + classicNote(deletion) + matchNotes(outcome, deletion);
}

// The warning lines for a message, or "" when every folder was found.
std::string missingFoldersText(const std::vector<std::string>& missing) {
  if (missing.empty()) return "";
  std::string text = "\n\n" + UserText("vl::core", "These folders were not found and were left out:");
  for (const std::string& folder : missing) text += "\n" + folder;
  return text;
}

// The summary of a completed scan; the classic-entry note, the matches not deleted,
// the files that could not be read and the folders not found, when there were any, close it.
std::string summaryText(const ScanOutcome& outcome, const AutoDeletionOutcome& deletion) {
  const size_t deleted = deletion.deleted.size();
  std::string text =
      UserText("vl::core", "Finished Scanning for Duplicates.") + "\n\n" +
      FormatText(UserText("vl::core", "Found %1 possible duplicates in %2."),
                 {std::to_string(outcome.duplicates), ElapsedText(outcome.seconds)}) +
      "\n\n" + UserText("vl::core", "%n files marked for Delete.", nullptr, TextCount(outcome.markedCount)) + "\n\n" +
      deletionLines(outcome, deletion, UserText("vl::core", "%n files automatically deleted.", nullptr, TextCount(deleted)));
  if (!outcome.unreadable.empty())
    text += "\n\n" + UserText("vl::core", "%n files could not be read.", nullptr, TextCount(outcome.unreadable.size()));
  return text + missingFoldersText(outcome.missingFolders);
}

// One section of a message's details: a heading, then one line per item; nothing without items.
template <typename Items, typename Line>
void addSection(std::string& details, const std::string& heading, const Items& items, Line line) {
  if (items.empty()) return;
  details += (details.empty() ? "" : "\n\n") + heading;
  for (const auto& item : items) details += "\n" + line(item);
}

std::string pathLine(const std::string& path) { return path; }
std::string deletedLine(const AutoDeletedFile& deletion) { return deletion.path; }
std::string reasonLine(const UnreadableFile& file) { return file.path + ": " + file.reason; }

// The details of a closing message: the automatically deleted paths, the matches not
// deleted, and the files that could not be read with the reason.
std::string scanDetails(const ScanOutcome& outcome, const AutoDeletionOutcome& deletion) {
  std::string details;
  const std::string notDeleted = UserText("vl::core", "Matched by the deleted-file list, not deleted:");
  addSection(details, UserText("vl::core", "Automatically deleted:"), deletion.deleted, deletedLine);
  addSection(details, notDeleted, deletion.kept, pathLine);
  addSection(details, notDeleted, deletion.refused, reasonLine);
  addSection(details, UserText("vl::core", "Could not be read:"), outcome.unreadable, reasonLine);
  return details;
}

}  // namespace

ScanOutcome RunScanJob(const ScanRequest& given, DeletedList& deletedList, const CancelToken& cancel,
                       ProgressSink& sink) {
  const Clock::time_point start = Clock::now();
  ScanOutcome outcome;
  ScanRequest request = given;
  outcome.results.matchBasis = matchBasisOf(request);
  if (std::string problem = ValidateScanRequest(request); !problem.empty()) {
    outcome.end = ScanEnd::Failed;
    outcome.stopText = std::move(problem);
    return outcome;
  }
  if (request.compareEntries.empty()) {
    outcome.end = ScanEnd::NoFolders;
    return outcome;
  }
  sink.report({JobPhase::DriveInformation});
  bool completed = false;
  try {
    RefreshVolumeTable(request.checkABDrives);
    loadDeletedList(request, deletedList, outcome);
    completed = ScanRun(request, deletedList, cancel, sink, outcome).run();
  } catch (const std::exception& error) {
    outcome.end = ScanEnd::Failed;
    outcome.stopText = error.what();
  }
  // A cancel, and a missing database, end the scan as a cancel whatever else happened.
  if (!completed && cancel.cancelled()) outcome.end = ScanEnd::Cancelled;
  if (!completed && outcome.end == ScanEnd::Completed) outcome.end = ScanEnd::Cancelled;
  outcome.duplicates = outcome.results.duplicateCount();
  if (completed) mark(request, outcome, cancel, sink);
  outcome.seconds = std::chrono::duration<double>(Clock::now() - start).count();
  return outcome;
}

AutoDeletionOutcome FinishScan(const ScanRequest& request, const ScanOutcome& outcome, DeletedList& deletedList,
                               Host& host, const AutoDeletionAsk& ask) {
  for (const JobMessage& message : outcome.messages) ShowJobMessage(host, message);
  AutoDeletionOutcome deletion;
  if (outcome.end == ScanEnd::Completed || outcome.end == ScanEnd::EmptyCompareList)
    deletion = ActOnDeletedMatches(outcome.deletedMatches, request.deletedListConsent, request.recycle, deletedList, ask);
  const ScanClosing closing = ClosingMessage(outcome, deletion);
  if (closing.beep) host.beep();
  ShowJobMessage(host, closing.message);
  return deletion;
}

ScanClosing ClosingMessage(const ScanOutcome& outcome, const AutoDeletionOutcome& deletion) {
  const std::string details = scanDetails(outcome, deletion);
  switch (outcome.end) {
    case ScanEnd::Completed:
      return {{MessageKind::Information, summaryText(outcome, deletion), details}, true};
    case ScanEnd::Cancelled:
      return {{MessageKind::Information, UserText("vl::core", "Scan Canceled."), details}, true};
    case ScanEnd::NoFolders:
      return {{MessageKind::Information, UserText("vl::core", "You must first Add some folders to Scan."), {}}, false};
    case ScanEnd::EmptyBaseList:
      return {{MessageKind::Error, outcome.stopText, {}}, true};
    case ScanEnd::EmptyCompareList:
      return {{MessageKind::Error,
               UserText("vl::core", "The Compare List contained no files.") + "\n\n" +
                   deletionLines(outcome, deletion,
                                 UserText("vl::core", "%n files were automatically deleted.", nullptr,
                                          TextCount(deletion.deleted.size()))) +
                   missingFoldersText(outcome.missingFolders),
               details},
              true};
    case ScanEnd::Failed:
      break;
  }
  return {{MessageKind::Error, outcome.stopText, details}, false};
}

}  // namespace vl

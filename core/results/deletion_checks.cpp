// Checking files just before they are deleted: each must still be the file its scan saw, compared with a copy.
#include "core/results/deletion_checks.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>

#include "core/components/parallel_run.h"
#include "core/components/user_text.h"
#include "core/fingerprint/fingerprint.h"
#include "core/fingerprint/fingerprint_cache.h"
#include "core/fingerprint/grid_errors.h"
#include "core/fingerprint/signature.h"

namespace vl {

namespace {

// Dates are kept to two seconds; anything closer is the same date.
constexpr double SameDateTolerance = 0.5 / 86400.0;

// Why a file is left alone, as the details of a deletion list it.
std::string vanishedReason() { return UserText("vl::core", "no longer exists"); }
std::string notRegularReason() {
  return UserText("vl::core", "is not a regular file (a folder, a link or a device); left alone");
}
std::string changedReason() { return UserText("vl::core", "changed since the scan (size or modification time); left alone"); }
std::string changedWhileCheckedReason() { return UserText("vl::core", "changed while it was being checked; left alone"); }
std::string notPictureReason() {
  return UserText("vl::core", "is not a picture, and only the pictures of picture results are deleted; left alone");
}

// "cannot be read: " with the system's reason for `error`.
std::string cannotBeRead(int error) {
  return FormatText(UserText("vl::core", "cannot be read: %1"), {std::strerror(error)});
}

bool pairsPictures(MatchBasis basis) { return basis == MatchBasis::Pictures || basis == MatchBasis::TurnedPictures; }

bool sameDate(double a, double b) { return std::fabs(a - b) <= SameDateTolerance; }

const TResultEntry& groupBase(const TResultEntry& entry) { return entry.Base != nullptr ? *entry.Base : entry; }

// The largest error count two members of one group may show and still be what the
// scan saw: the count recorded against the base; between two duplicates, 4/3 of the
// sum of both (a cell two steps off one way and one the other may differ by three,
// which counts 4).
int allowedErrors(const TResultEntry& file, const TResultEntry& copy) {
  if (file.Base == nullptr) return copy.Errors;
  if (copy.Base == nullptr) return file.Errors;
  return 4 * (file.Errors + copy.Errors) / 3;
}

// The smallest error count of a's orientations (all eight when turned, else a itself) against b.
int smallestErrors(const TFingerprint& a, const TFingerprint& b, bool turned) {
  int best = FingerprintErrors(a, b, 1000);
  for (int o = 1; turned && o < OrientationCount; ++o) best = std::min(best, FingerprintErrors(OrientGrid(a, o), b, best));
  return best;
}

// One read of a file: its sums and, for a picture, its fingerprint; or why it failed.
struct Reading {
  std::optional<ContentSums> sums;
  std::optional<TFingerprint> print;
  FileOutcome failure = FileOutcome::Done;
  std::string reason;
};

Reading failedReading(FileOutcome outcome, std::string reason) {
  Reading reading;
  reading.failure = outcome;
  reading.reason = std::move(reason);
  return reading;
}

// Decodes the picture held in memory; false when it is none.
bool fingerprintOf(const std::vector<uint8_t>& bytes, const std::string& path, TFingerprint& print) {
  int32_t width = 0;
  int32_t height = 0;
  return MakeFingerprintFromMemory(bytes.data(), bytes.size(), PictureTypeOf(path), print, width, height);
}

// Given a file's sums, whether its picture must be decoded as well.
using DecodeWanted = std::function<bool(const ContentSums&)>;

// Reads a file about to be deleted through its folder held open: it must be the
// version examined before, and stay so while it is read. A picture is decoded from
// the same read when `decode` wants it.
Reading readBound(const std::string& cleanPath, FolderLinks links, const FileVersion& expected, bool picture,
                  const DecodeWanted& decode) {
  const BoundPath bound(cleanPath, links);
  FileVersion now;
  if (!bound.isOpen() || bound.examine(now) != PathKind::RegularFile || !now.sameAs(expected))
    return failedReading(FileOutcome::Changed, changedWhileCheckedReason());
  if (picture && expected.state.fullSize > MaxPictureFileBytes)
    return failedReading(FileOutcome::NotVerified, notPictureReason());
  const int fd = bound.openForReading();
  if (fd < 0) return failedReading(FileOutcome::Failed, cannotBeRead(errno));
  std::vector<uint8_t> bytes;
  if (picture) bytes.reserve(size_t(expected.state.fullSize));
  ContentSums sums;
  FileVersion opened;
  const bool same = VersionOfOpenFile(fd, opened) && opened.sameAs(expected);
  const int error = same ? ReadOpenFileSums(fd, sums, picture ? &bytes : nullptr) : 0;
  FileVersion after;
  const bool kept = same && error == 0 && VersionOfOpenFile(fd, after) && after.sameAs(expected) &&
                    sums.size == expected.state.fullSize;
  ::close(fd);
  if (error != 0) return failedReading(FileOutcome::Failed, cannotBeRead(error));
  if (!kept) return failedReading(FileOutcome::Changed, changedWhileCheckedReason());
  sums.device = dev_t(expected.state.identity.device);
  sums.inode = ino_t(expected.state.identity.inode);
  Reading reading;
  reading.sums = sums;
  if (!picture || !decode(sums)) return reading;
  TFingerprint print{};
  if (!fingerprintOf(bytes, cleanPath, print)) return failedReading(FileOutcome::NotVerified, notPictureReason());
  reading.print = print;
  return reading;
}

// The sums of a copy that stays.
Reading readStayingSums(const std::string& path) {
  Reading reading;
  try {
    reading.sums = ReadContentSums(path);
  } catch (const FileAccessError& e) {
    return failedReading(FileOutcome::Failed, e.what());
  }
  return reading.sums ? reading : failedReading(FileOutcome::Failed, vanishedReason());
}

// Adds the fingerprint of a copy that stays: from the cache when it holds this
// version of the file, else decoded.
void addStayingPrint(const std::string& path, FingerprintCache* cache, Reading& reading) {
  const std::optional<FileKey> key = cache != nullptr ? StatFileKey(path) : std::nullopt;
  if (const auto stored = key ? cache->lookup(path, *key) : std::nullopt; stored && stored->ok) {
    reading.print = stored->fingerprint;
    return;
  }
  TFingerprint decoded{};
  int32_t width = 0;
  int32_t height = 0;
  if (MakeFingerprint(path, decoded, width, height)) {
    reading.print = decoded;
  } else {
    reading = failedReading(FileOutcome::Failed, UserText("vl::core", "cannot be read as a picture"));
  }
}

// The state of one check: the files asked, the copies they are compared with, and
// the readings of both (the files asked first, at their own index, then the copies).
class Checker {
 public:
  Checker(const ScannedFiles& files, const CheckOptions& options) : files_(files), options_(options) {}

  DeletionChecks run(const std::vector<std::string>& paths) {
    examineAll(paths);
    for (size_t i = 0; i < asked_.size(); ++i)
      if (results_[i].outcome == FileOutcome::Done) planComparisons(i);
    readAll();
    return verdicts();
  }

 private:
  struct Asked {
    std::string clean;
    FileVersion version;
    bool picture = false;         // a group of it pairs pictures: it must be one
    bool read = false;
    bool printForOthers = false;  // a file that goes too is compared with its picture
    std::vector<size_t> comparisons;
  };
  struct Copy {
    std::string clean;
    bool print = false;
  };
  struct Comparison {
    size_t asked;
    size_t reading;  // of the copy
    MatchBasis basis;
    int allowed;
    std::string copyPath;
  };

  void examineAll(const std::vector<std::string>& paths) {
    std::unordered_set<std::string> seen;
    for (const std::string& path : paths) {
      Asked asked;
      asked.clean = CleanFilePath(path);
      if (!seen.insert(asked.clean).second) continue;
      results_.push_back(files_.examine(path, asked.clean, asked.version));
      if (results_.back().outcome == FileOutcome::Done) {
        deleting_.emplace(asked.clean, asked_.size());
        deletingIds_.insert(asked.version.state.identity);
      }
      asked_.push_back(std::move(asked));
    }
  }

  void planComparisons(size_t i) {
    for (const TResultEntry* entry : *files_.entriesOf(asked_[i].clean)) {
      const MatchBasis basis = files_.basisOf(groupBase(*entry));
      asked_[i].picture = asked_[i].picture || pairsPictures(basis);
      if (basis == MatchBasis::Names) continue;
      const TResultEntry* copy = copyFor(i, groupBase(*entry), true);
      if (copy == nullptr) copy = copyFor(i, groupBase(*entry), false);
      if (copy == nullptr) continue;
      asked_[i].comparisons.push_back(comparisons_.size());
      comparisons_.push_back({i, readingOf(*copy, basis), basis, allowedErrors(*entry, *copy), copy->Path});
      asked_[i].read = true;
    }
    asked_[i].read = asked_[i].read || asked_[i].picture || options_.readEvery;
  }

  // The first member of the group in chain order, the base first, that may vouch for
  // file i: an unchanged copy that stays, or (staying false) another file of the
  // group that goes too and passed its examination.
  const TResultEntry* copyFor(size_t i, const TResultEntry& base, bool staying) {
    for (const TResultEntry* member = &base; member != nullptr; member = member->Next) {
      if (member->Gone != 0) continue;
      const std::string clean = CleanFilePath(member->Path);
      if (clean == asked_[i].clean) continue;
      const auto going = deleting_.find(clean);
      if (staying && going == deleting_.end() && files_.isUnchangedCopy(*member, deletingIds_)) return member;
      if (!staying && going != deleting_.end() &&
          !(asked_[going->second].version.state.identity == asked_[i].version.state.identity))
        return member;
    }
    return nullptr;
  }

  size_t readingOf(const TResultEntry& copy, MatchBasis basis) {
    const std::string clean = CleanFilePath(copy.Path);
    if (const auto going = deleting_.find(clean); going != deleting_.end()) {
      asked_[going->second].read = true;
      asked_[going->second].printForOthers = asked_[going->second].printForOthers || pairsPictures(basis);
      return going->second;
    }
    const auto [it, added] = copyIndex_.try_emplace(clean, asked_.size() + copies_.size());
    if (added) copies_.push_back({clean});
    return it->second;
  }

  bool sameContents(const Comparison& c) const {
    const Reading& file = readings_[c.asked];
    const Reading& copy = readings_[c.reading];
    return file.sums && copy.sums && file.sums->digest == copy.sums->digest;
  }

  // Whether file i, read as `sums`, must be decoded: it must prove itself a picture
  // and no copy that stays has its very bytes, or a file that goes too is compared
  // with it. Runs on the reading threads; the copies that stay were read before.
  bool wantsPrint(size_t i, const ContentSums& sums) const {
    if (!asked_[i].picture) return false;
    if (asked_[i].printForOthers) return true;
    bool compared = false;
    for (const size_t n : asked_[i].comparisons) {
      const Comparison& c = comparisons_[n];
      if (!pairsPictures(c.basis)) continue;
      compared = true;
      const Reading& copy = readings_[c.reading];
      if (c.reading < asked_.size() || !copy.sums || copy.sums->digest != sums.digest) return true;
    }
    return !compared;
  }

  void inParallel(const std::vector<size_t>& todo, const std::function<void(size_t)>& work) const {
    RunInParallel(todo.size(), options_.jobs, [&](size_t n) { work(todo[n]); }, [] { return true; });
  }

  // The sums of the copies that stay, then the files asked (decoding those whose
  // picture is wanted), then the fingerprints of the copies that differ from them.
  void readAll() {
    readings_.resize(asked_.size() + copies_.size());
    std::vector<size_t> todo;
    for (size_t k = 0; k < copies_.size(); ++k) todo.push_back(asked_.size() + k);
    inParallel(todo, [this](size_t r) { readings_[r] = readStayingSums(copies_[r - asked_.size()].clean); });
    todo.clear();
    for (size_t i = 0; i < asked_.size(); ++i)
      if (asked_[i].read && results_[i].outcome == FileOutcome::Done) todo.push_back(i);
    inParallel(todo, [this](size_t i) {
      const DecodeWanted wanted = [this, i](const ContentSums& sums) { return wantsPrint(i, sums); };
      readings_[i] = readBound(asked_[i].clean, files_.linksFor(asked_[i].clean), asked_[i].version,
                               asked_[i].picture, wanted);
    });
    todo.clear();
    for (const Comparison& c : comparisons_) {
      if (!pairsPictures(c.basis) || c.reading < asked_.size() || sameContents(c)) continue;
      if (readings_[c.asked].failure != FileOutcome::Done || readings_[c.reading].failure != FileOutcome::Done) continue;
      Copy& copy = copies_[c.reading - asked_.size()];
      if (!copy.print) todo.push_back(c.reading);
      copy.print = true;
    }
    inParallel(todo, [this](size_t r) { addStayingPrint(copies_[r - asked_.size()].clean, options_.cache, readings_[r]); });
  }

  // Why file c.asked stays after comparing it with its copy; none when they agree.
  std::optional<FileResult> mismatch(const Comparison& c) const {
    const Reading& file = readings_[c.asked];
    const Reading& copy = readings_[c.reading];
    const std::string& path = results_[c.asked].path;
    if (copy.failure != FileOutcome::Done)
      return FileResult{path, FileOutcome::NotVerified,
                        FormatText(UserText("vl::core", "its copy %1 could not be checked (%2); left alone"),
                                   {c.copyPath, copy.reason})};
    if (sameContents(c)) return std::nullopt;
    if (c.basis == MatchBasis::Contents)
      return FileResult{path, FileOutcome::Changed,
                        FormatText(UserText("vl::core", "its contents are no longer those of its copy %1; left alone"),
                                   {c.copyPath})};
    if (!file.print || !copy.print)
      return FileResult{path, FileOutcome::NotVerified,
                        FormatText(UserText("vl::core", "its copy %1 could not be checked; left alone"), {c.copyPath})};
    const int errors = smallestErrors(*file.print, *copy.print, c.basis != MatchBasis::Pictures);
    if (errors <= c.allowed) return std::nullopt;
    return FileResult{path, FileOutcome::Changed,
                      FormatText(UserText("vl::core",
                                          "its picture no longer matches its copy %1 (%2 differences where the scan "
                                          "allowed %3); left alone"),
                                 {c.copyPath, std::to_string(errors), std::to_string(c.allowed)})};
  }

  DeletionChecks verdicts() {
    for (size_t i = 0; i < asked_.size(); ++i)
      if (results_[i].outcome == FileOutcome::Done && asked_[i].read && readings_[i].failure != FileOutcome::Done)
        results_[i] = {results_[i].path, readings_[i].failure, readings_[i].reason};
    for (const Comparison& c : comparisons_) {
      FileResult& result = results_[c.asked];
      if (result.outcome != FileOutcome::Done) continue;
      if (auto refused = mismatch(c)) result = std::move(*refused);
    }
    DeletionChecks checks;
    for (size_t i = 0; i < asked_.size(); ++i)
      if (results_[i].outcome == FileOutcome::Done)
        checks.verified.push_back({i, asked_[i].clean, asked_[i].version, readings_[i].sums});
    checks.results = std::move(results_);
    return checks;
  }

  const ScannedFiles& files_;
  const CheckOptions& options_;
  std::vector<FileResult> results_;
  std::vector<Asked> asked_;
  std::unordered_map<std::string, size_t> deleting_;  // cleaned path -> index of a file that passed examine
  IdentitySet deletingIds_;
  std::vector<Copy> copies_;
  std::unordered_map<std::string, size_t> copyIndex_;
  std::vector<Comparison> comparisons_;
  std::vector<Reading> readings_;
};

}  // namespace

std::string FileResult::describe() const { return reason.empty() ? path : path + ": " + reason; }

ScannedFiles::ScannedFiles(const ResultsModel& model) : model_(model) {
  for (const auto& entry : model.FResultEntries())
    if (entry->Gone == 0) entries_[CleanFilePath(entry->Path)].push_back(entry.get());
}

const std::vector<const TResultEntry*>* ScannedFiles::entriesOf(const std::string& cleanPath) const {
  const auto it = entries_.find(cleanPath);
  return it == entries_.end() ? nullptr : &it->second;
}

MatchBasis ScannedFiles::basisOf(const TResultEntry& base) const {
  if (model_.matchBasis != MatchBasis::Unknown) return model_.matchBasis;
  bool sameSize = true;
  for (const TResultEntry* member = &base; member != nullptr; member = member->Next) {
    if (member->Width > 0 && member->Height > 0) return MatchBasis::TurnedPictures;
    sameSize = sameSize && member->Size == base.Size;
  }
  return sameSize ? MatchBasis::Contents : MatchBasis::Names;
}

FolderLinks ScannedFiles::linksFor(const std::string& cleanPath) const {
  const auto* entries = entriesOf(cleanPath);
  if (entries == nullptr) return FolderLinks::Refuse;
  for (const TResultEntry* entry : *entries)
    if (!entry->Identity.known()) return FolderLinks::Refuse;
  return FolderLinks::Follow;
}

FileResult ScannedFiles::examine(const std::string& path, const std::string& cleanPath, FileVersion& version) const {
  const auto* entries = entriesOf(cleanPath);
  if (entries == nullptr) return {path, FileOutcome::NotVerified, UserText("vl::core", "is not in the results; left alone")};
  const BoundPath bound(cleanPath, linksFor(cleanPath));
  if (bound.folderMissing()) return {path, FileOutcome::Vanished, vanishedReason()};
  if (!bound.isOpen()) return {path, FileOutcome::NotVerified, FormatText(UserText("vl::core", "%1; left alone"), {bound.failure()})};
  switch (bound.examine(version)) {
    case PathKind::Missing:
      return {path, FileOutcome::Vanished, vanishedReason()};
    case PathKind::Other:
      return {path, FileOutcome::NotRegular, notRegularReason()};
    case PathKind::RegularFile:
      break;
  }
  const TResultEntry& scanned = *entries->front();
  if (scanned.Size != version.state.size || !sameDate(scanned.FileDate, version.state.fileDate))
    return {path, FileOutcome::Changed, changedReason()};
  if (scanned.Identity.known() && !(scanned.Identity == version.state.identity))
    return {path, FileOutcome::NotVerified, UserText("vl::core", "is no longer the file the scan found there; left alone")};
  for (const TResultEntry* entry : *entries)
    if (pairsPictures(basisOf(groupBase(*entry))) && !IsDecodedType(PictureTypeOf(cleanPath)))
      return {path, FileOutcome::NotVerified, notPictureReason()};
  return {path, FileOutcome::Done, {}};
}

bool ScannedFiles::isUnchangedCopy(const TResultEntry& member, const IdentitySet& excluded) const {
  if (member.Gone != 0) return false;
  auto [it, added] = states_.try_emplace(member.Path);
  RegularFileState state;
  if (added && ExaminePath(member.Path, state) == PathKind::RegularFile) it->second = state;
  const std::optional<RegularFileState>& found = it->second;
  return found && member.Size == found->size && sameDate(member.FileDate, found->fileDate) &&
         (!member.Identity.known() || member.Identity == found->identity) && !excluded.contains(found->identity);
}

DeletionChecks CheckDeletions(const ScannedFiles& files, const std::vector<std::string>& paths,
                              const CheckOptions& options) {
  return Checker(files, options).run(paths);
}

}  // namespace vl

// Deleting, copying, moving and re-rooting the files of the result groups, with the model kept in step.
#include "core/results/file_operations.h"

#include <set>
#include <unordered_map>
#include <unordered_set>

#include "core/files/drives.h"
#include "core/files/paths.h"
#include "core/files/recycle.h"
#include "core/fingerprint/fingerprint_cache.h"
#include "core/settings/settings.h"

namespace vl {

namespace {

const char* const LastCopyReason = "its group would lose every copy; left alone";

// The groups of the plan's files that would keep no copy, and those files.
void findLastCopyGroups(const ResultsModel& model, const ScannedFiles& files, const IdentitySet& deletingIds,
                        DeletionPlan& plan) {
  std::unordered_map<std::string, std::string> deletable;  // cleaned path -> as asked
  for (const std::string& path : plan.Deletable) deletable.emplace(CleanFilePath(path), path);
  std::unordered_set<std::string> lastCopies;
  for (const BaseGroupItem& group : model.FBaseGroups()) {
    std::vector<std::string> going;
    bool keepsCopy = false;
    for (const TResultEntry* entry = group.Base; entry != nullptr && !keepsCopy; entry = entry->Next) {
      if (entry->Gone != 0) continue;
      const auto found = deletable.find(CleanFilePath(entry->Path));
      if (found != deletable.end()) {
        going.push_back(found->second);
      } else {
        keepsCopy = files.isUnchangedCopy(*entry, deletingIds);
      }
    }
    if (keepsCopy || going.empty()) continue;
    plan.LastCopyGroups.push_back(group.Base);
    lastCopies.insert(going.begin(), going.end());
  }
  for (const std::string& path : plan.Deletable)
    if (lastCopies.contains(path)) plan.LastCopyFiles.push_back(path);
}

// After a move, the entries of the file at path that knew the file the scan reached
// now know the moved file (a move across file systems makes a new one); without
// `reached` they forget it, so that the file is looked for with no link on the way.
void takeIdentity(ResultsModel& model, const std::string& path, bool reached) {
  RegularFileState state;
  const bool found = reached && ExaminePath(path, state) == PathKind::RegularFile;
  for (const auto& entry : model.FResultEntries())
    if (entry->Path == path && entry->Identity.known()) entry->Identity = found ? state.Identity : FileIdentity{};
}

std::string detailLines(const DeletionReport& report) {
  std::string details;
  for (const FileResult& file : report.Files) {
    if (file.Outcome == FileOutcome::Done || file.Outcome == FileOutcome::Vanished) continue;
    if (!details.empty()) details += '\n';
    details += file.describe();
  }
  return details;
}

}  // namespace

std::vector<std::string> MarkedFilesOfGroup(const TResultEntry& entry) {
  std::vector<std::string> paths;
  for (const TResultEntry* member = entry.Base != nullptr ? entry.Base : &entry; member != nullptr;
       member = member->Next)
    if (member->Gone == 0 && member->Marked == 1) paths.push_back(member->Path);
  return paths;
}

std::vector<std::string> MarkedFilesOfAllGroups(const ResultsModel& model) {
  std::set<std::string> paths;
  for (const auto& entry : model.FResultEntries())
    if (entry->Gone == 0 && entry->Marked == 1) paths.insert(entry->Path);
  return {paths.begin(), paths.end()};
}

FileResult CheckScannedFile(const ResultsModel& model, const std::string& path) {
  FileVersion version;
  return ScannedFiles(model).examine(path, CleanFilePath(path), version);
}

void DeletionPlan::skipLastCopyGroups() {
  const std::unordered_set<std::string> skipped(LastCopyFiles.begin(), LastCopyFiles.end());
  std::erase_if(Deletable, [&skipped](const std::string& path) { return skipped.contains(path); });
}

std::vector<FileResult> DeletionPlan::leftAlone() const {
  std::vector<FileResult> files = Skipped;
  const std::unordered_set<std::string> deletable(Deletable.begin(), Deletable.end());
  for (const std::string& path : LastCopyFiles)
    if (!deletable.contains(path)) files.push_back({path, FileOutcome::KeptLastCopy, LastCopyReason});
  return files;
}

DeletionPlan PlanDeletion(const ResultsModel& model, const std::vector<std::string>& paths) {
  DeletionPlan plan;
  const ScannedFiles files(model);
  std::unordered_set<std::string> seen;
  IdentitySet deletingIds;
  for (const std::string& path : paths) {
    const std::string clean = CleanFilePath(path);
    if (!seen.insert(clean).second) continue;
    FileVersion version;
    FileResult check = files.examine(path, clean, version);
    if (check.Outcome == FileOutcome::Done) {
      plan.Deletable.push_back(path);
      deletingIds.insert(version.State.Identity);
    } else {
      plan.Skipped.push_back(std::move(check));
    }
  }
  findLastCopyGroups(model, files, deletingIds, plan);
  return plan;
}

DeleteOptions DeleteOptionsOf(const Settings& settings) {
  return {settings.deleteToRecycleBin, settings.useDeletedList, settings.useFingerprintCache, settings.fingerprintJobs};
}

std::vector<std::string> DeletionReport::pathsWith(FileOutcome outcome) const {
  std::vector<std::string> paths;
  for (const FileResult& file : Files)
    if (file.Outcome == outcome) paths.push_back(file.Path);
  return paths;
}

size_t DeletionReport::count(FileOutcome outcome) const {
  size_t n = 0;
  for (const FileResult& file : Files) n += file.Outcome == outcome ? 1 : 0;
  return n;
}

FileOperations::FileOperations(ResultsModel& model, DeletedList& deletedList, Host& host)
    : model_(model), deletedList_(deletedList), host_(host) {}

DeletionChecks FileOperations::check(const ScannedFiles& files, const std::vector<std::string>& paths,
                                     const DeleteOptions& options) const {
  const std::string cachePath = DefaultFingerprintCachePath();
  std::optional<FingerprintCache> cache;
  if (options.UseFingerprintCache && FileExists(cachePath)) cache.emplace(cachePath);
  return CheckDeletions(files, paths, {options.RecordDeleted, cache ? &*cache : nullptr, options.Jobs});
}

// Removes a checked file through its folder, opened again, while it is still the version
// checked; then records it. `result` is its Done result.
FileResult FileOperations::removeChecked(const VerifiedFile& file, const ScannedFiles& files,
                                         const DeleteOptions& options, FileResult result) {
  const BoundPath bound(file.CleanPath, files.linksFor(file.CleanPath));
  FileVersion now;
  if (!bound.isOpen() || bound.examine(now) != PathKind::RegularFile || !now.sameAs(file.Version))
    return {result.Path, FileOutcome::Changed, "changed while it was being checked; left alone"};
  const FileRemoval removal = RemoveFileAt(bound.folder(), bound.name(), file.CleanPath, options.Recycle);
  if (!removal.Removed) return {result.Path, FileOutcome::Failed, removal.Reason};
  result.TrashInfo = removal.TrashInfo;
  if (bound.examine(now) == PathKind::RegularFile && now.State.Identity == file.Version.State.Identity)
    return {result.Path, FileOutcome::Failed, "it is still there"};
  const std::optional<TDeletedEntry> entry =
      options.RecordDeleted && file.Sums ? DeletedList::EntryOf(*file.Sums, file.CleanPath) : std::nullopt;
  if (!entry) return result;
  try {
    deletedList_.AddDeletedEntry(*entry, host_);
  } catch (const std::exception& e) {
    result.Reason = std::string("deleted, but not added to the deleted-file list: ") + e.what();
  }
  return result;
}

// Every entry of a file deleted is Gone, however its path was spelled; then the groups are pruned.
void FileOperations::markDeletedGone(const ScannedFiles& files, const DeletionReport& report,
                                     const DeletionChecks& checks) {
  std::vector<std::string> gone;
  for (const VerifiedFile& file : checks.Verified) {
    if (report.Files[file.Index].Outcome != FileOutcome::Done) continue;
    for (const TResultEntry* entry : *files.entriesOf(file.CleanPath)) gone.push_back(entry->Path);
  }
  if (!gone.empty()) model_.SetGoneForPaths(gone);
}

DeletionReport FileOperations::DeleteFiles(const std::vector<std::string>& paths, const DeleteOptions& options) {
  DeletionReport report;
  if (options.RecordDeleted) {
    try {
      deletedList_.LoadDeletedList(host_);
    } catch (const std::exception& e) {
      const std::string fault = std::string("the deleted-file list cannot be read (") + e.what() + "); not deleted";
      std::unordered_set<std::string> seen;
      for (const std::string& path : paths)
        if (seen.insert(CleanFilePath(path)).second) report.Files.push_back({path, FileOutcome::Failed, fault});
      return report;
    }
  }
  const ScannedFiles files(model_);
  const DeletionChecks checks = check(files, paths, options);
  report.Files = checks.Results;
  for (const VerifiedFile& file : checks.Verified)
    report.Files[file.Index] = removeChecked(file, files, options, report.Files[file.Index]);
  markDeletedGone(files, report, checks);
  return report;
}

DeletionReport FileOperations::CheckPlanned(const DeletionPlan& plan, const DeleteOptions& options) {
  DeletionReport report;
  report.Files = check(ScannedFiles(model_), plan.Deletable, options).Results;
  const std::vector<FileResult> leftAlone = plan.leftAlone();
  report.Files.insert(report.Files.end(), leftAlone.begin(), leftAlone.end());
  return report;
}

bool FileOperations::DeleteOneFile(const std::string& path) {
  {
    CursorGuard cursor(host_, BusyCursor::Hourglass);
    lastReport_ = DeleteFiles({path}, options_);
  }
  const FileResult& result = lastReport_.Files.front();
  if (result.Outcome == FileOutcome::Done) return true;
  if (result.Outcome == FileOutcome::Vanished) {
    host_.showMessage(MessageKind::Error, "Unable to locate file\n\n" + path);
  } else if (result.Outcome == FileOutcome::Failed) {
    host_.showDetailedMessage(MessageKind::Error, "Unable to delete file.", result.describe());
  } else {
    host_.showDetailedMessage(MessageKind::Information, "Some files were not deleted.", result.describe());
  }
  return false;
}

bool FileOperations::DeleteFileList(std::vector<std::string>& paths) {
  if (paths.empty()) return false;
  {
    CursorGuard cursor(host_, BusyCursor::Hourglass);
    lastReport_ = DeleteFiles(paths, options_);
  }
  const std::vector<std::string> vanished = lastReport_.pathsWith(FileOutcome::Vanished);
  const std::unordered_set<std::string> missing(vanished.begin(), vanished.end());
  std::erase_if(paths, [&missing](const std::string& path) { return missing.contains(path); });
  return reportListOutcome();
}

DeletionReport FileOperations::DeletePlanned(const DeletionPlan& plan, const DeleteOptions& options) {
  DeletionReport report = DeleteFiles(plan.Deletable, options);
  const std::vector<FileResult> leftAlone = plan.leftAlone();
  report.Files.insert(report.Files.end(), leftAlone.begin(), leftAlone.end());
  return report;
}

bool FileOperations::DeleteFileList(const DeletionPlan& plan) {
  {
    CursorGuard cursor(host_, BusyCursor::Hourglass);
    lastReport_ = DeletePlanned(plan, options_);
  }
  return reportListOutcome();
}

bool FileOperations::reportListOutcome() {
  const std::string details = detailLines(lastReport_);
  if (lastReport_.anyFailed()) {
    host_.showDetailedMessage(MessageKind::Error, "Unable to delete file(s).", details);
    return false;
  }
  if (!details.empty()) host_.showDetailedMessage(MessageKind::Information, "Some files were not deleted.", details);
  return true;
}

std::optional<std::string> FileOperations::transfer(const std::string& path, const std::string& target, bool move) {
  const FileResult check = CheckScannedFile(model_, path);
  if (check.Outcome == FileOutcome::Vanished) {
    host_.showMessage(MessageKind::Error, "Unable to locate file\n\n" + path);
    return std::nullopt;
  }
  if (check.Outcome != FileOutcome::Done) {
    host_.showMessage(MessageKind::Error, check.describe());
    return std::nullopt;
  }
  try {
    const std::string name = move ? MoveFileTo(path, target) : CopyFileTo(path, target);
    if (move) {
      model_.UpdateEntriesForPath(path, name);
      takeIdentity(model_, name, true);
    }
    return name;
  } catch (const FileTransferError& e) {
    host_.showMessage(MessageKind::Error, e.what());
    return std::nullopt;
  }
}

std::optional<std::string> FileOperations::CopyFile(const std::string& path, const std::string& target) {
  return transfer(path, target, false);
}

std::optional<std::string> FileOperations::MoveFile(const std::string& path, const std::string& target) {
  return transfer(path, target, true);
}

std::optional<std::string> FileOperations::ChangeDriveRoot(const std::string& path, const std::string& newRoot) {
  std::optional<std::string> newPath = PathOnNewDriveRoot(path, newRoot);
  if (!newPath) return newPath;
  model_.UpdateEntriesForPath(path, *newPath);
  takeIdentity(model_, *newPath, false);
  return newPath;
}

std::string DriveRootForChange(const std::string& path) { return DriveRootOf(path); }

std::optional<std::string> PathOnNewDriveRoot(const std::string& path, const std::string& newRoot) {
  if (newRoot.empty() || newRoot.front() != '/') return std::nullopt;
  const std::string root = DriveRootOf(path);
  if (root.empty()) return std::nullopt;
  std::string rest = path.substr(root.size());
  while (!rest.empty() && rest.front() == '/') rest.erase(0, 1);
  return AddSlash(NormalPath(newRoot)) + rest;
}

}  // namespace vl

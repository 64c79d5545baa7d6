// Deleting, copying, moving and re-rooting the files of the result groups, with the model kept in step.
#include "core/results/file_operations.h"

#include <set>
#include <unordered_map>
#include <unordered_set>

#include "core/components/user_text.h"
#include "core/files/drives.h"
#include "core/files/paths.h"
#include "core/files/recycle.h"
#include "core/fingerprint/fingerprint_cache.h"
#include "core/settings/settings.h"

namespace vl {

namespace {


// The groups of the plan's files that would keep no copy, and those files.
void findLastCopyGroups(const ResultsModel& model, const ScannedFiles& files, const IdentitySet& deletingIds,
                        DeletionPlan& plan) {
  std::unordered_map<std::string, std::string> deletable;  // cleaned path -> as asked
  for (const std::string& path : plan.deletable) deletable.emplace(CleanFilePath(path), path);
  std::unordered_set<std::string> lastCopies;
  for (const BaseGroupItem& group : model.FBaseGroups()) {
    std::vector<std::string> going;
    bool keepsCopy = false;
    for (const TResultEntry* entry = group.base; entry != nullptr && !keepsCopy; entry = entry->Next) {
      if (entry->Gone != 0) continue;
      const auto found = deletable.find(CleanFilePath(entry->Path));
      if (found != deletable.end()) {
        going.push_back(found->second);
      } else {
        keepsCopy = files.isUnchangedCopy(*entry, deletingIds);
      }
    }
    if (keepsCopy || going.empty()) continue;
    plan.lastCopyGroups.push_back(group.base);
    lastCopies.insert(going.begin(), going.end());
  }
  for (const std::string& path : plan.deletable)
    if (lastCopies.contains(path)) plan.lastCopyFiles.push_back(path);
}

// After a move, the entries of the file at path that knew the file the scan reached
// now know the moved file (a move across file systems makes a new one); without
// `reached` they forget it, so that the file is looked for with no link on the way.
void takeIdentity(ResultsModel& model, const std::string& path, bool reached) {
  RegularFileState state;
  const bool found = reached && ExaminePath(path, state) == PathKind::RegularFile;
  for (const auto& entry : model.FResultEntries())
    if (entry->Path == path && entry->Identity.known()) entry->Identity = found ? state.identity : FileIdentity{};
}

std::string detailLines(const DeletionReport& report) {
  std::string details;
  for (const FileResult& file : report.files) {
    if (file.outcome == FileOutcome::Done || file.outcome == FileOutcome::Vanished) continue;
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
  const std::unordered_set<std::string> lastCopies(lastCopyFiles.begin(), lastCopyFiles.end());
  std::erase_if(deletable, [&lastCopies](const std::string& path) { return lastCopies.contains(path); });
}

std::vector<FileResult> DeletionPlan::leftAlone() const {
  std::vector<FileResult> files = skipped;
  const std::unordered_set<std::string> stillDeletable(deletable.begin(), deletable.end());
  for (const std::string& path : lastCopyFiles)
    if (!stillDeletable.contains(path)) files.push_back({path, FileOutcome::KeptLastCopy, UserText("vl::core", "its group would lose every copy; left alone")});
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
    if (check.outcome == FileOutcome::Done) {
      plan.deletable.push_back(path);
      deletingIds.insert(version.state.identity);
    } else {
      plan.skipped.push_back(std::move(check));
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
  for (const FileResult& file : files)
    if (file.outcome == outcome) paths.push_back(file.path);
  return paths;
}

size_t DeletionReport::count(FileOutcome outcome) const {
  size_t n = 0;
  for (const FileResult& file : files) n += file.outcome == outcome ? 1 : 0;
  return n;
}

FileOperations::FileOperations(ResultsModel& model, DeletedList& deletedList, Host& host)
    : model_(model), deletedList_(deletedList), host_(host) {}

DeletionChecks FileOperations::check(const ScannedFiles& files, const std::vector<std::string>& paths,
                                     const DeleteOptions& options) const {
  const std::string cachePath = DefaultFingerprintCachePath();
  std::optional<FingerprintCache> cache;
  if (options.useFingerprintCache && FileExists(cachePath)) cache.emplace(cachePath);
  return CheckDeletions(files, paths, {options.recordDeleted, cache ? &*cache : nullptr, options.jobs});
}

// Removes a checked file through its folder, opened again, while it is still the version
// checked; then records it. `result` is its Done result.
FileResult FileOperations::removeChecked(const VerifiedFile& file, const ScannedFiles& files,
                                         const DeleteOptions& options, FileResult result) {
  const BoundPath bound(file.cleanPath, files.linksFor(file.cleanPath));
  FileVersion now;
  if (!bound.isOpen() || bound.examine(now) != PathKind::RegularFile || !now.sameAs(file.version))
    return {result.path, FileOutcome::Changed, UserText("vl::core", "changed while it was being checked; left alone")};
  const FileRemoval removal = RemoveFileAt(bound.folder(), bound.name(), file.cleanPath, options.recycle);
  if (!removal.removed) return {result.path, FileOutcome::Failed, removal.reason};
  result.trashInfo = removal.trashInfo;
  if (bound.examine(now) == PathKind::RegularFile && now.state.identity == file.version.state.identity)
    return {result.path, FileOutcome::Failed, UserText("vl::core", "it is still there")};
  const std::optional<TDeletedEntry> entry =
      options.recordDeleted && file.sums ? DeletedList::EntryOf(*file.sums, file.cleanPath) : std::nullopt;
  if (!entry) return result;
  try {
    deletedList_.AddDeletedEntry(*entry, host_);
  } catch (const std::exception& e) {
    result.reason = FormatText(UserText("vl::core", "deleted, but not added to the deleted-file list: %1"), {e.what()});
  }
  return result;
}

// Every entry of a file deleted is Gone, however its path was spelled; then the groups are pruned.
void FileOperations::markDeletedGone(const ScannedFiles& files, const DeletionReport& report,
                                     const DeletionChecks& checks) {
  std::vector<std::string> gone;
  for (const VerifiedFile& file : checks.verified) {
    if (report.files[file.index].outcome != FileOutcome::Done) continue;
    for (const TResultEntry* entry : *files.entriesOf(file.cleanPath)) gone.push_back(entry->Path);
  }
  if (!gone.empty()) model_.SetGoneForPaths(gone);
}

DeletionReport FileOperations::DeleteFiles(const std::vector<std::string>& paths, const DeleteOptions& options) {
  DeletionReport report;
  if (options.recordDeleted) {
    try {
      deletedList_.LoadDeletedList(host_);
    } catch (const std::exception& e) {
      const std::string fault =
          FormatText(UserText("vl::core", "the deleted-file list cannot be read (%1); not deleted"), {e.what()});
      std::unordered_set<std::string> seen;
      for (const std::string& path : paths)
        if (seen.insert(CleanFilePath(path)).second) report.files.push_back({path, FileOutcome::Failed, fault});
      return report;
    }
  }
  const ScannedFiles files(model_);
  const DeletionChecks checks = check(files, paths, options);
  report.files = checks.results;
  for (const VerifiedFile& file : checks.verified)
    report.files[file.index] = removeChecked(file, files, options, report.files[file.index]);
  markDeletedGone(files, report, checks);
  return report;
}

DeletionReport FileOperations::CheckPlanned(const DeletionPlan& plan, const DeleteOptions& options) {
  DeletionReport report;
  report.files = check(ScannedFiles(model_), plan.deletable, options).results;
  const std::vector<FileResult> leftAlone = plan.leftAlone();
  report.files.insert(report.files.end(), leftAlone.begin(), leftAlone.end());
  return report;
}

bool FileOperations::DeleteOneFile(const std::string& path) {
  {
    CursorGuard cursor(host_, BusyCursor::Hourglass);
    lastReport_ = DeleteFiles({path}, options_);
  }
  const FileResult& result = lastReport_.files.front();
  if (result.outcome == FileOutcome::Done) return true;
  if (result.outcome == FileOutcome::Vanished) {
    host_.showMessage(MessageKind::Error, FormatText(UserText("vl::core", "Unable to locate file\n\n%1"), {path}));
  } else if (result.outcome == FileOutcome::Failed) {
    host_.showDetailedMessage(MessageKind::Error, UserText("vl::core", "Unable to delete file."), result.describe());
  } else {
    host_.showDetailedMessage(MessageKind::Information, UserText("vl::core", "Some files were not deleted."), result.describe());
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
  DeletionReport report = DeleteFiles(plan.deletable, options);
  const std::vector<FileResult> leftAlone = plan.leftAlone();
  report.files.insert(report.files.end(), leftAlone.begin(), leftAlone.end());
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
    host_.showDetailedMessage(MessageKind::Error, UserText("vl::core", "Unable to delete file(s)."), details);
    return false;
  }
  if (!details.empty()) host_.showDetailedMessage(MessageKind::Information, UserText("vl::core", "Some files were not deleted."), details);
  return true;
}

std::optional<std::string> FileOperations::transfer(const std::string& path, const std::string& target, bool move) {
  const FileResult check = CheckScannedFile(model_, path);
  if (check.outcome == FileOutcome::Vanished) {
    host_.showMessage(MessageKind::Error, FormatText(UserText("vl::core", "Unable to locate file\n\n%1"), {path}));
    return std::nullopt;
  }
  if (check.outcome != FileOutcome::Done) {
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

// Deleting, copying, moving and re-rooting the files of the result groups, with the model kept in step.
#include "core/results/file_operations.h"

#include <cmath>
#include <set>
#include <unordered_map>
#include <unordered_set>

#include "core/files/content_sums.h"
#include "core/files/drives.h"
#include "core/files/paths.h"
#include "core/files/recycle.h"
#include "core/settings/settings.h"

namespace vl {

// The first entry of each path, for the scanned size and date: O(entries) once per command.
class ScannedIndex {
 public:
  explicit ScannedIndex(const ResultsModel& model) {
    for (const auto& entry : model.FResultEntries()) entries_.try_emplace(entry->Path, entry.get());
  }
  const TResultEntry* find(const std::string& path) const {
    const auto it = entries_.find(path);
    return it == entries_.end() ? nullptr : it->second;
  }

 private:
  std::unordered_map<std::string, const TResultEntry*> entries_;
};

namespace {

// Dates are kept to two seconds; anything closer is the same date.
constexpr double SameDateTolerance = 0.5 / 86400.0;

const char* const VanishedReason = "no longer exists";
const char* const NotRegularReason = "is not a regular file (a folder, a link or a device); left alone";
const char* const LastCopyReason = "its group would lose every copy; left alone";
const char* const ChangedReason = "changed since the scan (size or modification time); left alone";

FileResult resultOf(const std::string& path, FileOutcome outcome, std::string reason = {}) {
  return {path, outcome, std::move(reason), {}};
}

// CheckScannedFile, also giving the file's state when it may be acted on.
FileResult checkScanned(const ScannedIndex& index, const std::string& path, RegularFileState& state) {
  switch (ExaminePath(path, state)) {
    case PathKind::Missing:
      return resultOf(path, FileOutcome::Vanished, VanishedReason);
    case PathKind::Other:
      return resultOf(path, FileOutcome::NotRegular, NotRegularReason);
    case PathKind::RegularFile:
      break;
  }
  const TResultEntry* scanned = index.find(path);
  if (scanned != nullptr &&
      (scanned->Size != state.Size || std::fabs(scanned->FileDate - state.FileDate) > SameDateTolerance))
    return resultOf(path, FileOutcome::Changed, ChangedReason);
  return resultOf(path, FileOutcome::Done);
}

bool isRegularFile(const std::string& path) {
  RegularFileState state;
  return ExaminePath(path, state) == PathKind::RegularFile;
}

// True when every present member of the group is to be deleted and at least one is.
bool losesEveryCopy(const TResultEntry* base, const std::unordered_set<std::string>& deletable,
                    std::unordered_map<std::string, bool>& existing) {
  bool touched = false;
  for (const TResultEntry* entry = base; entry != nullptr; entry = entry->Next)
    if (entry->Gone == 0 && deletable.contains(entry->Path)) touched = true;
  if (!touched) return false;
  for (const TResultEntry* entry = base; entry != nullptr; entry = entry->Next) {
    if (entry->Gone != 0 || deletable.contains(entry->Path)) continue;
    auto [it, added] = existing.try_emplace(entry->Path, false);
    if (added) it->second = isRegularFile(entry->Path);
    if (it->second) return false;
  }
  return true;
}

void findLastCopyGroups(const ResultsModel& model, DeletionPlan& plan) {
  const std::unordered_set<std::string> deletable(plan.Deletable.begin(), plan.Deletable.end());
  std::unordered_map<std::string, bool> existing;
  std::unordered_set<std::string> lastCopies;
  for (const BaseGroupItem& group : model.FBaseGroups()) {
    if (!losesEveryCopy(group.Base, deletable, existing)) continue;
    plan.LastCopyGroups.push_back(group.Base);
    for (const TResultEntry* entry = group.Base; entry != nullptr; entry = entry->Next)
      if (entry->Gone == 0 && deletable.contains(entry->Path)) lastCopies.insert(entry->Path);
  }
  for (const std::string& path : plan.Deletable)
    if (lastCopies.contains(path)) plan.LastCopyFiles.push_back(path);
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

std::string FileResult::describe() const { return Reason.empty() ? Path : Path + ": " + Reason; }

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
  RegularFileState state;
  return checkScanned(ScannedIndex(model), path, state);
}

void DeletionPlan::skipLastCopyGroups() {
  const std::unordered_set<std::string> skipped(LastCopyFiles.begin(), LastCopyFiles.end());
  std::erase_if(Deletable, [&skipped](const std::string& path) { return skipped.contains(path); });
}

std::vector<FileResult> DeletionPlan::leftAlone() const {
  std::vector<FileResult> files = Skipped;
  const std::unordered_set<std::string> deletable(Deletable.begin(), Deletable.end());
  for (const std::string& path : LastCopyFiles)
    if (!deletable.contains(path)) files.push_back(resultOf(path, FileOutcome::KeptLastCopy, LastCopyReason));
  return files;
}

DeletionPlan PlanDeletion(const ResultsModel& model, const std::vector<std::string>& paths) {
  DeletionPlan plan;
  const ScannedIndex index(model);
  std::unordered_set<std::string> seen;
  for (const std::string& path : paths) {
    if (!seen.insert(path).second) continue;
    RegularFileState state;
    FileResult check = checkScanned(index, path, state);
    if (check.Outcome == FileOutcome::Done) {
      plan.Deletable.push_back(path);
    } else {
      plan.Skipped.push_back(std::move(check));
    }
  }
  findLastCopyGroups(model, plan);
  return plan;
}

DeleteOptions DeleteOptionsFromSettings() { return {DeleteToRecycleBin, UseDeletedList}; }

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

// Reads the deleted-list entry of the file examined as `state`: Done, or why it stays.
FileResult FileOperations::readEntry(const std::string& path, const RegularFileState& state,
                                     std::optional<TDeletedEntry>& entry) {
  std::optional<ContentSums> sums;
  try {
    sums = ReadContentSums(path);
  } catch (const FileAccessError& e) {
    return resultOf(path, FileOutcome::Failed, std::string(e.what()) + "; not deleted");
  }
  if (!sums || sums->size != state.FullSize ||
      FileIdentity{static_cast<uint64_t>(sums->device), static_cast<uint64_t>(sums->inode)} != state.Identity)
    return resultOf(path, FileOutcome::Changed, ChangedReason);
  entry = DeletedList::EntryOf(*sums, path);
  return resultOf(path, FileOutcome::Done);
}

FileResult FileOperations::deleteOne(const std::string& path, const DeleteOptions& options,
                                     const ScannedIndex& index) {
  RegularFileState state;
  FileResult result = checkScanned(index, path, state);
  std::optional<TDeletedEntry> entry;
  if (result.Outcome == FileOutcome::Done && options.RecordDeleted) result = readEntry(path, state, entry);
  if (result.Outcome != FileOutcome::Done) return result;
  const FileRemoval removal = RemoveFile(path, options.Recycle);
  if (!removal.Removed) return resultOf(path, FileOutcome::Failed, removal.Reason);
  result.TrashInfo = removal.TrashInfo;
  RegularFileState after;
  if (ExaminePath(path, after) == PathKind::RegularFile && after.Identity == state.Identity)
    return resultOf(path, FileOutcome::Failed, "it is still there");
  if (!entry) return result;
  try {
    deletedList_.AddDeletedEntry(*entry, host_);
  } catch (const std::exception& e) {
    result.Reason = std::string("deleted, but not added to the deleted-file list: ") + e.what();
  }
  return result;
}

DeletionReport FileOperations::DeleteFiles(const std::vector<std::string>& paths, const DeleteOptions& options) {
  DeletionReport report;
  std::string listFault;
  if (options.RecordDeleted) {
    try {
      deletedList_.LoadDeletedList(host_);
    } catch (const std::exception& e) {
      listFault = std::string("the deleted-file list cannot be read (") + e.what() + "); not deleted";
    }
  }
  const ScannedIndex index(model_);
  std::unordered_set<std::string> seen;
  for (const std::string& path : paths) {
    if (!seen.insert(path).second) continue;
    report.Files.push_back(listFault.empty() ? deleteOne(path, options, index)
                                             : resultOf(path, FileOutcome::Failed, listFault));
  }
  const std::vector<std::string> deleted = report.pathsWith(FileOutcome::Done);
  if (!deleted.empty()) model_.SetGoneForPaths(deleted);
  return report;
}

bool FileOperations::DeleteOneFile(const std::string& path) {
  {
    CursorGuard cursor(host_, BusyCursor::Hourglass);
    lastReport_ = DeleteFiles({path}, DeleteOptionsFromSettings());
  }
  const FileResult& result = lastReport_.Files.front();
  if (result.Outcome == FileOutcome::Done) return true;
  if (result.Outcome == FileOutcome::Vanished) {
    host_.showMessage(MessageKind::Error, "Unable to locate file\n\n" + path);
  } else {
    host_.showDetailedMessage(MessageKind::Error, "Unable to delete file.", result.describe());
  }
  return false;
}

bool FileOperations::DeleteFileList(std::vector<std::string>& paths) {
  if (paths.empty()) return false;
  {
    CursorGuard cursor(host_, BusyCursor::Hourglass);
    lastReport_ = DeleteFiles(paths, DeleteOptionsFromSettings());
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
    lastReport_ = DeletePlanned(plan, DeleteOptionsFromSettings());
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
    if (move) model_.UpdateEntriesForPath(path, name);
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
  if (newPath) model_.UpdateEntriesForPath(path, *newPath);
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

// Deleting, copying, moving and re-rooting the files of the result groups, with the model kept in step.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "core/files/file_transfer.h"
#include "core/host.h"
#include "core/results/deleted_list.h"
#include "core/results/deletion_checks.h"
#include "core/results/results_model.h"
#include "core/settings/settings.h"

namespace vl {

// The Path of every entry of the group holding `entry` (its base or one of its
// duplicates) that is marked and not Gone, in chain order ("Delete Marked"). O(group).
std::vector<std::string> MarkedFilesOfGroup(const TResultEntry& entry);
// The Path of every marked entry of the model that is not Gone, sorted, each once
// (a file marked in two groups is deleted once: "Delete All Marked"). O(n log n).
std::vector<std::string> MarkedFilesOfAllGroups(const ResultsModel& model);

// Checks the path just before acting, reading nothing (ScannedFiles::examine): in the
// results, reached without a link the scan did not vouch for, a regular file named
// directly with the Size and FileDate its entries were scanned with, the file the
// scan reached when known. Outcome Done means it may be acted on. O(entries) plus a
// few system calls.
FileResult CheckScannedFile(const ResultsModel& model, const std::string& path);

// What deleting some files would do, found before anything is touched.
struct DeletionPlan {
  // The files that pass CheckScannedFile, in the order asked, each file once
  // however it is spelled (CleanFilePath).
  std::vector<std::string> Deletable;
  // The others: vanished, not regular files, changed since the scan, not verified.
  std::vector<FileResult> Skipped;
  // The base entry of every group that would keep no copy: no member outside
  // Deletable is still an unchanged copy (ScannedFiles::isUnchangedCopy) that is
  // none of the files of Deletable. Valid until the model changes (a deletion may
  // prune these groups).
  std::vector<const TResultEntry*> LastCopyGroups;
  // The files of Deletable that belong to one of LastCopyGroups, in Deletable's order.
  std::vector<std::string> LastCopyFiles;

  // Leaves the last-copy groups alone: LastCopyFiles leave Deletable (the caller did
  // not agree to lose every copy). The groups and files stay listed for reports.
  void skipLastCopyGroups();
  // The files left alone: Skipped, then the LastCopyFiles that skipLastCopyGroups
  // took out of Deletable (KeptLastCopy).
  std::vector<FileResult> leftAlone() const;
};

// Checks every path (CheckScannedFile) and finds the groups that would lose their
// last copy. Reads no file and touches nothing. The window's delete commands and
// the command line plan with it. O(entries + paths) plus a few system calls per
// path and one lstat per member of the groups that hold a deletable file.
DeletionPlan PlanDeletion(const ResultsModel& model, const std::vector<std::string>& paths);

// How files are deleted.
struct DeleteOptions {
  bool Recycle = true;         // the freedesktop trash; false unlinks for good
  bool RecordDeleted = false;  // remember each deleted file in the deleted-file list
  bool UseFingerprintCache = false;  // an existing fingerprint cache may give a staying copy's fingerprint
  int Jobs = 0;                // threads that read the files checked (ResolveJobs)
};
// The options the settings give: "Delete to Recycle Bin", "Use Deleted List", the
// fingerprint cache and the fingerprinting threads.
DeleteOptions DeleteOptionsOf(const Settings& settings);

// What a deletion did: one result per distinct path asked, in the order asked.
struct DeletionReport {
  std::vector<FileResult> Files;

  std::vector<std::string> pathsWith(FileOutcome outcome) const;
  size_t count(FileOutcome outcome) const;
  bool anyFailed() const { return count(FileOutcome::Failed) > 0; }
};

// The file commands on one model. Every file is checked just before it is acted on
// (CheckDeletions for deletions, CheckScannedFile for copies and moves); a file is
// reported deleted only when nothing is left at its path, and enters the deleted-file
// list only after it was deleted, with the sums read when it was checked. Messages go
// through the host; beeps, confirmations and the list positions are the caller's.
class FileOperations {
 public:
  FileOperations(ResultsModel& model, DeletedList& deletedList, Host& host);

  // Deletes the files as the options say, without any message: all of them checked
  // together (CheckDeletions, on the options' Jobs threads), then each removed through
  // its folder held open while it is still the version checked, and then recorded.
  // The entries of every file deleted are set Gone and the groups pruned, even when
  // others failed. O(size of the files read) plus O(entries + groups).
  DeletionReport DeleteFiles(const std::vector<std::string>& paths, const DeleteOptions& options);
  // What DeleteFiles would do for the plan, without deleting: CheckDeletions on
  // plan.Deletable (Done: would be deleted), then plan.leftAlone(). Writes nothing.
  DeletionReport CheckPlanned(const DeletionPlan& plan, const DeleteOptions& options);

  // The options of the deleting commands below (DeleteOneFile, DeleteFileList).
  void setOptions(const DeleteOptions& options) { options_ = options; }
  const DeleteOptions& options() const { return options_; }

  // "Delete File": DeleteFiles for one path with the options set, the wait
  // cursor shown. A vanished file shows "Unable to locate file" + two line breaks +
  // path; a failure "Unable to delete file.", a file left alone (changed, not
  // verified) the information "Some files were not deleted.", each with the file and
  // its reason as details. True when the file was deleted (its entries Gone).
  bool DeleteOneFile(const std::string& path);
  // "Delete Marked" and "Delete All Marked" after the caller's questions: DeleteFiles
  // with the options set, the wait cursor shown; vanished names are removed
  // from paths without a message. When a file failed, "Unable to delete file(s)."
  // with one detail line per file failed or skipped; when files were only skipped
  // (not regular, changed since the scan, not verified), the information "Some files
  // were not deleted." listing them with their reasons.
  // False for an empty list or when a file failed.
  bool DeleteFileList(std::vector<std::string>& paths);
  // DeleteFiles for plan.Deletable; the report then also holds plan.leftAlone().
  DeletionReport DeletePlanned(const DeletionPlan& plan, const DeleteOptions& options);
  // DeleteFileList for a plan the caller asked its questions about (and, unless the
  // user agreed to lose every copy, ran skipLastCopyGroups on): deletes plan.Deletable
  // with the options set; the messages as DeleteFileList, listing the files the
  // plan left alone too. False when a file failed.
  bool DeleteFileList(const DeletionPlan& plan);
  // The report of the last DeleteOneFile or DeleteFileList.
  const DeletionReport& lastReport() const { return lastReport_; }

  // "Copy File to...": CopyFileTo after CheckScannedFile, replacing an existing
  // target. The copy's name, or none after an error message (the failure's own text,
  // "Unable to locate file" + two line breaks + path for a vanished file). The
  // model is not changed.
  std::optional<std::string> CopyFile(const std::string& path, const std::string& target);
  // "Move / Rename File...": MoveFileTo after CheckScannedFile, replacing an existing
  // target, then UpdateEntriesForPath(path, new name): every entry of the file takes
  // the new path and keeps its groups. The new name, or none after an error message
  // as for CopyFile (the model then unchanged).
  std::optional<std::string> MoveFile(const std::string& path, const std::string& target);

  // "Change Drive Letter...": every entry of path takes PathOnNewDriveRoot(path,
  // newRoot) (UpdateEntriesForPath). Nothing is checked on disk: the file is looked for
  // there when next acted on. The new path, or none for an answer that gives none.
  std::optional<std::string> ChangeDriveRoot(const std::string& path, const std::string& newRoot);

 private:
  DeletionChecks check(const ScannedFiles& files, const std::vector<std::string>& paths,
                       const DeleteOptions& options) const;
  FileResult removeChecked(const VerifiedFile& file, const ScannedFiles& files, const DeleteOptions& options,
                           FileResult result);
  void markDeletedGone(const ScannedFiles& files, const DeletionReport& report, const DeletionChecks& checks);
  // The messages of DeleteFileList for lastReport_; false when a file failed.
  bool reportListOutcome();
  std::optional<std::string> transfer(const std::string& path, const std::string& target, bool move);

  ResultsModel& model_;
  DeletedList& deletedList_;
  Host& host_;
  DeletionReport lastReport_;
  DeleteOptions options_;
};

// The "drive letter" of a path: its drive root (DriveRootOf), the text the
// "New Drive Letter" input box starts with.
std::string DriveRootForChange(const std::string& path);
// The path with its drive root replaced by newRoot ("/media/me/OLD/pics/a.jpg" with
// "/media/me/NEW" gives "/media/me/NEW/pics/a.jpg"). None for an empty or relative
// newRoot or a path without a drive root. No system call beyond DriveRootOf.
std::optional<std::string> PathOnNewDriveRoot(const std::string& path, const std::string& newRoot);

}  // namespace vl

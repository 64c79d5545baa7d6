// The last delete, move or rename done on the results, kept so that it can be undone.
#pragma once

#include <cstddef>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/files/file_transfer.h"
#include "core/results/deleted_list.h"
#include "core/results/file_operations.h"
#include "core/results/results_model.h"

namespace vl {

enum class UndoKind {
  None,           // nothing to undo
  Delete,         // files went to the trash: they can come back
  DeleteForGood,  // files were deleted for good: nothing brings them back
  Move,           // a file went to another folder
  Rename,         // a file took another name in its folder
};

// What an undo did.
struct UndoOutcome {
  // Nothing was done: a file's old place is taken (or its folder gone) meanwhile.
  // Problems names those places; the record stays for another try.
  bool Refused = false;
  std::vector<std::string> Restored;  // the paths the files are back at
  std::vector<FileResult> Problems;   // files that stay where they are, and why
};

// The record of the last batch of one results model and its undo. A deletion is
// recorded in two steps: beginDeletion copies every group holding a file about to
// go, endDeletion keeps the files the report says went and where the trash put
// them. Undoing brings those files back from the trash, each only while it is the
// file that went (same inode, size and time), and puts their entries back, no
// longer Gone, into their groups; groups the deletion pruned come back at their old
// places. A move or rename is undone by moving the file back and every entry with
// it. Nothing is ever put where another file stands. The record holds for the
// results it was made on only (ResultsModel::generation).
class UndoRecord {
 public:
  // What undo() would undo now; None once the results were replaced.
  UndoKind kind(const ResultsModel& model) const;
  void clear();

  // Before the files at `paths` are deleted: their state on disk and a copy of every
  // group that holds one. O(entries + paths), one lstat per path.
  void beginDeletion(const ResultsModel& model, const std::vector<std::string>& paths);
  // After the deletion: the files the report has Done (those that went to the
  // trash can come back), whether they entered the deleted-file list, and which of
  // the copied groups the deletion pruned. O(groups + files).
  void endDeletion(const ResultsModel& model, const DeletionReport& report, bool enteredDeletedList);
  // After "Move / Rename File..." moved the file at `from` to `to`.
  void recordMove(const ResultsModel& model, const std::string& from, const std::string& to);

  // Undoes the record and clears it, unless Refused. Restored files leave the
  // deleted-file list again (which is then saved) when the deletion had entered
  // them. The model's groups change; its shown list is the caller's to rebuild
  // (showView). O(entries + groups) plus one restore per file, and a read of each
  // restored file that had entered the deleted-file list.
  UndoOutcome undo(ResultsModel& model, DeletedList& deletedList);

 private:
  struct SavedGroup {
    const TResultEntry* Base = nullptr;  // compared with live bases only, never followed
    size_t Position = 0;                 // its place in FBaseGroups
    std::string Caption;
    std::vector<TResultEntry> Entries;   // the chain as it was, links cleared
    bool Pruned = false;
  };
  struct TrashedFile {
    std::string Path;
    std::string TrashInfo;
    RegularFileState State;  // as it was just before it went
  };

  UndoOutcome undoDeletion(ResultsModel& model, DeletedList& deletedList);
  UndoOutcome undoMove(ResultsModel& model);
  void putEntriesBack(ResultsModel& model, const std::vector<std::string>& restored) const;
  void forgetDeletedEntries(const std::vector<std::string>& restored, DeletedList& deletedList,
                            UndoOutcome& outcome) const;

  UndoKind kind_ = UndoKind::None;
  uint64_t generation_ = 0;
  std::vector<SavedGroup> groups_;
  std::unordered_map<std::string, RegularFileState> states_;  // the paths given to beginDeletion
  std::vector<TrashedFile> trashed_;
  std::vector<std::string> deleted_;  // every path the deletion removed
  bool enteredDeletedList_ = false;
  std::string from_, to_;
};

}  // namespace vl

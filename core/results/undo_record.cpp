// Recording the last delete, move or rename on the results, and undoing it on disk and in the groups.
#include "core/results/undo_record.h"

#include <algorithm>
#include <memory>
#include <unordered_set>

#include "core/files/content_sums.h"
#include "core/files/paths.h"
#include "core/files/recycle.h"

namespace vl {

namespace {

bool sameFile(const RegularFileState& a, const RegularFileState& b) {
  return a.Identity == b.Identity && a.FullSize == b.FullSize && a.FileDate == b.FileDate;
}

// The base of the model's group that began at `base`, or null once that group was removed. O(groups).
TResultEntry* liveBase(const ResultsModel& model, const TResultEntry* base) {
  for (const BaseGroupItem& group : model.FBaseGroups())
    if (group.Base == base) return group.Base;
  return nullptr;
}

FileResult problem(const std::string& path, std::string reason) {
  return {path, FileOutcome::Failed, std::move(reason)};
}

// Whether the file in the trash still is the one that went there.
bool unchangedInTrash(const std::string& trashedFile, const RegularFileState& before) {
  RegularFileState now;
  return ExaminePath(trashedFile, now) == PathKind::RegularFile && sameFile(now, before);
}

}  // namespace

UndoKind UndoRecord::kind(const ResultsModel& model) const {
  return model.generation() == generation_ ? kind_ : UndoKind::None;
}

void UndoRecord::clear() { *this = UndoRecord(); }

void UndoRecord::beginDeletion(const ResultsModel& model, const std::vector<std::string>& paths) {
  clear();
  generation_ = model.generation();
  for (const std::string& path : paths) {
    RegularFileState state;
    if (ExaminePath(path, state) == PathKind::RegularFile) states_.emplace(path, state);
  }
  const auto& groups = model.FBaseGroups();
  for (size_t position = 0; position < groups.size(); ++position) {
    const TResultEntry* base = groups[position].Base;
    bool touched = false;
    for (const TResultEntry* entry = base; entry != nullptr && !touched; entry = entry->Next)
      touched = states_.contains(entry->Path);
    if (!touched) continue;
    SavedGroup saved{base, position, groups[position].Caption, {}, false};
    for (const TResultEntry* entry = base; entry != nullptr; entry = entry->Next) {
      TResultEntry copy = *entry;
      copy.Next = copy.Base = nullptr;
      saved.Entries.push_back(std::move(copy));
    }
    groups_.push_back(std::move(saved));
  }
}

void UndoRecord::endDeletion(const ResultsModel& model, const DeletionReport& report, bool enteredDeletedList) {
  for (const FileResult& file : report.Files) {
    if (file.Outcome != FileOutcome::Done) continue;
    deleted_.push_back(file.Path);
    const auto state = states_.find(file.Path);
    if (!file.TrashInfo.empty() && state != states_.end())
      trashed_.push_back({file.Path, file.TrashInfo, state->second});
  }
  for (SavedGroup& group : groups_) group.Pruned = liveBase(model, group.Base) == nullptr;
  enteredDeletedList_ = enteredDeletedList;
  kind_ = !trashed_.empty() ? UndoKind::Delete : deleted_.empty() ? UndoKind::None : UndoKind::DeleteForGood;
}

void UndoRecord::recordMove(const ResultsModel& model, const std::string& from, const std::string& to) {
  clear();
  generation_ = model.generation();
  from_ = from;
  to_ = to;
  kind_ = FolderOf(from) == FolderOf(to) ? UndoKind::Rename : UndoKind::Move;
}

UndoOutcome UndoRecord::undo(ResultsModel& model, DeletedList& deletedList) {
  UndoOutcome outcome;
  switch (kind(model)) {
    case UndoKind::Delete:
      outcome = undoDeletion(model, deletedList);
      break;
    case UndoKind::Move:
    case UndoKind::Rename:
      outcome = undoMove(model);
      break;
    case UndoKind::None:
    case UndoKind::DeleteForGood:
      break;
  }
  if (!outcome.Refused) clear();
  return outcome;
}

// Every place checked first: one that is taken refuses the whole undo; files that
// left the trash or changed there stay out, the others come back.
UndoOutcome UndoRecord::undoDeletion(ResultsModel& model, DeletedList& deletedList) {
  UndoOutcome outcome;
  std::vector<FileResult> lost;
  std::vector<const TrashedFile*> ready;
  for (const TrashedFile& file : trashed_) {
    const TrashRestore check = CheckTrashRestore(file.TrashInfo, file.Path);
    if (check.Status == TrashRestoreStatus::PathTaken) {
      outcome.Refused = true;
      outcome.Problems.push_back(problem(file.Path, check.Reason));
    } else if (check.Status != TrashRestoreStatus::Ready) {
      lost.push_back(problem(file.Path, check.Reason));
    } else if (!unchangedInTrash(check.TrashedFile, file.State)) {
      lost.push_back(problem(file.Path, "it changed in the trash; left there"));
    } else {
      ready.push_back(&file);
    }
  }
  if (outcome.Refused) return outcome;
  outcome.Problems = std::move(lost);
  for (const TrashedFile* file : ready) {
    const TrashRestore restore = RestoreFromTrash(file->TrashInfo, file->Path);
    if (restore.Status == TrashRestoreStatus::Ready)
      outcome.Restored.push_back(file->Path);
    else
      outcome.Problems.push_back(problem(file->Path, restore.Reason));
  }
  putEntriesBack(model, outcome.Restored);
  if (enteredDeletedList_) forgetDeletedEntries(outcome.Restored, deletedList, outcome);
  return outcome;
}

// Live groups get their restored entries back; groups the deletion pruned are made
// again from their copies, at their old places, with the files still deleted Gone.
void UndoRecord::putEntriesBack(ResultsModel& model, const std::vector<std::string>& restored) const {
  const std::unordered_set<std::string> back(restored.begin(), restored.end());
  const std::unordered_set<std::string> deleted(deleted_.begin(), deleted_.end());
  // Live groups first: a group made again below may take the address of one removed.
  for (const SavedGroup& group : groups_) {
    if (group.Pruned) continue;  // a group the user removed since stays removed
    for (TResultEntry* entry = liveBase(model, group.Base); entry != nullptr; entry = entry->Next)
      if (back.contains(entry->Path)) entry->Gone = 0;
  }
  for (const SavedGroup& group : groups_) {
    if (!group.Pruned) continue;
    TResultEntry* base = nullptr;
    TResultEntry* last = nullptr;
    for (const TResultEntry& saved : group.Entries) {
      auto entry = std::make_unique<TResultEntry>(saved);
      entry->Base = base;
      if (deleted.contains(saved.Path) && !back.contains(saved.Path)) entry->Gone = 1;
      TResultEntry* added = model.appendEntry(std::move(entry));
      if (last != nullptr)
        last->Next = added;
      else
        base = added;
      last = added;
    }
    model.insertGroup(group.Position, group.Caption, base);
  }
  model.PruneGroups(-1);
}

// Takes out of the deleted-file list the newest entry of each restored file (the
// one its deletion added) and saves the list.
void UndoRecord::forgetDeletedEntries(const std::vector<std::string>& restored, DeletedList& deletedList,
                                      UndoOutcome& outcome) const {
  std::vector<TDeletedEntry>& entries = deletedList.entries();
  bool changed = false;
  for (const std::string& path : restored) {
    std::optional<TDeletedEntry> entry;
    try {
      if (const std::optional<ContentSums> sums = ReadContentSums(path)) entry = DeletedList::EntryOf(*sums, path);
    } catch (const FileAccessError& e) {
      outcome.Problems.push_back(problem(path, std::string("back, but still in the deleted-file list: ") + e.what()));
    }
    if (!entry) continue;
    const auto found = std::find(entries.rbegin(), entries.rend(), *entry);
    if (found == entries.rend()) continue;
    entries.erase(std::next(found).base());
    changed = true;
  }
  if (!changed) return;
  try {
    deletedList.SaveChanges();
  } catch (const std::exception& e) {
    outcome.Problems.push_back(problem(DeletedList::fileName(), e.what()));
  }
}

UndoOutcome UndoRecord::undoMove(ResultsModel& model) {
  UndoOutcome outcome;
  const FileResult check = CheckScannedFile(model, to_);
  if (check.Outcome != FileOutcome::Done) {
    outcome.Problems.push_back(problem(to_, check.Reason));
    return outcome;
  }
  if (std::string taken = PlaceTakenReason(from_); !taken.empty()) {
    outcome.Refused = true;
    outcome.Problems.push_back(problem(from_, std::move(taken)));
    return outcome;
  }
  try {
    MoveFileTo(to_, from_, ExistingTarget::Keep);
  } catch (const FileTransferError& e) {
    outcome.Problems.push_back(problem(to_, e.what()));
    return outcome;
  }
  model.UpdateEntriesForPath(to_, from_);
  outcome.Restored.push_back(from_);
  return outcome;
}

}  // namespace vl

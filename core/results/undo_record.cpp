// Recording the last delete, move or rename on the results, and undoing it on disk and in the groups.
#include "core/results/undo_record.h"

#include <algorithm>
#include <memory>
#include <unordered_set>

#include "core/components/user_text.h"
#include "core/files/content_sums.h"
#include "core/files/paths.h"
#include "core/files/recycle.h"

namespace vl {

namespace {

bool sameFile(const RegularFileState& a, const RegularFileState& b) {
  return a.identity == b.identity && a.fullSize == b.fullSize && a.fileDate == b.fileDate;
}

// The base of the model's group that began at `base`, or null once that group was removed. O(groups).
TResultEntry* liveBase(const ResultsModel& model, const TResultEntry* base) {
  for (const BaseGroupItem& group : model.FBaseGroups())
    if (group.base == base) return group.base;
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
    const TResultEntry* base = groups[position].base;
    bool touched = false;
    for (const TResultEntry* entry = base; entry != nullptr && !touched; entry = entry->Next)
      touched = states_.contains(entry->Path);
    if (!touched) continue;
    SavedGroup saved{base, position, groups[position].caption, {}, false};
    for (const TResultEntry* entry = base; entry != nullptr; entry = entry->Next) {
      TResultEntry copy = *entry;
      copy.Next = copy.Base = nullptr;
      saved.entries.push_back(std::move(copy));
    }
    groups_.push_back(std::move(saved));
  }
}

void UndoRecord::endDeletion(const ResultsModel& model, const DeletionReport& report, bool enteredDeletedList) {
  for (const FileResult& file : report.files) {
    if (file.outcome != FileOutcome::Done) continue;
    deleted_.push_back(file.path);
    const auto state = states_.find(file.path);
    if (!file.trashInfo.empty() && state != states_.end())
      trashed_.push_back({file.path, file.trashInfo, state->second});
  }
  for (SavedGroup& group : groups_) group.pruned = liveBase(model, group.base) == nullptr;
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
  if (!outcome.refused) clear();
  return outcome;
}

// Every place checked first: one that is taken refuses the whole undo; files that
// left the trash or changed there stay out, the others come back.
UndoOutcome UndoRecord::undoDeletion(ResultsModel& model, DeletedList& deletedList) {
  UndoOutcome outcome;
  std::vector<FileResult> lost;
  std::vector<const TrashedFile*> ready;
  for (const TrashedFile& file : trashed_) {
    const TrashRestore check = CheckTrashRestore(file.trashInfo, file.path);
    if (check.status == TrashRestoreStatus::PathTaken) {
      outcome.refused = true;
      outcome.problems.push_back(problem(file.path, check.reason));
    } else if (check.status != TrashRestoreStatus::Ready) {
      lost.push_back(problem(file.path, check.reason));
    } else if (!unchangedInTrash(check.trashedFile, file.state)) {
      lost.push_back(problem(file.path, UserText("vl::core", "it changed in the trash; left there")));
    } else {
      ready.push_back(&file);
    }
  }
  if (outcome.refused) return outcome;
  outcome.problems = std::move(lost);
  for (const TrashedFile* file : ready) {
    const TrashRestore restore = RestoreFromTrash(file->trashInfo, file->path);
    if (restore.status == TrashRestoreStatus::Ready)
      outcome.restored.push_back(file->path);
    else
      outcome.problems.push_back(problem(file->path, restore.reason));
  }
  putEntriesBack(model, outcome.restored);
  if (enteredDeletedList_) forgetDeletedEntries(outcome.restored, deletedList, outcome);
  return outcome;
}

// Live groups get their restored entries back; groups the deletion pruned are made
// again from their copies, at their old places, with the files still deleted Gone.
void UndoRecord::putEntriesBack(ResultsModel& model, const std::vector<std::string>& restored) const {
  const std::unordered_set<std::string> back(restored.begin(), restored.end());
  const std::unordered_set<std::string> deleted(deleted_.begin(), deleted_.end());
  // Live groups first: a group made again below may take the address of one removed.
  for (const SavedGroup& group : groups_) {
    if (group.pruned) continue;  // a group the user removed since stays removed
    for (TResultEntry* entry = liveBase(model, group.base); entry != nullptr; entry = entry->Next)
      if (back.contains(entry->Path)) entry->Gone = 0;
  }
  for (const SavedGroup& group : groups_) {
    if (!group.pruned) continue;
    TResultEntry* base = nullptr;
    TResultEntry* last = nullptr;
    for (const TResultEntry& saved : group.entries) {
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
    model.insertGroup(group.position, group.caption, base);
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
      outcome.problems.push_back(problem(path, FormatText(UserText("vl::core", "back, but still in the deleted-file list: %1"), {e.what()})));
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
    outcome.problems.push_back(problem(DeletedList::fileName(), e.what()));
  }
}

UndoOutcome UndoRecord::undoMove(ResultsModel& model) {
  UndoOutcome outcome;
  const FileResult check = CheckScannedFile(model, to_);
  if (check.outcome != FileOutcome::Done) {
    outcome.problems.push_back(problem(to_, check.reason));
    return outcome;
  }
  if (std::string taken = PlaceTakenReason(from_); !taken.empty()) {
    outcome.refused = true;
    outcome.problems.push_back(problem(from_, std::move(taken)));
    return outcome;
  }
  try {
    MoveFileTo(to_, from_, ExistingTarget::Keep);
  } catch (const FileTransferError& e) {
    outcome.problems.push_back(problem(to_, e.what()));
    return outcome;
  }
  model.UpdateEntriesForPath(to_, from_);
  outcome.restored.push_back(from_);
  return outcome;
}

}  // namespace vl

// The results model: the entries, the group list and the shown base list.
#include "core/results/results_model.h"

#include <algorithm>
#include <unordered_set>

#include "core/components/sorter.h"
#include "core/files/paths.h"

namespace vl {

namespace {

// How many entries of the chain from base are not Gone, counting no further than `limit`.
int presentFiles(const TResultEntry* base, int limit) {
  int present = 0;
  for (const TResultEntry* entry = base; entry != nullptr && present < limit; entry = entry->Next)
    if (entry->Gone == 0) ++present;
  return present;
}

}  // namespace

std::string GroupCaption(const TResultEntry& base, int duplicates) {
  return FileNameOf(base.Path) + " (" + std::to_string(duplicates) + ")";
}

int ResultsModel::duplicateCount() const { return static_cast<int>(entries_.size() - groups_.size()); }

void ResultsModel::ClearResults() {
  shown_.clear();
  groups_.clear();
  entries_.clear();
  ++generation_;
  marksEdited_ = false;
  matchBasis = MatchBasis::Unknown;
  notifyShownChanged();
}

void ResultsModel::adopt(ResultsModel&& other) {
  entries_ = std::move(other.entries_);
  groups_ = std::move(other.groups_);
  shown_ = std::move(other.shown_);
  matchBasis = other.matchBasis;
  other.ClearResults();
  ++generation_;
  marksEdited_ = false;
  notifyShownChanged();
}

TResultEntry* ResultsModel::appendEntry(std::unique_ptr<TResultEntry> entry) {
  entries_.push_back(std::move(entry));
  return entries_.back().get();
}

void ResultsModel::appendGroup(const std::string& caption, TResultEntry* base) {
  const SharedText shared(caption);
  groups_.push_back({shared, base});
  shown_.push_back({shared, base});
  notifyShownChanged();
}

void ResultsModel::setGroups(std::vector<BaseGroupItem> groups) {
  groups_ = std::move(groups);
  shown_ = groups_;
  ++generation_;
  marksEdited_ = false;
  notifyShownChanged();
}

void ResultsModel::insertGroup(size_t position, const std::string& caption, TResultEntry* base) {
  groups_.insert(groups_.begin() + static_cast<std::ptrdiff_t>(std::min(position, groups_.size())),
                 {SharedText(caption), base});
}

void ResultsModel::SetMarkForPath(const std::string& path, bool mark) {
  for (const auto& entry : entries_)
    if (entry->Path == path) entry->Marked = mark ? 1 : 0;
}

void ResultsModel::UpdateEntriesForPath(const std::string& path, const std::optional<std::string>& newPath) {
  for (const auto& entry : entries_) {
    if (entry->Path != path) continue;
    if (newPath)
      entry->Path = *newPath;
    else
      entry->Gone = 1;
  }
  PruneGroups(-1);
}

void ResultsModel::SetGoneForPaths(const std::vector<std::string>& paths) {
  const std::unordered_set<std::string> gone(paths.begin(), paths.end());
  for (const auto& entry : entries_)
    if (gone.contains(entry->Path)) entry->Gone = 1;
  PruneGroups(-1);
}

void ResultsModel::RemoveDuplicate(const TResultEntry* entry) {
  if (entry == nullptr || entry->Base == nullptr) return;
  TResultEntry* before = entry->Base;
  while (before->Next != nullptr && before->Next != entry) before = before->Next;
  if (before->Next != entry) return;
  before->Next = entry->Next;
  std::erase_if(entries_, [entry](const std::unique_ptr<TResultEntry>& held) { return held.get() == entry; });
  PruneGroups(-1);
}

void ResultsModel::PruneGroups(int index) {
  if (!removeWhenNoDuplicates) return;
  if (index >= 0) {
    if (index < static_cast<int>(shown_.size()) && presentFiles(shown_[index].Base, 2) < 2) RemoveGroup(index);
    return;
  }
  // Every group, not only the shown ones: under the "Marked" view a group that is
  // not listed may have lost its files too.
  std::unordered_set<const TResultEntry*> bases;
  for (const BaseGroupItem& group : groups_)
    if (presentFiles(group.Base, 2) < 2) bases.insert(group.Base);
  if (!bases.empty()) removeGroups(bases);
}

void ResultsModel::RemoveGroup(int index) {
  if (index < 0 || index >= static_cast<int>(shown_.size())) return;
  removeGroups({shown_[index].Base});
}

void ResultsModel::removeGroups(const std::unordered_set<const TResultEntry*>& bases) {
  const auto listed = [&bases](const BaseGroupItem& item) { return bases.contains(item.Base); };
  std::erase_if(groups_, listed);
  std::erase_if(shown_, listed);
  const auto inGroup = [&bases](const std::unique_ptr<TResultEntry>& entry) {
    return bases.contains(entry->Base == nullptr ? entry.get() : entry->Base);
  };
  std::erase_if(entries_, inGroup);
  notifyShownChanged();
}

void ResultsModel::showView(BaseView view) {
  if (view == BaseView::AllDupes) {
    shown_ = groups_;
  } else {
    shown_.clear();
    std::unordered_set<const TResultEntry*> listed;
    for (const auto& entry : entries_) {
      if (entry->Marked == 0 || entry->Gone != 0) continue;
      TResultEntry* base = entry->Base != nullptr ? entry->Base : entry.get();
      if (listed.insert(base).second) shown_.push_back({SharedText(FileNameOf(base->Path)), base});
    }
  }
  notifyShownChanged();
}

void ResultsModel::sortShownAlphabetically() {
  TSorter sorter;
  sorter.setStringSortType(stWinNoCase);
  VectorStrings<BaseGroupItem> items(shown_, [](const BaseGroupItem& item) { return item.Caption; });
  sorter.setStrings(&items);
  sorter.SortStrings();
  notifyShownChanged();
}

std::vector<DupeLine> ResultsModel::dupeLines(int index, int column, const DateFormatter& formatDate) const {
  std::vector<DupeLine> lines;
  if (index < 0 || index >= static_cast<int>(shown_.size())) return lines;
  for (TResultEntry* entry = shown_[index].Base; entry != nullptr; entry = entry->Next)
    if (entry->Base == nullptr || entry->Gone == 0) lines.push_back({DupeLineText(*entry, formatDate), entry});
  SortDupeLines(lines, column);
  return lines;
}

void ResultsModel::toggleMark(DupeLine& line) {
  if (line.Entry == nullptr) return;
  const bool mark = line.Text.empty() || line.Text[0] != '*';
  if (mark)
    line.Text.insert(0, 1, '*');
  else
    line.Text.erase(0, 1);
  line.Entry->Marked = mark ? 1 : 0;
  SetMarkForPath(line.Entry->Path, mark);
}

void ResultsModel::notifyShownChanged() const {
  if (onShownChanged) onShownChanged();
}

}  // namespace vl

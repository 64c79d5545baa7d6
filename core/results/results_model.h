// The results model: result groups (a base entry and its duplicates) and the base list shown.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

#include "core/components/shared_text.h"
#include "core/files/dir_listing.h"

namespace vl {

// One file in one result group. Groups are chains: the base entry, then its
// duplicates in the order found, linked through Next; each duplicate's Base is the
// group's base entry (null in the base itself). The texts are shared: a path that
// many entries hold is stored once, so an entry takes 72 bytes besides its texts.
struct TResultEntry {
  TResultEntry* Next = nullptr;
  TResultEntry* Base = nullptr;
  SharedText Path;     // the full path (a results file holds at most 255 bytes)
  SharedText Volume;   // at most 13 bytes
  double FileDate = 0;
  FileIdentity Identity;  // the file the scan reached at Path; unknown for an entry loaded from a results file
  int32_t Size = 0;
  int32_t Width = -1;
  int32_t Height = -1;
  uint8_t Errors = 0;  // error count against the base; 0 for the base
  uint8_t Gone = 0;    // set once the file was deleted or moved away
  uint8_t Marked = 0;  // 1 when marked for deletion
  // Known only to the scan that found the group (a results file keeps neither):
  bool almostUniform = false;   // a picture of nearly one tone (a blank page), shown with a note
  bool unverifiedPair = false;  // a verifying scan paired it with its base by fingerprints alone
};

// Whether marking may choose the entry by itself: neither an almost uniform picture
// (its copies are alike by having nothing in them) nor a duplicate whose pair a
// verifying scan could not verify. The auto-mark and Mark by Rule leave the others as
// they are. O(1).
inline bool MarkableByRule(const TResultEntry& entry) { return !entry.almostUniform && !entry.unverifiedPair; }

// What made the files of the groups duplicates; it decides what is compared before
// one of them is deleted.
enum class MatchBasis {
  Unknown,         // loaded from a results file: told group by group from its entries
  Pictures,        // fingerprints within the recorded error count
  TurnedPictures,  // the same, the pictures also turned and mirrored
  Contents,        // the same bytes
  Names,           // names, or names and sizes: nothing more to compare
};

// One item of FBaseGroups or of the shown base list: a caption and its group's base
// entry. The two lists share each caption's text.
struct BaseGroupItem {
  SharedText caption;
  TResultEntry* base = nullptr;
};

// One line of the duplicate list: eight fields, each followed by 0xBB, and its entry.
struct DupeLine {
  std::string text;
  TResultEntry* entry = nullptr;
};

// The FBaseGroups caption of a group after a scan: the base's file name and " (n)".
std::string GroupCaption(const TResultEntry& base, int duplicates);

// The view tabs under the base list.
enum class BaseView { AllDupes, Marked };

// Formats a date-time double for the Date column (the GUI passes the locale's short
// date and long time).
using DateFormatter = std::function<std::string(double)>;
// The date-time double (days since 1899-12-30, local time) as strftime "%x %X" under
// the environment's locale; empty for a value outside the years 1 to 9999.
std::string DefaultDateText(double dateTime);

// Owns every result entry (FResultEntries, in creation order: group by group, the
// base then its duplicates), the group list FBaseGroups, and the items of the shown
// base list (a copy of FBaseGroups or the "Marked" subset). The GUI mirrors the
// shown list; every change it makes goes through these operations.
class ResultsModel {
 public:
  const std::vector<std::unique_ptr<TResultEntry>>& FResultEntries() const { return entries_; }
  const std::vector<BaseGroupItem>& FBaseGroups() const { return groups_; }
  const std::vector<BaseGroupItem>& shownBases() const { return shown_; }
  // Duplicate records: the count of FResultEntries minus the count of FBaseGroups.
  int duplicateCount() const;

  // "Remove when no duplicates": enables PruneGroups.
  bool removeWhenNoDuplicates = true;
  // How the groups of the last scan were found; Unknown after ClearResults and so
  // for loaded results.
  MatchBasis matchBasis = MatchBasis::Unknown;

  // Changes whenever ClearResults or setGroups replaces the results, so that a
  // record of earlier results can tell it no longer applies.
  uint64_t generation() const { return generation_; }
  // Whether the user changed marks since the results were scanned, loaded or saved
  // (the callers that change marks for the user say so; ClearResults and setGroups reset it).
  bool marksEdited() const { return marksEdited_; }
  void setMarksEdited(bool edited) { marksEdited_ = edited; }

  // Frees every entry, empties the three lists and forgets the match basis.
  void ClearResults();
  // Takes over the entries, groups, shown list and match basis of `other` (a scan's
  // outcome), which is left empty, in one step: one change of the shown list. O(1)
  // besides freeing what this model held.
  void adopt(ResultsModel&& other);
  // Appends an entry to FResultEntries and returns it (group building, loading).
  TResultEntry* appendEntry(std::unique_ptr<TResultEntry> entry);
  // Appends a group to FBaseGroups and to the shown base list.
  void appendGroup(const std::string& caption, TResultEntry* base);
  // Replaces FBaseGroups and the shown list by the same items (loading results).
  void setGroups(std::vector<BaseGroupItem> groups);
  // Puts a group whose entries were appended back at `position` of FBaseGroups (the
  // end when beyond it); the shown list is left for showView to rebuild. O(groups).
  void insertGroup(size_t position, const std::string& caption, TResultEntry* base);

  // Sets Marked of every entry whose Path equals path (case-sensitive). O(entries).
  void SetMarkForPath(const std::string& path, bool mark);
  // Every entry at path moves to newPath or, without one, is
  // Gone; then PruneGroups(-1). O(entries + groups).
  void UpdateEntriesForPath(const std::string& path, const std::optional<std::string>& newPath);
  // "Delete Marked" and "Delete All Marked": every entry at one of the paths is Gone,
  // then PruneGroups(-1), in one pass. O(entries + groups + paths).
  void SetGoneForPaths(const std::vector<std::string>& paths);
  // "Not a Duplicate": takes a duplicate entry (not a base) out of its group and frees
  // it, then PruneGroups(-1). O(entries + groups).
  void RemoveDuplicate(const TResultEntry* entry);
  // When pruning is on, removes the group at shown position index if fewer than two
  // of its files remain; index -1 checks every group of FBaseGroups, shown or not.
  // O(entries + groups).
  void PruneGroups(int index);
  // Removes the group at shown position index: its entries, its FBaseGroups item
  // and its shown item. O(entries).
  void RemoveGroup(int index);
  // Fills the shown list for a view tab: a copy of FBaseGroups, or the bare names of
  // the groups holding a marked file that is not Gone (the base included), each
  // once, in the order of FResultEntries. O(entries).
  void showView(BaseView view);
  // Sorts the shown list by caption, case-insensitively by the locale (TSorter stWinNoCase).
  void sortShownAlphabetically();

  // Rebuilds the lines of the group at shown position index (base, then every
  // duplicate not Gone) and sorts them by `column` (SortDupeList). Empty for an invalid index.
  std::vector<DupeLine> dupeLines(int index, int column, const DateFormatter& formatDate = DefaultDateText) const;
  // ToggleMark on one line: flips the "*" prefix and the entry's mark, then SetMarkForPath.
  void toggleMark(DupeLine& line);

  // Called after any change to the shown list (the GUI repaints the base list).
  std::function<void()> onShownChanged;

 private:
  void removeGroups(const std::unordered_set<const TResultEntry*>& bases);
  void notifyShownChanged() const;

  std::vector<std::unique_ptr<TResultEntry>> entries_;
  std::vector<BaseGroupItem> groups_;
  std::vector<BaseGroupItem> shown_;
  uint64_t generation_ = 0;
  bool marksEdited_ = false;
};

// The text of one duplicate-list line. A field holding 0xBB or a double quote (a
// UTF-8 path may) is written in double quotes with inner quotes doubled, so that
// SplitDupeLine gives every field back exactly.
std::string DupeLineText(const TResultEntry& entry, const DateFormatter& formatDate = DefaultDateText);
// The fields of a line, split at 0xBB outside quotes and unquoted (TCommaParse rules).
std::vector<std::string> SplitDupeLine(const std::string& line);
// SortDupeList: the base line first, then by field `column`, numerically for
// columns 1, 3, 4, 5 and 6, by locale collation otherwise; through TSorter.
void SortDupeLines(std::vector<DupeLine>& lines, int column);

}  // namespace vl

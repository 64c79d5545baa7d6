// Mark by rule: per group keep the best file by ordered criteria and mark every other one; stored in the settings file.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/results/results_model.h"

namespace vl {

// What makes one file of a group a better keeper than another.
enum class KeepCriterion {
  Resolution,    // the most pixels (width x height; unknown dimensions count as none)
  Largest,       // the largest file
  Smallest,      // the smallest file
  Newest,        // the latest file date
  Oldest,        // the earliest file date
  ShortestPath,  // the fewest bytes of path
  LongestPath,   // the most bytes of path
  InsideFolder,  // a file below `folder` before one that is not
};

struct KeepStep {
  KeepCriterion criterion = KeepCriterion::Resolution;
  std::string folder;  // for InsideFolder only

  bool operator==(const KeepStep&) const = default;
};

// A rule: the criteria in order, the folders whose files are never marked, and
// whether each scan ends by applying it.
struct MarkRule {
  std::vector<KeepStep> keep;
  std::vector<std::string> protectedFolders;
  bool applyAfterScan = false;

  bool operator==(const MarkRule&) const = default;
};

// The criteria of a comma-separated text such as "resolution,size,oldest": resolution,
// largest (or size), smallest, newest, oldest, shortest-path, longest-path and
// inside=FOLDER; a token holding a comma is written in double quotes ("inside=/a,b").
// Throws std::invalid_argument naming the first token that is none of these.
std::vector<KeepStep> ParseKeepCriteria(std::string_view text);
// The text ParseKeepCriteria reads back to the same steps.
std::string KeepCriteriaText(const std::vector<KeepStep>& steps);

// The present (not Gone) entry of the group of `base` to keep: the best by the
// first step that tells two files apart, the smaller path (byte order) when none
// does. Null when every entry is Gone. O(group x steps).
const TResultEntry* KeeperOf(const TResultEntry& base, const std::vector<KeepStep>& steps);

struct MarkRuleOutcome {
  int groups = 0;  // groups with a present keeper
  int marked = 0;  // present entries marked afterwards
};

// Applies the rule to every group: its keeper is unmarked, every other present entry
// marked, unless it lies in a protected folder. A path kept in one group is not
// marked in any other, so marks stay the same for every entry of one path and no
// group loses its keeper. Gone entries are left as they are. O(entries x steps).
MarkRuleOutcome ApplyMarkRule(ResultsModel& results, const MarkRule& rule);
// Clears the mark of every entry. O(entries).
void UnmarkAll(ResultsModel& results);

// The rule stored in the settings file (section MarkByRule); an empty rule when
// none is stored, and a step that cannot be read is left out.
MarkRule LoadMarkRule();
// Replaces the stored rule; throws IniWriteError when the file cannot be written.
void SaveMarkRule(const MarkRule& rule);

}  // namespace vl

// Mark by rule: per group keep the best file by ordered criteria and mark every other one; stored in the settings file.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/components/cancel_token.h"
#include "core/components/job_progress.h"
#include "core/fingerprint/photo_facts.h"
#include "core/results/results_model.h"

namespace vl {

// What makes one file of a group a better keeper than another.
enum class KeepCriterion {
  Resolution,     // the most pixels (width x height; unknown dimensions count as none)
  Largest,        // the largest file
  Smallest,       // the smallest file
  Newest,         // the latest file date
  Oldest,         // the earliest file date
  ShortestPath,   // the fewest bytes of path
  LongestPath,    // the most bytes of path
  InsideFolder,   // a file below `folder` before one that is not
  PlainName,      // the fewest copy markers in the file name (CopyMarkerCount)
  TakenEarliest,  // the earliest EXIF date taken, the file date standing in for a file without one
  HasCameraData,  // a file whose EXIF block names the camera (make or model)
  RawFirst,       // a camera raw file (PictureType::Raw) before any other
  JpegFirst,      // a JPEG file before any other
};

struct KeepStep {
  KeepCriterion criterion = KeepCriterion::Resolution;
  std::string folder;  // for InsideFolder only

  bool operator==(const KeepStep&) const = default;
};

// A rule: the criteria in order, the folders whose files are never marked, whether
// each scan ends by applying it, and whether it only chooses among the files already
// marked: then in each group the base and its marked duplicates are the copies the
// rule keeps one of, and files left unmarked stay unmarked.
struct MarkRule {
  std::vector<KeepStep> keep;
  std::vector<std::string> protectedFolders;
  bool applyAfterScan = false;
  bool amongMarked = false;

  bool operator==(const MarkRule&) const = default;
};

// The rule of a new settings file: after every scan, among the files the auto-mark
// thresholds marked, keep the one of the highest resolution, then the largest, then
// the one whose name carries no copy marker, then the oldest, then the shortest path.
MarkRule DefaultMarkRule();

// The criteria of a comma-separated text such as "resolution,size,oldest": resolution,
// largest (or size), smallest, newest, oldest, shortest-path, longest-path, plain-name,
// taken-earliest, has-metadata, raw-first, jpeg-first and inside=FOLDER; a token holding a comma is written in double quotes ("inside=/a,b").
// Throws std::invalid_argument naming the first token that is none of these.
std::vector<KeepStep> ParseKeepCriteria(std::string_view text);
// The text ParseKeepCriteria reads back to the same steps.
std::string KeepCriteriaText(const std::vector<KeepStep>& steps);

// The EXIF facts of files by path, for the steps that weigh them; a path missing
// here counts as a file without an EXIF block.
using PhotoFactsByPath = std::unordered_map<std::string, PhotoFacts>;

// True when a step weighs EXIF facts (taken-earliest, has-metadata).
bool NeedsPhotoFacts(const std::vector<KeepStep>& steps);
// The distinct paths of the present entries when the steps weigh EXIF facts; none
// otherwise. O(entries).
std::vector<std::string> PhotoFactPaths(const ResultsModel& results, const std::vector<KeepStep>& steps);
// The facts of the paths (ReadPhotoFactsOf); nothing when cancelled. One read of at
// most ExifProbeBytes per path.
std::optional<PhotoFactsByPath> ReadPhotoFactsByPath(const std::vector<std::string>& paths, const CancelToken& cancel,
                                                     ProgressSink& sink);

// The present (not Gone) entry of the group of `base` to keep: the best by the
// first step that tells two files apart, the smaller path (byte order) when none
// does. Null when every entry is Gone. O(group x steps).
const TResultEntry* KeeperOf(const TResultEntry& base, const std::vector<KeepStep>& steps,
                             const PhotoFactsByPath& facts = {});

struct MarkRuleOutcome {
  int groups = 0;  // groups with a present keeper
  int marked = 0;  // present entries marked afterwards
};

// Applies the rule to every group: its keeper is unmarked, every other present entry
// marked, unless it lies in a protected folder (told by device and inode, so another
// spelling of the folder or a symbolic link to it counts too; by the cleaned path when
// the folders cannot be examined). With amongMarked only the base and the marked
// duplicates of a group take part, and a group with fewer than two of them is left
// as it is. A path kept in one group is not marked in any other, a path marked in one
// group is marked in all, so no group loses its keeper. Gone entries, and entries
// marking may not choose (MarkableByRule: almost uniform pictures, pairs a verifying
// scan could not verify), take no part: they keep their marks unless their path is
// marked or kept elsewhere. `facts` serves the steps that weigh EXIF facts.
// O(entries x steps), plus one stat per folder level of the paths.
MarkRuleOutcome ApplyMarkRule(ResultsModel& results, const MarkRule& rule, const PhotoFactsByPath& facts = {});
// Reads the EXIF facts the rule weighs (none for a rule that weighs none), then
// applies it; nothing, and no mark changed, when cancelled while reading.
std::optional<MarkRuleOutcome> ReadFactsAndApplyMarkRule(ResultsModel& results, const MarkRule& rule,
                                                         const CancelToken& cancel, ProgressSink& sink);
// Clears the mark of every entry. O(entries).
void UnmarkAll(ResultsModel& results);

// The rule stored in the settings file (section MarkByRule); DefaultMarkRule while
// there is no settings file, an empty rule when a settings file holds none, and a
// step that cannot be read is left out.
MarkRule LoadMarkRule();
// Creates a settings file that does not exist yet holding what a new user starts
// with (CreateSettingsFile) and the default rule, so that both stay once other
// settings are written. Throws IniWriteError when it cannot be written.
void StoreNewSettingsFile();
// Replaces the stored rule; throws IniWriteError when the file cannot be written.
void SaveMarkRule(const MarkRule& rule);

}  // namespace vl

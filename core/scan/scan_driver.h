// The scan driver: from the two folder lists to result groups, with status, cancel and summary.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/files/dir_listing.h"
#include "core/host.h"
#include "core/results/results_model.h"
#include "core/results/deleted_list.h"
#include "core/results/mark_rules.h"
#include "core/scan/scan_mode.h"

namespace vl {

// The window side of a scan. Every call has a default that does nothing, so the CLI
// and the tests only implement what they need.
class ScanHost : public Host {
 public:
  // The compare list was empty: after the message, open the folders dialog.
  virtual void openFoldersDialog() {}
  // The results were cleared (step 1): empty the previews and the lists.
  virtual void resultsCleared() {}
  // A scan begins (true: "All Dupes" tab forced and disabled, Scan disabled, Cancel
  // enabled) or ends (false: the idle state again).
  virtual void scanRunning(bool running) { (void)running; }
  // A group was added to the model (the base list may show it at once).
  virtual void groupAdded() {}
  // After a completed pairing: select base item 0 and fill the duplicate list.
  virtual void showFirstGroup() {}
  // The deleted-file list matched these files of the compare list, which stay out of
  // the scan: true lets it remove them now. By default askYesNoDefaultNo with
  // AutoDeletionQuestion(matches).
  virtual bool confirmAutoDeletion(const std::vector<DeletedMatch>& matches);
};

// How the scan does its work; nothing here changes a result.
struct ScanTuning {
  int jobs = 0;            // fingerprinting and pairing threads; 0 = hardware threads
  bool useCache = true;    // the persistent fingerprint cache
  bool reference = false;  // the plain pairing loops (for checking and benchmarks)
};

enum class ScanEnd { Completed, Cancelled, NoFolders, EmptyBaseList, EmptyCompareList, Failed };

struct ScanResult {
  ScanEnd end = ScanEnd::Completed;
  int duplicates = 0;      // duplicate records found
  int markedCount = 0;     // MarkedCount
  int autoDeletedCount = 0;
  int unreadableCount = 0;  // files listed or read that could not be examined or read
  int classicAutoDeletedCount = 0;            // of those, matched by a classic (size and CRC) entry
  std::vector<std::string> autoDeletedPaths;  // every automatically deleted file, in order
  std::vector<std::string> keptMatches;       // matched by the deleted-file list, not deleted (the user said No)
  std::vector<UnreadableFile> notDeleted;     // matched and agreed to, but changed since or not removable
  size_t restoredCount = 0;                   // files back where they were deleted from: kept, forgotten by the list
  std::vector<UnreadableFile> unreadable;     // files and folders that could not be examined or read, with why
  std::vector<std::string> missingFolders;  // folder entries that were not folders, left out
  std::string summary;     // the summary message, when completed
};

// Runs StartScan over the folder lists (each entry a folder or a database file)
// into the results model, reporting through the host. Uses the setting globals.
// Files the deleted-file list matches stay out of the scan and are removed only
// when the host's confirmAutoDeletion agrees, right after gathering. A base list
// whose entries give no file at all stops the scan (EmptyBaseList) with a message
// naming each entry and why. Every message after gathering carries, as its
// details, the automatically deleted paths, the matches not deleted and the files
// that could not be read. A folder entry that is not a folder is left out, and
// the summary (or the message about an empty compare list) names it.
class ScanDriver {
 public:
  ScanDriver(ResultsModel& results, DeletedList& deletedList, ScanHost& host, ScanTuning tuning = {});

  ScanResult StartScan(ScanMode scanMode, const std::string& mask, const std::vector<std::string>& baseFolders,
                       const std::vector<std::string>& compareFolders);
  // A rule applied to a completed scan's groups after the auto-mark and the
  // propagation of marks; markedCount and the summary then count its marks.
  void setMarkRule(std::optional<MarkRule> rule) { markRule_ = std::move(rule); }

  // Whether image scans leave out the pairs remembered in NotDuplicatesFileName() (on
  // by default; a damaged list is reported once per scan and leaves none out).
  void setUseNotDuplicates(bool use) { useNotDuplicates_ = use; }

 private:
  ResultsModel& results_;
  DeletedList& deletedList_;
  ScanHost& host_;
  ScanTuning tuning_;
  std::optional<MarkRule> markRule_;
  bool useNotDuplicates_ = true;
};

}  // namespace vl

// The scan as a job: from a request to result groups, with typed progress, a cancel token and an outcome.
#pragma once

#include <string>
#include <vector>

#include "core/components/cancel_token.h"
#include "core/components/job_progress.h"
#include "core/files/dir_listing.h"
#include "core/host.h"
#include "core/results/deleted_list.h"
#include "core/results/results_model.h"
#include "core/scan/auto_deletion.h"
#include "core/scan/scan_request.h"

namespace vl {

enum class ScanEnd { Completed, Cancelled, NoFolders, EmptyBaseList, EmptyCompareList, Failed };

// What a scan found and met, for its caller to take over and show.
struct ScanOutcome {
  ScanEnd end = ScanEnd::Completed;
  // The groups (also those found before a cancel), with the basis they were found by;
  // the caller takes them over in one step (ResultsModel::adopt).
  ResultsModel results;
  int duplicates = 0;   // duplicate records found
  int markedCount = 0;  // MarkedCount: marks set by the thresholds, or by the keep rule when it ran
  // Compare files the deleted-file list matched: left out of the scan, not removed.
  std::vector<DeletedMatch> deletedMatches;
  size_t restoredCount = 0;                 // files back where they were deleted from: kept, forgotten by the list
  std::vector<UnreadableFile> unreadable;   // files and folders that could not be examined or read, with why
  std::vector<std::string> missingFolders;  // folder entries that were not folders, left out
  // Problems met on the way (a database entry, the deleted-file list, the not-duplicate
  // list), in order: shown before the closing message.
  std::vector<JobMessage> messages;
  std::string stopText;  // EmptyBaseList: each base entry and why it gave nothing; Failed: the failure
  double seconds = 0;    // the time the scan took
};

// Runs a scan: the volume table is refreshed, the deleted-file list loaded when it
// is used, the base list and then the compare list gathered (a base list whose
// entries give no file at all stops the scan: EmptyBaseList), pictures read and
// the lists paired by the request's mode; after a pairing that ran to its end the
// marks are propagated and the keep rule applied. Compare files the deleted-file
// list matches are left out and handed back in deletedMatches; nothing is deleted
// here. A folder entry that is not a folder is left out and named. Progress goes to
// the sink at every phase and every few items; the token is looked at between
// items, while threads work and inside long decodes and reads, so a cancel takes
// effect within a fraction of a second; a missing database ends the scan as a
// cancel after its message. Never asks, shows or waits for anything: safe to run
// on a worker thread while nothing else uses `deletedList`. Cost: one listing per
// folder, one decode per new picture, then the pairing.
ScanOutcome RunScanJob(const ScanRequest& request, DeletedList& deletedList, const CancelToken& cancel,
                       ProgressSink& sink);

// The message that closes a scan, after the caller acted on its deleted-file list
// matches: the summary ("Finished Scanning for Duplicates." ...), "Scan Canceled.",
// the empty-list stops, the failure, or "You must first Add some folders to Scan.".
// Its details list the automatically deleted paths, the matches not deleted and the
// files that could not be read. `beep` says whether a beep goes before it.
struct ScanClosing {
  JobMessage message;
  bool beep = false;
};
ScanClosing ClosingMessage(const ScanOutcome& outcome, const AutoDeletionOutcome& deletion);

// What the caller of a scan does once its job has ended, through `host` on the
// caller's thread: the scan's messages in order; the deleted-file list's matches
// acted on as the request says (ActOnDeletedMatches with `ask`), unless the scan was
// cancelled, failed or stopped before its compare list was gathered; then the
// closing message, after a beep when it has one. Gives what became of the matches.
AutoDeletionOutcome FinishScan(const ScanRequest& request, const ScanOutcome& outcome, DeletedList& deletedList,
                               Host& host, const AutoDeletionAsk& ask);

}  // namespace vl

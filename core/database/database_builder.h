// Building image databases from folders and extending and freshening existing ones.
#pragma once

#include <string>
#include <vector>

#include "core/components/cancel_token.h"
#include "core/components/job_progress.h"
#include "core/fingerprint/fingerprint_pool.h"
#include "core/fingerprint/scan_entry.h"
#include "core/host.h"
#include "core/settings/settings.h"

namespace vl {

// How a database operation ended.
enum class BuildOutcome {
  Written,    // the database was written; the summary "Database saved in ..." is the last message
  Cancelled,  // the token stopped it (or a missing database entry, after its message); the file is untouched
  Refused,    // an error message says why (nothing to add, not a readable database); untouched
  Failed,     // writing failed: "Error in creating database."; an old file is untouched
  Undecided,  // Add to Database met many gone records under GoneRecords::Ask: nothing written,
              // the result holds the question; run again with Remove or Keep
};

// What Add to Database does with the records of a present volume whose files are gone
// when they are more than a tenth of the database (a renamed or offline folder
// looks like that); fewer are always removed.
enum class GoneRecords {
  Ask,     // stop before any picture is read or anything written, handing back the question (Undecided)
  Remove,  // remove them
  Keep,    // keep them, and say so in the summary
};

// How Add to Database changed the records.
struct DatabaseChanges {
  size_t added = 0;      // new pictures recorded
  size_t refreshed = 0;  // recorded pictures read again because they changed
  size_t removed = 0;    // records left out: files gone, or changed and no longer readable
  size_t keptGone = 0;   // records of gone files kept (GoneRecords)
};

// Everything a database operation needs.
struct DatabaseRequest {
  std::string fileName;
  std::vector<std::string> folders;  // each taken without its subfolders unless `subfolders` is set
  bool subfolders = false;
  bool freshen = true;  // Add to Database: re-read recorded pictures on present volumes that changed
  GoneRecords gone = GoneRecords::Ask;
  int jobs = 0;                    // decoding threads; 0 = hardware threads
  bool useCache = true;            // the persistent fingerprint cache
  bool modernImageFormats = true;  // PNG, TIFF, WebP, HEIF, AVIF, JPEG XL and raw files are pictures too
  bool checkABDrives = false;      // floppy drives take part in the volume table
};

// A request carrying the settings' threads, cache, picture types and floppies.
DatabaseRequest DatabaseRequestFromSettings(const Settings& settings);

// What a database operation did and says, for its caller to show.
struct BuildResult {
  BuildOutcome outcome = BuildOutcome::Refused;
  DatabaseChanges changes;
  std::vector<JobMessage> messages;  // in order; after a write the summary is the last
  std::string goneQuestion;          // Undecided: the question about the gone records
};

// Drops records that are not pictures (by `modernTypes`) or whose file is gone, and
// fingerprints every record without a fingerprint; a picture that cannot be read
// keeps none. The sink gets {ReadingImages, i, n} at each position, and the options'
// cancel flag stops the walk. O(records) plus one decode per fingerprinted picture.
// With more than one job the decodes run on a pool, results taken in order.
void FingerprintRecords(ScanList& list, ProgressSink& sink, const FingerprintOptions& options = {},
                        bool modernTypes = true);

// Sorts records by path, case-insensitively by the locale. O(n log n) comparisons.
void SortRecordsByPath(ScanList& list);

// New Database: gathers the pictures directly inside the folder entries, fingerprints
// them and writes them sorted by path to the request's file, replacing an existing
// file only once the new one is complete; pictures whose path does not fit a record
// are left out with a warning (to the sink) that counts them. An existing file that
// neither has the .VDB extension nor begins as a database is refused and left
// unchanged. Both operations hold the database's FileLock throughout (waiting while
// another process holds it, in the phase WaitingForLock) and write through a
// symbolic link to its target. Reports its phases and the reading progress; never
// asks or shows anything, so it may run on a worker thread.
BuildResult NewDatabase(const DatabaseRequest& request, const CancelToken& cancel, ProgressSink& sink);

// Add to Database: adds the pictures of the folder entries whose exact paths are not
// recorded yet, drops the records of present volumes whose files are gone (as
// `gone` says when they are more than a tenth), with `freshen` re-reads recorded
// pictures on present volumes whose size or date changed, and rewrites the
// database; the summary and the changes say how many records were added, refreshed,
// removed and kept. A name without the ".VDB" extension, or a database that is
// missing, of another version or damaged anywhere (data that ends early included),
// is refused and left unchanged. One stat per record.
BuildResult AddToDatabase(const DatabaseRequest& request, const CancelToken& cancel, ProgressSink& sink);

}  // namespace vl

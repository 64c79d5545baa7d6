// Building image databases from folders and extending and freshening existing ones.
#pragma once

#include <string>
#include <vector>

#include "core/host.h"
#include "core/fingerprint/fingerprint_pool.h"
#include "core/fingerprint/scan_entry.h"

namespace vl {

// How a database operation ended.
enum class BuildOutcome {
  Written,    // the database was written; "Database saved in ..." was shown
  Cancelled,  // ScanCancelled stopped it (or a missing database); the file is untouched, no message
  Refused,    // an error message was shown (nothing to add, not a readable database); untouched
  Failed,     // writing failed: "Error in creating database."; an old file is untouched
};

// What Add to Database does with the records of a present volume whose files are gone
// when they are more than a tenth of the database (a renamed or offline folder
// looks like that); fewer are always removed.
enum class GoneRecords {
  Ask,     // host.askYesNoDefaultNo, naming their folders: Yes removes them, No keeps them
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

// Drops records that are not pictures or whose file is gone, and fingerprints every
// record without a fingerprint; a picture that cannot be read keeps none. Panel 1
// shows "i / n", and events run and ScanCancelled is tested at each position (the
// walk stops when it is set). O(records) plus one decode per fingerprinted picture.
// With more than one job the decodes run on a pool, results taken in order.
void FingerprintRecords(ScanList& list, Host& host, const FingerprintOptions& options = {});

// Sorts records by path, case-insensitively by the locale. O(n log n) comparisons.
void SortRecordsByPath(ScanList& list);

// New Database: gathers the pictures directly inside the folder entries, fingerprints
// them and writes them sorted by path to fileName, replacing an existing file only
// once the new one is complete; pictures whose path does not fit a record are left
// out with a warning that counts them. An existing file that neither has the .VDB
// extension nor begins as a database is refused and left unchanged. Both operations
// hold the database's FileLock throughout (waiting while another process holds it)
// and write through a symbolic link to its target. ScanCancelled is cleared first.
// Reports its phases and the reading progress, a beep and the summary message at the end.
BuildOutcome NewDatabase(const std::string& fileName, const std::vector<std::string>& folders, Host& host,
                         const FingerprintOptions& options = {});

// Add to Database: adds the pictures of the folder entries whose exact paths are not
// recorded yet, drops the records of present volumes whose files are gone (as
// `gone` says when they are more than a tenth), with `freshen` re-reads recorded
// pictures on present volumes whose size or date changed, and rewrites the
// database; the summary and `changes` say how many records were added, refreshed,
// removed and kept. A name without the ".VDB" extension, or a database that is
// missing, of another version or damaged anywhere (data that ends early included),
// is refused and left unchanged. One stat per record.
BuildOutcome AddToDatabase(const std::string& fileName, const std::vector<std::string>& folders, bool freshen,
                           Host& host, const FingerprintOptions& options = {}, GoneRecords gone = GoneRecords::Ask,
                           DatabaseChanges* changes = nullptr);

}  // namespace vl

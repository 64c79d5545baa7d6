// Checking files just before they are deleted: each must still be the file its scan saw, compared with a copy.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "core/files/bound_path.h"
#include "core/files/content_sums.h"
#include "core/results/results_model.h"

namespace vl {

class FingerprintCache;

// What became of one file a command was asked to act on.
enum class FileOutcome {
  Done,          // deleted (to the trash or for good), copied or moved; for a check alone: passed
  Vanished,      // nothing at the path any more: silently left out
  NotRegular,    // a folder, a symbolic link, a device, a FIFO: never acted on
  Changed,       // size, modification time or contents differ from the scan's: left alone
  Failed,        // the system refused or the file could not be read; Reason tells why
  KeptLastCopy,  // left alone so that its group keeps a copy (DeletionPlan::skipLastCopyGroups)
  NotVerified,   // not shown to be the file the scan found (a new link on the way, another
                 // file at the path, not a picture, not in the results, its copy unreadable)
};

struct FileResult {
  FileResult() = default;
  FileResult(std::string path, FileOutcome outcome, std::string reason = {})
      : Path(std::move(path)), Outcome(outcome), Reason(std::move(reason)) {}

  std::string Path;
  FileOutcome Outcome = FileOutcome::Done;
  std::string Reason;     // for every outcome but Done and Vanished
  std::string TrashInfo;  // Done to the trash: the .trashinfo that brings it back

  // "PATH: REASON", one line for a report.
  std::string describe() const;
};

struct FileIdentityHash {
  size_t operator()(const FileIdentity& id) const { return std::hash<uint64_t>()(id.Inode * 31 + id.Device); }
};
using IdentitySet = std::unordered_set<FileIdentity, FileIdentityHash>;

// The entries of a model by cleaned path (CleanFilePath), and what the checks before
// a deletion need to know of them. Valid while the model does not change.
class ScannedFiles {
 public:
  // O(entries), one CleanFilePath per entry.
  explicit ScannedFiles(const ResultsModel& model);

  // The entries (not Gone) of the file at the cleaned path, in model order; null
  // when the model holds none.
  const std::vector<const TResultEntry*>* entriesOf(const std::string& cleanPath) const;
  // How the group of `base` is compared: the model's basis; for loaded results,
  // pictures (turned too) when an entry has dimensions, contents when every size
  // agrees, names otherwise. O(group).
  MatchBasis basisOf(const TResultEntry& base) const;
  // Links on the way to the file are followed when the scan recorded the file each of
  // its entries reached (which the file must then still be), refused otherwise.
  FolderLinks linksFor(const std::string& cleanPath) const;

  // The checks that read nothing, for the file asked as `path`: reached without a
  // link the scan did not vouch for, a regular file with its scanned size and date,
  // the very file the scan reached when that is known, and a picture when its group
  // pairs pictures. Done with `version` filled, or why it stays. A few system calls.
  FileResult examine(const std::string& path, const std::string& cleanPath, FileVersion& version) const;
  // True when the member is still an unchanged copy: a regular file named directly,
  // with its scanned size and date, the scanned file when known, and the same file as
  // none of `excluded`. One lstat per path, remembered.
  bool isUnchangedCopy(const TResultEntry& member, const IdentitySet& excluded) const;

 private:
  const ResultsModel& model_;
  std::unordered_map<std::string, std::vector<const TResultEntry*>> entries_;
  mutable std::unordered_map<std::string, std::optional<RegularFileState>> states_;
};

// One file that passed CheckDeletions: it is acted on only while it is still this version.
struct VerifiedFile {
  size_t Index = 0;  // its result in DeletionChecks::Results
  std::string CleanPath;
  FileVersion Version;
  std::optional<ContentSums> Sums;  // when it was read
};

struct DeletionChecks {
  std::vector<FileResult> Results;  // one per distinct file asked, in the order asked
  std::vector<VerifiedFile> Verified;  // the files whose result is Done
};

struct CheckOptions {
  bool ReadEvery = false;             // read every file (its sums) even where nothing is compared
  FingerprintCache* Cache = nullptr;  // may give the fingerprint of an unchanged copy that stays
  int Jobs = 1;                       // reading threads; 0 = hardware threads
};

// Checks the files at `paths` (each file once, however it is spelled) just before
// they are deleted together: examine, then each file's contents against a copy in
// every group of it, the base or else another member that is unchanged, one that
// stays before one that goes too. Exact-contents groups compare digests; picture
// groups the fingerprint decoded now, within the error count the scan recorded
// between the two (4/3 of the sum of both counts between two duplicates); name
// groups nothing. A file to be deleted is read once, through its folder held open,
// and must keep its version while it is read; a copy that stays is read once (its
// fingerprint from the cache when the cache holds its version). Reads run on
// options.Jobs threads. Touches nothing on disk.
DeletionChecks CheckDeletions(const ScannedFiles& files, const std::vector<std::string>& paths,
                              const CheckOptions& options);

}  // namespace vl

// The question before the deleted-file list removes the files it matched, and the removals the user agreed to.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "core/files/dir_listing.h"
#include "core/results/deleted_list.h"

namespace vl {

class ScanHost;

// What came of the files the deleted-file list matched while the compare list was gathered.
struct AutoDeletionOutcome {
  std::vector<TAutoDeletion> deleted;   // removed, in order
  std::vector<UnreadableFile> refused;  // not removed, with the reason: changed since, or the removal failed
  std::vector<std::string> kept;        // not removed because the user said No
};

// The question: how many files, their total size, where they go (DeleteToRecycleBin),
// the first 20 paths ("and 3 more"), and that files not deleted stay out of the scan.
std::string AutoDeletionQuestion(const std::vector<DeletedMatch>& matches);
// Every matched path, one a line; "" when the question lists them all.
std::string AutoDeletionDetails(const std::vector<DeletedMatch>& matches);

// Asks host.confirmAutoDeletion once and, on Yes, removes each match through the
// list, which checks just before that it is still the file that matched. Nothing is
// asked or removed without matches. O(matches) reads.
AutoDeletionOutcome ConfirmAutoDeletion(const std::vector<DeletedMatch>& matches, DeletedList& list, ScanHost& host);

}  // namespace vl

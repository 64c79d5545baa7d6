// The question before the deleted-file list removes the files it matched, and the removals the user agreed to.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "core/files/dir_listing.h"
#include "core/results/deleted_list.h"
#include "core/scan/scan_request.h"

namespace vl {

// What came of the files the deleted-file list matched while the compare list was gathered.
struct AutoDeletionOutcome {
  std::vector<TAutoDeletion> deleted;   // removed, in order
  std::vector<UnreadableFile> refused;  // not removed, with the reason: changed since, or the removal failed
  std::vector<std::string> kept;        // not removed because the user said No (or was not asked)
};

// The question: how many files, their total size, where they go (to the trash with
// `recycle`), the first 20 paths ("and 3 more"), and that files not deleted stay out
// of the scan.
std::string AutoDeletionQuestion(const std::vector<DeletedMatch>& matches, bool recycle);
// Every matched path, one a line; "" when the question lists them all.
std::string AutoDeletionDetails(const std::vector<DeletedMatch>& matches);

// Asks the user, given the matches; true removes them.
using AutoDeletionAsk = std::function<bool(const std::vector<DeletedMatch>& matches)>;

// Acts on the matches as `consent` says: Given removes them, ReportOnly keeps them
// all, Ask calls `ask` once and removes them on Yes. Each removal goes through the
// list, which checks just before that it is still the file that matched (to the
// trash with `recycle`). Nothing is asked or removed without matches. O(matches) reads.
AutoDeletionOutcome ActOnDeletedMatches(const std::vector<DeletedMatch>& matches, DeletedListConsent consent,
                                        bool recycle, DeletedList& list, const AutoDeletionAsk& ask);

}  // namespace vl

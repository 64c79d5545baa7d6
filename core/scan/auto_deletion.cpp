// The question before the deleted-file list removes the files it matched, and the removals the user agreed to.
#include "core/scan/auto_deletion.h"

#include "core/host.h"

namespace vl {

namespace {

constexpr size_t ListedInQuestion = 20;

}  // namespace

std::string AutoDeletionQuestion(const std::vector<DeletedMatch>& matches, bool recycle) {
  uint64_t total = 0;
  for (const DeletedMatch& match : matches) total += match.Sums.size;
  std::string text = "The deleted-file list matched " + std::to_string(matches.size()) + " files (" + SizeText(total) +
                     ") in the Compare List: copies of files that were deleted before.\n";
  for (size_t i = 0; i < matches.size() && i < ListedInQuestion; ++i) text += "\n" + matches[i].Path;
  if (matches.size() > ListedInQuestion)
    text += "\n... and " + std::to_string(matches.size() - ListedInQuestion) + " more";
  text += recycle ? "\n\nMove them to the trash now?" : "\n\nDelete them for good now?";
  return text + " Files that are not deleted stay out of this scan.";
}

std::string AutoDeletionDetails(const std::vector<DeletedMatch>& matches) {
  if (matches.size() <= ListedInQuestion) return "";
  std::string details;
  for (const DeletedMatch& match : matches) details += (details.empty() ? "" : "\n") + match.Path;
  return details;
}

AutoDeletionOutcome ActOnDeletedMatches(const std::vector<DeletedMatch>& matches, DeletedListConsent consent,
                                        bool recycle, DeletedList& list, const AutoDeletionAsk& ask) {
  AutoDeletionOutcome outcome;
  if (matches.empty()) return outcome;
  const bool agreed = consent == DeletedListConsent::Given || (consent == DeletedListConsent::Ask && ask(matches));
  if (!agreed) {
    for (const DeletedMatch& match : matches) outcome.kept.push_back(match.Path);
    return outcome;
  }
  for (const DeletedMatch& match : matches) {
    std::string reason;
    if (list.RemoveMatchedFile(match, recycle, reason))
      outcome.deleted.push_back({match.Path, match.Classic});
    else
      outcome.refused.push_back({match.Path, reason});
  }
  return outcome;
}

}  // namespace vl

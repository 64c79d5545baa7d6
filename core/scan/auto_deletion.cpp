// The question before the deleted-file list removes the files it matched, and the removals the user agreed to.
#include "core/scan/auto_deletion.h"

#include "core/components/user_text.h"
#include "core/host.h"

namespace vl {

namespace {

constexpr size_t ListedInQuestion = 20;

}  // namespace

std::string AutoDeletionQuestion(const std::vector<DeletedMatch>& matches, bool recycle) {
  uint64_t total = 0;
  for (const DeletedMatch& match : matches) total += match.sums.size;
  std::string text = FormatText(UserText("vl::core",
                                         "The deleted-file list matched %n files (%1) in the Compare List: copies of "
                                         "files that were deleted before.",
                                         nullptr, TextCount(matches.size())),
                                {SizeText(total)}) +
                     "\n";
  for (size_t i = 0; i < matches.size() && i < ListedInQuestion; ++i) text += "\n" + matches[i].path;
  if (matches.size() > ListedInQuestion)
    text += "\n" + UserText("vl::core", "... and %n more", nullptr, TextCount(matches.size() - ListedInQuestion));
  text += "\n\n" + (recycle ? UserText("vl::core", "Move them to the trash now?")
                             : UserText("vl::core", "Delete them for good now?"));
  return text + " " + UserText("vl::core", "Files that are not deleted stay out of this scan.");
}

std::string AutoDeletionDetails(const std::vector<DeletedMatch>& matches) {
  if (matches.size() <= ListedInQuestion) return "";
  std::string details;
  for (const DeletedMatch& match : matches) details += (details.empty() ? "" : "\n") + match.path;
  return details;
}

AutoDeletionOutcome ActOnDeletedMatches(const std::vector<DeletedMatch>& matches, DeletedListConsent consent,
                                        bool recycle, DeletedList& list, const AutoDeletionAsk& ask) {
  AutoDeletionOutcome outcome;
  if (matches.empty()) return outcome;
  const bool agreed = consent == DeletedListConsent::Given || (consent == DeletedListConsent::Ask && ask(matches));
  if (!agreed) {
    for (const DeletedMatch& match : matches) outcome.kept.push_back(match.path);
    return outcome;
  }
  for (const DeletedMatch& match : matches) {
    std::string reason;
    if (list.RemoveMatchedFile(match, recycle, reason))
      outcome.deleted.push_back({match.path, match.classic});
    else
      outcome.refused.push_back({match.path, reason});
  }
  return outcome;
}

}  // namespace vl

// The mark rule given by --keep and --protect.
#include "cli/mark_options.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>

#include "core/files/paths.h"

namespace vl::cli {

namespace {

// The folder made absolute; throws UsageError when it is no folder.
std::string protectedFolder(const std::string& folder) {
  struct stat st {};
  if (::stat(folder.c_str(), &st) != 0)
    throw UsageError{"--protect \"" + folder + "\": " + std::strerror(errno), false};
  if (!S_ISDIR(st.st_mode)) throw UsageError{"--protect \"" + folder + "\" is not a folder", false};
  return AbsolutePath(folder);
}

}  // namespace

bool KeepsNone(const ParsedArgs& parsed) { return parsed.value("keep") == "none"; }

std::optional<MarkRule> MarkRuleFromOptions(const ParsedArgs& parsed) {
  const auto keep = parsed.value("keep");
  if (!keep || KeepsNone(parsed)) {
    if (parsed.has("protect")) throw UsageError{"--protect goes with --keep CRITERIA"};
    return std::nullopt;
  }
  MarkRule rule;
  try {
    rule.keep = ParseKeepCriteria(*keep);
  } catch (const std::invalid_argument& error) {
    throw UsageError{error.what()};
  }
  for (KeepStep& step : rule.keep)
    if (step.criterion == KeepCriterion::InsideFolder) step.folder = AbsolutePath(step.folder);
  for (const std::string& folder : parsed.values("protect")) rule.protectedFolders.push_back(protectedFolder(folder));
  return rule;
}

}  // namespace vl::cli

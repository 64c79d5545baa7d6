// The mark rule given by --keep and --protect.
#include "cli/mark_options.h"

#include <stdexcept>

#include "core/files/paths.h"

namespace vl::cli {

std::optional<MarkRule> MarkRuleFromOptions(const ParsedArgs& parsed) {
  const auto keep = parsed.value("keep");
  if (!keep) {
    if (parsed.has("protect")) throw UsageError{"--protect goes with --keep"};
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
  for (const std::string& folder : parsed.values("protect")) rule.protectedFolders.push_back(AbsolutePath(folder));
  return rule;
}

}  // namespace vl::cli

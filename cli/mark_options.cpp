// The mark rule given by --keep and --protect.
#include "cli/mark_options.h"

#include <stdexcept>

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
  rule.protectedFolders = parsed.values("protect");
  return rule;
}

}  // namespace vl::cli

// velloran-cli match: tells whether a text matches a wildcard pattern.
#include <cstdio>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/output.h"
#include "core/files/wildcard.h"

namespace vl::cli {

int RunMatch(const Args& args) {
  static const char* usage =
      "usage: velloran-cli match PATTERN TEXT [--ignore-case]\n"
      "\n"
      "Prints true when TEXT matches PATTERN, else false. In the pattern \"*\" matches\n"
      "any run of characters, \"?\" any character, \"#\" a digit, \"@\" a letter A..Z or\n"
      "a..z; text left over after the pattern is accepted. --ignore-case folds the\n"
      "letters a..z only.\n";
  const ParsedArgs parsed(args, {}, {"ignore-case"});
  if (WantsHelp(parsed, usage)) return ExitOk;
  if (parsed.operands().size() != 2) return UsageFailure("match: needs a pattern and a text", usage);
  const bool matches = WildcardMatch(parsed.operands()[1], parsed.operands()[0], parsed.has("ignore-case"));
  std::puts(matches ? "true" : "false");
  return FinishOutput(ExitOk);
}

}  // namespace vl::cli

// velloran-cli match: placeholder until the command is built.
#include "cli/arguments.h"
#include "cli/commands.h"

namespace vl::cli {

int RunMatch(const Args& args) {
  static const char* usage = "usage: velloran-cli match\n";
  if (WantsHelp(args, usage)) return ExitOk;
  return UsageFailure("match: not built yet", usage);
}

}  // namespace vl::cli

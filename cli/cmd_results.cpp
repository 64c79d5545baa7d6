// velloran-cli results: placeholder until the command is built.
#include "cli/arguments.h"
#include "cli/commands.h"

namespace vl::cli {

int RunResults(const Args& args) {
  static const char* usage = "usage: velloran-cli results\n";
  if (WantsHelp(args, usage)) return ExitOk;
  return UsageFailure("results: not built yet", usage);
}

}  // namespace vl::cli

// velloran-cli scan: placeholder until the command is built.
#include "cli/arguments.h"
#include "cli/commands.h"

namespace vl::cli {

int RunScan(const Args& args) {
  static const char* usage = "usage: velloran-cli scan\n";
  if (WantsHelp(args, usage)) return ExitOk;
  return UsageFailure("scan: not built yet", usage);
}

}  // namespace vl::cli

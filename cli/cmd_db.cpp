// velloran-cli db: placeholder until the command is built.
#include "cli/arguments.h"
#include "cli/commands.h"

namespace vl::cli {

int RunDb(const Args& args) {
  static const char* usage = "usage: velloran-cli db\n";
  if (WantsHelp(args, usage)) return ExitOk;
  return UsageFailure("db: not built yet", usage);
}

}  // namespace vl::cli

// velloran-cli subfolders: placeholder until the command is built.
#include "cli/arguments.h"
#include "cli/commands.h"

namespace vl::cli {

int RunSubfolders(const Args& args) {
  static const char* usage = "usage: velloran-cli subfolders\n";
  if (WantsHelp(args, usage)) return ExitOk;
  return UsageFailure("subfolders: not built yet", usage);
}

}  // namespace vl::cli

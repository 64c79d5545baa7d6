// velloran-cli volumes: placeholder until the command is built.
#include "cli/arguments.h"
#include "cli/commands.h"

namespace vl::cli {

int RunVolumes(const Args& args) {
  static const char* usage = "usage: velloran-cli volumes\n";
  if (WantsHelp(args, usage)) return ExitOk;
  return UsageFailure("volumes: not built yet", usage);
}

}  // namespace vl::cli

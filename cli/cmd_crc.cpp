// velloran-cli crc: placeholder until the command is built.
#include "cli/arguments.h"
#include "cli/commands.h"

namespace vl::cli {

int RunCrc(const Args& args) {
  static const char* usage = "usage: velloran-cli crc\n";
  if (WantsHelp(args, usage)) return ExitOk;
  return UsageFailure("crc: not built yet", usage);
}

}  // namespace vl::cli

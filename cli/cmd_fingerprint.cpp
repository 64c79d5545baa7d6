// velloran-cli fingerprint: placeholder until the command is built.
#include "cli/arguments.h"
#include "cli/commands.h"

namespace vl::cli {

int RunFingerprint(const Args& args) {
  static const char* usage = "usage: velloran-cli fingerprint\n";
  if (WantsHelp(args, usage)) return ExitOk;
  return UsageFailure("fingerprint: not built yet", usage);
}

}  // namespace vl::cli

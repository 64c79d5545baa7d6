// velloran-cli db new / db add: placeholder until the commands are built.
#include "cli/arguments.h"
#include "cli/commands.h"

namespace vl::cli {

int RunDbNew(const Args& args) {
  static const char* usage = "usage: velloran-cli db new FILE.VDB [--subfolders] FOLDER...\n";
  if (WantsHelp(args, usage)) return ExitOk;
  return UsageFailure("db new: not built yet", usage);
}

int RunDbAdd(const Args& args) {
  static const char* usage = "usage: velloran-cli db add FILE.VDB [--no-freshen] [--subfolders] FOLDER...\n";
  if (WantsHelp(args, usage)) return ExitOk;
  return UsageFailure("db add: not built yet", usage);
}

}  // namespace vl::cli

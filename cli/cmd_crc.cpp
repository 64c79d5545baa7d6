// velloran-cli crc: prints the CRC-32 of files.
#include <cstdio>
#include <string>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "core/files/file_checks.h"

namespace vl::cli {

int RunCrc(const Args& args) {
  static const char* usage =
      "usage: velloran-cli crc FILE...\n"
      "\n"
      "Prints one line per file: its CRC-32 as eight lower-case hexadecimal digits, a\n"
      "tab and the path. A missing file gives ffffffff. Exit status 1 when a file\n"
      "exists but cannot be read (it is reported and the others are still done).\n";
  if (WantsHelp(args, usage)) return ExitOk;
  const ParsedArgs parsed(args, {}, {});
  if (parsed.operands().empty()) return UsageFailure("crc: needs at least one file", usage);
  int status = ExitOk;
  for (const std::string& file : parsed.operands()) {
    try {
      std::printf("%08x\t%s\n", FileCRC32(file), file.c_str());
    } catch (const FileAccessError& e) {
      std::fprintf(stderr, "velloran-cli: %s\n", e.what());
      status = ExitFailure;
    }
  }
  return std::fflush(stdout) == 0 ? status : ExitFailure;
}

}  // namespace vl::cli

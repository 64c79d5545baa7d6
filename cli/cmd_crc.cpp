// velloran-cli crc: prints the CRC-32 of files.
#include <cstdio>
#include <string>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/output.h"
#include "core/files/file_checks.h"

namespace vl::cli {

int RunCrc(const Args& args) {
  static const char* usage =
      "usage: velloran-cli crc [-0] FILE...\n"
      "\n"
      "Prints one line per file: its CRC-32 as eight lower-case hexadecimal digits, a\n"
      "tab and the path. A missing file gives ffffffff. Exit status 1 when a file\n"
      "exists but cannot be read (it is reported and the others are still done).\n"
      "\n" VELLORAN_ESCAPE_HELP;
  const ParsedArgs parsed(args, {}, {"0"});
  if (WantsHelp(parsed, usage)) return ExitOk;
  const LineOutput output(parsed.has("0"));
  if (parsed.operands().empty()) return UsageFailure("crc: needs at least one file", usage);
  int status = ExitOk;
  for (const std::string& file : parsed.operands()) {
    try {
      char crc[9];
      std::snprintf(crc, sizeof crc, "%08x", FileCRC32(file));
      output.write(crc + ('\t' + output.name(file)));
    } catch (const FileAccessError& e) {
      std::fprintf(stderr, "velloran-cli: %s\n", e.what());
      status = ExitFailure;
    }
  }
  return FinishOutput(status);
}

}  // namespace vl::cli

// velloran-cli: the command-line companion over the same core as the desktop program.
#include <cstdio>
#include <cstring>
#include <exception>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "core/fingerprint/fingerprint_cache.h"
#include "core/settings/settings.h"

namespace vl::cli {

const std::vector<Command>& AllCommands() {
  static const std::vector<Command> commands = {
      {"volumes", "print the volume table: root, type, label", RunVolumes},
      {"crc", "print the CRC-32 of files", RunCrc},
      {"subfolders", "list every folder below a folder, breadth first", RunSubfolders},
      {"match", "test a text against a wildcard pattern", RunMatch},
      {"fingerprint", "print the fingerprint, width and height of pictures", RunFingerprint},
      {"scan", "scan folder lists for duplicates", RunScan},
      {"db", "create, extend or dump image databases", RunDb},
      {"results", "print, export or mark the groups of a results file, or delete its marked files", RunResults},
      {"cache", "show the fingerprint cache's size or empty it", RunCache},
      {"notdupes", "remember, list or forget pairs that are not duplicates", RunNotDuplicates},
  };
  return commands;
}

namespace {

void printUsage(FILE* out) {
  std::fputs("usage: velloran-cli COMMAND [ARGS...]\n       velloran-cli COMMAND --help\n\ncommands:\n", out);
  for (const Command& command : AllCommands()) std::fprintf(out, "  %-12s %s\n", command.name, command.summary);
}

}  // namespace

}  // namespace vl::cli

int main(int argc, char** argv) {
  using namespace vl::cli;
  if (argc < 2) {
    printUsage(stderr);
    return ExitUsage;
  }
  if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
    printUsage(stdout);
    return ExitOk;
  }
  if (std::strcmp(argv[1], "--version") == 0) {
    std::printf("velloran-cli %s\nsettings: %s\ncache: %s\n", VELLORAN_VERSION, vl::AppIniFileName().c_str(),
                vl::DefaultFingerprintCachePath().c_str());
    return ExitOk;
  }
  for (const Command& command : AllCommands()) {
    if (std::strcmp(argv[1], command.name) != 0) continue;
    try {
      return command.run(Args(argv + 2, argv + argc));
    } catch (const UsageError& e) {
      std::fprintf(stderr, "velloran-cli: %s\n", e.text.c_str());
      if (e.withHint) std::fprintf(stderr, "(see velloran-cli %s --help)\n", command.name);
      return ExitUsage;
    } catch (const std::exception& e) {
      std::fprintf(stderr, "velloran-cli: %s\n", e.what());
      return ExitFailure;
    }
  }
  std::fprintf(stderr, "velloran-cli: unknown command '%s'\n", argv[1]);
  printUsage(stderr);
  return ExitUsage;
}

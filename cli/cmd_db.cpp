// velloran-cli db: dispatches "new", "add" and "dump"; "dump" prints a database's records.
#include <charconv>
#include <cstdio>
#include <string>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/output.h"
#include "core/database/database_file.h"
#include "core/files/paths.h"

namespace vl::cli {

namespace {

const char* const DbUsage =
    "usage: velloran-cli db SUBCOMMAND [ARGS...]\n"
    "\n"
    "subcommands:\n"
    "  new FILE.VDB [--subfolders] FOLDER...    create a database of the pictures in folders\n"
    "  add FILE.VDB [--no-freshen] [--freshen-removes] [--subfolders] FOLDER...\n"
    "                                           add folders to a database and freshen it\n"
    "  dump FILE.VDB                            print every record of a database\n"
    "\n"
    "see velloran-cli db SUBCOMMAND --help\n";

const char* const DumpUsage =
    "usage: velloran-cli db dump FILE.VDB\n"
    "\n"
    "Prints one line per record, tab-separated: flag, path, volume label, size, date\n"
    "(days since 30 December 1899, shortest exact form), width, height and the 100\n"
    "fingerprint codes as digits (\"?\" for a byte above 9). The path and the label\n"
    "are escaped: a backslash is written \\\\, a tab \\t, a line feed \\n and any other\n"
    "control byte \\xHH. Exit status 1 when the file is missing, not a database, of\n"
    "another version or damaged.\n";

void appendNumber(std::string& line, auto value) {
  char text[32];
  const auto result = std::to_chars(text, text + sizeof text, value);
  line.append(text, result.ptr);
}

std::string recordLine(const TScanEntry& entry) {
  std::string line;
  appendNumber(line, int{entry.Excluded});
  line += '\t' + EscapedField(entry.Path) + '\t' + EscapedField(entry.Volume) + '\t';
  appendNumber(line, entry.Size);
  line += '\t';
  appendNumber(line, entry.FileDate);
  line += '\t';
  appendNumber(line, entry.Width);
  line += '\t';
  appendNumber(line, entry.Height);
  line += '\t';
  for (const uint8_t code : *entry.Fingerprint) line += code <= 9 ? static_cast<char>('0' + code) : '?';
  line += '\n';
  return line;
}

int runDump(const Args& args) {
  const ParsedArgs parsed(args, {}, {});
  if (WantsHelp(parsed, DumpUsage)) return ExitOk;
  if (parsed.operands().size() != 1) return UsageFailure("db dump: needs exactly one database file", DumpUsage);
  const std::string& fileName = parsed.operands()[0];
  if (!FileExists(fileName)) {
    std::fprintf(stderr, "%s\n", MissingDatabaseMessage(fileName).c_str());
    return ExitFailure;
  }
  DatabaseOutcome outcome = DatabaseOutcome::Invalid;
  try {
    outcome = ReadDatabaseRecords(fileName, [](std::unique_ptr<TScanEntry> entry) {
      const std::string line = recordLine(*entry);
      std::fwrite(line.data(), 1, line.size(), stdout);
    });
  } catch (const DatabaseDataError& e) {
    std::fflush(stdout);
    std::fprintf(stderr, "%s\n", DamagedDatabaseMessage(fileName, e.what()).c_str());
    return ExitFailure;
  }
  if (outcome == DatabaseOutcome::Readable) return FinishOutput(ExitOk);
  const std::string message =
      outcome == DatabaseOutcome::Invalid ? InvalidDatabaseMessage(fileName) : DatabaseVersionMessage(fileName);
  std::fprintf(stderr, "%s\n", message.c_str());
  return ExitFailure;
}

}  // namespace

int RunDb(const Args& args) {
  if (args.empty()) return UsageFailure("db: needs a subcommand", DbUsage);
  const std::string& subcommand = args[0];
  const Args rest(args.begin() + 1, args.end());
  if (subcommand == "dump") return runDump(rest);
  if (subcommand == "new") return RunDbNew(rest);
  if (subcommand == "add") return RunDbAdd(rest);
  if (subcommand == "--help" || subcommand == "-h") {
    std::fputs(DbUsage, stdout);
    return ExitOk;
  }
  return UsageFailure("db: unknown subcommand '" + subcommand + "'", DbUsage);
}

}  // namespace vl::cli

// The subcommands of velloran-cli; each takes its own arguments (after the command name).
#pragma once

#include <string>
#include <vector>

namespace vl::cli {

// Exit statuses shared by every subcommand.
enum ExitStatus { ExitOk = 0, ExitFailure = 1, ExitUsage = 2, ExitCancelled = 130 };

using Args = std::vector<std::string>;

struct Command {
  const char* name;
  const char* summary;
  int (*run)(const Args& args);
};

// Every subcommand, in the order `velloran-cli --help` lists them.
const std::vector<Command>& AllCommands();

int RunVolumes(const Args& args);
int RunCrc(const Args& args);
int RunSubfolders(const Args& args);
int RunMatch(const Args& args);
int RunFingerprint(const Args& args);
int RunScan(const Args& args);
int RunDb(const Args& args);
// "db new" and "db add", called by RunDb.
int RunDbNew(const Args& args);
int RunDbAdd(const Args& args);
int RunResults(const Args& args);
class ParsedArgs;
// "results mark FILE.vlr", called by RunResults.
int RunResultsMark(const ParsedArgs& parsed, const std::string& fileName);
int RunCache(const Args& args);
int RunNotDuplicates(const Args& args);

}  // namespace vl::cli

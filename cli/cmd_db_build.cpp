// velloran-cli db new / db add: build a database from folders or extend and freshen one.
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "cli/arguments.h"
#include "cli/cli_host.h"
#include "cli/commands.h"
#include "cli/folder_entries.h"
#include "core/database/database_builder.h"
#include "core/settings/settings.h"

namespace vl::cli {

namespace {

// A missing database cancels the operation after its error message: a failure, not a Ctrl-C.
int exitFor(BuildOutcome outcome, const CliHost& host) {
  if (outcome == BuildOutcome::Written) return ExitOk;
  return outcome == BuildOutcome::Cancelled && host.errorCount() == 0 ? ExitCancelled : ExitFailure;
}

using Operation = BuildResult (*)(const DatabaseRequest&, const CancelToken&, ProgressSink&);

// Parses, checks the operands and runs the operation on its own thread with the
// settings file's values and the options over them; its messages go to standard error.
int runBuild(const Args& args, const char* usage, const std::vector<std::string>& flags, Operation operation) {
  std::vector<std::string> allFlags = flags;
  allFlags.insert(allFlags.end(), {ModernFormatsFlag, ClassicFormatsFlag});
  const ParsedArgs parsed(args, {"jobs"}, allFlags);
  if (WantsHelp(parsed, usage)) return ExitOk;
  const int jobs = parsed.intValue("jobs", 0);
  if (parsed.operands().size() < 2) return UsageFailure("needs a database file and at least one folder", usage);
  const std::vector<std::string> folders(parsed.operands().begin() + 1, parsed.operands().end());
  CheckFolderEntries(folders, "folder");
  const Settings settings = LoadSettings();
  DatabaseRequest request = DatabaseRequestFromSettings(settings);
  request.fileName = parsed.operands()[0];
  request.folders = AbsoluteEntries(folders);
  request.subfolders = parsed.has("subfolders");
  request.freshen = !parsed.has("no-freshen");
  request.gone = parsed.has("freshen-removes") ? GoneRecords::Remove : GoneRecords::Keep;
  request.jobs = jobs;
  request.useCache = !parsed.has("no-cache");
  request.modernImageFormats = ModernTypesOf(parsed, settings.modernImageFormats);
  CliHost host;
  BuildResult result;
  RunJob(host, [&](const CancelToken& cancel, ProgressSink& sink) { result = operation(request, cancel, sink); });
  for (const JobMessage& message : result.messages) ShowJobMessage(host, message);
  if (result.changes.keptGone > 0)
    std::fprintf(stderr, "velloran-cli: give --freshen-removes to remove the %zu records kept\n",
                 result.changes.keptGone);
  const int status = exitFor(result.outcome, host);
  // A damaged database among the folder entries is left out after its message: a failure.
  return status == ExitOk && host.errorCount() > 0 ? ExitFailure : status;
}

}  // namespace

int RunDbNew(const Args& args) {
  static const char* usage =
      "usage: velloran-cli db new FILE.VDB [--subfolders] FOLDER...\n"
      "\n"
      "Writes a database of the pictures directly inside each FOLDER (with --subfolders\n"
      "also of every folder below), replacing FILE.VDB once the new file is complete.\n"
      "--jobs N decodes on N threads (default: the hardware threads); --no-cache\n"
      "decodes every picture and leaves the fingerprint cache alone. --modern-formats\n"
      "and --classic-formats choose the picture types as for scan. Exit status:\n"
      "0 written, 1 after an error message, 2 bad usage (also a FOLDER that does not\n"
      "exist), 130 cancelled.\n";
  return runBuild(args, usage, {"subfolders", "no-cache"}, NewDatabase);
}

int RunDbAdd(const Args& args) {
  static const char* usage =
      "usage: velloran-cli db add FILE.VDB [--no-freshen] [--freshen-removes] [--subfolders]\n"
      "         FOLDER...\n"
      "\n"
      "Adds the pictures of each FOLDER not yet recorded under the same path and, unless\n"
      "--no-freshen, re-reads recorded pictures that changed. Records of files gone from\n"
      "a present volume are removed, but when they are more than a tenth of the database\n"
      "(a folder renamed or offline looks like that) they are kept unless\n"
      "--freshen-removes is given. The summary counts the records added, refreshed,\n"
      "removed and kept.\n"
      "--jobs N decodes on N threads (default: the hardware threads); --no-cache\n"
      "decodes every picture and leaves the fingerprint cache alone. --modern-formats\n"
      "and --classic-formats choose the picture types as for scan. Exit status:\n"
      "0 written, 1 after an error message (also a missing FILE.VDB), 2 bad usage\n"
      "(also a FOLDER that does not exist), 130 cancelled.\n";
  return runBuild(args, usage, {"subfolders", "no-freshen", "freshen-removes", "no-cache"}, AddToDatabase);
}

}  // namespace vl::cli

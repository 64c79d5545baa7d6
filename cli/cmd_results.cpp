// velloran-cli results: prints or exports the groups of a results file, marks them by a keep
// rule, or deletes its marked files.
#include <cstdio>
#include <map>
#include <set>

#include "cli/arguments.h"
#include "cli/cli_host.h"
#include "cli/commands.h"
#include "cli/mark_options.h"
#include "cli/output.h"
#include "cli/results_printer.h"
#include "core/files/file_lock.h"
#include "core/results/file_operations.h"
#include "core/results/results_file.h"
#include "core/settings/settings.h"

namespace vl::cli {

namespace {

const char* const Usage =
    "usage: velloran-cli results dump [-0] [--format tsv|json|csv] FILE.vlr\n"
    "       velloran-cli results mark --keep CRITERIA [--protect DIR]... FILE.vlr\n"
    "       velloran-cli results delete-marked [--permanently] [--dry-run] [--allow-last-copy] [-0] FILE.vlr\n"
    "  dump: prints each group of a results file: G, marked, base path; then D, error\n"
    "  count, marked, path for each duplicate (tab-separated)\n"
    "  mark: marks the files of each group but one by the rule and rewrites the file\n"
    "  delete-marked: moves every marked file of the results file to the trash and\n"
    "  rewrites the results file without them; prints \"trashed\" (\"deleted\" with\n"
    "  --permanently) and the path for each file, \"would-trash\" or \"would-delete\"\n"
    "  with --dry-run, which makes the same checks and writes nothing. A file is\n"
    "  deleted only while it is still the file the scan saw: a regular file reached\n"
    "  with no symbolic link on the way, of the recorded size and date, and (against\n"
    "  a copy that stays) of the same contents, or for pictures a picture that still\n"
    "  matches within the recorded error count. Other files are skipped, and so are\n"
    "  the marked files of a group that would keep no unchanged copy, unless\n"
    "  --allow-last-copy; each skipped file is named on standard error with the\n"
    "  reason. Deleted files enter the deleted-file list when the settings have it in\n"
    "  use. Exit status 1 when a file could not be deleted (or read, with --dry-run).\n"
    "\n" VELLORAN_ESCAPE_HELP VELLORAN_FORMAT_HELP "\n" VELLORAN_KEEP_HELP;

// The options of each subcommand; those of another one are bad usage.
const std::map<std::string, std::set<std::string>> SubcommandOptions = {
    {"dump", {"format", "0"}},
    {"mark", {"keep", "protect"}},
    {"delete-marked", {"permanently", "dry-run", "allow-last-copy", "0"}},
};

void refuseOtherOptions(const ParsedArgs& parsed, const std::string& subcommand) {
  const std::set<std::string>& own = SubcommandOptions.at(subcommand);
  for (const auto& [name, options] : SubcommandOptions)
    for (const std::string& option : options)
      if (parsed.has(option) && !own.count(option))
        throw UsageError{"results " + subcommand + ": " + (option == "0" ? "-0" : "--" + option) + " does not apply"};
}

int Dump(const ParsedArgs& parsed, const std::string& fileName) {
  CliHost host;
  ResultsModel model;
  const ResultsFileOutcome outcome = LoadResults(fileName, model, host);
  if (outcome.status == ResultsFileStatus::VersionMismatch)
    std::fprintf(stderr, "velloran-cli: \"%s\" is not a results file of this version\n", fileName.c_str());
  if (!outcome.succeeded()) return ExitFailure;
  PrintResultsAs(parsed, model, stdout);
  return FinishOutput(ExitOk);
}

void reportSkipped(const std::string& path, const std::string& reason) {
  std::fprintf(stderr, "velloran-cli: skipped: %s: %s\n", path.c_str(), reason.c_str());
}

// The marked files and what to do with them, the last-copy groups left alone unless allowed.
DeletionPlan planFor(const ResultsModel& model, bool allowLastCopy) {
  DeletionPlan plan = PlanDeletion(model, MarkedFilesOfAllGroups(model));
  if (!allowLastCopy) plan.skipLastCopyGroups();
  return plan;
}

// Prints a line per file deleted and names the others; true when none failed.
bool reportDeletions(const DeletionReport& report, const char* verb, const LineOutput& output) {
  for (const FileResult& file : report.Files) {
    if (file.Outcome == FileOutcome::Done) {
      output.write(std::string(verb) + "\t" + output.name(file.Path));
      if (!file.Reason.empty()) std::fprintf(stderr, "velloran-cli: warning: %s\n", file.describe().c_str());
    } else if (file.Outcome == FileOutcome::Failed) {
      std::fprintf(stderr, "velloran-cli: cannot delete %s\n", file.describe().c_str());
    } else {
      reportSkipped(file.Path, file.Reason);
    }
  }
  return !report.anyFailed();
}

// Loads the deleted-file list so that deletions can be recorded; false (said on
// standard error) when it cannot be read, so that nothing is deleted unrecorded.
bool loadDeletedList(DeletedList& list, CliHost& host) {
  const int errorsBefore = host.errorCount();
  try {
    list.LoadDeletedList(host);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "velloran-cli: %s: %s\n", DeletedList::fileName().c_str(), e.what());
    return false;
  }
  return host.errorCount() == errorsBefore;
}

bool saveDeletedList(const DeletedList& list) {
  try {
    list.SaveDeletedList();
    return true;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "velloran-cli: %s\n", e.what());
    return false;
  }
}

bool rewriteResults(const std::string& fileName, const ResultsModel& model) {
  const ResultsFileOutcome outcome = SaveResults(fileName, model);
  if (!outcome.succeeded()) std::fprintf(stderr, "velloran-cli: %s\n", outcome.message.c_str());
  return outcome.succeeded();
}

// Deletes the plan's files, recording them in the deleted-file list when it is in
// use, and rewrites the results file without them. The exit status.
int deletePlanned(const DeletionPlan& plan, ResultsModel& model, const std::string& fileName,
                  const ParsedArgs& parsed, const Settings& settings, CliHost& host) {
  DeleteOptions options = DeleteOptionsOf(settings);
  options.Recycle = !parsed.has("permanently");
  DeletedList list;
  std::optional<FileLock> listLock;
  if (options.RecordDeleted) {
    listLock.emplace(DeletedList::fileName());
    if (!LockWaiting(*listLock, DeletedList::fileName()) || !loadDeletedList(list, host)) return ExitFailure;
  }
  FileOperations operations(model, list, host);
  const DeletionReport report = operations.DeletePlanned(plan, options);
  bool allWent = reportDeletions(report, options.Recycle ? "trashed" : "deleted", LineOutput(parsed.has("0")));
  if (report.count(FileOutcome::Done) > 0) {
    if (options.RecordDeleted) allWent = saveDeletedList(list) && allWent;
    allWent = rewriteResults(fileName, model) && allWent;
  }
  return allWent ? ExitOk : ExitFailure;
}

// --dry-run: every check a deletion makes (every file read when the deleted-file list
// would record it), and nothing written: no lock file, no deleted-file list, no
// fingerprint cache.
int DryRun(const ParsedArgs& parsed, const std::string& fileName, const Settings& settings, CliHost& host) {
  ResultsModel model;
  if (!LoadResults(fileName, model, host).succeeded()) return ExitFailure;
  const DeletionPlan plan = planFor(model, parsed.has("allow-last-copy"));
  DeletedList unused;
  DeleteOptions options = DeleteOptionsOf(settings);
  options.Recycle = !parsed.has("permanently");
  options.UseFingerprintCache = false;
  const DeletionReport report = FileOperations(model, unused, host).CheckPlanned(plan, options);
  const char* verb = parsed.has("permanently") ? "would-delete" : "would-trash";
  return FinishOutput(reportDeletions(report, verb, LineOutput(parsed.has("0"))) ? ExitOk : ExitFailure);
}

int DeleteMarked(const ParsedArgs& parsed, const std::string& fileName) {
  const Settings settings = LoadSettings();
  InstallCancelOnInterrupt();
  CliHost host;
  if (parsed.has("dry-run")) return DryRun(parsed, fileName, settings, host);
  FileLock lock(fileName);
  if (!LockWaiting(lock, fileName)) return ExitFailure;
  ResultsModel model;
  if (!LoadResults(fileName, model, host).succeeded()) return ExitFailure;
  const DeletionPlan plan = planFor(model, parsed.has("allow-last-copy"));
  return FinishOutput(deletePlanned(plan, model, fileName, parsed, settings, host));
}

}  // namespace

int RunResults(const Args& args) {
  const ParsedArgs parsed(args, {"format", "keep", "protect"}, {"0", "permanently", "dry-run", "allow-last-copy"});
  if (WantsHelp(parsed, Usage)) return ExitOk;
  const Args& operands = parsed.operands();
  const std::string command = operands.empty() ? std::string() : operands[0];
  if (command != "dump" && command != "mark" && command != "delete-marked")
    return UsageFailure("results: expected 'dump', 'mark' or 'delete-marked'", Usage);
  if (operands.size() != 2) return UsageFailure("results " + command + ": expected one results file", Usage);
  refuseOtherOptions(parsed, command);
  if (command == "mark") return RunResultsMark(parsed, operands[1]);
  if (command == "delete-marked") return DeleteMarked(parsed, operands[1]);
  CheckResultsFormat(parsed);
  return Dump(parsed, operands[1]);
}

}  // namespace vl::cli

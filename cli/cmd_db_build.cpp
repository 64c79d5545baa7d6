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
#include "core/fingerprint/fingerprint_cache.h"
#include "core/settings/settings.h"

namespace vl::cli {

namespace {

// The folder operands after FILE.VDB; throws UsageError for one that is not a folder.
std::vector<std::string> FolderEntries(const ParsedArgs& parsed) {
  const std::vector<std::string> folders(parsed.operands().begin() + 1, parsed.operands().end());
  CheckFolderEntries(folders, "folder");
  return ExpandFolderEntries(folders, parsed.has("subfolders"));
}

// A missing database cancels the operation after its error message: a failure, not a Ctrl-C.
int exitFor(BuildOutcome outcome, const CliHost& host) {
  if (outcome == BuildOutcome::Written) return ExitOk;
  return outcome == BuildOutcome::Cancelled && host.errorCount() == 0 ? ExitCancelled : ExitFailure;
}

// Parses, checks the operands and runs the operation with the CLI host and, unless
// --no-cache, the fingerprint cache.
template <typename Operation>
int runBuild(const Args& args, const char* usage, const std::vector<std::string>& flags, Operation operation) {
  std::vector<std::string> allFlags = flags;
  allFlags.insert(allFlags.end(), {ModernFormatsFlag, ClassicFormatsFlag});
  const ParsedArgs parsed(args, {"jobs"}, allFlags);
  if (WantsHelp(parsed, usage)) return ExitOk;
  FingerprintOptions options{parsed.intValue("jobs", 0)};
  if (parsed.operands().size() < 2) return UsageFailure("needs a database file and at least one folder", usage);
  const std::vector<std::string> folders = FolderEntries(parsed);
  LoadSettings();
  ApplyPictureTypeFlags(parsed);
  InstallCancelOnInterrupt();
  CliHost host;
  std::optional<FingerprintCache> cache;
  if (!parsed.has("no-cache")) options.cache = &cache.emplace();
  const int status = exitFor(operation(parsed.operands()[0], folders, parsed, options, host), host);
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
  return runBuild(args, usage, {"subfolders", "no-cache"},
                  [](const std::string& file, const std::vector<std::string>& folders, const ParsedArgs&,
                     const FingerprintOptions& options,
                     CliHost& host) { return NewDatabase(file, folders, host, options); });
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
  return runBuild(args, usage, {"subfolders", "no-freshen", "freshen-removes", "no-cache"},
                  [](const std::string& file, const std::vector<std::string>& folders, const ParsedArgs& parsed,
                     const FingerprintOptions& options, CliHost& host) {
                    const GoneRecords gone = parsed.has("freshen-removes") ? GoneRecords::Remove : GoneRecords::Keep;
                    DatabaseChanges changes;
                    const BuildOutcome outcome =
                        AddToDatabase(file, folders, !parsed.has("no-freshen"), host, options, gone, &changes);
                    if (changes.keptGone > 0)
                      std::fprintf(stderr, "velloran-cli: give --freshen-removes to remove the %zu records kept\n",
                                   changes.keptGone);
                    return outcome;
                  });
}

}  // namespace vl::cli

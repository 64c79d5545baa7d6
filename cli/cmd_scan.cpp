// velloran-cli scan: a whole scan from two folder lists, the groups on standard output.
#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "cli/arguments.h"
#include "cli/cli_host.h"
#include "cli/commands.h"
#include "cli/folder_entries.h"
#include "cli/mark_options.h"
#include "cli/output.h"
#include "cli/results_printer.h"
#include "core/results/results_file.h"
#include "core/results/results_model.h"
#include "core/results/deleted_list.h"
#include "core/fingerprint/scan_entry.h"
#include "core/settings/folder_lists.h"
#include "core/scan/not_duplicates.h"
#include "core/scan/scan_driver.h"
#include "core/settings/settings.h"

namespace vl::cli {

namespace {

const char* const Usage =
    "usage: velloran-cli scan [--mode images|names|names-size|contents] [--mask TEXT]\n"
    "         [--base ENTRY]... [--compare ENTRY]... [--base-list FILE] [--compare-list FILE]\n"
    "         [--subfolders] [--fuzz N] [--use-deleted-list | --no-deleted-list]\n"
    "         [--save-results FILE.vlr] [--jobs N] [--no-cache] [--reference] [-0]\n"
    "         [--verify | --classic] [--rotations]\n"
    "         [--keep CRITERIA [--protect DIR]... | --keep none] [--format tsv|json|csv]\n"
    "         [--modern-formats | --classic-formats]\n"
    "         [--ignore-not-duplicates]\n"
    "\n"
    "Scans the compare entries against themselves, or against the base entries when\n"
    "there are any. An ENTRY is a folder or a database file; a list FILE holds one\n"
    "entry per line (a regular file of at most 16 MB). A folder entry that does not\n"
    "exist is bad usage. --subfolders adds every folder below each folder entry. The\n"
    "mask defaults to the image files; the fuzz factor and the deleted-list use\n"
    "default to the settings file. --jobs sets the worker threads (0: one per core),\n"
    "--no-cache leaves the fingerprint cache alone, --reference runs the plain\n"
    "pairing loops. --verify confirms each picture pair by a finer signature (the\n"
    "setting Find edited copies, on in a new settings file); --classic pairs pictures\n"
    "by their classic fingerprints alone and applies no stored or default keep rule\n"
    "(only --keep), whatever the settings file says. --rotations also finds pictures\n"
    "turned by 90, 180 or 270 degrees or mirrored (with --classic only when given).\n"
    "--modern-formats also takes PNG, TIFF, WebP, HEIF, AVIF, JPEG XL and camera raw\n"
    "files as pictures, --classic-formats only JPEG, GIF and BMP (and icons and\n"
    "metafiles); the default is the settings file's.\n"
    "An image scan never pairs two pictures remembered as not duplicates (velloran-cli\n"
    "notdupes) unless --ignore-not-duplicates is given.\n"
    "\n"
    "\n"
    "The deleted-file list (scans against a base only) removes the compare files it\n"
    "matches only with --use-deleted-list: each goes to the trash while the setting\n"
    "Delete to Recycle Bin is on, after a check that it is still the file that matched,\n"
    "and is named in a line \"velloran-cli: auto-deleted: PATH\". With the setting Use\n"
    "Deleted List alone nothing is deleted: each match is named in a line\n"
    "\"velloran-cli: would auto-delete: PATH\". Matched files stay out of the scan\n"
    "either way. A file back at the place it was deleted from (restored from the\n"
    "trash) is no match: it is scanned, and the list forgets its contents.\n"
    "\n"
    "Output: per group \"G<TAB>marked<TAB>base path\", then per duplicate\n"
    "\"D<TAB>errors<TAB>marked<TAB>path\". Messages go to standard error; so does a line\n"
    "\"velloran-cli: cannot read PATH: REASON\" for every file or folder that could not\n"
    "be read.\n"
    VELLORAN_ESCAPE_HELP
    VELLORAN_FORMAT_HELP
    "\n"
    VELLORAN_KEEP_HELP
    "The rule applies after the auto-mark thresholds; without --keep the rule stored\n"
    "by the window's Mark by Rule dialog applies when its \"Apply after every scan\" is on.\n"
    "While there is no settings file that rule is the default one: among the files the\n"
    "thresholds marked in a group, keep resolution, then largest, plain-name, oldest\n"
    "and shortest-path, and leave unmarked files unmarked. --keep none applies no rule.\n"
    "\n"
    "Exit status: 0 scanned to the end, 1 after an error message (a missing or\n"
    "damaged database or not-duplicate list, a results file or the deleted-file list\n"
    "not saved), 2 bad usage or nothing to compare (no entries, base entries that give\n"
    "no files, or no files in the compare entries), 130 cancelled.\n";

ScanMode scanModeNamed(const std::string& name) {
  static const char* const names[] = {"images", "names", "names-size", "contents"};
  for (int mode = 0; mode < 4; ++mode)
    if (name == names[mode]) return static_cast<ScanMode>(mode);
  throw UsageError{"unknown mode: " + name};
}

// The entries of the list file (when given) followed by the repeated option's values,
// made absolute; throws UsageError for a folder entry that does not exist.
std::vector<std::string> folderEntries(const ParsedArgs& parsed, const std::string& listOption,
                                       const std::string& entryOption) {
  std::vector<std::string> entries;
  if (auto listFile = parsed.value(listOption)) {
    entries = LoadFolderListFile(*listFile);
    CheckFolderEntries(entries, "--" + listOption + " " + *listFile);
  }
  CheckFolderEntries(parsed.values(entryOption), "--" + entryOption);
  for (const auto& entry : parsed.values(entryOption)) entries.push_back(entry);
  return AbsoluteEntries(entries);
}

// The rule of --keep, else (without "--keep none") the stored one when it applies
// after every scan.
std::optional<MarkRule> markRuleOf(const ParsedArgs& parsed) {
  if (auto rule = MarkRuleFromOptions(parsed)) return rule;
  if (KeepsNone(parsed)) return std::nullopt;
  MarkRule stored = LoadMarkRule();
  if (stored.applyAfterScan) return stored;
  return std::nullopt;
}

// The deleted-file list's use: --use-deleted-list removes its matches, the setting
// alone names them; --no-deleted-list leaves it alone.
void applyDeletedListOptions(const ParsedArgs& parsed, ScanRequest& request) {
  if (parsed.has("use-deleted-list") && parsed.has("no-deleted-list"))
    throw UsageError{"--use-deleted-list and --no-deleted-list exclude each other"};
  if (parsed.has("use-deleted-list")) request.useDeletedList = true;
  if (parsed.has("no-deleted-list")) request.useDeletedList = false;
  request.deletedListConsent =
      parsed.has("use-deleted-list") ? DeletedListConsent::Given : DeletedListConsent::ReportOnly;
}

// The matcher: the settings' verification and rotations with --verify and
// --rotations over them; --classic leaves out verification, the stored rotations
// and the stored or default keep rule.
void applyMatcherOptions(const ParsedArgs& parsed, ScanRequest& request) {
  const bool classic = parsed.has("classic");
  if (classic && parsed.has("verify")) throw UsageError{"--classic and --verify exclude each other"};
  request.verifyMatches = !classic && (request.verifyMatches || parsed.has("verify"));
  request.matchRotations = (!classic && request.matchRotations) || parsed.has("rotations");
  request.keepRule = classic ? MarkRuleFromOptions(parsed) : markRuleOf(parsed);
}

// The request: the settings file's values with the options over them, checked.
ScanRequest requestOf(const ParsedArgs& parsed) {
  const Settings settings = LoadSettings();
  ScanRequest request = ScanRequestFromSettings(settings);
  request.mode = scanModeNamed(parsed.value("mode").value_or("images"));
  request.fuzzFactor = parsed.intValue("fuzz", settings.fuzzFactor);
  applyMatcherOptions(parsed, request);
  request.modernImageFormats = ModernTypesOf(parsed, settings.modernImageFormats);
  request.mask = parsed.value("mask").value_or(ImageFilesMask(request.modernImageFormats));
  applyDeletedListOptions(parsed, request);
  if (!parsed.has("ignore-not-duplicates")) request.notDuplicatesFile = NotDuplicatesFileName();
  request.jobs = parsed.intValue("jobs", 0);
  request.useCache = !parsed.has("no-cache");
  request.reference = parsed.has("reference");
  request.subfolders = parsed.has("subfolders");
  request.baseEntries = folderEntries(parsed, "base-list", "base");
  request.compareEntries = folderEntries(parsed, "compare-list", "compare");
  if (std::string problem = ValidateScanRequest(request); !problem.empty()) throw UsageError{problem};
  return request;
}

// The lines about single files on standard error: matches not removed, deletions,
// refusals and files that could not be read.
void reportFiles(const ScanOutcome& outcome, const AutoDeletionOutcome& deletion, bool reportOnly) {
  if (reportOnly)
    for (const std::string& path : deletion.kept)
      std::fprintf(stderr, "velloran-cli: would auto-delete: %s\n", EscapedField(path).c_str());
  for (const AutoDeletedFile& deleted : deletion.deleted)
    std::fprintf(stderr, "velloran-cli: auto-deleted: %s\n", EscapedField(deleted.path).c_str());
  for (const UnreadableFile& file : deletion.refused)
    std::fprintf(stderr, "velloran-cli: not auto-deleted: %s: %s\n", EscapedField(file.path).c_str(),
                 file.reason.c_str());
  for (const UnreadableFile& file : outcome.unreadable)
    std::fprintf(stderr, "velloran-cli: cannot read %s: %s\n", EscapedField(file.path).c_str(), file.reason.c_str());
}

// Saves what the scan changed in the deleted-file list (contents of restored files
// forgotten); false, said on standard error, when that failed.
bool saveDeletedListChanges(DeletedList& list) {
  try {
    list.SaveChanges();
    return true;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "velloran-cli: %s\n", e.what());
    return false;
  }
}

// Nothing to compare is bad usage even though its message is an error; otherwise
// any error message (a missing database cancels the scan after one) is a failure, not a Ctrl-C.
// A base list emptied by a damaged database is a failure: its message comes before the stop's.
int exitFor(ScanEnd end, const CliHost& host) {
  if (end == ScanEnd::EmptyBaseList) return host.errorCount() > 1 ? ExitFailure : ExitUsage;
  if (end == ScanEnd::NoFolders || end == ScanEnd::EmptyCompareList) return ExitUsage;
  if (host.errorCount() > 0 || end == ScanEnd::Failed) return ExitFailure;
  return end == ScanEnd::Cancelled ? ExitCancelled : ExitOk;
}

// Saves the results when asked (messages through the host); false when saving failed.
bool saveResultsIfAsked(const ParsedArgs& parsed, const ResultsModel& results, CliHost& host) {
  const auto file = parsed.value("save-results");
  return !file || SaveResults(*file, results, host).succeeded();
}

int scan(const ParsedArgs& parsed) {
  CheckResultsFormat(parsed);
  const ScanRequest request = requestOf(parsed);
  CliHost host;
  DeletedList deletedList;
  ScanOutcome outcome;
  RunJob(host, [&](const CancelToken& cancel, ProgressSink& sink) {
    outcome = RunScanJob(request, deletedList, cancel, sink);
  });
  const AutoDeletionOutcome deletion = FinishScan(request, outcome, deletedList, host, {});
  reportFiles(outcome, deletion, request.deletedListConsent == DeletedListConsent::ReportOnly);
  const bool listSaved = !request.useDeletedList || saveDeletedListChanges(deletedList);
  if (outcome.end == ScanEnd::Completed || outcome.end == ScanEnd::Cancelled) {
    PrintResultsAs(parsed, outcome.results, stdout);
    if (!saveResultsIfAsked(parsed, outcome.results, host)) return FinishOutput(ExitFailure);
  }
  const int status = exitFor(outcome.end, host);
  return FinishOutput(status == ExitOk && !listSaved ? ExitFailure : status);
}

}  // namespace

int RunScan(const Args& args) {
  const ParsedArgs parsed(args, {"mode", "mask", "base", "compare", "base-list", "compare-list", "fuzz",
                                 "save-results", "jobs", "keep", "protect", "format"},
                          {"subfolders", "use-deleted-list", "no-deleted-list", "no-cache", "reference", "0",
                           "verify", "classic", "rotations", ModernFormatsFlag, ClassicFormatsFlag, "ignore-not-duplicates"});
  if (WantsHelp(parsed, Usage)) return ExitOk;
  if (!parsed.operands().empty()) return UsageFailure("unexpected operand: " + parsed.operands()[0], Usage);
  return scan(parsed);
}

}  // namespace vl::cli

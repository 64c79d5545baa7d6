// velloran-cli results: prints the groups of a results file, or marks them by a keep rule.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/arguments.h"
#include "cli/cli_host.h"
#include "cli/commands.h"
#include "cli/mark_options.h"
#include "cli/output.h"
#include "cli/results_printer.h"
#include "core/results/results_file.h"

namespace vl::cli {

namespace {

// The options that belong to the other subcommand are bad usage.
void refuseOptions(const ParsedArgs& parsed, const std::string& subcommand, const std::vector<std::string>& options) {
  for (const std::string& option : options)
    if (parsed.has(option))
      throw UsageError{"results " + subcommand + ": " + (option == "0" ? "-0" : "--" + option) + " does not apply"};
}

}  // namespace

int RunResults(const Args& args) {
  static const char* usage =
      "usage: velloran-cli results dump [-0] [--format tsv|json|csv] FILE.vlr\n"
      "       velloran-cli results mark --keep CRITERIA [--protect DIR]... FILE.vlr\n"
      "  dump prints each group of a results file: G, marked, base path; then D, error\n"
      "  count, marked, path for each duplicate (tab-separated)\n"
      "  mark marks the files of each group but one by the rule and rewrites the file\n"
      "\n" VELLORAN_ESCAPE_HELP VELLORAN_FORMAT_HELP "\n" VELLORAN_KEEP_HELP;
  const ParsedArgs parsed(args, {"format", "keep", "protect"}, {"0"});
  if (WantsHelp(parsed, usage)) return ExitOk;
  const Args& operands = parsed.operands();
  if (operands.empty() || (operands[0] != "dump" && operands[0] != "mark"))
    return UsageFailure("results: expected 'dump' or 'mark'", usage);
  if (operands.size() != 2) return UsageFailure("results " + operands[0] + ": expected one results file", usage);
  const bool marking = operands[0] == "mark";
  using Options = std::vector<std::string>;
  refuseOptions(parsed, operands[0], marking ? Options{"format", "0"} : Options{"keep", "protect"});
  if (marking) return RunResultsMark(parsed, operands[1]);
  CheckResultsFormat(parsed);
  CliHost host;
  ResultsModel model;
  const ResultsFileOutcome outcome = LoadResults(operands[1], model, host);
  if (outcome.status == ResultsFileStatus::VersionMismatch)
    std::fprintf(stderr, "velloran-cli: \"%s\" is not a results file of this version\n", operands[1].c_str());
  if (!outcome.succeeded()) return ExitFailure;
  PrintResultsAs(parsed, model, stdout);
  return FinishOutput(ExitOk);
}

}  // namespace vl::cli

// velloran-cli results dump: prints the groups of a results file.
#include <cstdio>

#include "cli/arguments.h"
#include "cli/cli_host.h"
#include "cli/commands.h"
#include "cli/output.h"
#include "cli/results_printer.h"
#include "core/results/results_file.h"

namespace vl::cli {

int RunResults(const Args& args) {
  static const char* usage =
      "usage: velloran-cli results dump [-0] FILE.vlr\n"
      "  prints each group of a results file: G, marked, base path; then D, error\n"
      "  count, marked, path for each duplicate (tab-separated)\n"
      "\n" VELLORAN_ESCAPE_HELP;
  const ParsedArgs parsed(args, {}, {"0"});
  if (WantsHelp(parsed, usage)) return ExitOk;
  const Args& operands = parsed.operands();
  if (operands.empty() || operands[0] != "dump") return UsageFailure("results: expected 'dump'", usage);
  if (operands.size() != 2) return UsageFailure("results dump: expected one results file", usage);
  CliHost host;
  ResultsModel model;
  const ResultsFileOutcome outcome = LoadResults(operands[1], model, host);
  if (outcome.status == ResultsFileStatus::VersionMismatch)
    std::fprintf(stderr, "velloran-cli: \"%s\" is not a results file of this version\n", operands[1].c_str());
  if (!outcome.succeeded()) return ExitFailure;
  PrintResults(model, LineOutput(parsed.has("0")), stdout);
  return FinishOutput(ExitOk);
}

}  // namespace vl::cli

// velloran-cli results dump: prints the groups of a results file.
#include <cstdio>

#include "cli/arguments.h"
#include "cli/cli_host.h"
#include "cli/commands.h"
#include "cli/results_printer.h"
#include "core/results/results_file.h"

namespace vl::cli {

int RunResults(const Args& args) {
  static const char* usage =
      "usage: velloran-cli results dump FILE.vlr\n"
      "  prints each group of a results file: G, marked, base path; then D, error\n"
      "  count, marked, path for each duplicate (tab-separated)\n";
  if (WantsHelp(args, usage)) return ExitOk;
  const ParsedArgs parsed(args, {}, {});
  const Args& operands = parsed.operands();
  if (operands.empty() || operands[0] != "dump") return UsageFailure("results: expected 'dump'", usage);
  if (operands.size() != 2) return UsageFailure("results dump: expected one results file", usage);
  CliHost host;
  ResultsModel model;
  const ResultsFileOutcome outcome = LoadResults(operands[1], model, host);
  if (!outcome.succeeded()) return ExitFailure;
  PrintResults(model, stdout);
  return std::fflush(stdout) == 0 ? ExitOk : ExitFailure;
}

}  // namespace vl::cli

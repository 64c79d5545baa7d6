// velloran-cli results mark: applies a keep rule to a results file and rewrites it.
#include <cstdio>

#include "cli/cli_host.h"
#include "cli/commands.h"
#include "cli/mark_options.h"
#include "core/files/file_lock.h"
#include "core/results/results_file.h"

namespace vl::cli {

int RunResultsMark(const ParsedArgs& parsed, const std::string& fileName) {
  const std::optional<MarkRule> rule = MarkRuleFromOptions(parsed);
  if (!rule) throw UsageError{"results mark: --keep CRITERIA is required"};
  FileLock lock(fileName);
  if (!LockWaiting(lock, fileName)) return ExitFailure;
  CliHost host;
  ResultsModel model;
  const ResultsFileOutcome loaded = LoadResults(fileName, model, host);
  if (loaded.status == ResultsFileStatus::VersionMismatch)
    std::fprintf(stderr, "velloran-cli: \"%s\" is not a results file of this version\n", fileName.c_str());
  if (!loaded.succeeded()) return ExitFailure;
  std::optional<MarkRuleOutcome> marked;
  RunJob(host, [&](const CancelToken& cancel, ProgressSink& sink) {
    marked = ReadFactsAndApplyMarkRule(model, *rule, cancel, sink);
  });
  if (!marked) {
    std::fprintf(stderr, "velloran-cli: %s: interrupted, left as it was\n", fileName.c_str());
    return ExitCancelled;
  }
  const ResultsFileOutcome saved = SaveResults(fileName, model);
  if (!saved.succeeded()) {
    std::fprintf(stderr, "velloran-cli: %s\n", saved.message.c_str());
    return ExitFailure;
  }
  std::fprintf(stderr, "velloran-cli: %s: %d files marked, one kept in each of %d groups\n", fileName.c_str(),
               marked->marked, marked->groups);
  return ExitOk;
}

}  // namespace vl::cli

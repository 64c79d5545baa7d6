// velloran-cli results mark: applies a keep rule to a results file and rewrites it.
#include <chrono>
#include <cstdio>
#include <thread>

#include "cli/cli_host.h"
#include "cli/commands.h"
#include "cli/mark_options.h"
#include "core/files/file_lock.h"
#include "core/results/results_file.h"

namespace vl::cli {

namespace {

// Takes the lock, waiting (ten tries a second) while another process holds it.
void waitForLock(FileLock& lock, const std::string& fileName) {
  if (lock.tryLock()) return;
  std::fprintf(stderr, "velloran-cli: waiting for another program to finish with %s\n", fileName.c_str());
  while (!lock.tryLock()) std::this_thread::sleep_for(std::chrono::milliseconds(100));
}

}  // namespace

int RunResultsMark(const ParsedArgs& parsed, const std::string& fileName) {
  const std::optional<MarkRule> rule = MarkRuleFromOptions(parsed);
  if (!rule) throw UsageError{"results mark: --keep is required"};
  FileLock lock(fileName);
  waitForLock(lock, fileName);
  CliHost host;
  ResultsModel model;
  const ResultsFileOutcome loaded = LoadResults(fileName, model, host);
  if (loaded.status == ResultsFileStatus::VersionMismatch)
    std::fprintf(stderr, "velloran-cli: \"%s\" is not a results file of this version\n", fileName.c_str());
  if (!loaded.succeeded()) return ExitFailure;
  const MarkRuleOutcome marked = ApplyMarkRule(model, *rule);
  const ResultsFileOutcome saved = SaveResults(fileName, model);
  if (!saved.succeeded()) {
    std::fprintf(stderr, "velloran-cli: %s\n", saved.message.c_str());
    return ExitFailure;
  }
  std::fprintf(stderr, "velloran-cli: %s: %d files marked, one kept in each of %d groups\n", fileName.c_str(),
               marked.marked, marked.groups);
  return ExitOk;
}

}  // namespace vl::cli

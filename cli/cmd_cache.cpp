// velloran-cli cache: the fingerprint cache's entry count and size, and emptying it.
#include <cstdio>
#include <string>

#include "cli/arguments.h"
#include "cli/cli_host.h"
#include "cli/commands.h"
#include "cli/output.h"
#include "core/files/paths.h"
#include "core/fingerprint/fingerprint_cache.h"

namespace vl::cli {

namespace {

const char* const Usage =
    "usage: velloran-cli cache stats|clear\n"
    "\n"
    "stats prints \"entries: N\" and \"size: BYTES\" (the cache file with its write-ahead\n"
    "log; both 0 when there is no cache yet); clear removes every entry. The cache is\n"
    "$XDG_CACHE_HOME/velloran/fingerprints.sqlite (default ~/.cache/velloran/).\n"
    "Exit status: 0 done, 1 the cache is unavailable, 2 bad usage.\n";

int printStats(const FingerprintCacheStats& stats) {
  std::printf("entries: %lld\nsize: %lld\n", static_cast<long long>(stats.entries),
              static_cast<long long>(stats.bytes));
  return FinishOutput(ExitOk);
}

}  // namespace

int RunCache(const Args& args) {
  const ParsedArgs parsed(args, {}, {});
  if (WantsHelp(parsed, Usage)) return ExitOk;
  const Args& operands = parsed.operands();
  const bool stats = operands.size() == 1 && operands[0] == "stats";
  if (!stats && !(operands.size() == 1 && operands[0] == "clear")) return UsageFailure("cache: needs stats or clear", Usage);
  const std::string path = DefaultFingerprintCachePath();
  if (!FileExists(path)) return stats ? printStats({}) : ExitOk;
  if (!stats) {
    const auto failure = ClearFingerprintCache(path);
    if (failure) CliHost().warning(*failure);
    return failure ? ExitFailure : ExitOk;
  }
  FingerprintCache cache(path);
  int status = printStats(cache.stats());
  if (const auto warning = cache.takeWarning()) {
    CliHost().warning(*warning);
    status = ExitFailure;
  }
  return status;
}

}  // namespace vl::cli

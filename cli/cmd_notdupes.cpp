// velloran-cli notdupes: remembering pairs of pictures that are not duplicates, listing and forgetting them.
#include <cstdio>
#include <exception>
#include <string>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/output.h"
#include "core/files/paths.h"
#include "core/scan/not_duplicates.h"

namespace vl::cli {

namespace {

const char* const Usage =
    "usage: velloran-cli notdupes add FILE1 FILE2\n"
    "       velloran-cli notdupes list|clear\n"
    "\n"
    "add fingerprints both pictures and remembers that they are not duplicates: image\n"
    "scans never pair them again, even after either file was renamed or moved (each\n"
    "side is known by its fingerprint and size, not by its path; a pair given twice is\n"
    "kept once). list prints one line per pair, tab-separated: the first side's size\n"
    "and 100 fingerprint codes (digits 0 to 3), then the second side's. clear forgets\n"
    "every pair. The list is the file \"notdupes\" beside the settings file; `velloran-cli\n"
    "scan --ignore-not-duplicates` pairs as if it were empty.\n"
    "\n"
    "A damaged list is never rewritten by add (clear starts it anew).\n"
    "\n"
    "Exit status: 0 done, 1 a file that is no readable picture or a list that cannot\n"
    "be read or written (named in the message), 2 bad usage.\n";

std::string sideText(const NotDuplicateSide& side) {
  std::string text = std::to_string(side.size) + '\t';
  for (const uint8_t code : side.fingerprint) text += char('0' + code);
  return text;
}

int add(const std::string& first, const std::string& second) {
  NotDuplicateSide a, b;
  std::string reason;
  if (!SideOfFile(first, a, reason) || !SideOfFile(second, b, reason)) {
    std::fprintf(stderr, "velloran-cli: %s\n", reason.c_str());
    return ExitFailure;
  }
  try {
    RememberNotDuplicate(NotDuplicatesFileName(), MakeNotDuplicatePair(a, b));
  } catch (const std::exception& error) {
    std::fprintf(stderr, "velloran-cli: %s\n", error.what());
    return ExitFailure;
  }
  return ExitOk;
}

int list() {
  std::string problem;
  for (const NotDuplicatePair& pair : ReadNotDuplicates(NotDuplicatesFileName(), problem))
    std::printf("%s\t%s\n", sideText(pair.first).c_str(), sideText(pair.second).c_str());
  if (problem.empty()) return FinishOutput(ExitOk);
  std::fprintf(stderr, "velloran-cli: %s\n", problem.c_str());
  return FinishOutput(ExitFailure);
}

}  // namespace

int RunNotDuplicates(const Args& args) {
  const ParsedArgs parsed(args, {}, {});
  if (WantsHelp(parsed, Usage)) return ExitOk;
  const Args& operands = parsed.operands();
  const std::string action = operands.empty() ? "" : operands[0];
  if (action == "add" && operands.size() == 3) return add(operands[1], operands[2]);
  if (action == "list" && operands.size() == 1) return list();
  if (action != "clear" || operands.size() != 1)
    return UsageFailure("notdupes: needs add FILE1 FILE2, list or clear", Usage);
  if (FileExists(NotDuplicatesFileName())) ForgetNotDuplicates(NotDuplicatesFileName());
  return ExitOk;
}

}  // namespace vl::cli

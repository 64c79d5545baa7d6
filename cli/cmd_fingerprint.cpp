// velloran-cli fingerprint: prints the width, height and fingerprint of each picture file.
#include <cstdio>
#include <string>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/output.h"
#include "core/fingerprint/fingerprint.h"

namespace vl::cli {

namespace {

const char* const usage =
    "usage: velloran-cli fingerprint [-0] FILE...\n"
    "\n"
    "Prints one line per file, tab-separated: width, height, the 100 fingerprint codes\n"
    "as digits 0 to 3 (byte x * 10 + y holds column x, row y) and the path; or FAIL and\n"
    "the path when the file cannot be read as a picture. The picture type follows the\n"
    "extension (.jpg, .jpeg, .bmp, .gif, .png, .tif, .tiff, .webp, .heic, .heif,\n"
    ".avif, .jxl, and the camera raw .dng, .cr2, .cr3, .nef, .arw, .orf, .rw2, .raf,\n"
    ".pef), whatever the setting of the newer picture types. Exit status 1 when any\n"
    "file failed.\n"
    "\n" VELLORAN_ESCAPE_HELP;

// Prints the line of one file; false when it could not be fingerprinted.
bool printFingerprint(const std::string& path, const LineOutput& output) {
  TFingerprint fingerprint{};
  int32_t width = 0, height = 0;
  const bool ok = MakeFingerprint(path, fingerprint, width, height);
  std::string line = "FAIL";
  if (ok) {
    line = std::to_string(width) + '\t' + std::to_string(height) + '\t';
    for (const uint8_t code : fingerprint) line += char('0' + code);
  }
  output.write(line + '\t' + output.name(path));
  return ok;
}

}  // namespace

int RunFingerprint(const Args& args) {
  const ParsedArgs parsed(args, {}, {"0"});
  if (WantsHelp(parsed, usage)) return ExitOk;
  if (parsed.operands().empty()) return UsageFailure("fingerprint: needs at least one file", usage);
  const LineOutput output(parsed.has("0"));
  bool allRead = true;
  for (const std::string& path : parsed.operands()) allRead = printFingerprint(path, output) && allRead;
  return FinishOutput(allRead ? ExitOk : ExitFailure);
}

}  // namespace vl::cli

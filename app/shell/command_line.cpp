// Answering --help and --version before any window is made.
#include "app/shell/command_line.h"

namespace vl::gui {
namespace {

const char* const Usage =
    "Usage: velloran [--help | --version]\n"
    "Finds duplicate files, above all duplicate pictures, in the folders you choose.\n"
    "\n"
    "  -h, --help     show this help and exit\n"
    "  -v, --version  show the version and exit\n"
    "\n"
    "Qt's standard options (-style, -platform, -reverse, ...) are accepted.\n"
    "For scripting, use velloran-cli.\n";

}  // namespace

bool IsInformationRequest(const std::vector<std::string>& arguments) {
  if (arguments.size() != 1) return false;
  const std::string& only = arguments.front();
  return only == "--help" || only == "-h" || only == "--version" || only == "-v";
}

std::optional<int> HandleCommandLine(const std::vector<std::string>& arguments, std::string& out, std::string& err) {
  if (arguments.empty()) return std::nullopt;
  const std::string& first = arguments.front();
  if (arguments.size() == 1 && (first == "--help" || first == "-h")) {
    out += Usage;
    return 0;
  }
  if (arguments.size() == 1 && (first == "--version" || first == "-v")) {
    out += std::string("velloran ") + VELLORAN_VERSION + "\n";
    return 0;
  }
  for (const std::string& argument : arguments) {
    if (argument != "--help" && argument != "-h" && argument != "--version" && argument != "-v") {
      err += "velloran: unknown argument '" + argument + "'\n";
      break;
    }
  }
  err += Usage;
  return 2;
}

}  // namespace vl::gui

// The desktop program's command line: --help and --version, besides Qt's own options.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vl::gui {

// Reads the arguments after the program name. Returns the exit code when the
// program should stop at once (0 after --help or --version, 2 with a usage message
// for anything else), or none to start the window. Writes to out and err.
// True for a lone --help or --version (answered before Qt starts, so without a display).
bool IsInformationRequest(const std::vector<std::string>& arguments);

// The arguments are those Qt left after taking its standard options (-style,
// -platform, -reverse, ...) out.
std::optional<int> HandleCommandLine(const std::vector<std::string>& arguments, std::string& out, std::string& err);

}  // namespace vl::gui

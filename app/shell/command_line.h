// The desktop program's command line: only --help and --version are known.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vl::gui {

// Reads the arguments after the program name. Returns the exit code when the
// program should stop at once (0 after --help or --version, 2 with a usage message
// for anything else), or none to start the window. Writes to out and err.
std::optional<int> HandleCommandLine(const std::vector<std::string>& arguments, std::string& out, std::string& err);

}  // namespace vl::gui

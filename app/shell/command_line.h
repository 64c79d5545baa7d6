// The desktop program's command line: --help, --version and the folders or files to open, besides Qt's options.
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

// What the window opens at start, from the paths on the command line.
struct StartRequest {
  enum class Kind {
    Window,        // nothing given: the window (and the wizard when it is on)
    ScanFolders,   // folders: scanned as the compare list, without the wizard
    OpenResults,   // one results file (.vlr)
    OpenDatabase,  // one image database (.VDB, any case), in the Database Explorer
  };
  Kind kind = Kind::Window;
  std::vector<std::string> paths;  // absolute, as given
};

// Sorts the path arguments (those HandleCommandLine let through) into a start
// request; none, with a message in err, for a path that is neither a folder nor a
// results file or database, or for folders mixed with files. One stat per path.
std::optional<StartRequest> ReadStartRequest(const std::vector<std::string>& arguments, std::string& err);

}  // namespace vl::gui

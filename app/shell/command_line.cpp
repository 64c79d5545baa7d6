// Answering --help and --version before any window is made, and reading the folders or files to open.
#include "app/shell/command_line.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace vl::gui {
namespace {

const char* const Usage =
    "Usage: velloran [--help | --version | FOLDER... | FILE.vlr | FILE.VDB]\n"
    "Finds duplicate files, above all duplicate pictures, in the folders you choose.\n"
    "\n"
    "  FOLDER...      scan these folders and their subfolders for duplicates\n"
    "  FILE.vlr       open a saved results file\n"
    "  FILE.VDB       open an image database in the Database Explorer\n"
    "  -h, --help     show this help and exit\n"
    "  -v, --version  show the version and exit\n"
    "\n"
    "Qt's standard options (-style, -platform, -reverse, ...) are accepted.\n"
    "For scripting, use velloran-cli.\n";

bool isOption(const std::string& argument) { return argument.size() > 1 && argument.front() == '-'; }

bool hasExtension(const std::filesystem::path& path, const char* extension) {
  std::string actual = path.extension().string();
  std::transform(actual.begin(), actual.end(), actual.begin(), [](unsigned char c) { return char(std::tolower(c)); });
  return actual == extension;
}

// The kind of one path argument; Window when it is none of the three.
StartRequest::Kind kindOf(const std::filesystem::path& path) {
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::status(path, error);
  if (std::filesystem::is_directory(status)) return StartRequest::Kind::ScanFolders;
  if (!std::filesystem::is_regular_file(status)) return StartRequest::Kind::Window;
  if (hasExtension(path, ".vlr")) return StartRequest::Kind::OpenResults;
  if (hasExtension(path, ".vdb")) return StartRequest::Kind::OpenDatabase;
  return StartRequest::Kind::Window;
}

}  // namespace

bool IsInformationRequest(const std::vector<std::string>& arguments) {
  if (arguments.size() != 1) return false;
  const std::string& only = arguments.front();
  return only == "--help" || only == "-h" || only == "--version" || only == "-v";
}

std::optional<int> HandleCommandLine(const std::vector<std::string>& arguments, std::string& out, std::string& err) {
  if (std::none_of(arguments.begin(), arguments.end(), isOption)) return std::nullopt;
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

std::optional<StartRequest> ReadStartRequest(const std::vector<std::string>& arguments, std::string& err) {
  StartRequest request;
  for (const std::string& argument : arguments) {
    const StartRequest::Kind kind = kindOf(argument);
    if (kind == StartRequest::Kind::Window) {
      err += "velloran: '" + argument + "' is not a folder, a results file (.vlr) or an image database (.VDB)\n";
      return std::nullopt;
    }
    if (request.kind != StartRequest::Kind::Window &&
        (kind != request.kind || kind != StartRequest::Kind::ScanFolders)) {
      err += "velloran: give folders to scan, or one results file or database\n";
      return std::nullopt;
    }
    request.kind = kind;
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(argument, error);
    request.paths.push_back((error ? std::filesystem::path(argument) : absolute).lexically_normal().string());
  }
  return request;
}

}  // namespace vl::gui

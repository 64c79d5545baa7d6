// velloran-cli subfolders: lists every folder below a folder, breadth first.
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/output.h"
#include "core/files/subfolders.h"

namespace vl::cli {

int RunSubfolders(const Args& args) {
  static const char* usage =
      "usage: velloran-cli subfolders [-0] FOLDER\n"
      "\n"
      "Prints the full path of every folder below FOLDER, one per line, breadth first\n"
      "(each level in name order). Folders whose names begin with \".\" and symbolic\n"
      "links to folders are left out. Exit status 1 when FOLDER is not a folder.\n"
      "\n" VELLORAN_ESCAPE_HELP;
  const ParsedArgs parsed(args, {}, {"0"});
  if (WantsHelp(parsed, usage)) return ExitOk;
  if (parsed.operands().size() != 1) return UsageFailure("subfolders: needs exactly one folder", usage);
  const std::string& folder = parsed.operands()[0];
  struct stat st {};
  if (::stat(folder.c_str(), &st) != 0) {
    std::fprintf(stderr, "velloran-cli: \"%s\": %s\n", folder.c_str(), std::strerror(errno));
    return ExitFailure;
  }
  if (!S_ISDIR(st.st_mode)) {
    std::fprintf(stderr, "velloran-cli: \"%s\" is not a folder\n", folder.c_str());
    return ExitFailure;
  }
  std::vector<std::string> folders;
  ListSubFolders(folder, "", folders);
  const LineOutput output(parsed.has("0"));
  for (const std::string& path : folders) output.write(output.name(path));
  return FinishOutput(ExitOk);
}

}  // namespace vl::cli

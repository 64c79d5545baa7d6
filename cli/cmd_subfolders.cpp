// velloran-cli subfolders: lists every folder below a folder, breadth first.
#include <sys/stat.h>

#include <cstdio>
#include <string>
#include <vector>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "core/files/subfolders.h"

namespace vl::cli {

int RunSubfolders(const Args& args) {
  static const char* usage =
      "usage: velloran-cli subfolders FOLDER\n"
      "\n"
      "Prints the full path of every folder below FOLDER, one per line, breadth first\n"
      "(each level in name order). Folders whose names begin with \".\" and symbolic\n"
      "links to folders are left out. Exit status 1 when FOLDER is not a folder.\n";
  if (WantsHelp(args, usage)) return ExitOk;
  const ParsedArgs parsed(args, {}, {});
  if (parsed.operands().size() != 1) return UsageFailure("subfolders: needs exactly one folder", usage);
  const std::string& folder = parsed.operands()[0];
  struct stat st {};
  if (::stat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) {
    std::fprintf(stderr, "velloran-cli: \"%s\" is not a folder\n", folder.c_str());
    return ExitFailure;
  }
  std::vector<std::string> folders;
  ListSubFolders(folder, "", folders);
  for (const std::string& path : folders) std::printf("%s\n", path.c_str());
  return std::fflush(stdout) == 0 ? ExitOk : ExitFailure;
}

}  // namespace vl::cli

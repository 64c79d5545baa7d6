// Opening a document or web address with the desktop's default application.
#include "core/files/open_with.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <climits>

#include "core/components/user_text.h"
#include "core/files/paths.h"
#include "core/host.h"

extern char** environ;

namespace vl {

namespace {

std::string programFolder() {
  char buffer[PATH_MAX];
  const ssize_t length = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  if (length <= 0) return {};
  return FolderOf(std::string(buffer, static_cast<size_t>(length)));
}

// A relative name that begins with "-" would be read as an option.
std::string asOperand(const std::string& document) {
  return !document.empty() && document.front() == '-' ? "./" + document : document;
}

bool runXdgOpen(const std::string& document) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  const std::string folder = programFolder();
  if (!folder.empty()) posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
  std::string program = "xdg-open";
  std::string operand = asOperand(document);
  char* argv[] = {program.data(), operand.data(), nullptr};
  pid_t child = 0;
  const int spawned = ::posix_spawnp(&child, program.c_str(), &actions, nullptr, argv, environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) return false;
  int status = 0;
  while (::waitpid(child, &status, 0) < 0) {
    if (errno != EINTR) return false;
  }
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace

bool OpenDocument(const std::string& document) { return runXdgOpen(document); }

bool OpenWithAssociation(const std::string& document, Host& host) {
  if (runXdgOpen(document)) return true;
  host.showMessage(MessageKind::Error, FormatText(UserText("vl::core", "No Application association for \"%1\""), {document}));
  return false;
}

}  // namespace vl

// The command line's Host: status texts on standard error, Ctrl-C as Cancel.
#include "cli/cli_host.h"

#include <csignal>
#include <cstdio>
#include <unistd.h>

namespace vl::cli {

namespace {

void onInterrupt(int) { ScanCancelled = true; }

}  // namespace

void InstallCancelOnInterrupt() {
  struct sigaction action {};
  action.sa_handler = onInterrupt;
  sigemptyset(&action.sa_mask);
  sigaction(SIGINT, &action, nullptr);
}

CliHost::CliHost(int progressPanel) : progressPanel_(progressPanel), terminal_(::isatty(STDERR_FILENO) != 0) {}

CliHost::~CliHost() { clearProgress(); }

void CliHost::clearProgress() {
  if (!progressShown_) return;
  std::fputs("\r\033[K", stderr);
  progressShown_ = false;
}

void CliHost::setStatus(int panel, const std::string& text) {
  if (panel == progressPanel_) {
    if (!terminal_) return;
    clearProgress();
    if (!text.empty()) {
      std::fprintf(stderr, "%s", text.c_str());
      progressShown_ = true;
    }
    std::fflush(stderr);
    return;
  }
  if (text.empty() || text == lastPhase_) return;
  lastPhase_ = text;
  clearProgress();
  std::fprintf(stderr, "%s\n", text.c_str());
}

void CliHost::showMessage(MessageKind kind, const std::string& text) {
  clearProgress();
  if (kind == MessageKind::Error) ++errors_;
  std::fprintf(stderr, "%s\n", text.c_str());
}

void CliHost::warning(const std::string& text) {
  clearProgress();
  std::fprintf(stderr, "velloran-cli: warning: %s\n", text.c_str());
}

bool CliHost::askYesNo(const std::string& text) {
  clearProgress();
  std::fprintf(stderr, "%s Yes\n", text.c_str());
  return true;
}

}  // namespace vl::cli

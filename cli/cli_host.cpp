// The command line's Host: phases, progress and messages on standard error, Ctrl-C as Cancel.
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

CliHost::CliHost() : terminal_(::isatty(STDERR_FILENO) != 0) {}

CliHost::~CliHost() { eraseProgress(); }

void CliHost::eraseProgress() {
  if (!progressShown_) return;
  std::fputs("\r\033[K", stderr);
  progressShown_ = false;
}

void CliHost::phase(const std::string& text) {
  if (text.empty() || text == lastPhase_) return;
  lastPhase_ = text;
  eraseProgress();
  std::fprintf(stderr, "%s\n", text.c_str());
}

void CliHost::progress(size_t current, size_t total) {
  if (!terminal_) return;
  eraseProgress();
  std::fputs(ProgressText(current, total).c_str(), stderr);
  progressShown_ = true;
  std::fflush(stderr);
}

void CliHost::clearProgress() {
  if (!terminal_) return;
  eraseProgress();
  std::fflush(stderr);
}

void CliHost::showMessage(MessageKind kind, const std::string& text) {
  eraseProgress();
  if (kind == MessageKind::Error) ++errors_;
  std::fprintf(stderr, "%s\n", text.c_str());
}

void CliHost::warning(const std::string& text) {
  eraseProgress();
  std::fprintf(stderr, "velloran-cli: warning: %s\n", text.c_str());
}

bool CliHost::askYesNo(const std::string& text) {
  eraseProgress();
  std::fprintf(stderr, "%s Yes\n", text.c_str());
  return true;
}

}  // namespace vl::cli

// The command line's Host: phases, progress and messages on standard error, Ctrl-C as Cancel.
#include "cli/cli_host.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <thread>
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

bool LockWaiting(FileLock& lock, const std::string& fileName) {
  try {
    if (!lock.tryLock()) std::fprintf(stderr, "velloran-cli: waiting for another program to finish with %s\n", fileName.c_str());
    while (!lock.tryLock()) {
      if (ScanCancelled) return false;
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return true;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "velloran-cli: %s\n", e.what());
    return false;
  }
}

}  // namespace vl::cli

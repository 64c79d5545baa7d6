// The command line's Host: phases, progress and messages on standard error, Ctrl-C as Cancel, jobs on a thread.
#pragma once

#include <functional>
#include <string>

#include "core/components/cancel_token.h"
#include "core/components/job_progress.h"
#include "core/files/file_lock.h"
#include "core/host.h"

namespace vl::cli {

// Phase texts and messages go to standard error, one per line; an empty phase or
// one repeating the last is not printed. While standard error is a terminal, the
// progress count is redrawn in place; otherwise it is not printed. Questions are
// answered Yes.
class CliHost : public Host {
 public:
  CliHost();
  ~CliHost() override;

  void phase(const std::string& text) override;
  void progress(size_t current, size_t total) override;
  // Shows `text` in place of the progress count (a terminal only).
  void showBar(const std::string& text);
  void clearProgress() override;
  void showMessage(MessageKind kind, const std::string& text) override;
  // The text alone: the command prints what the details hold in its own form.
  void showDetailedMessage(MessageKind kind, const std::string& text, const std::string&) override {
    showMessage(kind, text);
  }
  bool askYesNo(const std::string& text) override;
  void beep() override {}
  void pushCursor(BusyCursor) override {}
  void popCursor() override {}
  // "velloran-cli: warning: <text>" on standard error.
  void warning(const std::string& text) override;

  // How many error messages were shown.
  int errorCount() const { return errors_; }

 private:
  // Erases the progress line when one is shown.
  void eraseProgress();

  bool terminal_;
  bool progressShown_ = false;
  std::string lastPhase_;
  int errors_ = 0;
};

// The token Ctrl-C cancels once InstallCancelOnInterrupt ran.
CancelToken& InterruptToken();
// Makes Ctrl-C (SIGINT) cancel InterruptToken() instead of ending the program.
void InstallCancelOnInterrupt();

// Takes the lock, waiting (ten tries a second) while another program holds it; false
// when Ctrl-C ended the wait or the lock file cannot be made (said on standard error).
bool LockWaiting(FileLock& lock, const std::string& fileName);

// Runs job(InterruptToken(), sink) on a thread of its own after InstallCancelOnInterrupt,
// while this thread prints what it reports on standard error: each phase and warning
// as a line, in order (as CliHost prints them), and, while standard error is a
// terminal, a progress bar with the count and the time left, redrawn in place ten
// times a second and erased at the end. Returns once the job has.
void RunJob(CliHost& host, const std::function<void(const CancelToken&, ProgressSink&)>& job);

}  // namespace vl::cli

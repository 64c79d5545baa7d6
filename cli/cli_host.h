// The command line's Host: phases, progress and messages on standard error, Ctrl-C as Cancel.
#pragma once

#include <string>

#include "core/files/file_lock.h"
#include "core/scan/scan_driver.h"

namespace vl::cli {

// Phase texts and messages go to standard error, one per line; an empty phase or
// one repeating the last is not printed. While standard error is a terminal, the
// progress count is redrawn in place; otherwise it is not printed. Questions are
// answered Yes. The scan's window calls do nothing here.
class CliHost : public ScanHost {
 public:
  CliHost();
  ~CliHost() override;

  void phase(const std::string& text) override;
  void progress(size_t current, size_t total) override;
  void clearProgress() override;
  void processEvents() override {}
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

// Makes Ctrl-C (SIGINT) set ScanCancelled instead of ending the program.
void InstallCancelOnInterrupt();

// Takes the lock, waiting (ten tries a second) while another program holds it; false
// when Ctrl-C ended the wait or the lock file cannot be made (said on standard error).
bool LockWaiting(FileLock& lock, const std::string& fileName);

}  // namespace vl::cli

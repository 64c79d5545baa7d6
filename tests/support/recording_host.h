// A host and progress sink for tests that record every phase, progress count, message, beep and cursor change.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/components/job_progress.h"
#include "core/host.h"

namespace vl::test {

class RecordingHost : public Host, public ProgressSink {
 public:
  void phase(const std::string& text) override;
  void progress(size_t current, size_t total) override;
  void clearProgress() override;
  void warning(const std::string& text) override { warnings.push_back(text); }
  void showMessage(MessageKind kind, const std::string& text) override;
  void showDetailedMessage(MessageKind kind, const std::string& text, const std::string& details) override;
  bool askYesNo(const std::string& text) override;
  void beep() override { ++beeps; }
  void pushCursor(BusyCursor) override { ++cursorDepth; }
  void popCursor() override { --cursorDepth; }
  // A job's report: "phase:text" when the phase changes, then "progress:i / n" for a count.
  void report(const JobProgress& progress) override;

  // Every phase as "phase:text" and every progress count as "progress:12 / 340"
  // ("progress:" when taken away), in order.
  std::vector<std::string> statusLog;
  std::vector<std::string> warnings;
  std::vector<JobMessage> messages;
  std::vector<std::string> questions;
  bool answer = true;  // what askYesNo answers
  int beeps = 0;
  int cursorDepth = 0;
  // Runs after every statusLog entry: lets a test cancel when a phase or a count is reached.
  std::function<void(const std::string& entry)> onStatus;

 private:
  void record(const std::string& entry);
  std::string phaseText_;  // the phase shown now
};

}  // namespace vl::test

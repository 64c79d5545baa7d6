// A Host and ProgressSink for tests that records what an operation reports.
#include "tests/support/recording_host.h"

namespace vl::test {

void RecordingHost::record(const std::string& entry) {
  statusLog.push_back(entry);
  if (onStatus) onStatus(entry);
}

void RecordingHost::phase(const std::string& text) {
  phaseText_ = text;
  record("phase:" + text);
}

void RecordingHost::progress(size_t current, size_t total) { record("progress:" + ProgressText(current, total)); }

void RecordingHost::clearProgress() { record("progress:"); }

void RecordingHost::report(const JobProgress& progress) {
  if (PhaseText(progress.phase) != phaseText_) phase(PhaseText(progress.phase));
  if (progress.total > 0) this->progress(progress.current, progress.total);
}

void RecordingHost::showMessage(MessageKind kind, const std::string& text) { messages.push_back({kind, text, {}}); }

void RecordingHost::showDetailedMessage(MessageKind kind, const std::string& text, const std::string& details) {
  messages.push_back({kind, text, details});
}

bool RecordingHost::askYesNo(const std::string& text) {
  questions.push_back(text);
  return answer;
}

}  // namespace vl::test

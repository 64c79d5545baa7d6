// A Host for tests that records what an operation reports.
#include "tests/support/recording_host.h"

namespace vl::test {

void RecordingHost::setStatus(int panel, const std::string& text) {
  statusLog.push_back(std::to_string(panel) + ":" + text);
  if (panel >= 0 && panel < 3) panels[panel] = text;
  if (onStatus) onStatus(panel, text);
}

void RecordingHost::processEvents() {
  ++events;
  if (onEvents) onEvents(events);
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

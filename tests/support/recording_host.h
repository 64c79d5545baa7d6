// A Host for tests that records every status text, message, beep and cursor change.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/host.h"

namespace vl::test {

class RecordingHost : public Host {
 public:
  struct Message {
    MessageKind kind;
    std::string text;
  };

  void setStatus(int panel, const std::string& text) override;
  void processEvents() override;
  void showMessage(MessageKind kind, const std::string& text) override;
  bool askYesNo(const std::string& text) override;
  void beep() override { ++beeps; }
  void pushCursor(BusyCursor cursor) override { cursors.push_back(cursor); ++cursorDepth; }
  void popCursor() override { --cursorDepth; }

  // Every setStatus call as "panel:text", in order.
  std::vector<std::string> statusLog;
  std::string panels[3];
  std::vector<Message> messages;
  std::vector<std::string> questions;
  bool answer = true;  // what askYesNo answers
  int beeps = 0;
  int events = 0;
  int cursorDepth = 0;
  std::vector<BusyCursor> cursors;
  // Runs at every processEvents (after counting it): lets a test cancel mid-operation.
  std::function<void(int eventNumber)> onEvents;
};

}  // namespace vl::test

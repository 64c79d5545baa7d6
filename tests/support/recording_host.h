// A host for tests that records every status text, message, beep, cursor change and window call of a scan.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/scan/scan_driver.h"

namespace vl::test {

class RecordingHost : public ScanHost {
 public:
  struct Message {
    MessageKind kind;
    std::string text;
    std::string details;
  };

  void setStatus(int panel, const std::string& text) override;
  void processEvents() override;
  void showMessage(MessageKind kind, const std::string& text) override;
  void showDetailedMessage(MessageKind kind, const std::string& text, const std::string& details) override;
  bool askYesNo(const std::string& text) override;
  void beep() override { ++beeps; }
  void pushCursor(BusyCursor cursor) override { cursors.push_back(cursor); ++cursorDepth; }
  void popCursor() override { --cursorDepth; }
  void openFoldersDialog() override { ++foldersDialogOpened; }
  void resultsCleared() override { ++resultsClearings; }
  void scanRunning(bool running) override { runningLog.push_back(running); }
  void groupAdded() override { ++groupsAdded; }
  void showFirstGroup() override { ++firstGroupShown; }

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
  int foldersDialogOpened = 0;
  int resultsClearings = 0;
  std::vector<bool> runningLog;
  int groupsAdded = 0;
  int firstGroupShown = 0;
  // Runs after every setStatus: lets a test cancel when a phase begins.
  std::function<void(int panel, const std::string& text)> onStatus;
  // Runs at every processEvents (after counting it): lets a test cancel mid-operation.
  std::function<void(int eventNumber)> onEvents;
};

}  // namespace vl::test

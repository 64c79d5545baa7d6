// A host for tests that records every phase, progress count, message, beep, cursor change and window call of a scan.
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

  void phase(const std::string& text) override;
  void progress(size_t current, size_t total) override;
  void clearProgress() override;
  void warning(const std::string& text) override { warnings.push_back(text); }
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

  // Every phase as "phase:text" and every progress count as "progress:12 / 340"
  // ("progress:" when taken away), in order.
  std::vector<std::string> statusLog;
  std::string phaseText;     // the phase shown now
  std::string progressText;  // the progress count shown now
  std::vector<std::string> warnings;
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
  // Runs after every phase and progress call with its statusLog entry: lets a test
  // cancel when a phase or a count is reached.
  std::function<void(const std::string& entry)> onStatus;
  // Runs at every processEvents (after counting it): lets a test cancel mid-operation.
  std::function<void(int eventNumber)> onEvents;

 private:
  void record(const std::string& entry);
};

}  // namespace vl::test

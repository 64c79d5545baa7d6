// The host through which the scan and the dialogs talk to the desktop user.
#pragma once

#include "core/scan/scan_driver.h"

class QLabel;
class QWidget;

namespace vl::gui {

// What the scan changes in the window beyond messages, cursors and status panels;
// the main window implements it.
class ScanWindow {
 public:
  virtual ~ScanWindow() = default;
  virtual void openFoldersDialog() = 0;
  virtual void resultsCleared() = 0;
  virtual void scanRunning(bool running) = 0;
  virtual void showFirstGroup() = 0;
};

// ScanHost for the desktop: message boxes owned by `dialogParent` (texts with "\n"
// line breaks), the system beep, nested override cursors, pending events run
// through QCoreApplication::processEvents, and the window hooks of `window` when
// one is given (the dialogs use the host without a window). The phase and the
// progress show in the status panels given to showStatusIn, nowhere before.
class GuiHost : public ScanHost {
 public:
  explicit GuiHost(QWidget* dialogParent, ScanWindow* window = nullptr);

  // The labels that show the phase text and the progress count from now on; the
  // labels must outlive the host.
  void showStatusIn(QLabel* phasePanel, QLabel* progressPanel);

  void phase(const std::string& text) override;
  void progress(size_t current, size_t total) override;
  void clearProgress() override;
  void processEvents() override;
  void showMessage(MessageKind kind, const std::string& text) override;
  // The details go into the message box's "Show Details..." section.
  void showDetailedMessage(MessageKind kind, const std::string& text, const std::string& details) override;
  bool askYesNo(const std::string& text) override;
  bool askYesNoDefaultNo(const std::string& text) override;
  void beep() override;
  void pushCursor(BusyCursor cursor) override;
  void popCursor() override;

  void openFoldersDialog() override;
  void resultsCleared() override;
  void scanRunning(bool running) override;
  void showFirstGroup() override;
  // The question with the matched files listed (all of them under "Show Details..."
  // when there are many), No as the default button.
  bool confirmAutoDeletion(const std::vector<DeletedMatch>& matches) override;

  // Override cursors this host has set and not yet restored.
  int cursorDepth() const { return cursorDepth_; }

 private:
  // A question box with Yes and No, No the default, the arrow cursor while it is open.
  bool askDefaultNo(const std::string& text, const std::string& details);

  QWidget* dialogParent_;
  ScanWindow* window_;
  QLabel* phasePanel_ = nullptr;
  QLabel* progressPanel_ = nullptr;
  int cursorDepth_ = 0;
};

}  // namespace vl::gui

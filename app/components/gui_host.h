// The host through which the scan and the dialogs talk to the desktop user.
#pragma once

#include <QString>

#include "core/scan/scan_driver.h"

class QWidget;

namespace vl::gui {

// What the scan changes in the window beyond messages and cursors; the main window
// implements it.
class ScanWindow {
 public:
  virtual ~ScanWindow() = default;
  virtual void setPanelText(int panel, const QString& text) = 0;
  virtual void openFoldersDialog() = 0;
  virtual void resultsCleared() = 0;
  virtual void scanRunning(bool running) = 0;
  virtual void showFirstGroup() = 0;
};

// ScanHost for the desktop: message boxes owned by `dialogParent` (texts with "\n"
// line breaks), the system beep, nested override cursors, pending events run
// through QCoreApplication::processEvents, and the window hooks of `window` when
// one is given (the dialogs use the host without a window).
class GuiHost : public ScanHost {
 public:
  explicit GuiHost(QWidget* dialogParent, ScanWindow* window = nullptr);

  void setStatus(int panel, const std::string& text) override;
  void processEvents() override;
  void showMessage(MessageKind kind, const std::string& text) override;
  // The details go into the message box's "Show Details..." section.
  void showDetailedMessage(MessageKind kind, const std::string& text, const std::string& details) override;
  bool askYesNo(const std::string& text) override;
  void beep() override;
  void pushCursor(BusyCursor cursor) override;
  void popCursor() override;

  void openFoldersDialog() override;
  void resultsCleared() override;
  void scanRunning(bool running) override;
  void showFirstGroup() override;

  // Override cursors this host has set and not yet restored.
  int cursorDepth() const { return cursorDepth_; }

 private:
  QWidget* dialogParent_;
  ScanWindow* window_;
  int cursorDepth_ = 0;
};

}  // namespace vl::gui

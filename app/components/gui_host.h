// The host through which the core's commands and the windows talk to the desktop user.
#pragma once

#include <vector>

#include "core/host.h"
#include "core/results/deleted_list.h"

class QLabel;
class QWidget;

namespace vl::gui {

// Host for the desktop: message boxes owned by `dialogParent` (texts with "\n"
// line breaks), the system beep and nested override cursors. The phase and the
// progress show in the status panels given to showStatusIn, nowhere before.
class GuiHost : public Host {
 public:
  explicit GuiHost(QWidget* dialogParent);

  // The labels that show the phase text and the progress count from now on; the
  // labels must outlive the host.
  void showStatusIn(QLabel* phasePanel, QLabel* progressPanel);

  void phase(const std::string& text) override;
  void progress(size_t current, size_t total) override;
  void clearProgress() override;
  void showMessage(MessageKind kind, const std::string& text) override;
  // The details go into the message box's "Show Details..." section.
  void showDetailedMessage(MessageKind kind, const std::string& text, const std::string& details) override;
  bool askYesNo(const std::string& text) override;
  bool askYesNoDefaultNo(const std::string& text) override;
  void beep() override;
  void pushCursor(BusyCursor cursor) override;
  void popCursor() override;

  // The question before the deleted-file list's matches are removed (to the trash
  // with `recycle`), the files listed (all of them under "Show Details..." when
  // there are many), No as the default button; true for Yes.
  bool confirmAutoDeletion(const std::vector<DeletedMatch>& matches, bool recycle);

  // Override cursors this host has set and not yet restored.
  int cursorDepth() const { return cursorDepth_; }

 private:
  // A question box with Yes and No, No the default, the arrow cursor while it is open.
  bool askDefaultNo(const std::string& text, const std::string& details);

  QWidget* dialogParent_;
  QLabel* phasePanel_ = nullptr;
  QLabel* progressPanel_ = nullptr;
  int cursorDepth_ = 0;
};

}  // namespace vl::gui

// Dragging files out of a list to other programs, as a desktop file list (text/uri-list).
#pragma once

#include <QPoint>
#include <Qt>
#include <string>
#include <vector>

class QEvent;
class QWidget;

namespace vl::gui {

// The press that may begin a drag: a drag begins once exactly the left or exactly
// the right button is held, without modifier keys, and the pointer has moved at
// least DragThreshold pixels from the press point horizontally or vertically.
class DragStarter {
 public:
  static constexpr int DragThreshold = 5;

  // Records a mouse press; true when `event` should begin a drag now (a move).
  bool shouldStart(const QEvent* event);
  // Forgets the press (a drag was started or the button released).
  void reset() { pressed_ = false; }

 private:
  QPoint pressAt_;
  bool pressed_ = false;
};

// Offers the files to other programs as a text/uri-list drag from `source`, with
// copy and move, and waits for the drop. Returns the action the drop target took
// (Qt::IgnoreAction when cancelled).
Qt::DropAction DragFiles(QWidget* source, const std::vector<std::string>& paths);

}  // namespace vl::gui

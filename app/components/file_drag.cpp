// Dragging files out of a list: the drag threshold and the text/uri-list drag.
#include "app/components/file_drag.h"

#include <QDrag>
#include <QWidget>
#include <QMimeData>
#include <QMouseEvent>
#include <QUrl>
#include <cstdlib>

namespace vl::gui {

bool DragStarter::shouldStart(const QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress) {
    pressAt_ = static_cast<const QMouseEvent*>(event)->position().toPoint();
    pressed_ = true;
    return false;
  }
  if (event->type() != QEvent::MouseMove || !pressed_) return false;
  const auto* move = static_cast<const QMouseEvent*>(event);
  const Qt::MouseButtons buttons = move->buttons();
  if ((buttons != Qt::LeftButton && buttons != Qt::RightButton) || move->modifiers() != Qt::NoModifier)
    return false;
  const QPoint moved = move->position().toPoint() - pressAt_;
  return std::abs(moved.x()) >= DragThreshold || std::abs(moved.y()) >= DragThreshold;
}

Qt::DropAction DragFiles(QWidget* source, const std::vector<std::string>& paths) {
  QList<QUrl> urls;
  for (const std::string& path : paths) urls << QUrl::fromLocalFile(QString::fromStdString(path));
  auto* data = new QMimeData;
  data->setUrls(urls);
  auto* drag = new QDrag(source);
  drag->setMimeData(data);
  return drag->exec(Qt::CopyAction | Qt::MoveAction, Qt::CopyAction);
}

}  // namespace vl::gui

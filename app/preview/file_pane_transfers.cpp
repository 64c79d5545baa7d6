// Dragging files out of the file panes and dropping files onto them: copy, move or link into the pane's folder.
#include "app/preview/file_pane_transfers.h"

#include <QDropEvent>
#include <QListWidget>
#include <QMessageBox>
#include <QMimeData>
#include <QUrl>

#include "core/files/file_transfer.h"
#include "core/files/paths.h"
#include "core/files/shortcut.h"

namespace vl::gui {
namespace {

std::vector<std::string> localFiles(const QMimeData* data) {
  std::vector<std::string> files;
  if (data == nullptr) return files;
  for (const QUrl& url : data->urls())
    if (url.isLocalFile()) files.push_back(url.toLocalFile().toStdString());
  return files;
}

Qt::DropAction chosenAction(const QDropEvent* event) {
  const Qt::DropAction proposed = event->proposedAction();
  if (proposed == Qt::CopyAction || proposed == Qt::MoveAction || proposed == Qt::LinkAction) return proposed;
  return Qt::CopyAction;
}

}  // namespace

FilePaneTransfers::FilePaneTransfers(FilePanes& panes, QWidget* window) : QObject(window), panes_(panes), window_(window) {
  for (FilePanes::Pane which : {FilePanes::BasePane, FilePanes::DupePane}) {
    QListWidget* pane = panes_.pane(which);
    pane->setAcceptDrops(true);
    pane->viewport()->setAcceptDrops(true);
    pane->viewport()->installEventFilter(this);
    viewports_[which] = pane->viewport();
  }
}

int FilePaneTransfers::paneOf(const QObject* watched) const {
  for (FilePanes::Pane which : {FilePanes::BasePane, FilePanes::DupePane})
    if (watched == viewports_[which]) return which;
  return -1;
}

bool FilePaneTransfers::eventFilter(QObject* watched, QEvent* event) {
  const int pane = paneOf(watched);
  if (pane < 0) return false;
  const auto which = FilePanes::Pane(pane);
  switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
      return onDragEvent(which, event);
    case QEvent::MouseButtonPress:
    case QEvent::MouseMove:
      if (!starters_[which].shouldStart(event)) return false;
      starters_[which].reset();
      dragOut(which);
      return true;
    default:
      return false;
  }
}

bool FilePaneTransfers::onDragEvent(FilePanes::Pane which, QEvent* event) {
  auto* drop = static_cast<QDropEvent*>(event);
  const std::vector<std::string> files = localFiles(drop->mimeData());
  if (panes_.folderOf(which).empty() || files.empty()) {
    drop->ignore();
    return true;
  }
  const Qt::DropAction action = chosenAction(drop);
  if (event->type() == QEvent::Drop) {
    drop->setDropAction(dropFiles(which, files, action));
    drop->accept();
    return true;
  }
  drop->setDropAction(action);
  drop->accept();
  return true;
}

Qt::DropAction FilePaneTransfers::dropFiles(FilePanes::Pane which, const std::vector<std::string>& files,
                                            Qt::DropAction action) {
  const std::string folder = panes_.folderOf(which);
  if (folder.empty()) return Qt::IgnoreAction;
  bool moved = false;
  for (const std::string& file : files)
    if (!dropOne(file, folder, action, moved)) break;
  return action == Qt::MoveAction && !moved ? Qt::CopyAction : action;
}

bool FilePaneTransfers::dropOne(const std::string& file, const std::string& folder, Qt::DropAction action,
                                bool& moved) {
  const std::string target = folder + FileNameOf(file);
  if (action == Qt::LinkAction) {
    CreateShortcut(file, target);
    return true;
  }
  if (NormalPath(target) == NormalPath(AbsolutePath(file))) {
    QMessageBox::critical(window_, tr("DropSource Demo"), tr("The destination folder is the same as the source!"));
    return false;
  }
  RegularFileState state;
  if (ExaminePath(target, state) != PathKind::Missing) return true;
  try {
    if (action == Qt::MoveAction) {
      MoveFileTo(file, target, ExistingTarget::Keep);
      moved = true;
    } else {
      CopyFileTo(file, target, ExistingTarget::Keep);
    }
  } catch (const FileTransferError& error) {
    QMessageBox::critical(window_, tr("Error"), QString::fromStdString(error.what()));
  }
  return true;
}

void FilePaneTransfers::dragOut(FilePanes::Pane which) {
  QListWidget* pane = panes_.pane(which);
  std::vector<std::string> paths;
  for (int row = 0; row < pane->count(); ++row)
    if (pane->item(row)->isSelected()) paths.push_back(panes_.folderOf(which) + pane->item(row)->text().toStdString());
  if (paths.empty() || panes_.folderOf(which).empty()) return;
  pane->viewport()->setAcceptDrops(false);
  DragFiles(pane, paths);
  pane->viewport()->setAcceptDrops(true);
}

}  // namespace vl::gui

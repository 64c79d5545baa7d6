// Files dragged out of the file panes and files dropped onto them.
#pragma once

#include <QObject>
#include <Qt>
#include <string>
#include <vector>

#include "app/components/file_drag.h"
#include "app/preview/file_panes.h"

namespace vl::gui {

// Makes both file panes drop targets for desktop file lists (text/uri-list) from the
// start, and lets their selected files be dragged out (copy or move). A drop copies,
// moves or links (CreateShortcut) each file into the folder the pane shows; a pane
// that shows no folder yet takes no drops. A file of the same name already in that
// folder is left alone; a file dropped onto its own folder stops the drop with "The
// destination folder is the same as the source!". The panes' folder threads show the
// changes.
class FilePaneTransfers : public QObject {
  Q_OBJECT
 public:
  FilePaneTransfers(FilePanes& panes, QWidget* window);

  // Carries out a drop of `files` onto the pane with `action` (copy, move or link)
  // and returns the action done: Qt::CopyAction stands for a move in which no file moved.
  Qt::DropAction dropFiles(FilePanes::Pane which, const std::vector<std::string>& files, Qt::DropAction action);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The pane whose viewport `watched` is; -1 for none.
  int paneOf(const QObject* watched) const;
  bool onDragEvent(FilePanes::Pane which, QEvent* event);
  // One dropped file; false when the rest of the drop is to be ignored.
  bool dropOne(const std::string& file, const std::string& folder, Qt::DropAction action, bool& moved);
  void dragOut(FilePanes::Pane which);

  FilePanes& panes_;
  QWidget* window_;
  DragStarter starters_[2];
  // The panes' viewports, taken at construction: the event filter must not ask a
  // pane for its viewport while the pane is being destroyed.
  const QObject* viewports_[2] = {nullptr, nullptr};
};

}  // namespace vl::gui

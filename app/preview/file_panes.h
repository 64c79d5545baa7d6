// The two file panes under the previews: the files of each shown picture's folder, kept current by a folder thread.
#pragma once

#include <QObject>
#include <memory>
#include <string>

#include "core/files/directory_thread.h"

class QAction;
class QListWidget;
class QWidget;

namespace vl::gui {

// lvBase and lvThumbs: each pane shows the folder of one file through its own
// TDirectoryThread (made at its first use, ended with this object), with the file
// selected. Carries out the pmFiles commands "Open" (and a double click) and
// "Show in Folder" on the pane the menu was opened on, without waiting for the desktop.
class FilePanes : public QObject {
  Q_OBJECT
 public:
  enum Pane { BasePane = 0, DupePane = 1 };

  FilePanes(QListWidget* lvBase, QListWidget* lvThumbs, QWidget* window);
  ~FilePanes() override;

  QListWidget* pane(Pane which) const { return panes_[which]; }
  // The pane pmFiles was last opened on (the duplicate pane before any).
  Pane menuPane() const { return menuPane_; }

  // Points the pane at the folder of fileName with fileName selected; an empty
  // duplicate list (noFiles) clears the pane instead.
  void ShowFolderOf(const std::string& fileName, Pane which, bool noFiles);
  // The folder the pane shows (ending in "/"), empty before the first ShowFolderOf.
  const std::string& folderOf(Pane which) const { return folders_[which]; }

  // Starts the desktop's application on the pane's selected file (its first one);
  // "Unable to open file." when it is not a file or the opener fails.
  void execute(Pane which);
  // Starts the desktop's file manager on the pane's folder, then beeps.
  void explore(Pane which);

 private:
  class ListAdapter;

  QListWidget* panes_[2];
  QWidget* window_;
  Pane menuPane_ = DupePane;
  std::string folders_[2];
  std::unique_ptr<ListAdapter> adapters_[2];
  std::unique_ptr<TDirectoryThread> threads_[2];
};

}  // namespace vl::gui

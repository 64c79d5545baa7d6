// The main window's commands on the files of the result groups: delete, copy, move, re-root, open, show, drag out.
#pragma once

#include <QObject>
#include <functional>
#include <string>
#include <vector>

#include "app/components/file_drag.h"
#include "core/results/file_operations.h"

class QListView;
class QListWidget;
class QWidget;

namespace vl::gui {

class ActionSet;
class ResultLists;
class UndoCommand;

// The controls the file commands read besides the result lists.
struct FileCommandWidgets {
  QListWidget* baseList;  // lbBaseFiles
  QListView* dupeList;    // lbDupes
  QWidget* filePanes[2];  // lvBase, lvThumbs: Delete does nothing while one has the focus
};

// Carries out "Delete File", "Delete Marked", "Delete All Marked", "Copy File to...",
// "Move / Rename File...", "Change Volume Root...", "Open" (and a double
// click), "Show in Folder" and dragging a line of lbDupes out, on the selected
// duplicate line, through FileOperations. Before any deletion it plans: the
// confirmation counts the files, their size and where they go (the trash or for
// good); when every existing file of a group would go, it counts those groups and a
// second question (No by default) must agree, or their files stay. After a deletion
// the status line says what was done. Deletions, moves and renames are handed to
// the undo command. Every command does nothing while no line is selected. The
// settings (confirmation, trash, beep, deleted-file list) are read as each command runs.
class FileCommands : public QObject {
  Q_OBJECT
 public:
  FileCommands(ResultsModel& model, DeletedList& deletedList, ResultLists& lists, Host& host,
               const ActionSet& actions, const FileCommandWidgets& widgets, UndoCommand& undo, QWidget* window);

  // "Delete File": the selected file; its line leaves lbDupes and the line now at its
  // place is shown, or, when its group went, the group now at the group's place.
  // Does nothing while a file pane has the focus. O(entries + groups).
  void deleteFile();
  // "Delete Marked": the marked files of the shown group; the group at the same place
  // of lbBaseFiles (or the last) is shown afterwards, whatever the outcome.
  void deleteMarked();
  // "Delete All Marked": every marked file of every group, each once; positions as above.
  void deleteAllMarked();
  // "Copy File to...": to a name chosen in the save dialog; the lists stay as they are.
  void copyFile();
  // "Move / Rename File...": every entry of the file takes the new name; the line is rewritten.
  void moveFile();
  // "Change Volume Root...": the file's volume root replaced by the folder chosen in
  // every entry of the file; nothing on disk is touched, the previews look at the new place.
  void changeDriveLetter();
  // "Open" and a double click: the desktop's program for the file, started without waiting.
  void execute();
  // "Show in Folder": the file shown in the file manager (not waited for), then a beep.
  void explore();

 signals:
  // What a deletion did ("12 files, 48.3 MB moved to the trash"), for the status line.
  void statusMessage(const QString& text);

 protected:
  // Mouse presses and moves over lbDupes start a drag of the pressed line's file.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void connectCommands(const ActionSet& actions);
  // The selected entry when a command may run now, else null.
  const TResultEntry* commandEntry() const;
  // The confirmation and, for groups that would lose every copy, the second question;
  // the plan to carry out (the last copies left alone unless agreed), none when cancelled.
  std::optional<DeletionPlan> confirmDeletion(const std::string& question, const std::vector<std::string>& paths);
  // Runs `remove` (a deletion of the plan's files through operations_) between the
  // undo record's two steps, then tells the status line; remove's result.
  bool carryOut(const DeletionPlan& plan, const std::function<bool()>& remove);
  void deleteList(const std::string& question, const std::vector<std::string>& paths);
  std::optional<std::string> askTarget(const std::string& path) const;
  void beepOnDelete() const;
  void dragOut();

  ResultsModel& model_;
  ResultLists& lists_;
  Host& host_;
  FileOperations operations_;
  FileCommandWidgets widgets_;
  UndoCommand& undo_;
  QWidget* window_;
  DragStarter dragStarter_;
  // The duplicate list's viewport, taken at construction: the event filter must not
  // ask the list for it while the list is being destroyed.
  QObject* dupeViewport_ = nullptr;
  std::string pressedPath_;
};

// The note the delete confirmations carry when `groups` groups would lose every copy.
std::string LastCopyNote(size_t groups);

}  // namespace vl::gui

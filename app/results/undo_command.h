// The Edit menu's Undo: the last deletion, move or rename of the main window, undone.
#pragma once

#include <QObject>
#include <string>
#include <vector>

#include "core/results/undo_record.h"

class QAction;
class QWidget;

namespace vl {
class Host;
}  // namespace vl

namespace vl::gui {

class ActionSet;
class ResultLists;

// Keeps the record of the window's last batch (the file commands hand it over) and
// carries out "Undo Delete", "Undo Move" or "Undo Rename" (Undo1, Ctrl+Z): trashed
// files come back to their paths, a moved or renamed file goes back, and the lists
// show them again. A place taken meanwhile refuses the undo with a message. The
// action's caption follows the record; it is disabled with nothing to undo, after
// a deletion for good ("Can't Undo Delete") and while a scan runs.
class UndoCommand : public QObject {
  Q_OBJECT
 public:
  UndoCommand(ResultsModel& model, DeletedList& deletedList, ResultLists& lists, Host& host,
              const ActionSet& actions, QWidget* window);

  // UndoRecord::beginDeletion, endDeletion and recordMove on the window's results; a
  // deletion replaces the record only when it removed a file.
  void beginDeletion(const std::vector<std::string>& paths);
  void endDeletion(const DeletionReport& report, bool enteredDeletedList);
  void recordMove(const std::string& from, const std::string& to);
  // Forgets the record (after a change the record cannot follow, such as a new drive root).
  void clear();
  // Sets the action's caption and state from the record; results replaced since make it "Undo".
  void refresh();
  void setScanRunning(bool running);
  void undo();

 signals:
  // What an undo did, for the status line.
  void statusMessage(const QString& text);

 private:
  void showOutcome(UndoKind kind, const UndoOutcome& outcome);

  ResultsModel& model_;
  DeletedList& deletedList_;
  ResultLists& lists_;
  Host& host_;
  QAction* action_;
  UndoRecord record_;
  UndoRecord pending_;  // the deletion under way
  bool scanRunning_ = false;
};

}  // namespace vl::gui

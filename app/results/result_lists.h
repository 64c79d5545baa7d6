// The base list and the duplicate list of the main window over the engine's results model.
#pragma once

#include <QObject>

#include "app/results/dupe_list_model.h"
#include "app/results/key_navigation.h"
#include "core/results/results_model.h"

class QHeaderView;
class QListView;
class QListWidget;
class QTabBar;

namespace vl::gui {

class ActionSet;

// The controls the result lists drive.
struct ResultListWidgets {
  QListWidget* baseList;  // lbBaseFiles
  QListView* dupeList;    // lbDupes
  QHeaderView* header;    // lbDupesHead
  QTabBar* tabs;          // TabSet1: "All Dupes" and "Marked"
};

// Keeps lbBaseFiles in step with the model's shown groups, fills lbDupes for the
// selected group and carries out the list commands (marking, sorting by a header
// click, removing a group, the view tabs and key moves). It connects the list
// commands of the window's action set itself, and sees the keys of every control
// in the lists' window before the focused one does. The model builds every line;
// this class only places them. While it rebuilds a list, the handlers the rebuild
// sets off do nothing.
class ResultLists : public QObject {
  Q_OBJECT
 public:
  // The sort column the duplicate list starts with (Ers).
  static constexpr int InitialSortColumn = 1;

  ResultLists(ResultsModel& model, const ResultListWidgets& widgets, const ActionSet& actions, QObject* parent);
  ~ResultLists() override;

  DupeListModel& dupeModel() { return dupeModel_; }
  int sortColumn() const { return sortColumn_; }
  // The entry of the selected duplicate line, or null.
  TResultEntry* selectedEntry() const;

  // Rebuilds lbDupes for the selected group and selects its first duplicate. O(group).
  void FillDupeList();
  // A click on header section `column`: sorts by it unless it is Del or Date.
  void SortDupeList(int column);
  // Flips the mark of the selected line and of every entry with the same path.
  void ToggleMark();
  // "Remove Base Group": removes the selected group and shows the one now at its place.
  void removeSelectedGroup();
  // "Not a Duplicate": takes the selected duplicate line's entry out of its group
  // (pruning as deletion does) and selects the line now at its place.
  void removeSelectedDuplicate();
  // "Sort Alphabetically": orders lbBaseFiles by caption; the selection stays.
  void sortAlphabetically();
  // The "All Dupes" and "Marked" tabs.
  void showView(BaseView view);
  // Selects the group at row, or the last one when row is beyond the end, and fills lbDupes.
  void selectGroup(int row);
  // After groups came back or changed: rebuilds the shown tab's list and shows the
  // first group holding `path` with its line selected, or the group at the selected
  // row when none holds it. O(entries).
  void showGroupOf(const std::string& path);
  // Selects the shown group's row again after groups were removed around it; false
  // when the shown group itself is gone.
  bool reselectShownGroup();
  // Takes the selected line out of lbDupes, selects the line now at its position (or
  // the last) and shows it (ShowDupe).
  void removeSelectedLine();
  // Rewrites the selected line from its entry (a new path); with showDupe the
  // previews and the file pane look at it again.
  void refreshSelectedLine(bool showDupe);
  // Shows the "All Dupes" tab.
  void showAllDupes();
  // Selects the first group when nothing or the first is selected, and fills lbDupes.
  void showFirstGroup();
  // After marks changed outside the lists: rebuilds the "Marked" view when shown,
  // and the lines of lbDupes. O(entries).
  void marksChanged();
  // Empties lbDupes (before the entries it shows are freed).
  void clearDupeList();
  // During a scan the tabs show "All Dupes" and cannot be changed.
  void setScanRunning(bool running);

 protected:
  // Key presses of the window's controls run the list commands (the line keys move through
  // the groups while the base list has the focus); the Path column takes
  // the room the list gains when it grows.
  bool eventFilter(QObject* watched, QEvent* event) override;

 signals:
  // ShowDupe: the selected duplicate line changed (null: none), for the preview panes.
  void dupeShown(const vl::TResultEntry* entry);
  // The group whose lines lbDupes now shows (null: none).
  void groupShown(const vl::TResultEntry* base);

 private:
  void connectCommands(const ActionSet& actions);
  // Carries out a key command; false for ListKeyCommand::None (the key is not consumed).
  bool runKeyCommand(ListKeyCommand command);
  void syncBaseList();
  void rebuildBaseList();
  void selectGroupRow(int row);
  void selectDupeRow(int row);
  void onCurrentDupeChanged();
  bool shownGroupStillExists() const;
  void onSectionResized(int section, int newSize);
  void fitPathColumn();

  // Sets the flag for its lifetime and restores what it was, so nested rebuilds keep
  // it until the outermost one ends.
  class Rebuilding {
   public:
    explicit Rebuilding(bool& flag) : flag_(flag), saved_(flag) { flag_ = true; }
    ~Rebuilding() { flag_ = saved_; }
    Rebuilding(const Rebuilding&) = delete;
    Rebuilding& operator=(const Rebuilding&) = delete;

   private:
    bool& flag_;
    bool saved_;
  };

  ResultsModel& model_;
  bool rebuilding_ = false;
  QListWidget* baseList_;
  QListView* dupeList_;
  QHeaderView* header_;
  QTabBar* tabs_;
  DupeListModel dupeModel_;
  int sortColumn_ = InitialSortColumn;
  const TResultEntry* shownBase_ = nullptr;
  QWidget* listViewport_ = nullptr;  // compared by address: it may be half destroyed
  int pathWidth_ = 0;  // the Path column's width as set, before it grows with the list
  bool fittingPath_ = false;
};

// A date-time double (days since 30 December 1899, local time) in the locale's
// short date and long time format, without a time zone.
std::string LocaleDateText(double dateTime);

}  // namespace vl::gui

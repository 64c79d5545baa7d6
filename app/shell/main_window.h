// The main window: result lists, preview and file panes, actions, menus, toolbar and status bar.
#pragma once

#include <QMainWindow>
#include <array>
#include <memory>

#include "app/components/gui_host.h"
#include "app/shell/command_line.h"
#include "app/shell/scan_commands.h"
#include "core/results/results_model.h"
#include "core/results/deleted_list.h"

class QHeaderView;
class QLabel;
class QListView;
class QListWidget;
class QProgressBar;
class QScrollArea;
class QTabBar;

namespace vl::gui {

class ActionSet;
class FoldersDialog;
class FormPropertyStore;
class JobStatus;
class PreviewController;
class ResultLists;
class ResultsFileCommands;
class UndoCommand;

// The program's main form "fmain". It owns the results (FResultEntries and
// FBaseGroups in the results model) and the in-memory deleted-file list, creates
// and lays out the controls and the commands of its action table, and hands them
// to the controllers that carry them out: the result lists and the scan commands.
// Closing it during a scan cancels the scan and closes once the scan's job has
// ended; closing it with marks the user changed since the results were scanned,
// loaded or saved asks whether to save them first. Its controls and actions carry
// their design names as objectNames.
class MainWindow : public QMainWindow, public ScanWindow {
  Q_OBJECT
 public:
  MainWindow();
  ~MainWindow() override;

  // The folders dialog whose lists every scan reads (created after the window).
  void setFoldersDialog(FoldersDialog* folders);
  // Opens what the command line named, once the window is shown: scans folders,
  // loads a results file, or shows a database in the Database Explorer.
  void start(const StartRequest& request);

  ResultsModel& results() { return results_; }
  ResultLists& lists() { return *lists_; }
  PreviewController& previews() { return *previews_; }
  ScanCommands& scanCommands() { return *scan_; }
  bool isScanning() const;

  // ScanWindow
  void resultsCleared() override;
  void scanRunning(bool running) override;
  void showFirstGroup() override;

 protected:
  bool event(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  // Built in main_window_actions.cpp.
  void createMenus();
  void createToolBar();
  void createPopupMenus();
  void connectWindowCommands();

  // Built in main_window.cpp.
  void createLayout();
  // The first start's placement (nothing stored yet): 80 % of the screen, centred, the
  // duplicate list at least MinDupeLines lines high and the base list wide enough for
  // its names and counts. Stored placement and splitter sizes replace it on first show.
  void placeAtFirstStart();
  QWidget* createBasePanel();
  QWidget* createDupePanel();
  QWidget* createImagePanel();
  void createStatusBar();
  void readColumnWidths();
  // A date and time with the widest fields, in the locale's format, for the Date column's width.
  static QString sampleDateText();
  void writeColumnWidths();
  void saveDeletedList();
  // The first status panel shows `text` whenever no hint is shown.
  void showStatusMessage(const QString& text);
  // Whether closing may go on: with marks changed since the last save, the user is
  // asked to save them first (Yes saves, No drops them, Cancel keeps the window).
  bool mayCloseWithMarks();

  ResultsModel results_;
  DeletedList deletedList_;
  GuiHost host_;
  std::unique_ptr<ActionSet> actions_;
  ResultLists* lists_ = nullptr;
  PreviewController* previews_ = nullptr;
  JobStatus* jobStatus_ = nullptr;
  ScanCommands* scan_ = nullptr;
  ResultsFileCommands* resultsFile_ = nullptr;
  UndoCommand* undo_ = nullptr;
  QString lastStatus_;
  std::unique_ptr<FormPropertyStore> store_;
  bool firstShowDone_ = false;

  QListWidget* lbBaseFiles_ = nullptr;
  QTabBar* tabSet_ = nullptr;
  QHeaderView* lbDupesHead_ = nullptr;
  QListView* lbDupes_ = nullptr;
  QScrollArea* sbBase_ = nullptr;
  QScrollArea* sbThumbs_ = nullptr;
  QListWidget* lvBase_ = nullptr;
  QListWidget* lvThumbs_ = nullptr;
  QWidget* pFiles_ = nullptr;
  std::array<QLabel*, 3> panels_{};
  QProgressBar* progressBar_ = nullptr;
};

}  // namespace vl::gui

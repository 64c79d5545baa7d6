// The main window: result lists, preview and file panes, actions, menus, toolbar and status bar.
#pragma once

#include <QMainWindow>
#include <array>
#include <memory>
#include <string>

#include "app/components/gui_host.h"
#include "core/results/results_model.h"
#include "core/results/deleted_list.h"

class QHeaderView;
class QLabel;
class QListView;
class QListWidget;
class QMenu;
class QScrollArea;
class QSplitter;
class QTabBar;

namespace vl::gui {

class FoldersDialog;
class FormPropertyStore;
class PreviewController;
class ResultLists;

// The program's main form "fmain". It owns the results (FResultEntries and
// FBaseGroups in the results model) and the in-memory deleted-file list, starts
// scans through ScanDriver with itself as the scan's window, and previews the keys
// of its controls for the list navigation. Closing it during a scan only cancels
// the scan. Its controls and actions carry their design names as objectNames.
class MainWindow : public QMainWindow, public ScanWindow {
  Q_OBJECT
 public:
  MainWindow();
  ~MainWindow() override;

  // The folders dialog whose lists every scan reads (created after the window).
  void setFoldersDialog(FoldersDialog* folders) { folders_ = folders; }

  ResultsModel& results() { return results_; }
  ResultLists& lists() { return *lists_; }
  PreviewController& previews() { return *previews_; }
  bool isScanning() const { return scanning_; }

  // StartScan over the folders dialog's lists; ignored while a scan runs.
  void startScan(int scanMode, const std::string& mask);

  // ScanWindow
  void setPanelText(int panel, const QString& text) override;
  void openFoldersDialog() override;
  void resultsCleared() override;
  void scanRunning(bool running) override;
  void showFirstGroup() override;

 protected:
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  // Built in main_window_actions.cpp.
  void createActions();
  void createMenus();
  void createToolBar();
  void createPopupMenus();
  QAction* addCommand(const char* objectName, const QString& caption, const QString& hint = {});
  QAction* addToggle(const char* objectName, const QString& hint, bool checked);

  // Built in main_window.cpp.
  void createLayout();
  QWidget* createBasePanel();
  QWidget* createDupePanel();
  QWidget* createImagePanel();
  void createStatusBar();
  void readColumnWidths();
  // A date and time with the widest fields, in the locale's format, for the Date column's width.
  static QString sampleDateText();
  void writeColumnWidths();
  void saveDeletedList();
  // The first activation opens the wizard (when "ShowWiz" is on); so does the first
  // show after WizardFallbackMs when no activation came (no window manager).
  void openWizardOnce();
  void openWizardAtStartup();
  static constexpr int WizardFallbackMs = 400;

  void aScanExecute();
  void scanWizardExecute();
  void aConfigureExecute();
  void aboutExecute();
  void showError(const QString& text);

  ResultsModel results_;
  DeletedList deletedList_;
  GuiHost host_;
  FoldersDialog* folders_ = nullptr;
  ResultLists* lists_ = nullptr;
  PreviewController* previews_ = nullptr;
  std::unique_ptr<FormPropertyStore> store_;
  bool scanning_ = false;
  bool wizardShown_ = false;
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
  QMenu* pmBase_ = nullptr;
  QMenu* pmDupes_ = nullptr;
  QMenu* pmFiles_ = nullptr;

  QAction* aScanWizard_ = nullptr;
  QAction* aEditFolders_ = nullptr;
  QAction* aDatabaseManagement_ = nullptr;
  QAction* aConfigure_ = nullptr;
  QAction* aScan_ = nullptr;
  QAction* aCancel_ = nullptr;
  QAction* tbDellist_ = nullptr;
  QAction* aDelFile_ = nullptr;
  QAction* aMarkFile_ = nullptr;
  QAction* aDelMarked_ = nullptr;
  QAction* aDelAllMarked_ = nullptr;
  QAction* tbFullSize_ = nullptr;
  QAction* tbSideBySide_ = nullptr;
  QAction* tbScrollInUnison_ = nullptr;
  QAction* tbShowFiles_ = nullptr;
  QAction* loadResults_ = nullptr;
  QAction* saveResults_ = nullptr;
  QAction* addToDeletedList_ = nullptr;
  QAction* exit_ = nullptr;
  QAction* scale_[4] = {};
  QAction* bestQuality_ = nullptr;
  QAction* bestSpeed_ = nullptr;
  QAction* removeWhenNoDuplicates_ = nullptr;
  QAction* copyFile_ = nullptr;
  QAction* moveFile_ = nullptr;
  QAction* removeFromList_ = nullptr;
  QAction* removeBaseGroup_ = nullptr;
  QAction* sortAlphabetically_ = nullptr;
  QAction* executeDupe_ = nullptr;
  QAction* exploreDupe_ = nullptr;
  QAction* changeDriveLetter_ = nullptr;
  QAction* executeFile_ = nullptr;
  QAction* exploreFile_ = nullptr;
  QAction* refreshFiles_ = nullptr;
  QAction* helpContents_ = nullptr;
  QAction* about_ = nullptr;
};

}  // namespace vl::gui

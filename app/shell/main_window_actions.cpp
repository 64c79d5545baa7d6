// The main window's actions, menus, toolbar and pop-up menus.
#include <QActionGroup>
#include <QListView>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include "app/components/widget_helpers.h"
#include "app/results/result_lists.h"
#include "app/shell/action_icons.h"
#include "app/components/help.h"
#include "app/shell/main_window.h"
#include "core/settings/settings.h"

namespace vl::gui {

QAction* MainWindow::addCommand(const char* objectName, const QString& caption, const QString& hint) {
  auto* action = new QAction(caption, this);
  action->setObjectName(QLatin1String(objectName));
  if (!hint.isEmpty()) SetHint(action, hint);
  addAction(action);
  return action;
}

QAction* MainWindow::addToggle(const char* objectName, const QString& hint, bool checked) {
  QAction* action = addCommand(objectName, hint, hint);
  action->setCheckable(true);
  action->setChecked(checked);
  return action;
}

void MainWindow::createActions() {
  aScanWizard_ = addCommand("aScanWizard", QStringLiteral("Scan Wizard..."), QStringLiteral("Scan Wizard"));
  aScanWizard_->setIcon(ActionIcon(ActionGlyph::ScanWizard));
  aEditFolders_ = addCommand("aEditFolders", QStringLiteral("Edit Folders..."), QStringLiteral("Select Folders to Scan."));
  aEditFolders_->setIcon(ActionIcon(ActionGlyph::EditFolders));
  aDatabaseManagement_ = addCommand("aDatabaseManagement", QStringLiteral("Database Management..."),
                                    QStringLiteral("Create and managed your VL Databases."));
  aDatabaseManagement_->setIcon(ActionIcon(ActionGlyph::Database));
  aDatabaseManagement_->setEnabled(false);
  aConfigure_ = addCommand("aConfigure", QStringLiteral("Configure..."), QStringLiteral("Configure Velloran."));
  aConfigure_->setIcon(ActionIcon(ActionGlyph::Configure));
  aScan_ = addCommand("aScan", QStringLiteral("Scan"), QStringLiteral("Start the Scan."));
  aScan_->setIcon(ActionIcon(ActionGlyph::Scan));
  aCancel_ = addCommand("aCancel", QStringLiteral("Cancel"), QStringLiteral("Cancel Scanning."));
  aCancel_->setIcon(ActionIcon(ActionGlyph::Cancel));
  aCancel_->setEnabled(false);
  tbDellist_ = addToggle("tbDellist", QStringLiteral("Use Deleted List."), UseDeletedList);
  tbDellist_->setIcon(ActionIcon(ActionGlyph::DeletedList));
  aDelFile_ = addCommand("aDelFile", QStringLiteral("Delete File"), QStringLiteral("Delete Selected File."));
  aDelFile_->setIcon(ActionIcon(ActionGlyph::DeleteFile));
  aDelFile_->setShortcut(Qt::Key_Delete);
  aMarkFile_ = addCommand("aMarkFile", QStringLiteral("Mark Selected File"),
                          QStringLiteral("Mark / UnMark Selected File for Deletion. (Space)"));
  aMarkFile_->setIcon(ActionIcon(ActionGlyph::MarkFile));
  aDelMarked_ = addCommand("aDelMarked", QStringLiteral("Delete Marked"), QStringLiteral("Delete Visible Marked Files."));
  aDelMarked_->setIcon(ActionIcon(ActionGlyph::DeleteMarked));
  aDelMarked_->setShortcut(Qt::SHIFT | Qt::Key_Delete);
  aDelAllMarked_ = addCommand("aDelAllMarked", QStringLiteral("Delete All Marked"), QStringLiteral("Delete ALL Marked Files."));
  aDelAllMarked_->setIcon(ActionIcon(ActionGlyph::DeleteAllMarked));
  aDelAllMarked_->setShortcut(Qt::CTRL | Qt::Key_Delete);
  for (QAction* later : {aDelFile_, aDelMarked_, aDelAllMarked_}) later->setEnabled(false);

  tbFullSize_ = addToggle("tbFullSize", QStringLiteral("Show Image Full Sized, or Streched."), true);
  tbFullSize_->setIcon(ActionIcon(ActionGlyph::FullSize));
  tbFullSize_->setVisible(false);
  tbFullSize_->setEnabled(false);
  tbSideBySide_ = addToggle("tbSideBySide", QStringLiteral("Show Base AND Selected, or just selected."), true);
  tbSideBySide_->setIcon(ActionIcon(ActionGlyph::SideBySide));
  tbScrollInUnison_ = addToggle("tbScrollInUnison", QStringLiteral("Scroll Images in Unison."), true);
  tbScrollInUnison_->setIcon(ActionIcon(ActionGlyph::ScrollInUnison));
  tbShowFiles_ = addToggle("tbShowFiles", QStringLiteral("Show File Pane."), true);
  tbShowFiles_->setIcon(ActionIcon(ActionGlyph::ShowFiles));

  loadResults_ = addCommand("LoadResults1", QStringLiteral("Load Results..."));
  loadResults_->setIcon(ActionIcon(ActionGlyph::LoadResults));
  saveResults_ = addCommand("SaveResults1", QStringLiteral("Save Results..."));
  saveResults_->setIcon(ActionIcon(ActionGlyph::SaveResults));
  addToDeletedList_ = addCommand("AddFilestoDeletedList1", QStringLiteral("Add Files to Deleted List..."));
  addToDeletedList_->setIcon(ActionIcon(ActionGlyph::DeletedList));
  exit_ = addCommand("Exit1", QStringLiteral("Exit"));
  exit_->setIcon(ActionIcon(ActionGlyph::Exit));

  auto* scaleGroup = new QActionGroup(this);
  const char* const scaleNames[4] = {"N113", "N123", "N143", "N183"};
  const char* const scaleCaptions[4] = {"1 : 1", "1 : 2", "1 : 4", "1 : 8"};
  for (int i = 0; i < 4; ++i) {
    scale_[i] = addCommand(scaleNames[i], QLatin1String(scaleCaptions[i]));
    scale_[i]->setCheckable(true);
    scale_[i]->setChecked(i == 0);
    scaleGroup->addAction(scale_[i]);
  }
  auto* performanceGroup = new QActionGroup(this);
  bestQuality_ = addCommand("BestQuality3", QStringLiteral("Best Quality"));
  bestSpeed_ = addCommand("BestSpeed3", QStringLiteral("Best Speed"));
  for (QAction* choice : {bestQuality_, bestSpeed_}) {
    choice->setCheckable(true);
    performanceGroup->addAction(choice);
  }
  bestQuality_->setChecked(true);
  removeWhenNoDuplicates_ = addCommand("Removewhennoduplicates2", QStringLiteral("Remove when no duplicates"));
  removeWhenNoDuplicates_->setCheckable(true);
  removeWhenNoDuplicates_->setChecked(true);

  copyFile_ = addCommand("CopyFileto1", QStringLiteral("Copy File to..."));
  moveFile_ = addCommand("MoveRenameFile1", QStringLiteral("Move / Rename File..."));
  removeFromList_ = addCommand("RemoveFromList1", QStringLiteral("Remove Base Group"), QStringLiteral("Remove Dupe Group."));
  removeFromList_->setShortcut(Qt::Key_Insert);
  removeBaseGroup_ = addCommand("RemoveBaseGroup1", QStringLiteral("Remove Base Group"), QStringLiteral("Remove Dupe Group."));
  sortAlphabetically_ = addCommand("SortAlphabetically1", QStringLiteral("Sort Alphabetically"));
  executeDupe_ = addCommand("Execute1", QStringLiteral("Execute..."));
  exploreDupe_ = addCommand("Exploreto1", QStringLiteral("Explore to..."));
  changeDriveLetter_ = addCommand("ChangeDriveLetter1", QStringLiteral("Change Drive Letter..."));
  executeFile_ = addCommand("Execute2", QStringLiteral("Execute..."));
  exploreFile_ = addCommand("Exploreto2", QStringLiteral("Explore to..."));
  refreshFiles_ = addCommand("Refresh1", QStringLiteral("Refresh"));
  for (QAction* later : {loadResults_, saveResults_, addToDeletedList_, copyFile_, moveFile_, executeDupe_,
                         exploreDupe_, changeDriveLetter_, executeFile_, exploreFile_, refreshFiles_})
    later->setEnabled(false);
  helpContents_ = addCommand("HelpContents1", QStringLiteral("Help Contents..."));
  helpContents_->setIcon(ActionIcon(ActionGlyph::Help));
  about_ = addCommand("About1", QStringLiteral("About..."));
  about_->setIcon(ActionIcon(ActionGlyph::About));

  connect(aScanWizard_, &QAction::triggered, this, &MainWindow::scanWizardExecute);
  connect(aEditFolders_, &QAction::triggered, this, &MainWindow::openFoldersDialog);
  connect(aConfigure_, &QAction::triggered, this, &MainWindow::aConfigureExecute);
  connect(aScan_, &QAction::triggered, this, &MainWindow::aScanExecute);
  connect(aCancel_, &QAction::triggered, this, [] { ScanCancelled = true; });
  connect(tbDellist_, &QAction::toggled, this, [](bool down) { UseDeletedList = down; });
  connect(aMarkFile_, &QAction::triggered, this, [this] { lists_->ToggleMark(); });
  connect(tbFullSize_, &QAction::toggled, this, &MainWindow::applyFullSize);
  connect(tbSideBySide_, &QAction::toggled, this, &MainWindow::applySideBySide);
  connect(tbShowFiles_, &QAction::toggled, this, &MainWindow::applyShowFiles);
  connect(exit_, &QAction::triggered, this, &QWidget::close);
  connect(removeWhenNoDuplicates_, &QAction::toggled, this,
          [this](bool on) { results_.removeWhenNoDuplicates = on; });
  for (QAction* remove : {removeFromList_, removeBaseGroup_})
    connect(remove, &QAction::triggered, this, [this] { lists_->removeSelectedGroup(); });
  connect(sortAlphabetically_, &QAction::triggered, this, [this] { lists_->sortAlphabetically(); });
  connect(helpContents_, &QAction::triggered, this, [this] { ShowHelp(this, HelpContents); });
  connect(about_, &QAction::triggered, this, &MainWindow::aboutExecute);
}

void MainWindow::createMenus() {
  QMenu* file = menuBar()->addMenu(QStringLiteral("File"));
  file->setObjectName(QStringLiteral("File1"));
  file->addActions({aScanWizard_, aEditFolders_, aDatabaseManagement_, aConfigure_});
  file->addSeparator();
  file->addActions({aScan_, aCancel_});
  file->addSeparator();
  file->addActions({loadResults_, saveResults_, addToDeletedList_});
  file->addSeparator();
  file->addAction(exit_);

  QMenu* view = menuBar()->addMenu(QStringLiteral("View"));
  view->setObjectName(QStringLiteral("View1"));
  SetHelpContext(view, HelpViewMenu);
  QMenu* jpegOptions = view->addMenu(QStringLiteral("JPEG Options"));
  QMenu* preview = jpegOptions->addMenu(QStringLiteral("Preview"));
  QMenu* scale = preview->addMenu(QStringLiteral("Scale"));
  for (QAction* choice : scale_) scale->addAction(choice);
  QMenu* performance = preview->addMenu(QStringLiteral("Performance"));
  performance->addActions({bestQuality_, bestSpeed_});
  view->addSeparator();
  view->addAction(removeWhenNoDuplicates_);

  QMenu* fileManagement = menuBar()->addMenu(QStringLiteral("File Management"));
  fileManagement->setObjectName(QStringLiteral("FileManagement1"));
  SetHelpContext(fileManagement, HelpFileManagementMenu);
  fileManagement->addAction(aDelFile_);
  fileManagement->addSeparator();
  fileManagement->addActions({aMarkFile_, aDelMarked_, aDelAllMarked_});
  fileManagement->addSeparator();
  fileManagement->addActions({copyFile_, moveFile_, removeFromList_});

  QMenu* help = menuBar()->addMenu(QStringLiteral("Help"));
  help->setObjectName(QStringLiteral("Help1"));
  help->addActions({helpContents_, about_});
}

void MainWindow::createToolBar() {
  auto* toolBar = new QToolBar(QStringLiteral("Toolbar"), this);
  toolBar->setObjectName(QStringLiteral("Toolbar971"));
  toolBar->setMovable(false);
  toolBar->setFloatable(false);
  toolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
  const int iconSize = ScaledBarHeight(this, 16);
  toolBar->setIconSize(QSize(iconSize, iconSize));
  toolBar->toggleViewAction()->setEnabled(false);
  toolBar->addActions({aScanWizard_, aEditFolders_, aDatabaseManagement_, aConfigure_});
  toolBar->addSeparator();
  toolBar->addActions({aScan_, aCancel_, tbDellist_});
  toolBar->addSeparator();
  toolBar->addAction(aDelFile_);
  toolBar->addSeparator();
  toolBar->addActions({aMarkFile_, aDelMarked_, aDelAllMarked_});
  toolBar->addSeparator();
  toolBar->addActions({tbFullSize_, tbSideBySide_, tbScrollInUnison_, tbShowFiles_});
  addToolBar(Qt::TopToolBarArea, toolBar);
  setContextMenuPolicy(Qt::NoContextMenu);
}

void MainWindow::createPopupMenus() {
  pmBase_ = new QMenu(this);
  pmBase_->setObjectName(QStringLiteral("pmBase"));
  pmBase_->addActions({removeBaseGroup_, sortAlphabetically_});
  pmDupes_ = new QMenu(this);
  pmDupes_->setObjectName(QStringLiteral("pmDupes"));
  pmDupes_->addActions({executeDupe_, exploreDupe_});
  pmDupes_->addSeparator();
  pmDupes_->addActions({copyFile_, moveFile_});
  pmDupes_->addSeparator();
  pmDupes_->addAction(changeDriveLetter_);
  pmFiles_ = new QMenu(this);
  pmFiles_->setObjectName(QStringLiteral("pmFiles"));
  pmFiles_->addActions({executeFile_, exploreFile_});
  pmFiles_->addSeparator();
  pmFiles_->addAction(refreshFiles_);

  const auto attach = [](QAbstractScrollArea* list, QMenu* menu) {
    list->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(list, &QWidget::customContextMenuRequested, menu,
            [list, menu](const QPoint& at) { menu->popup(list->viewport()->mapToGlobal(at)); });
  };
  attach(lbBaseFiles_, pmBase_);
  attach(lbDupes_, pmDupes_);
  attach(lvBase_, pmFiles_);
  attach(lvThumbs_, pmFiles_);
}

}  // namespace vl::gui

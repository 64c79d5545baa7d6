// The main window's menus, toolbar and pop-up menus, filled from its action set, and its own commands.
#include <QAction>
#include <QListView>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <QToolBar>

#include "app/components/action_set.h"
#include "app/components/widget_helpers.h"
#include "app/database/database_dialog.h"
#include "app/database/database_explorer.h"
#include "app/results/results_file_commands.h"
#include "app/shell/about_box.h"
#include "app/components/help.h"
#include "app/shell/main_window.h"

namespace vl::gui {
namespace {

template <typename Parent>
QMenu* addMenu(Parent* parent, const char* objectName, const QString& caption) {
  QMenu* menu = parent->addMenu(caption);
  menu->setObjectName(QLatin1String(objectName));
  return menu;
}

}  // namespace

void MainWindow::createMenus() {
  actions_->fill(addMenu(menuBar(), "File1", tr("&File")));
  actions_->fill(addMenu(menuBar(), "Edit1", tr("&Edit")));
  QMenu* view = addMenu(menuBar(), "View1", tr("&View"));
  viewMenu_ = view;
  SetHelpContext(view, HelpViewMenu);
  QMenu* preview = addMenu(addMenu(view, "JPEGOptions1", tr("&JPEG Options")), "Preview1", tr("&Preview"));
  actions_->fill(addMenu(preview, "Scale1", tr("&Scale")));
  actions_->fill(addMenu(preview, "Performance1", tr("&Performance")));
  actions_->fill(view);
  QMenu* fileManagement = addMenu(menuBar(), "FileManagement1", tr("File &Management"));
  SetHelpContext(fileManagement, HelpFileManagementMenu);
  actions_->fill(fileManagement);
  actions_->fill(addMenu(menuBar(), "Help1", tr("&Help")));
}

void MainWindow::createToolBar() {
  auto* toolBar = new QToolBar(tr("Toolbar"), this);
  toolBar->setObjectName(QStringLiteral("Toolbar971"));
  toolBar->setMovable(false);
  toolBar->setFloatable(false);
  toolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
  const int iconSize = ScaledBarHeight(this, 16);
  toolBar->setIconSize(QSize(iconSize, iconSize));
  toolBar->toggleViewAction()->setEnabled(false);
  actions_->fill(toolBar);
  addToolBar(Qt::TopToolBarArea, toolBar);
  setContextMenuPolicy(Qt::NoContextMenu);
}

void MainWindow::createPopupMenus() {
  const auto popup = [this](const char* objectName) {
    auto* menu = new QMenu(this);
    menu->setObjectName(QLatin1String(objectName));
    actions_->fill(menu);
    return menu;
  };
  const auto attach = [](QAbstractScrollArea* list, QMenu* menu) {
    list->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(list, &QWidget::customContextMenuRequested, menu,
            [list, menu](const QPoint& at) { menu->popup(list->viewport()->mapToGlobal(at)); });
  };
  attach(lbBaseFiles_, popup("pmBase"));
  attach(lbDupes_, popup("pmDupes"));
  QMenu* pmFiles = popup("pmFiles");
  attach(lvBase_, pmFiles);
  attach(lvThumbs_, pmFiles);
}

void MainWindow::start(const StartRequest& request) {
  if (request.kind == StartRequest::Kind::Window) return;
  scan_->skipWizard();
  QTimer::singleShot(0, this, [this, request] {
    switch (request.kind) {
      case StartRequest::Kind::ScanFolders:
        return scan_->scanFolders(request.paths);
      case StartRequest::Kind::OpenResults:
        return resultsFile_->loadResultsFrom(request.paths.front());
      case StartRequest::Kind::OpenDatabase: {
        DatabaseExplorer explorer(this);
        explorer.loadFile(request.paths.front());
        explorer.exec();
        return;
      }
      case StartRequest::Kind::Window:
        return;
    }
  });
}

void MainWindow::connectWindowCommands() {
  connect(actions_->action(MainAction::Exit), &QAction::triggered, this, &QWidget::close);
  connect(actions_->action(MainAction::HelpContents), &QAction::triggered, this, [this] { ShowHelp(this, HelpContents); });
  connect(actions_->action(MainAction::About), &QAction::triggered, this, [this] { AboutBox(this).exec(); });
  connect(actions_->action(MainAction::DatabaseManagement), &QAction::triggered, this,
          [this] { OpenDatabaseManagement(this); });
}

}  // namespace vl::gui

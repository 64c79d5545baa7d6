// The main window's menus, toolbar and pop-up menus, filled from its action set, and its own commands.
#include <QAction>
#include <QListView>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include "app/components/action_set.h"
#include "app/components/widget_helpers.h"
#include "app/database/database_dialog.h"
#include "app/shell/about_box.h"
#include "app/components/help.h"
#include "app/shell/main_window.h"

namespace vl::gui {
namespace {

template <typename Parent>
QMenu* addMenu(Parent* parent, const char* objectName, const char* caption) {
  QMenu* menu = parent->addMenu(QLatin1String(caption));
  menu->setObjectName(QLatin1String(objectName));
  return menu;
}

}  // namespace

void MainWindow::createMenus() {
  actions_->fill(addMenu(menuBar(), "File1", "&File"));
  actions_->fill(addMenu(menuBar(), "Edit1", "&Edit"));
  QMenu* view = addMenu(menuBar(), "View1", "&View");
  SetHelpContext(view, HelpViewMenu);
  QMenu* preview = addMenu(addMenu(view, "JPEGOptions1", "JPEG Options"), "Preview1", "Preview");
  actions_->fill(addMenu(preview, "Scale1", "Scale"));
  actions_->fill(addMenu(preview, "Performance1", "Performance"));
  actions_->fill(view);
  QMenu* fileManagement = addMenu(menuBar(), "FileManagement1", "File &Management");
  SetHelpContext(fileManagement, HelpFileManagementMenu);
  actions_->fill(fileManagement);
  actions_->fill(addMenu(menuBar(), "Help1", "&Help"));
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

void MainWindow::connectWindowCommands() {
  connect(actions_->action("Exit1"), &QAction::triggered, this, &QWidget::close);
  connect(actions_->action("HelpContents1"), &QAction::triggered, this, [this] { ShowHelp(this, HelpContents); });
  connect(actions_->action("About1"), &QAction::triggered, this, [this] { AboutBox(this).exec(); });
  connect(actions_->action("aDatabaseManagement"), &QAction::triggered, this,
          [this] { OpenDatabaseManagement(this); });
}

}  // namespace vl::gui

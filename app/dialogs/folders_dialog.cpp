// Building the folders dialog and keeping its lists in "newlist.txt" and "orglist.txt".
#include "app/dialogs/folders_dialog.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <exception>

#include "app/components/help.h"
#include "app/components/dialog_provider.h"
#include "app/components/folder_list_box.h"
#include "app/components/widget_helpers.h"
#include "app/components/form_property_store.h"
#include "core/files/paths.h"
#include "core/settings/folder_lists.h"
#include "core/settings/settings.h"

namespace vl::gui {
namespace {

const char* const BaseListFile = "newlist.txt";
const char* const CompareListFile = "orglist.txt";

}  // namespace

FoldersDialog::FoldersDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
  setObjectName("ffolders");
  setWindowTitle(tr("Folders to Scan"));
  SetHelpContext(this, HelpFoldersDialog);
  auto* halves = new QHBoxLayout;
  halves->setSpacing(0);
  halves->addWidget(makeHalf(tr("Base Files"), "", baseList_), 1);
  halves->addWidget(makeHalf(tr("Files to Compare against Base"), "2", compareList_), 1);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addLayout(halves, 1);
  layout->addWidget(makeBottomBar());
  resize(528, 340);
  loadListFiles();
  store_ = std::make_unique<FormPropertyStore>(this, "Tffolders", true, QStringList());
}

FoldersDialog::~FoldersDialog() = default;

QWidget* FoldersDialog::makeHalf(const QString& caption, const QString& suffix, FolderListBox*& list) {
  auto* half = new QWidget(this);
  half->setObjectName(suffix.isEmpty() ? "pBase" : "pCompare");
  auto* title = new QLabel(caption, half);
  title->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  title->setAlignment(Qt::AlignCenter);
  title->setFixedHeight(ScaledBarHeight(title, 24));
  list = new FolderListBox(half);
  list->setObjectName("lbdirs" + suffix);
  auto* layout = new QVBoxLayout(half);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(title);
  layout->addWidget(makeToolBar(suffix, list));
  layout->addWidget(list, 1);
  return half;
}

QToolBar* FoldersDialog::makeToolBar(const QString& suffix, FolderListBox* list) {
  auto* bar = new QToolBar(this);
  bar->setObjectName("ToolBar" + (suffix.isEmpty() ? QString("1") : suffix));
  FillFolderListToolBar(bar, list, suffix, true);
  return bar;
}

QWidget* FoldersDialog::makeBottomBar() {
  auto* bar = new QWidget(this);
  bar->setObjectName("pBottom");
  bar->setFixedHeight(ScaledBarHeight(bar, 41));
  auto* done = new QPushButton(tr("&Done"), bar);
  done->setObjectName("bbDone");
  done->setDefault(true);
  connect(done, &QPushButton::clicked, this, &QDialog::accept);
  auto* databases = new QPushButton(tr("Database &Management"), bar);
  databases->setObjectName("bbDatabase");
  connect(databases, &QPushButton::clicked, this, &FoldersDialog::databaseManagementRequested);
  auto* layout = new QHBoxLayout(bar);
  layout->addWidget(done);
  layout->addStretch();
  layout->addWidget(databases);
  return bar;
}

std::vector<std::string> FoldersDialog::baseList() const { return baseList_->entries(); }

std::vector<std::string> FoldersDialog::compareList() const { return compareList_->entries(); }

void FoldersDialog::setLists(std::vector<std::string> base, std::vector<std::string> compare) {
  baseList_->setEntries(std::move(base));
  compareList_->setEntries(std::move(compare));
}

void FoldersDialog::loadListFiles() {
  const std::pair<const char*, FolderListBox*> files[] = {{BaseListFile, baseList_}, {CompareListFile, compareList_}};
  for (const auto& [name, list] : files) {
    const std::string path = AppDir() + name;
    if (!FileExists(path)) continue;
    try {
      list->setEntries(LoadFolderListFile(path));
    } catch (const std::exception& error) {
      CurrentDialogProvider().showError(this, error.what());
    }
  }
}

void FoldersDialog::saveListFiles() {
  try {
    SaveFolderListFile(AppDir() + BaseListFile, baseList());
    SaveFolderListFile(AppDir() + CompareListFile, compareList());
  } catch (const std::exception& error) {
    CurrentDialogProvider().showError(this, error.what());
  }
}

void FoldersDialog::done(int result) {
  saveListFiles();
  QDialog::done(result);
}

}  // namespace vl::gui

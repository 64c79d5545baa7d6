// The sorted folder list box and its add, remove, load, save and database commands.
#include "app/components/folder_list_box.h"

#include <QApplication>
#include <QCoreApplication>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>
#include <exception>

#include "app/components/dialog_provider.h"
#include "app/components/widget_helpers.h"
#include "core/files/paths.h"
#include "core/settings/folder_lists.h"

namespace vl::gui {
namespace {

const char* const FolderBrowserTitle = QT_TRANSLATE_NOOP("vl::gui::FolderListBox", "Select Folder to Scan.");
const char* const SubfolderQuestion = QT_TRANSLATE_NOOP("vl::gui::FolderListBox", "Scan all subfolders?");
//: File type filter: "Name|patterns|Name|patterns"; translate the names only.
const char* const LoadFilter =
    QT_TRANSLATE_NOOP("vl::gui::FolderListBox", "Text Files (*.txt)|*.txt|All Files (*.*)|*.*");
//: File type filter: "Name|patterns|Name|patterns"; translate the names only.
const char* const SaveFilter =
    QT_TRANSLATE_NOOP("vl::gui::FolderListBox", "Text Files (*.txt)|*.txt|All Files (*.*)|*.*");
//: File type filter: "Name|patterns"; translate the name only.
const char* const DatabaseFilter = QT_TRANSLATE_NOOP("vl::gui::FolderListBox", "VL Database (*.VDB)|*.VDB");

bool caseBlindLess(const std::string& a, const std::string& b) {
  return QString::compare(QString::fromStdString(a), QString::fromStdString(b), Qt::CaseInsensitive) < 0;
}

// The busy cursor for one scope; Qt's override cursors nest.
class BusyCursorScope {
 public:
  BusyCursorScope() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~BusyCursorScope() { QApplication::restoreOverrideCursor(); }
  BusyCursorScope(const BusyCursorScope&) = delete;
  BusyCursorScope& operator=(const BusyCursorScope&) = delete;
};

}  // namespace

FolderListBox::FolderListBox(QWidget* parent) : QListWidget(parent) {
  setFocusPolicy(Qt::ClickFocus);
  setSelectionMode(QAbstractItemView::SingleSelection);
}

std::vector<std::string> FolderListBox::entries() const {
  std::vector<std::string> result;
  result.reserve(static_cast<size_t>(count()));
  for (int i = 0; i < count(); ++i) result.push_back(item(i)->text().toStdString());
  return result;
}

void FolderListBox::setEntries(std::vector<std::string> entries) {
  std::stable_sort(entries.begin(), entries.end(), caseBlindLess);
  clear();
  for (const std::string& entry : entries) addItem(QString::fromStdString(entry));
}

void FolderListBox::addFolder() {
  DialogProvider& dialogs = CurrentDialogProvider();
  const std::string start = count() > 0 ? item(count() - 1)->text().toStdString() : std::string();
  const std::optional<std::string> folder = dialogs.chooseFolder(window(), tr(FolderBrowserTitle).toStdString(), start);
  if (!folder) return;
  BusyCursorScope busy;
  const bool withSubfolders = dialogs.askYesNo(window(), tr(SubfolderQuestion).toStdString());
  std::vector<std::string> working = entries();
  AddFolderToList(working, *folder, withSubfolders, [] { QCoreApplication::processEvents(); });
  setEntries(std::move(working));
}

void FolderListBox::removeSelected() {
  const int row = currentRow();
  if (row < 0 || !item(row)->isSelected()) return;
  delete takeItem(row);
  if (count() == 0) return;
  setCurrentRow(std::min(row, count() - 1));
}

void FolderListBox::loadList() {
  DialogProvider& dialogs = CurrentDialogProvider();
  const std::vector<std::string> files = dialogs.openFiles(window(), tr(LoadFilter).toStdString(), false);
  if (files.empty()) return;
  try {
    setEntries(LoadFolderListFile(files.front()));
  } catch (const std::exception& error) {
    dialogs.showError(window(), error.what());
  }
}

void FolderListBox::saveList() {
  DialogProvider& dialogs = CurrentDialogProvider();
  const std::optional<std::string> file = dialogs.saveFile(window(), tr(SaveFilter).toStdString(), "txt");
  if (!file) return;
  try {
    SaveFolderListFile(*file, entries());
  } catch (const std::exception& error) {
    dialogs.showError(window(), error.what());
  }
}

void FolderListBox::addDatabases() {
  const std::vector<std::string> files =
      CurrentDialogProvider().openFiles(window(), tr(DatabaseFilter).toStdString(), true);
  if (files.empty()) return;
  std::vector<std::string> working = entries();
  for (const std::string& file : files)
    if (UpperAscii(ExtensionOf(file)) == ".VDB") working.push_back(file);
  setEntries(std::move(working));
}

namespace {

struct ListButton {
  const char* name;
  const char* themeIcon;
  QStyle::StandardPixmap fallbackIcon;
  const char* hint;
  void (FolderListBox::*command)();
};

const ListButton ListButtons[] = {
    {"tbAddFolder", "folder-new", QStyle::SP_FileDialogNewFolder,
     QT_TRANSLATE_NOOP("vl::gui::FolderListBox", "Add Folders to Scan."), &FolderListBox::addFolder},
    {"tbRemFolder", "list-remove", QStyle::SP_TrashIcon,
     QT_TRANSLATE_NOOP("vl::gui::FolderListBox", "Remove the Selected Folder."), &FolderListBox::removeSelected},
    {"tbClearFolders", "edit-clear", QStyle::SP_DialogResetButton,
     QT_TRANSLATE_NOOP("vl::gui::FolderListBox", "Clear the Folder list."), &FolderListBox::clear},
    {"tbLoadList", "document-open", QStyle::SP_DialogOpenButton,
     QT_TRANSLATE_NOOP("vl::gui::FolderListBox", "Load a Folder List from file."), &FolderListBox::loadList},
    {"tbSaveList", "document-save", QStyle::SP_DialogSaveButton,
     QT_TRANSLATE_NOOP("vl::gui::FolderListBox", "Save the current Folder List to file."), &FolderListBox::saveList},
    {"tbAddDatabase", nullptr, QStyle::SP_CustomBase, QT_TRANSLATE_NOOP("vl::gui::FolderListBox", "Add a VL Database"),
     &FolderListBox::addDatabases},
};

QIcon buttonIcon(const QWidget* widget, const ListButton& button) {
  if (!button.themeIcon) return {};
  return QIcon::fromTheme(button.themeIcon, widget->style()->standardIcon(button.fallbackIcon));
}

}  // namespace

void FillFolderListToolBar(QToolBar* bar, FolderListBox* list, const QString& suffix, bool databaseButton) {
  for (const ListButton& button : ListButtons) {
    if (!button.themeIcon && !databaseButton) continue;
    auto* tool = new QToolButton(bar);
    tool->setObjectName(button.name + suffix);
    const QIcon icon = buttonIcon(bar, button);
    if (icon.isNull()) {
      tool->setText(FolderListBox::tr("+DB"));
      tool->setToolButtonStyle(Qt::ToolButtonTextOnly);
    } else {
      tool->setIcon(icon);
    }
    SetHint(tool, FolderListBox::tr(button.hint));
    QObject::connect(tool, &QToolButton::clicked, list, button.command);
    bar->addWidget(tool);
  }
}

}  // namespace vl::gui

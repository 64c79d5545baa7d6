// A folder list (Base or Compare) as a sorted list box, with the commands of its list buttons.
#pragma once

#include <QListWidget>
#include <QString>

#include <string>
#include <vector>

class QToolBar;

namespace vl::gui {

class DialogProvider;

// A list box of folder and database entries kept in alphabetical order without
// regard to case (entries equal but for case keep their order). It takes no
// keyboard focus by tabbing. The commands are shared by the folders dialog and the
// scan wizard; each asks its questions through the current DialogProvider.
class FolderListBox : public QListWidget {
  Q_OBJECT

 public:
  explicit FolderListBox(QWidget* parent = nullptr);

  std::vector<std::string> entries() const;
  // Replaces the entries, sorting them. O(n log n).
  void setEntries(std::vector<std::string> entries);

  // Asks for a folder (starting at the last entry) and whether to take its
  // subfolders too, then adds what is not yet listed (case-blind).
  void addFolder();
  // Deletes the selected entry and selects the one now at its position, or the
  // last one; does nothing without a selection.
  void removeSelected();
  // Replaces the entries by the lines of a list file the user picks.
  void loadList();
  // Writes the entries to a list file the user picks.
  void saveList();
  // Adds the ".VDB" files the user picks (no duplicate check).
  void addDatabases();
};

// Adds the list's command buttons to `bar` (named tbAddFolder, tbRemFolder,
// tbClearFolders, tbLoadList, tbSaveList and, with `databaseButton`, tbAddDatabase,
// each followed by `suffix`), with their icons and hints, wired to the list.
void FillFolderListToolBar(QToolBar* bar, FolderListBox* list, const QString& suffix, bool databaseButton);

}  // namespace vl::gui

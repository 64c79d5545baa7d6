// The "Folders to Scan" dialog holding the Base and Compare folder lists for the whole run.
#pragma once

#include <QDialog>

#include <memory>
#include <string>
#include <vector>

class QToolBar;

namespace vl::gui {

class FolderListBox;
class FormPropertyStore;

// Two halves, "Base Files" (lbdirs) and "Files to Compare against Base" (lbdirs2),
// each with its toolbar of list commands, and "Done". Created once, hidden: the
// constructor loads AppDir "newlist.txt" and "orglist.txt" when present, and every
// close writes both back. Placement is kept in section "Tffolders".
class FoldersDialog : public QDialog {
  Q_OBJECT

 public:
  explicit FoldersDialog(QWidget* parent = nullptr);
  ~FoldersDialog() override;

  std::vector<std::string> baseList() const;
  std::vector<std::string> compareList() const;
  void setLists(std::vector<std::string> base, std::vector<std::string> compare);

  // Writes both lists to their files in AppDir; a failure shows an error box.
  void saveListFiles();

  void done(int result) override;

 signals:
  // "Database Management" was clicked; whoever owns the dialog opens that dialog.
  void databaseManagementRequested();

 private:
  QWidget* makeHalf(const QString& caption, const QString& suffix, FolderListBox*& list);
  QToolBar* makeToolBar(const QString& suffix, FolderListBox* list);
  QWidget* makeBottomBar();
  void loadListFiles();

  FolderListBox* baseList_ = nullptr;
  FolderListBox* compareList_ = nullptr;
  std::unique_ptr<FormPropertyStore> store_;
};

}  // namespace vl::gui

// The "Add To Database" dialog: the folders whose pictures go into a database.
#pragma once

#include <QDialog>

#include <string>
#include <vector>

namespace vl::gui {

class FolderListBox;

// A sorted folder list (lbdirs) with the folder-list buttons of the folders dialog
// (add with "Scan all subfolders?", remove, clear, load, save), "Done" (accept)
// and "Cancel" (reject). Starts empty each time.
class AddToDatabaseDialog : public QDialog {
  Q_OBJECT

 public:
  explicit AddToDatabaseDialog(QWidget* parent = nullptr);

  std::vector<std::string> folders() const;
  FolderListBox* list() const { return list_; }

 private:
  FolderListBox* list_ = nullptr;
};

}  // namespace vl::gui

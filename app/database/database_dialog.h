// The "Database Management" dialog: New Database, Add to Database and Explore Database.
#pragma once

#include <QDialog>

#include <optional>
#include <string>
#include <vector>

#include "app/components/gui_host.h"

class QCheckBox;
class QGridLayout;
class QLabel;
class QPushButton;

namespace vl::gui {

// Runs the database operations of the core through a host that writes this dialog's
// two status panels (the step, the fingerprinting count) and pumps events, so the
// dialog stays usable while pictures are read on the fingerprinting pool. While an
// operation runs only "Cancel Operation" is enabled and the dialog refuses to close.
class DatabaseDialog : public QDialog {
  Q_OBJECT

 public:
  explicit DatabaseDialog(QWidget* parent = nullptr);

  bool busy() const { return busy_; }
  // "New Database": a file name, the folders, then the new database.
  void newDatabase();
  // "Add to Database": a database, the folders, then the extended database.
  void addToDatabase();
  // "Explore Database": the explorer, modally.
  void exploreDatabase();

  // Closing (Done, Escape, the title bar) does nothing while busy.
  void done(int result) override;

 private:
  QPushButton* addRow(QGridLayout* grid, const char* name, const QString& caption, const QString& label);
  QWidget* makeStatusBar();
  void beginOperation();
  void endOperation();
  // The folders chosen in "Add To Database"; none when it was cancelled.
  std::optional<std::vector<std::string>> chooseFolders();
  // Runs operation(fileName, folders, options) between BeginOperation and
  // EndOperation, after the folders are chosen.
  template <typename Operation>
  void runOperation(const std::string& fileName, Operation operation);

  GuiHost host_;
  QPushButton* bbNew_ = nullptr;
  QPushButton* bbAddFolders_ = nullptr;
  QPushButton* bbPack_ = nullptr;
  QPushButton* bbcancelop_ = nullptr;
  QPushButton* bbdone_ = nullptr;
  QCheckBox* cbFreshen_ = nullptr;
  QLabel* panels_[2] = {};
  bool busy_ = false;
};

// Opens the dialog modally over `parent` and frees it when it closes.
void OpenDatabaseManagement(QWidget* parent);

}  // namespace vl::gui

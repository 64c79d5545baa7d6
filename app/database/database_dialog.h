// The "Database Management" dialog: New Database, Add to Database and Explore Database.
#pragma once

#include <QDialog>

#include <optional>
#include <string>
#include <vector>

#include "app/components/gui_host.h"
#include "core/database/database_builder.h"

class QCheckBox;
class QGridLayout;
class QLabel;
class QPushButton;

namespace vl::gui {

class JobRunner;

// Runs the database operations of the core as jobs on a worker thread, their step
// and count in this dialog's two status panels, so the dialog stays usable while
// pictures are read. While an operation runs only "Cancel Operation" is enabled and
// the dialog refuses to close. When Add to Database meets many records of gone
// files it asks, then runs again with the answer.
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
  using Operation = BuildResult (*)(const DatabaseRequest&, const CancelToken&, ProgressSink&);
  // Asks for the folders, then starts the operation on them (BeginOperation);
  // nothing after a Cancel there but a beep.
  void startOperation(DatabaseRequest request, Operation operation);
  void runJob();
  // Shows what the job said; an open question is asked and the job runs again.
  void finishJob();

  GuiHost host_;
  JobRunner* runner_ = nullptr;
  DatabaseRequest request_;
  Operation operation_ = nullptr;
  BuildResult result_;
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

// The main window's scan commands: the wizard, the folder lists, configure, scan, cancel and the deleted-list toggle.
#pragma once

#include <QObject>
#include <memory>
#include <string>

#include "core/scan/scan_driver.h"

class QWidget;

namespace vl {
class DeletedList;
class ResultsModel;
}  // namespace vl

namespace vl::gui {

class ActionSet;
class FoldersDialog;
class GuiHost;
class JobRunner;
class JobStatus;

// What a scan changes in the main window besides its results model.
class ScanWindow {
 public:
  virtual ~ScanWindow() = default;
  // The results were emptied: the lists and previews show nothing.
  virtual void resultsCleared() = 0;
  // A scan begins (true: the commands that touch the results are off, Cancel on,
  // the view tabs on "All Dupes") or ends (false).
  virtual void scanRunning(bool running) = 0;
  // After a completed scan: the first group is selected and its duplicates listed.
  virtual void showFirstGroup() = 0;
};

// Connects the scan's commands of the window's action set and runs scans as jobs on
// a worker thread: the request is built from the settings and the folders dialog's
// lists when the scan starts, the window's results are emptied, and the status bar
// follows the job (JobStatus). When the job ends its groups replace `results` in
// one step, its messages are shown, the user is asked about the deleted-file list's
// matches, and the closing message follows. Its dialogs open over `window`.
class ScanCommands : public QObject {
  Q_OBJECT
 public:
  ScanCommands(const ActionSet& actions, ResultsModel& results, DeletedList& deletedList, GuiHost& host,
               ScanWindow& scanWindow, JobStatus& status, QWidget* window);
  ~ScanCommands() override;

  // The folders dialog whose lists every scan reads (created after the window).
  void setFoldersDialog(FoldersDialog* folders) { folders_ = folders; }
  bool isRunning() const;
  // Cancels the running scan; `closing` drops its messages and results: the window
  // closes once the job has ended (closeWhenDone).
  void cancel(bool closing = false);
  void openFoldersDialog();
  // The first call opens the wizard soon after, when "ShowWiz" is on; later calls do nothing.
  void openWizardOnce();
  // Starts a scan over the folders dialog's lists (what the Scan command does once the
  // options are chosen); ignored while a scan runs.
  void startScan(int scanMode, const std::string& mask);
  // Scans `folders` and their subfolders as the compare list (the base list empty) for
  // duplicate pictures, without the start-up wizard; the lists are saved only as the
  // folders dialog saves them. Lists every subfolder first, pumping events.
  void scanFolders(const std::vector<std::string>& folders);
  // Keeps the start-up wizard from opening (the program was started on a file).
  void skipWizard() { wizardShown_ = true; }

 signals:
  // The scan that was cancelled for closing the window has ended.
  void closeWhenDone();

 private:
  void finishScan();
  void scanWithOptions();
  void scanWithWizard();
  void configure();
  void openWizardAtStartup();

  const ActionSet& actions_;
  ResultsModel& results_;
  DeletedList& deletedList_;
  GuiHost& host_;
  ScanWindow& scanWindow_;
  JobStatus& status_;
  QWidget* window_;
  JobRunner* runner_;
  FoldersDialog* folders_ = nullptr;
  ScanRequest request_;
  ScanOutcome outcome_;
  bool closing_ = false;
  bool wizardShown_ = false;
};

}  // namespace vl::gui

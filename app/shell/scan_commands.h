// The main window's scan commands: the wizard, the folder lists, configure, scan, cancel and the deleted-list toggle.
#pragma once

#include <QObject>
#include <string>

class QWidget;

namespace vl {
class DeletedList;
class ResultsModel;
}  // namespace vl

namespace vl::gui {

class ActionSet;
class FoldersDialog;
class GuiHost;

// Connects the scan's commands of the window's action set and starts scans through
// ScanDriver into `results` with `deletedList`, reporting through `host`, whose
// window is told when a scan starts and stops. Its dialogs open over `window`.
// While a scan runs the scan-idle commands are off and Cancel is on.
class ScanCommands : public QObject {
  Q_OBJECT
 public:
  ScanCommands(const ActionSet& actions, ResultsModel& results, DeletedList& deletedList, GuiHost& host,
               QWidget* window);

  // The folders dialog whose lists every scan reads (created after the window).
  void setFoldersDialog(FoldersDialog* folders) { folders_ = folders; }
  bool isRunning() const { return running_; }
  // Follows the scan's state in the commands.
  void setRunning(bool running);
  void openFoldersDialog();
  // The first call opens the wizard soon after, when "ShowWiz" is on; later calls do nothing.
  void openWizardOnce();

 private:
  // StartScan over the folders dialog's lists; ignored while a scan runs.
  void startScan(int scanMode, const std::string& mask);
  void scanWithOptions();
  void scanWithWizard();
  void configure();
  void openWizardAtStartup();

  const ActionSet& actions_;
  ResultsModel& results_;
  DeletedList& deletedList_;
  GuiHost& host_;
  QWidget* window_;
  FoldersDialog* folders_ = nullptr;
  bool running_ = false;
  bool wizardShown_ = false;
};

}  // namespace vl::gui

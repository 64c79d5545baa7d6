// Runs the scan dialogs and scans for the main window's scan commands.
#include "app/shell/scan_commands.h"

#include <QAction>
#include <QTimer>
#include <exception>
#include <optional>
#include <utility>

#include "app/components/action_set.h"
#include "app/components/gui_host.h"
#include "app/dialogs/configure_dialog.h"
#include "app/dialogs/folders_dialog.h"
#include "app/dialogs/scan_options_dialog.h"
#include "app/dialogs/scan_wizard.h"
#include "core/scan/scan_driver.h"
#include "core/settings/ini_file.h"
#include "core/settings/settings.h"

namespace vl::gui {
namespace {

struct ScanChoice {
  int scanMode;
  std::string mask;
};

// Shows the dialog modally and returns the mode and mask chosen in it unless it was
// cancelled; the dialog is gone before the scan starts.
template <typename Dialog, typename... Args>
std::optional<ScanChoice> askScan(Args&&... args) {
  Dialog dialog(std::forward<Args>(args)...);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return ScanChoice{dialog.scanMode(), dialog.mask()};
}

}  // namespace

ScanCommands::ScanCommands(const ActionSet& actions, ResultsModel& results, DeletedList& deletedList, GuiHost& host,
                           QWidget* window)
    : QObject(window), actions_(actions), results_(results), deletedList_(deletedList), host_(host), window_(window) {
  QAction* useDeletedList = actions_.action("tbDellist");
  useDeletedList->setChecked(UseDeletedList);
  connect(useDeletedList, &QAction::toggled, this, [](bool down) { UseDeletedList = down; });
  connect(actions_.action("aScanWizard"), &QAction::triggered, this, &ScanCommands::scanWithWizard);
  connect(actions_.action("aEditFolders"), &QAction::triggered, this, &ScanCommands::openFoldersDialog);
  connect(actions_.action("aConfigure"), &QAction::triggered, this, &ScanCommands::configure);
  connect(actions_.action("aScan"), &QAction::triggered, this, &ScanCommands::scanWithOptions);
  connect(actions_.action("aCancel"), &QAction::triggered, this, [] { ScanCancelled = true; });
}

void ScanCommands::setRunning(bool running) {
  running_ = running;
  actions_.enableGroup(CommandGroup::ScanIdle, !running);
  actions_.enableGroup(CommandGroup::ScanRunning, running);
}

void ScanCommands::openFoldersDialog() {
  if (folders_ != nullptr) folders_->exec();
}

void ScanCommands::openWizardOnce() {
  if (wizardShown_) return;
  wizardShown_ = true;
  QTimer::singleShot(0, this, &ScanCommands::openWizardAtStartup);
}

void ScanCommands::startScan(int scanMode, const std::string& mask) {
  if (running_ || folders_ == nullptr) return;
  try {
    ScanDriver driver(results_, deletedList_, host_, ScanTuning{FingerprintJobs, UseFingerprintCache});
    if (MarkRule rule = LoadMarkRule(); rule.applyAfterScan) driver.setMarkRule(std::move(rule));
    driver.StartScan(static_cast<ScanMode>(scanMode), mask, folders_->baseList(), folders_->compareList());
  } catch (const std::exception& error) {
    host_.showMessage(MessageKind::Error, error.what());
  }
  if (running_) host_.scanRunning(false);
  while (host_.cursorDepth() > 0) host_.popCursor();
}

void ScanCommands::scanWithOptions() {
  if (const auto choice = askScan<ScanOptionsDialog>(window_)) startScan(choice->scanMode, choice->mask);
}

void ScanCommands::scanWithWizard() {
  if (folders_ == nullptr) return;
  if (const auto choice = askScan<ScanWizard>(*folders_, window_)) startScan(choice->scanMode, choice->mask);
}

void ScanCommands::configure() {
  {
    ConfigureDialog configure(window_);
    configure.exec();
  }
  actions_.action("tbDellist")->setChecked(UseDeletedList);
}

void ScanCommands::openWizardAtStartup() {
  if (IniFile(AppIniFileName()).readInteger("TfWizard", "ShowWiz", 1) != 0) scanWithWizard();
}

}  // namespace vl::gui

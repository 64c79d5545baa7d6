// Runs the scan dialogs, and scans as jobs, for the main window's scan commands.
#include "app/shell/scan_commands.h"

#include <QAction>
#include <QCoreApplication>
#include <QTimer>
#include <optional>
#include <utility>

#include "app/components/action_set.h"
#include "app/components/app_settings.h"
#include "app/components/gui_host.h"
#include "app/components/job_runner.h"
#include "app/components/job_status.h"
#include "app/dialogs/configure_dialog.h"
#include "app/dialogs/folders_dialog.h"
#include "app/dialogs/scan_options_dialog.h"
#include "app/dialogs/scan_wizard.h"
#include "core/fingerprint/scan_entry.h"
#include "core/scan/not_duplicates.h"
#include "core/settings/folder_lists.h"
#include "core/settings/ini_file.h"

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
                           ScanWindow& scanWindow, JobStatus& status, QWidget* window)
    : QObject(window), actions_(actions), results_(results), deletedList_(deletedList), host_(host),
      scanWindow_(scanWindow), status_(status), window_(window), runner_(new JobRunner(this)) {
  QAction* useDeletedList = actions_.action(MainAction::UseDeletedList);
  useDeletedList->setChecked(CurrentSettings().values().useDeletedList);
  connect(useDeletedList, &QAction::toggled, this, [](bool down) { CurrentSettings().setUseDeletedList(down); });
  connect(&CurrentSettings(), &AppSettings::changed, useDeletedList,
          [useDeletedList] { useDeletedList->setChecked(CurrentSettings().values().useDeletedList); });
  connect(actions_.action(MainAction::ScanWizard), &QAction::triggered, this, &ScanCommands::scanWithWizard);
  connect(actions_.action(MainAction::EditFolders), &QAction::triggered, this, &ScanCommands::openFoldersDialog);
  connect(actions_.action(MainAction::Configure), &QAction::triggered, this, &ScanCommands::configure);
  connect(actions_.action(MainAction::Scan), &QAction::triggered, this, &ScanCommands::scanWithOptions);
  connect(actions_.action(MainAction::Cancel), &QAction::triggered, this, [this] { cancel(); });
  connect(runner_, &JobRunner::progressed, &status_, &JobStatus::show);
  connect(runner_, &JobRunner::warned, &status_, [this](const QString& text) { host_.warning(text.toStdString()); });
  connect(runner_, &JobRunner::finished, this, &ScanCommands::finishScan);
}

ScanCommands::~ScanCommands() = default;

bool ScanCommands::isRunning() const { return runner_->running(); }

void ScanCommands::cancel(bool closing) {
  closing_ = closing_ || closing;
  runner_->cancel();
}

void ScanCommands::openFoldersDialog() {
  if (folders_ != nullptr) folders_->exec();
}

void ScanCommands::openWizardOnce() {
  if (wizardShown_) return;
  wizardShown_ = true;
  QTimer::singleShot(0, this, &ScanCommands::openWizardAtStartup);
}

void ScanCommands::scanFolders(const std::vector<std::string>& folders) {
  skipWizard();
  if (folders_ == nullptr) return;
  std::vector<std::string> entries;
  for (const std::string& folder : folders)
    AddFolderToList(entries, folder, true, [] { QCoreApplication::processEvents(); });
  folders_->setLists({}, std::move(entries));
  startScan(static_cast<int>(ScanMode::Images), ImageFilesMask(CurrentSettings().values().modernImageFormats));
}

void ScanCommands::startScan(int scanMode, const std::string& mask) {
  if (isRunning() || folders_ == nullptr) return;
  request_ = ScanRequestFromSettings(CurrentSettings().values());
  request_.mode = static_cast<ScanMode>(scanMode);
  request_.mask = mask;
  request_.baseEntries = folders_->baseList();
  request_.compareEntries = folders_->compareList();
  if (MarkRule rule = LoadMarkRule(); rule.applyAfterScan) request_.keepRule = std::move(rule);
  request_.notDuplicatesFile = NotDuplicatesFileName();
  results_.ClearResults();
  scanWindow_.resultsCleared();
  scanWindow_.scanRunning(true);
  host_.pushCursor(BusyCursor::AppStarting);
  status_.begin();
  runner_->start([this, request = request_](const CancelToken& cancel, ProgressSink& sink) {
    outcome_ = RunScanJob(request, deletedList_, cancel, sink);
  });
}

// Takes the job's outcome: its groups, then its messages, the question about the
// deleted-file list's matches and the closing message.
void ScanCommands::finishScan() {
  host_.popCursor();
  status_.end(QString::fromStdString(PhaseText(JobPhase::Idle)));
  ScanOutcome outcome = std::move(outcome_);
  outcome_ = ScanOutcome();
  results_.adopt(std::move(outcome.results));
  if (outcome.end == ScanEnd::Completed) scanWindow_.showFirstGroup();
  scanWindow_.scanRunning(false);
  if (closing_) {
    emit closeWhenDone();
    return;
  }
  const bool recycle = request_.recycle;
  FinishScan(request_, outcome, deletedList_, host_,
             [this, recycle](const auto& matches) { return host_.confirmAutoDeletion(matches, recycle); });
  if (outcome.end == ScanEnd::NoFolders) openFoldersDialog();
}

void ScanCommands::scanWithOptions() {
  if (const auto choice = askScan<ScanOptionsDialog>(window_)) startScan(choice->scanMode, choice->mask);
}

void ScanCommands::scanWithWizard() {
  if (folders_ == nullptr || isRunning()) return;
  if (const auto choice = askScan<ScanWizard>(*folders_, window_)) startScan(choice->scanMode, choice->mask);
}

void ScanCommands::configure() {
  ConfigureDialog configure(window_);
  configure.exec();
}

void ScanCommands::openWizardAtStartup() {
  if (IniFile(AppIniFileName()).readInteger("TfWizard", "ShowWiz", 1) != 0) scanWithWizard();
}

}  // namespace vl::gui

// Carrying out "Mark by Rule..." and "Unmark All" on the window's results.
#include "app/results/mark_rule_commands.h"

#include <QAction>
#include <QProgressDialog>
#include <QWidget>

#include "app/components/action_set.h"
#include "app/components/dialog_provider.h"
#include "app/components/job_runner.h"
#include "app/results/mark_rule_dialog.h"
#include "app/results/result_lists.h"
#include "core/settings/ini_file.h"

namespace vl::gui {

MarkRuleCommands::MarkRuleCommands(const ActionSet& actions, ResultsModel& results, ResultLists& lists,
                                   QWidget* window)
    : QObject(window), results_(results), lists_(lists), window_(window), runner_(new JobRunner(this)) {
  connect(runner_, &JobRunner::finished, this, &MarkRuleCommands::finishReading);
  connect(actions.action(MainAction::MarkByRule), &QAction::triggered, this, &MarkRuleCommands::markByRule);
  connect(actions.action(MainAction::UnmarkAll), &QAction::triggered, this, &MarkRuleCommands::unmarkAll);
}

MarkRuleCommands::~MarkRuleCommands() { delete runner_; }

void MarkRuleCommands::markByRule() {
  if (runner_->running()) return;
  MarkRuleDialog dialog(LoadMarkRule(), window_);
  if (dialog.exec() != QDialog::Accepted) return;
  rule_ = dialog.rule();
  try {
    SaveMarkRule(rule_);
  } catch (const IniWriteError& error) {
    CurrentDialogProvider().showError(window_, error.what());
  }
  std::vector<std::string> paths = PhotoFactPaths(results_, rule_.keep);
  if (paths.empty()) return apply({});
  progress_ = new QProgressDialog(tr("Reading the date taken and camera of each file..."), tr("Cancel"), 0,
                                  static_cast<int>(paths.size()), window_);
  progress_->setWindowModality(Qt::WindowModal);
  progress_->setMinimumDuration(500);
  connect(progress_, &QProgressDialog::canceled, runner_, &JobRunner::cancel);
  connect(runner_, &JobRunner::progressed, progress_,
          [this](const JobProgress& at) { progress_->setValue(static_cast<int>(at.current)); });
  runner_->start([this, paths = std::move(paths)](const CancelToken& cancel, ProgressSink& sink) {
    facts_ = ReadPhotoFactsByPath(paths, cancel, sink);
  });
}

// The job has returned and its thread is joined: the facts are the window thread's now.
void MarkRuleCommands::finishReading() {
  if (progress_) progress_->deleteLater();
  if (facts_ && !runner_->cancelled()) apply(*facts_);
  facts_.reset();
}

void MarkRuleCommands::apply(const PhotoFactsByPath& facts) {
  ApplyMarkRule(results_, rule_, facts);
  results_.setMarksEdited(true);
  lists_.marksChanged();
}

void MarkRuleCommands::unmarkAll() {
  UnmarkAll(results_);
  results_.setMarksEdited(true);
  lists_.marksChanged();
}

}  // namespace vl::gui

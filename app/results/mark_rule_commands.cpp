// Carrying out "Mark by Rule..." and "Unmark All" on the window's results.
#include "app/results/mark_rule_commands.h"

#include <QAction>
#include <QWidget>

#include "app/components/action_set.h"
#include "app/components/dialog_provider.h"
#include "app/results/mark_rule_dialog.h"
#include "app/results/result_lists.h"
#include "core/settings/ini_file.h"

namespace vl::gui {

MarkRuleCommands::MarkRuleCommands(const ActionSet& actions, ResultsModel& results, ResultLists& lists,
                                   QWidget* window)
    : QObject(window), results_(results), lists_(lists), window_(window) {
  connect(actions.action(MainAction::MarkByRule), &QAction::triggered, this, &MarkRuleCommands::markByRule);
  connect(actions.action(MainAction::UnmarkAll), &QAction::triggered, this, &MarkRuleCommands::unmarkAll);
}

void MarkRuleCommands::markByRule() {
  MarkRuleDialog dialog(LoadMarkRule(), window_);
  if (dialog.exec() != QDialog::Accepted) return;
  const MarkRule rule = dialog.rule();
  try {
    SaveMarkRule(rule);
  } catch (const IniWriteError& error) {
    CurrentDialogProvider().showError(window_, error.what());
  }
  ApplyMarkRule(results_, rule);
  results_.setMarksEdited(true);
  lists_.marksChanged();
}

void MarkRuleCommands::unmarkAll() {
  UnmarkAll(results_);
  results_.setMarksEdited(true);
  lists_.marksChanged();
}

}  // namespace vl::gui

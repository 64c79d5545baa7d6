// Carrying out "Mark by Rule..." and "Unmark All" on the window's results.
#include "app/results/mark_rule_commands.h"

#include <QAction>
#include <QWidget>

#include "app/components/action_set.h"
#include "app/components/dialog_provider.h"
#include "app/dialogs/mark_rule_dialog.h"
#include "app/results/result_lists.h"
#include "core/settings/ini_file.h"

namespace vl::gui {

MarkRuleCommands::MarkRuleCommands(const ActionSet& actions, ResultsModel& results, ResultLists& lists,
                                   QWidget* window)
    : QObject(window), results_(results), lists_(lists), window_(window) {
  connect(actions.action("MarkByRule1"), &QAction::triggered, this, &MarkRuleCommands::markByRule);
  connect(actions.action("UnmarkAll1"), &QAction::triggered, this, &MarkRuleCommands::unmarkAll);
  // A first start writes the default rule into the new settings file, so that it
  // outlives the first save of other settings. When that fails the rule still holds
  // while the file is missing, and the first save of settings reports the failure.
  try {
    StoreDefaultMarkRuleIfNew();
  } catch (const IniWriteError&) {
  }
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

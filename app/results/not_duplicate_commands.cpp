// "Not a Duplicate" and "Forget Not-Duplicates": the notdupes file from the duplicate list.
#include "app/results/not_duplicate_commands.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <stdexcept>

#include "app/components/action_set.h"
#include "app/components/dialog_provider.h"
#include "app/results/result_lists.h"
#include "core/files/paths.h"
#include "core/scan/not_duplicates.h"

namespace vl::gui {

NotDuplicateCommands::NotDuplicateCommands(ResultLists& lists, const ActionSet& actions, QWidget* window)
    : QObject(window), lists_(lists), window_(window) {
  connect(actions.action(MainAction::NotADuplicate), &QAction::triggered, this, &NotDuplicateCommands::dismissSelected);
  connect(actions.action(MainAction::ForgetNotDuplicates), &QAction::triggered, this, &NotDuplicateCommands::forgetAll);
}

void NotDuplicateCommands::dismissSelected() {
  const TResultEntry* entry = lists_.selectedEntry();
  if (entry == nullptr || entry->Base == nullptr) return;
  NotDuplicateSide base, duplicate;
  std::string reason;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const bool read = SideOfFile(entry->Base->Path, base, reason) && SideOfFile(entry->Path, duplicate, reason);
  QApplication::restoreOverrideCursor();
  if (!read) return CurrentDialogProvider().showError(window_, reason);
  try {
    RememberNotDuplicate(NotDuplicatesFileName(), MakeNotDuplicatePair(base, duplicate));
  } catch (const std::exception& error) {
    return CurrentDialogProvider().showError(window_, error.what());
  }
  lists_.removeSelectedDuplicate();
}

void NotDuplicateCommands::forgetAll() {
  const QString question = tr("Forget every pair of files marked as not duplicates?");
  if (!CurrentDialogProvider().askYesNo(window_, question.toStdString())) return;
  try {
    if (FileExists(NotDuplicatesFileName())) ForgetNotDuplicates(NotDuplicatesFileName());
  } catch (const std::exception& error) {
    CurrentDialogProvider().showError(window_, error.what());
  }
}

}  // namespace vl::gui

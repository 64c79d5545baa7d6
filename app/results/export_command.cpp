// Carrying out "Export Results...".
#include "app/results/export_command.h"

#include <QAction>
#include <QWidget>
#include <stdexcept>

#include "app/components/action_set.h"
#include "app/components/dialog_provider.h"
#include "core/results/results_export.h"

namespace vl::gui {

ExportCommand::ExportCommand(const ActionSet& actions, const ResultsModel& results, QWidget* window)
    : QObject(window), results_(results), window_(window) {
  connect(actions.action(MainAction::ExportResults), &QAction::triggered, this, &ExportCommand::exportResults);
}

void ExportCommand::exportResults() {
  const auto file =
      //: File type filter: "Name|patterns|Name|patterns"; translate the names only.
      CurrentDialogProvider().saveFile(window_, tr("CSV (*.csv)|*.csv|JSON (*.json)|*.json").toStdString(), "csv");
  if (!file) return;
  try {
    ExportResults(*file, results_, ExportFormatFor(*file));
  } catch (const std::exception& error) {
    CurrentDialogProvider().showError(window_, error.what());
  }
}

}  // namespace vl::gui

// The window's "Export Results..." command: the result groups to a CSV or JSON file.
#pragma once

#include <QObject>

class QWidget;

namespace vl {
class ResultsModel;
}

namespace vl::gui {

class ActionSet;

// Connects "ExportResults1": asks for a file name through the current DialogProvider
// (filters CSV and JSON; a name without extension gets the chosen filter's) and
// writes every group there, as JSON for a ".json" name and CSV otherwise, through
// a temporary file and a rename. A failure is shown with the file's name and reason.
class ExportCommand : public QObject {
  Q_OBJECT
 public:
  ExportCommand(const ActionSet& actions, const ResultsModel& results, QWidget* window);

  void exportResults();

 private:
  const ResultsModel& results_;
  QWidget* window_;
};

}  // namespace vl::gui

// The main window's commands on whole result sets and on the deleted-file list: save, load, add files.
#pragma once

#include <QObject>
#include <string>

#include "app/components/dialog_provider.h"

class QWidget;

namespace vl {
class DeletedList;
class Host;
class ResultsModel;
}  // namespace vl

namespace vl::gui {

class ActionSet;
class ResultLists;

// "Save Results..." and "Load Results..." (.vlr files through core/results/results_file)
// and "Add Files to Deleted List...". Their file dialogs open in the user's documents
// folder, later in the folder last chosen in any of them. A running scan switches
// their actions off (CommandGroup::ScanIdle).
class ResultsFileCommands : public QObject {
  Q_OBJECT
 public:
  ResultsFileCommands(ResultsModel& model, DeletedList& deletedList, ResultLists& lists, Host& host,
                      const ActionSet& actions, QWidget* window);

  // Writes every group to a file chosen in a save dialog that asks before replacing
  // one; the outcome is shown. True when the results were saved (the marks then
  // count as saved). O(entries).
  bool saveResults();
  // Replaces the results by those of a chosen file; no group is selected after it.
  void loadResults();
  // The same for a file named on the command line.
  void loadResultsFrom(const std::string& file);
  // Appends the chosen files to the deleted-file list, each kind once, then beeps.
  // Nothing is written to disk before the window closes. O(size of the files).
  void addFilesToDeletedList();

 private:
  FileDialogRequest request(const char* filter, const char* extension) const;
  void remember(const std::string& file);

  ResultsModel& model_;
  DeletedList& deletedList_;
  ResultLists& lists_;
  Host& host_;
  QWidget* window_;
  std::string lastFolder_;
};

}  // namespace vl::gui

// "Save Results...", "Load Results..." and "Add Files to Deleted List...".
#include "app/results/results_file_commands.h"

#include <QAction>
#include <QStandardPaths>
#include <QWidget>
#include <exception>

#include "app/components/action_set.h"
#include "app/results/result_lists.h"
#include "core/files/paths.h"
#include "core/results/deleted_list.h"
#include "core/results/results_file.h"

namespace vl::gui {
namespace {

//: File type filter: "Name|patterns"; translate the name only.
const char* const ResultsFilter = QT_TRANSLATE_NOOP("vl::gui::ResultsFileCommands", "Velloran Results (*.vlr)|*.vlr");
const char* const ResultsExtension = "vlr";

}  // namespace

ResultsFileCommands::ResultsFileCommands(ResultsModel& model, DeletedList& deletedList, ResultLists& lists,
                                         Host& host, const ActionSet& actions, QWidget* window)
    : QObject(window), model_(model), deletedList_(deletedList), lists_(lists), host_(host), window_(window) {
  connect(actions.action(MainAction::SaveResults), &QAction::triggered, this, [this] { saveResults(); });
  connect(actions.action(MainAction::LoadResults), &QAction::triggered, this, &ResultsFileCommands::loadResults);
  connect(actions.action(MainAction::AddFilesToDeletedList), &QAction::triggered, this,
          &ResultsFileCommands::addFilesToDeletedList);
}

FileDialogRequest ResultsFileCommands::request(const char* filter, const char* extension) const {
  std::string folder = lastFolder_;
  if (folder.empty())
    folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString();
  return FileDialogRequest{*filter == '\0' ? std::string() : tr(filter).toStdString(), extension, folder, {}, true};
}

void ResultsFileCommands::remember(const std::string& file) { lastFolder_ = FolderOf(file); }

bool ResultsFileCommands::saveResults() {
  const std::optional<std::string> file =
      CurrentDialogProvider().askSaveFile(window_, request(ResultsFilter, ResultsExtension));
  if (!file) return false;
  remember(*file);
  if (!SaveResults(*file, model_, host_).succeeded()) return false;
  model_.setMarksEdited(false);
  return true;
}

void ResultsFileCommands::loadResults() {
  const std::vector<std::string> files =
      CurrentDialogProvider().askOpenFiles(window_, request(ResultsFilter, ResultsExtension), false);
  if (files.empty()) return;
  remember(files.front());
  loadResultsFrom(files.front());
}

void ResultsFileCommands::loadResultsFrom(const std::string& file) {
  lists_.showAllDupes();
  lists_.clearDupeList();
  LoadResults(file, model_, host_);
}

void ResultsFileCommands::addFilesToDeletedList() {
  const std::vector<std::string> files = CurrentDialogProvider().askOpenFiles(window_, request("", ""), true);
  if (files.empty()) return;
  remember(files.front());
  try {
    const CursorGuard busy(host_, BusyCursor::Hourglass);
    deletedList_.AddFilesToDeletedList(files, host_);
  } catch (const std::exception& error) {
    host_.showMessage(MessageKind::Error, error.what());
  }
  host_.beep();
}

}  // namespace vl::gui

// "&Undo Delete", "&Undo Move" and "&Undo Rename": the caption, the undo itself and what it tells the user.
#include "app/results/undo_command.h"

#include <QAction>
#include <QWidget>

#include "app/components/action_set.h"
#include "app/components/widget_helpers.h"
#include "app/results/file_summaries.h"
#include "app/results/result_lists.h"
#include "core/files/paths.h"
#include "core/host.h"

namespace vl::gui {
namespace {

const char* const RefusedText =
    "Nothing was undone: another file now stands where a file would go back, or the folder it came from is gone. "
    "Move it out of the way and undo again.";

const char* captionOf(UndoKind kind) {
  switch (kind) {
    case UndoKind::Delete:
      return "&Undo Delete";
    case UndoKind::DeleteForGood:
      return "Can't &Undo Delete";
    case UndoKind::Move:
      return "&Undo Move";
    case UndoKind::Rename:
      return "&Undo Rename";
    case UndoKind::None:
      break;
  }
  return "&Undo";
}

const char* hintOf(UndoKind kind) {
  return kind == UndoKind::DeleteForGood ? "|The last files were deleted for good: they cannot be brought back."
                                         : "|Bring back the files of the last deletion, move or rename.";
}

std::string problemLines(const UndoOutcome& outcome) {
  std::string lines;
  for (const FileResult& problem : outcome.Problems) lines += (lines.empty() ? "" : "\n") + problem.describe();
  return lines;
}

}  // namespace

UndoCommand::UndoCommand(ResultsModel& model, DeletedList& deletedList, ResultLists& lists, Host& host,
                         const ActionSet& actions, QWidget* window)
    : QObject(window),
      model_(model),
      deletedList_(deletedList),
      lists_(lists),
      host_(host),
      action_(actions.action("Undo1")) {
  connect(action_, &QAction::triggered, this, &UndoCommand::undo);
  refresh();
}

void UndoCommand::beginDeletion(const std::vector<std::string>& paths) { pending_.beginDeletion(model_, paths); }

// A deletion that removed nothing leaves the record of the batch before it.
void UndoCommand::endDeletion(const DeletionReport& report, bool enteredDeletedList) {
  pending_.endDeletion(model_, report, enteredDeletedList);
  if (pending_.kind(model_) != UndoKind::None) record_ = std::move(pending_);
  pending_.clear();
  refresh();
}

void UndoCommand::recordMove(const std::string& from, const std::string& to) {
  record_.recordMove(model_, from, to);
  refresh();
}

void UndoCommand::clear() {
  record_.clear();
  refresh();
}

void UndoCommand::refresh() {
  const UndoKind kind = record_.kind(model_);
  action_->setText(QLatin1String(captionOf(kind)));
  SetHint(action_, QLatin1String(hintOf(kind)));
  action_->setEnabled(!scanRunning_ && kind != UndoKind::None && kind != UndoKind::DeleteForGood);
}

void UndoCommand::setScanRunning(bool running) {
  scanRunning_ = running;
  refresh();
}

void UndoCommand::undo() {
  refresh();
  const UndoKind kind = record_.kind(model_);
  if (!action_->isEnabled()) return;
  UndoOutcome outcome;
  {
    const CursorGuard cursor(host_, BusyCursor::Hourglass);
    outcome = record_.undo(model_, deletedList_);
  }
  if (!outcome.Restored.empty()) lists_.showGroupOf(outcome.Restored.front());
  refresh();
  showOutcome(kind, outcome);
}

void UndoCommand::showOutcome(UndoKind kind, const UndoOutcome& outcome) {
  if (outcome.Refused) return host_.showDetailedMessage(MessageKind::Error, RefusedText, problemLines(outcome));
  if (!outcome.Problems.empty()) {
    const bool none = outcome.Restored.empty();
    host_.showDetailedMessage(none ? MessageKind::Error : MessageKind::Information,
                              none ? "Nothing was undone." : "Some files could not be brought back.",
                              problemLines(outcome));
  }
  if (outcome.Restored.empty()) return;
  const std::string& path = outcome.Restored.front();
  std::string status;
  if (kind == UndoKind::Delete)
    status = FilesAndSize(outcome.Restored.size(), TotalSize(SizesOnDisk(outcome.Restored), outcome.Restored)) +
             " back from the trash";
  else
    status = (kind == UndoKind::Rename ? "Renamed back to " + FileNameOf(path) : "Moved back to " + path);
  emit statusMessage(QString::fromStdString(status));
}

}  // namespace vl::gui

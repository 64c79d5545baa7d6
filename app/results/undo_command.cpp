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

const char* const RefusedText = QT_TRANSLATE_NOOP(
    "vl::gui::UndoCommand",
    "Nothing was undone: another file now stands where a file would go back, or the folder it came from is gone. "
    "Move it out of the way and undo again.");

const char* captionOf(UndoKind kind) {
  switch (kind) {
    case UndoKind::Delete:
      return QT_TRANSLATE_NOOP("vl::gui::UndoCommand", "&Undo Delete");
    case UndoKind::DeleteForGood:
      return QT_TRANSLATE_NOOP("vl::gui::UndoCommand", "Can't &Undo Delete");
    case UndoKind::Move:
      return QT_TRANSLATE_NOOP("vl::gui::UndoCommand", "&Undo Move");
    case UndoKind::Rename:
      return QT_TRANSLATE_NOOP("vl::gui::UndoCommand", "&Undo Rename");
    case UndoKind::None:
      break;
  }
  return QT_TRANSLATE_NOOP("vl::gui::UndoCommand", "&Undo");
}

const char* hintOf(UndoKind kind) {
  return kind == UndoKind::DeleteForGood
             ? QT_TRANSLATE_NOOP("vl::gui::UndoCommand",
                                 "|The last files were deleted for good: they cannot be brought back.")
             : QT_TRANSLATE_NOOP("vl::gui::UndoCommand", "|Bring back the files of the last deletion, move or rename.");
}

std::string problemLines(const UndoOutcome& outcome) {
  std::string lines;
  for (const FileResult& problem : outcome.problems) lines += (lines.empty() ? "" : "\n") + problem.describe();
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
      action_(actions.action(MainAction::Undo)) {
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
  action_->setText(tr(captionOf(kind)));
  SetHint(action_, tr(hintOf(kind)));
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
  if (!outcome.restored.empty()) lists_.showGroupOf(outcome.restored.front());
  refresh();
  showOutcome(kind, outcome);
}

void UndoCommand::showOutcome(UndoKind kind, const UndoOutcome& outcome) {
  if (outcome.refused)
    return host_.showDetailedMessage(MessageKind::Error, tr(RefusedText).toStdString(), problemLines(outcome));
  if (!outcome.problems.empty()) {
    const bool none = outcome.restored.empty();
    const QString text = none ? tr("Nothing was undone.") : tr("Some files could not be brought back.");
    host_.showDetailedMessage(none ? MessageKind::Error : MessageKind::Information, text.toStdString(),
                              problemLines(outcome));
  }
  if (outcome.restored.empty()) return;
  const std::string& path = outcome.restored.front();
  QString status;
  if (kind == UndoKind::Delete)
    status = tr("%1 back from the trash")
                 .arg(QString::fromStdString(FilesAndSize(outcome.restored.size(),
                                                          TotalSize(SizesOnDisk(outcome.restored), outcome.restored))));
  else if (kind == UndoKind::Rename)
    status = tr("Renamed back to %1").arg(QString::fromStdString(FileNameOf(path)));
  else
    status = tr("Moved back to %1").arg(QString::fromStdString(path));
  emit statusMessage(status);
}

}  // namespace vl::gui

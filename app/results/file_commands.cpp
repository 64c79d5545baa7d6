// The file commands of the main window on the selected duplicate line, their questions and the list positions after them.
#include "app/results/file_commands.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QListView>
#include <QListWidget>
#include <QMouseEvent>

#include "app/components/action_set.h"
#include "app/components/app_settings.h"
#include "app/components/desktop_shell.h"
#include "app/components/dialog_provider.h"
#include "app/results/file_summaries.h"
#include "app/results/result_lists.h"
#include "app/results/undo_command.h"
#include "core/files/file_transfer.h"
#include "core/files/paths.h"

namespace vl::gui {
namespace {

const char* const LastCopyQuestion = QT_TRANSLATE_NOOP(
    "vl::gui::FileCommands", "\n\nDelete these last copies too? With No every file of those groups stays where it is.");

std::string extensionWithoutDot(const std::string& path) {
  const std::string extension = ExtensionOf(path);
  return extension.empty() ? extension : extension.substr(1);
}

// The text in the user's language; these routines are not members, so they name the class.
QString translated(const char* text, int count = -1) {
  return QCoreApplication::translate("vl::gui::FileCommands", text, nullptr, count);
}

// What deleting `files` files of `bytes` bytes will do, for the confirmation.
std::string deletionSummary(size_t files, uint64_t bytes, bool recycle) {
  const QString done = translated(
      recycle ? QT_TRANSLATE_NOOP("vl::gui::FileCommands", "%1 will be moved to the trash.")
              : QT_TRANSLATE_NOOP("vl::gui::FileCommands", "%1 will be deleted for good; this cannot be undone."));
  return done.arg(QString::fromStdString(FilesAndSize(files, bytes))).toStdString();
}

// What a deletion did, for the status line: the files it removed and their size before.
QString deletionStatus(const DeletionReport& report, const std::unordered_map<std::string, uint64_t>& sizes) {
  const std::vector<std::string> deleted = report.pathsWith(FileOutcome::Done);
  if (deleted.empty()) return translated(QT_TRANSLATE_NOOP("vl::gui::FileCommands", "No file was deleted"));
  const bool trashed = std::any_of(report.files.begin(), report.files.end(),
                                   [](const FileResult& file) { return !file.trashInfo.empty(); });
  const QString done = translated(trashed ? QT_TRANSLATE_NOOP("vl::gui::FileCommands", "%1 moved to the trash")
                                          : QT_TRANSLATE_NOOP("vl::gui::FileCommands", "%1 deleted for good"));
  return done.arg(QString::fromStdString(FilesAndSize(deleted.size(), TotalSize(sizes, deleted))));
}

}  // namespace

std::string LastCopyNote(size_t groups) {
  const int count = static_cast<int>(groups);
  const char* const note =
      groups == 1 ? QT_TRANSLATE_N_NOOP("vl::gui::FileCommands", "%n group would lose every copy of its file.")
                  : QT_TRANSLATE_N_NOOP("vl::gui::FileCommands", "%n groups would lose every copy of their file.");
  return translated(note, count).toStdString();
}

FileCommands::FileCommands(ResultsModel& model, DeletedList& deletedList, ResultLists& lists, Host& host,
                           const ActionSet& actions, const FileCommandWidgets& widgets, UndoCommand& undo,
                           QWidget* window)
    : QObject(window),
      model_(model),
      lists_(lists),
      host_(host),
      operations_(model, deletedList, host),
      widgets_(widgets),
      undo_(undo),
      window_(window) {
  connectCommands(actions);
  connect(widgets_.dupeList, &QAbstractItemView::doubleClicked, this, &FileCommands::execute);
  dupeViewport_ = widgets_.dupeList->viewport();
  dupeViewport_->installEventFilter(this);
}

void FileCommands::connectCommands(const ActionSet& actions) {
  const auto bind = [this, &actions](MainAction key, void (FileCommands::*command)()) {
    connect(actions.action(key), &QAction::triggered, this, command);
  };
  bind(MainAction::DeleteFile, &FileCommands::deleteFile);
  bind(MainAction::DeleteMarked, &FileCommands::deleteMarked);
  bind(MainAction::DeleteAllMarked, &FileCommands::deleteAllMarked);
  bind(MainAction::CopyFileTo, &FileCommands::copyFile);
  bind(MainAction::MoveRenameFile, &FileCommands::moveFile);
  bind(MainAction::ChangeDriveLetter, &FileCommands::changeDriveLetter);
  bind(MainAction::ExecuteDupe, &FileCommands::execute);
  bind(MainAction::ExploreToDupe, &FileCommands::explore);
}

const TResultEntry* FileCommands::commandEntry() const { return lists_.selectedEntry(); }

std::optional<DeletionPlan> FileCommands::confirmDeletion(const std::string& question,
                                                         const std::vector<std::string>& paths) {
  DialogProvider& dialogs = CurrentDialogProvider();
  const Settings& settings = CurrentSettings().values();
  DeletionPlan plan = PlanDeletion(model_, paths);
  const size_t lastCopies = plan.lastCopyGroups.size();
  const uint64_t bytes = TotalSize(SizesOnDisk(plan.deletable), plan.deletable);
  const std::string summary = deletionSummary(plan.deletable.size(), bytes, settings.deleteToRecycleBin);
  const std::string note = lastCopies == 0 ? std::string() : "\n\n" + LastCopyNote(lastCopies);
  if (settings.confirmDeletes && !dialogs.askYesNo(window_, question + "\n\n" + summary + note)) return std::nullopt;
  if (lastCopies > 0 &&
      !dialogs.askYesNoDefaultNo(window_, LastCopyNote(lastCopies) + tr(LastCopyQuestion).toStdString()))
    plan.skipLastCopyGroups();
  return plan;
}

bool FileCommands::carryOut(const DeletionPlan& plan, const std::function<bool()>& remove) {
  const std::unordered_map<std::string, uint64_t> sizes = SizesOnDisk(plan.deletable);
  undo_.beginDeletion(plan.deletable);
  operations_.setOptions(DeleteOptionsOf(CurrentSettings().values()));
  const bool removed = remove();
  undo_.endDeletion(operations_.lastReport(), operations_.options().recordDeleted);
  emit statusMessage(deletionStatus(operations_.lastReport(), sizes));
  return removed;
}

void FileCommands::beepOnDelete() const {
  if (CurrentSettings().values().beepOnDelete) host_.beep();
}

void FileCommands::deleteFile() {
  for (QWidget* pane : widgets_.filePanes)
    if (window_->focusWidget() == pane) return;
  const TResultEntry* entry = commandEntry();
  if (entry == nullptr) return;
  const std::string path = entry->Path;
  const std::optional<DeletionPlan> plan =
      confirmDeletion(tr("Confirm File Delete...").toStdString() + "\n\n" + path, {path});
  // A refused last copy leaves nothing to delete.
  if (!plan || (!plan->lastCopyFiles.empty() && plan->deletable.empty())) return;
  const int groupRow = widgets_.baseList->currentRow();
  if (!carryOut(*plan, [this, &path] { return operations_.DeleteOneFile(path); })) return;
  if (lists_.reselectShownGroup())
    lists_.removeSelectedLine();
  else
    lists_.selectGroup(groupRow);
  beepOnDelete();
}

void FileCommands::deleteList(const std::string& question, const std::vector<std::string>& paths) {
  if (paths.empty()) {
    emit statusMessage(tr("No marked file to delete"));
    return;
  }
  const std::optional<DeletionPlan> plan = confirmDeletion(question, paths);
  if (!plan) return;
  const int groupRow = widgets_.baseList->currentRow();
  carryOut(*plan, [this, &plan] { return operations_.DeleteFileList(*plan); });
  lists_.selectGroup(groupRow);
  beepOnDelete();
}

void FileCommands::deleteMarked() {
  const TResultEntry* entry = commandEntry();
  if (entry == nullptr) return;
  deleteList(tr("Confirm Deletion of all visible marked files...").toStdString(), MarkedFilesOfGroup(*entry));
}

void FileCommands::deleteAllMarked() {
  if (model_.FResultEntries().empty()) return;
  deleteList(tr("Confirm Deletion of ALL marked files...").toStdString(), MarkedFilesOfAllGroups(model_));
}

std::optional<std::string> FileCommands::askTarget(const std::string& path) const {
  return CurrentDialogProvider().askSaveFile(window_, FileDialogRequest{"", extensionWithoutDot(path), FolderOf(path),
                                                                        path, true});
}

void FileCommands::copyFile() {
  const TResultEntry* entry = commandEntry();
  if (entry == nullptr) return;
  const std::string path = entry->Path;
  const std::optional<std::string> target = askTarget(path);
  if (target && operations_.CopyFile(path, *target)) host_.beep();
}

void FileCommands::moveFile() {
  const TResultEntry* entry = commandEntry();
  if (entry == nullptr) return;
  const std::string path = entry->Path;
  const std::optional<std::string> target = askTarget(path);
  const std::optional<std::string> moved = target ? operations_.MoveFile(path, *target) : std::nullopt;
  if (!moved) return;
  undo_.recordMove(path, *moved);
  lists_.refreshSelectedLine(false);
  host_.beep();
}

void FileCommands::changeDriveLetter() {
  const TResultEntry* entry = commandEntry();
  if (entry == nullptr) return;
  const std::string path = entry->Path;
  const std::optional<std::string> answer = CurrentDialogProvider().chooseFolder(
      window_, tr("Choose the New Volume Root for This File").toStdString(), DriveRootForChange(path));
  if (!answer || answer->empty() || !operations_.ChangeDriveRoot(path, *answer)) return;
  undo_.clear();  // the record's paths no longer match the entries
  lists_.refreshSelectedLine(true);
}

void FileCommands::execute() {
  const TResultEntry* entry = commandEntry();
  if (entry == nullptr) return;
  const auto unable = [this] {
    host_.showMessage(MessageKind::Information, tr("Unable to open file.").toStdString());
  };
  RegularFileState state;
  if (ExaminePath(entry->Path, state) != PathKind::RegularFile) return unable();
  OpenDocumentInBackground(entry->Path, this, unable);
}

void FileCommands::explore() {
  const TResultEntry* entry = commandEntry();
  if (entry == nullptr) return;
  const auto unable = [this] {
    host_.showMessage(MessageKind::Information, tr("Unable to show the file in its folder.").toStdString());
  };
  ShowInFileManager(entry->Path, this, unable);
  host_.beep();
}

bool FileCommands::eventFilter(QObject* watched, QEvent* event) {
  if (watched != dupeViewport_) return false;
  if (event->type() == QEvent::MouseButtonPress) {
    const QModelIndex pressed = widgets_.dupeList->indexAt(static_cast<QMouseEvent*>(event)->position().toPoint());
    const auto& lines = lists_.dupeModel().lines();
    pressedPath_ = pressed.isValid() && pressed.row() < int(lines.size()) ? lines[size_t(pressed.row())].entry->Path
                                                                           : std::string();
  }
  if (!dragStarter_.shouldStart(event)) return false;
  dragStarter_.reset();
  dragOut();
  return true;
}

// A drop that moved the file away marks it gone; a copy, a cancel, or a "move" that
// left the file in place changes nothing.
void FileCommands::dragOut() {
  if (pressedPath_.empty()) return;
  const std::string path = pressedPath_;
  RegularFileState state;
  if (ExaminePath(path, state) != PathKind::RegularFile) return;
  if (DragFiles(widgets_.dupeList, {path}) != Qt::MoveAction) return;
  if (ExaminePath(path, state) != PathKind::Missing) return;
  model_.UpdateEntriesForPath(path, std::nullopt);
  lists_.FillDupeList();
}

}  // namespace vl::gui

// The main window's commands: key, inherited name, caption, hint, shortcut, icon, kind, group and where each appears.
#include "app/shell/action_table.h"

#include <QtGlobal>

namespace vl::gui {
namespace {

using enum ActionKind;
using enum CommandGroup;
using enum ActionGlyph;
using Key = MainAction;

// clang-format off
constexpr ActionSpec Table[] = {
  {Key::ScanWizard, nullptr, QT_TRANSLATE_NOOP("Actions", "Scan &Wizard..."), QT_TRANSLATE_NOOP("Actions", "Scan Wizard"), {}, ScanWizard, Command, false, ScanIdle, "File1 Toolbar971"},
  {Key::EditFolders, nullptr, QT_TRANSLATE_NOOP("Actions", "&Edit Folders..."), QT_TRANSLATE_NOOP("Actions", "Select Folders to Scan."), {}, EditFolders, Command, false, Always, "File1 Toolbar971"},
  {Key::DatabaseManagement, "aDatabaseManagement", QT_TRANSLATE_NOOP("Actions", "&Database Management..."), QT_TRANSLATE_NOOP("Actions", "Create and manage your Velloran databases."), {}, Database, Command, false, Always, "File1 Toolbar971"},
  {Key::Configure, nullptr, QT_TRANSLATE_NOOP("Actions", "Co&nfigure..."), QT_TRANSLATE_NOOP("Actions", "Configure Velloran."), Qt::CTRL | Qt::Key_Comma, Configure, Command, false, Always, "File1 Toolbar971"},
  {Key::Scan, "aScan", QT_TRANSLATE_NOOP("Actions", "&Scan"), QT_TRANSLATE_NOOP("Actions", "Start the Scan."), Qt::CTRL | Qt::Key_R, Scan, Command, false, ScanIdle, "|File1 |Toolbar971"},
  {Key::Cancel, "aCancel", QT_TRANSLATE_NOOP("Actions", "&Cancel"), QT_TRANSLATE_NOOP("Actions", "Cancel Scanning."), {}, Cancel, Command, false, ScanRunning, "File1 Toolbar971"},
  {Key::UseDeletedList, "tbDellist", QT_TRANSLATE_NOOP("Actions", "Use Deleted List."), QT_TRANSLATE_NOOP("Actions", "Use Deleted List."), {}, DeletedList, Toggle, false, Always, "Toolbar971"},
  {Key::DeleteFile, nullptr, QT_TRANSLATE_NOOP("Actions", "&Delete File"), QT_TRANSLATE_NOOP("Actions", "Delete Selected File."), Qt::Key_Delete, DeleteFile, Command, false, ScanIdle, "FileManagement1 |Toolbar971"},
  {Key::MarkFile, nullptr, QT_TRANSLATE_NOOP("Actions", "&Mark Selected File"), QT_TRANSLATE_NOOP("Actions", "Mark / UnMark Selected File for Deletion. (Space)"), {}, MarkFile, Command, false, ScanIdle, "|FileManagement1 |Toolbar971"},
  {Key::DeleteMarked, nullptr, QT_TRANSLATE_NOOP("Actions", "Delete Mar&ked"), QT_TRANSLATE_NOOP("Actions", "Delete Visible Marked Files."), Qt::SHIFT | Qt::Key_Delete, DeleteMarked, Command, false, ScanIdle, "FileManagement1 Toolbar971"},
  {Key::DeleteAllMarked, nullptr, QT_TRANSLATE_NOOP("Actions", "Delete &All Marked"), QT_TRANSLATE_NOOP("Actions", "Delete ALL Marked Files."), Qt::CTRL | Qt::Key_Delete, DeleteAllMarked, Command, false, ScanIdle, "FileManagement1 Toolbar971"},
  {Key::FullSize, "tbFullSize", QT_TRANSLATE_NOOP("Actions", "&Full Size"), QT_TRANSLATE_NOOP("Actions", "Full size (off: fitted to the pane)|Show Image Full Sized, or Stretched to fit its pane."), {}, FullSize, Toggle, false, Always, "|Toolbar971"},
  {Key::SideBySide, "tbSideBySide", QT_TRANSLATE_NOOP("Actions", "Side &by Side"), QT_TRANSLATE_NOOP("Actions", "Base beside the selected file (off: selected file only)|Show Base AND Selected, or just selected."), {}, SideBySide, Toggle, true, Always, "Toolbar971 |View1"},
  {Key::ScrollInUnison, "tbScrollInUnison", QT_TRANSLATE_NOOP("Actions", "Scroll in &Unison"), QT_TRANSLATE_NOOP("Actions", "Scroll both pictures together|Scroll Images in Unison."), {}, ScrollInUnison, Toggle, true, Always, "Toolbar971 View1"},
  {Key::ShowFiles, "tbShowFiles", QT_TRANSLATE_NOOP("Actions", "Show File &Panes"), QT_TRANSLATE_NOOP("Actions", "Show the folders of both files|Show File Pane."), {}, ShowFiles, Toggle, true, Always, "Toolbar971 View1"},
  {Key::LoadResults, "LoadResults1", QT_TRANSLATE_NOOP("Actions", "&Load Results..."), "", Qt::CTRL | Qt::Key_O, LoadResults, Command, false, ScanIdle, "|File1"},
  {Key::SaveResults, "SaveResults1", QT_TRANSLATE_NOOP("Actions", "Sa&ve Results..."), "", Qt::CTRL | Qt::Key_S, SaveResults, Command, false, ScanIdle, "File1"},
  {Key::ExportResults, "ExportResults1", QT_TRANSLATE_NOOP("Actions", "Ex&port Results..."), QT_TRANSLATE_NOOP("Actions", "Write the results to a CSV or JSON file."), Qt::CTRL | Qt::Key_E, {}, Command, false, ScanIdle, "File1"},
  {Key::AddFilesToDeletedList, "AddFilestoDeletedList1", QT_TRANSLATE_NOOP("Actions", "&Add Files to Deleted List..."), "", {}, DeletedList, Command, false, ScanIdle, "File1"},
  {Key::Exit, nullptr, QT_TRANSLATE_NOOP("Actions", "E&xit"), "", Qt::CTRL | Qt::Key_Q, Exit, Command, false, Always, "|File1"},
  {Key::Undo, "Undo1", QT_TRANSLATE_NOOP("Actions", "&Undo"), QT_TRANSLATE_NOOP("Actions", "|Bring back the files of the last deletion, move or rename."), Qt::CTRL | Qt::Key_Z, {}, Command, false, Always, "Edit1"},
  {Key::Scale1To1, "N113", QT_TRANSLATE_NOOP("Actions", "1 : &1"), "", {}, {}, Choice, true, Always, "Scale1"},
  {Key::Scale1To2, "N123", QT_TRANSLATE_NOOP("Actions", "1 : &2"), "", {}, {}, Choice, false, Always, "Scale1"},
  {Key::Scale1To4, "N143", QT_TRANSLATE_NOOP("Actions", "1 : &4"), "", {}, {}, Choice, false, Always, "Scale1"},
  {Key::Scale1To8, "N183", QT_TRANSLATE_NOOP("Actions", "1 : &8"), "", {}, {}, Choice, false, Always, "Scale1"},
  {Key::BestQuality, "BestQuality3", QT_TRANSLATE_NOOP("Actions", "Best &Quality"), "", {}, {}, Choice, true, Always, "Performance1"},
  {Key::BestSpeed, "BestSpeed3", QT_TRANSLATE_NOOP("Actions", "Best &Speed"), "", {}, {}, Choice, false, Always, "Performance1"},
  {Key::RemoveWhenNoDuplicates, "Removewhennoduplicates2", QT_TRANSLATE_NOOP("Actions", "&Remove when no duplicates"), "", {}, {}, Toggle, true, Always, "|View1"},
  {Key::ExecuteDupe, "Execute1", QT_TRANSLATE_NOOP("Actions", "&Open"), "", {}, {}, Command, false, Always, "pmDupes"},
  {Key::ExploreToDupe, nullptr, QT_TRANSLATE_NOOP("Actions", "Show in &Folder"), "", {}, {}, Command, false, Always, "pmDupes"},
  {Key::CopyFileTo, nullptr, QT_TRANSLATE_NOOP("Actions", "&Copy File to..."), "", {}, {}, Command, false, ScanIdle, "|FileManagement1 |pmDupes"},
  {Key::MoveRenameFile, "MoveRenameFile1", QT_TRANSLATE_NOOP("Actions", "Mo&ve / Rename File..."), "", {}, {}, Command, false, ScanIdle, "FileManagement1 pmDupes"},
  {Key::RemoveFromList, "RemoveFromList1", QT_TRANSLATE_NOOP("Actions", "&Remove Base Group"), QT_TRANSLATE_NOOP("Actions", "Remove Dupe Group."), Qt::Key_Insert, {}, Command, false, ScanIdle, "FileManagement1"},
  {Key::NotADuplicate, "NotADuplicate1", QT_TRANSLATE_NOOP("Actions", "&Not a Duplicate"), QT_TRANSLATE_NOOP("Actions", "Remember that the selected file is not a duplicate of its base."), Qt::CTRL | Qt::Key_N, {}, Command, false, ScanIdle, "|FileManagement1 |pmDupes"},
  {Key::ForgetNotDuplicates, "ForgetNotDuplicates1", QT_TRANSLATE_NOOP("Actions", "&Forget Not-Duplicates"), QT_TRANSLATE_NOOP("Actions", "Pair again every file remembered as not a duplicate."), {}, {}, Command, false, ScanIdle, "FileManagement1"},
  {Key::ChangeDriveLetter, "ChangeDriveLetter1", QT_TRANSLATE_NOOP("Actions", "Change Volume &Root..."), QT_TRANSLATE_NOOP("Actions", "Look for the file under another mount point."), {}, {}, Command, false, ScanIdle, "|pmDupes"},
  {Key::MarkByRule, "MarkByRule1", QT_TRANSLATE_NOOP("Actions", "Mark &by Rule..."), QT_TRANSLATE_NOOP("Actions", "Keep the best file of each group and mark the others."), {}, {}, Command, false, ScanIdle, "|FileManagement1 |pmDupes"},
  {Key::UnmarkAll, "UnmarkAll1", QT_TRANSLATE_NOOP("Actions", "&Unmark All"), QT_TRANSLATE_NOOP("Actions", "Clear every mark."), {}, {}, Command, false, ScanIdle, "FileManagement1 pmDupes"},
  {Key::RemoveBaseGroup, "RemoveBaseGroup1", QT_TRANSLATE_NOOP("Actions", "&Remove Base Group"), QT_TRANSLATE_NOOP("Actions", "Remove Dupe Group."), {}, {}, Command, false, ScanIdle, "pmBase"},
  {Key::SortAlphabetically, nullptr, QT_TRANSLATE_NOOP("Actions", "&Sort Alphabetically"), "", {}, {}, Command, false, ScanIdle, "pmBase"},
  {Key::ExecuteFile, nullptr, QT_TRANSLATE_NOOP("Actions", "&Open"), "", {}, {}, Command, false, Always, "pmFiles"},
  {Key::ExploreToFile, nullptr, QT_TRANSLATE_NOOP("Actions", "Show in &Folder"), "", {}, {}, Command, false, Always, "pmFiles"},
  {Key::RefreshFiles, nullptr, QT_TRANSLATE_NOOP("Actions", "&Refresh"), "", {}, {}, Command, false, Always, "|pmFiles"},
  {Key::HelpContents, nullptr, QT_TRANSLATE_NOOP("Actions", "Help &Contents...\tF1"), "", {}, Help, Command, false, Always, "Help1"},
  {Key::About, nullptr, QT_TRANSLATE_NOOP("Actions", "&About..."), "", {}, About, Command, false, Always, "Help1"},
};
// clang-format on

}  // namespace

std::span<const ActionSpec> MainWindowActions() { return Table; }

}  // namespace vl::gui

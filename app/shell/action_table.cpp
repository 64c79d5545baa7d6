// The main window's commands: key, inherited name, caption, hint, shortcut, icon, kind, group and where each appears.
#include "app/shell/action_table.h"

namespace vl::gui {
namespace {

using enum ActionKind;
using enum CommandGroup;
using enum ActionGlyph;
using Key = MainAction;

// clang-format off
constexpr ActionSpec Table[] = {
  {Key::ScanWizard, nullptr, "Scan &Wizard...", "Scan Wizard", {}, ScanWizard, Command, false, ScanIdle, "File1 Toolbar971"},
  {Key::EditFolders, nullptr, "&Edit Folders...", "Select Folders to Scan.", {}, EditFolders, Command, false, Always, "File1 Toolbar971"},
  {Key::DatabaseManagement, "aDatabaseManagement", "&Database Management...", "Create and manage your Velloran databases.", {}, Database, Command, false, Always, "File1 Toolbar971"},
  {Key::Configure, nullptr, "Co&nfigure...", "Configure Velloran.", Qt::CTRL | Qt::Key_Comma, Configure, Command, false, Always, "File1 Toolbar971"},
  {Key::Scan, "aScan", "&Scan", "Start the Scan.", Qt::CTRL | Qt::Key_R, Scan, Command, false, ScanIdle, "|File1 |Toolbar971"},
  {Key::Cancel, "aCancel", "&Cancel", "Cancel Scanning.", {}, Cancel, Command, false, ScanRunning, "File1 Toolbar971"},
  {Key::UseDeletedList, "tbDellist", "Use Deleted List.", "Use Deleted List.", {}, DeletedList, Toggle, false, Always, "Toolbar971"},
  {Key::DeleteFile, nullptr, "&Delete File", "Delete Selected File.", Qt::Key_Delete, DeleteFile, Command, false, ScanIdle, "FileManagement1 |Toolbar971"},
  {Key::MarkFile, nullptr, "&Mark Selected File", "Mark / UnMark Selected File for Deletion. (Space)", {}, MarkFile, Command, false, ScanIdle, "|FileManagement1 |Toolbar971"},
  {Key::DeleteMarked, nullptr, "Delete Mar&ked", "Delete Visible Marked Files.", Qt::SHIFT | Qt::Key_Delete, DeleteMarked, Command, false, ScanIdle, "FileManagement1 Toolbar971"},
  {Key::DeleteAllMarked, nullptr, "Delete &All Marked", "Delete ALL Marked Files.", Qt::CTRL | Qt::Key_Delete, DeleteAllMarked, Command, false, ScanIdle, "FileManagement1 Toolbar971"},
  {Key::FullSize, "tbFullSize", "&Full Size", "Full size (off: fitted to the pane)|Show Image Full Sized, or Stretched to fit its pane.", {}, FullSize, Toggle, false, Always, "|Toolbar971"},
  {Key::SideBySide, "tbSideBySide", "Side &by Side", "Base beside the selected file (off: selected file only)|Show Base AND Selected, or just selected.", {}, SideBySide, Toggle, true, Always, "Toolbar971 |View1"},
  {Key::ScrollInUnison, "tbScrollInUnison", "Scroll in &Unison", "Scroll both pictures together|Scroll Images in Unison.", {}, ScrollInUnison, Toggle, true, Always, "Toolbar971 View1"},
  {Key::ShowFiles, "tbShowFiles", "Show File &Panes", "Show the folders of both files|Show File Pane.", {}, ShowFiles, Toggle, true, Always, "Toolbar971 View1"},
  {Key::LoadResults, "LoadResults1", "&Load Results...", "", Qt::CTRL | Qt::Key_O, LoadResults, Command, false, ScanIdle, "|File1"},
  {Key::SaveResults, "SaveResults1", "Sa&ve Results...", "", Qt::CTRL | Qt::Key_S, SaveResults, Command, false, ScanIdle, "File1"},
  {Key::ExportResults, "ExportResults1", "Ex&port Results...", "Write the results to a CSV or JSON file.", Qt::CTRL | Qt::Key_E, {}, Command, false, ScanIdle, "File1"},
  {Key::AddFilesToDeletedList, "AddFilestoDeletedList1", "&Add Files to Deleted List...", "", {}, DeletedList, Command, false, ScanIdle, "File1"},
  {Key::Exit, nullptr, "E&xit", "", Qt::CTRL | Qt::Key_Q, Exit, Command, false, Always, "|File1"},
  {Key::Undo, "Undo1", "&Undo", "|Bring back the files of the last deletion, move or rename.", Qt::CTRL | Qt::Key_Z, {}, Command, false, Always, "Edit1"},
  {Key::Scale1To1, "N113", "1 : &1", "", {}, {}, Choice, true, Always, "Scale1"},
  {Key::Scale1To2, "N123", "1 : &2", "", {}, {}, Choice, false, Always, "Scale1"},
  {Key::Scale1To4, "N143", "1 : &4", "", {}, {}, Choice, false, Always, "Scale1"},
  {Key::Scale1To8, "N183", "1 : &8", "", {}, {}, Choice, false, Always, "Scale1"},
  {Key::BestQuality, "BestQuality3", "Best &Quality", "", {}, {}, Choice, true, Always, "Performance1"},
  {Key::BestSpeed, "BestSpeed3", "Best &Speed", "", {}, {}, Choice, false, Always, "Performance1"},
  {Key::RemoveWhenNoDuplicates, "Removewhennoduplicates2", "&Remove when no duplicates", "", {}, {}, Toggle, true, Always, "|View1"},
  {Key::ExecuteDupe, "Execute1", "&Open", "", {}, {}, Command, false, Always, "pmDupes"},
  {Key::ExploreToDupe, nullptr, "Show in &Folder", "", {}, {}, Command, false, Always, "pmDupes"},
  {Key::CopyFileTo, nullptr, "&Copy File to...", "", {}, {}, Command, false, ScanIdle, "|FileManagement1 |pmDupes"},
  {Key::MoveRenameFile, "MoveRenameFile1", "Mo&ve / Rename File...", "", {}, {}, Command, false, ScanIdle, "FileManagement1 pmDupes"},
  {Key::RemoveFromList, "RemoveFromList1", "&Remove Base Group", "Remove Dupe Group.", Qt::Key_Insert, {}, Command, false, ScanIdle, "FileManagement1"},
  {Key::NotADuplicate, "NotADuplicate1", "&Not a Duplicate", "Remember that the selected file is not a duplicate of its base.", Qt::CTRL | Qt::Key_N, {}, Command, false, ScanIdle, "|FileManagement1 |pmDupes"},
  {Key::ForgetNotDuplicates, "ForgetNotDuplicates1", "&Forget Not-Duplicates", "Pair again every file remembered as not a duplicate.", {}, {}, Command, false, ScanIdle, "FileManagement1"},
  {Key::ChangeDriveLetter, "ChangeDriveLetter1", "Change Volume &Root...", "Look for the file under another mount point.", {}, {}, Command, false, ScanIdle, "|pmDupes"},
  {Key::MarkByRule, "MarkByRule1", "Mark &by Rule...", "Keep the best file of each group and mark the others.", {}, {}, Command, false, ScanIdle, "|FileManagement1 |pmDupes"},
  {Key::UnmarkAll, "UnmarkAll1", "&Unmark All", "Clear every mark.", {}, {}, Command, false, ScanIdle, "FileManagement1 pmDupes"},
  {Key::RemoveBaseGroup, "RemoveBaseGroup1", "&Remove Base Group", "Remove Dupe Group.", {}, {}, Command, false, ScanIdle, "pmBase"},
  {Key::SortAlphabetically, nullptr, "&Sort Alphabetically", "", {}, {}, Command, false, ScanIdle, "pmBase"},
  {Key::ExecuteFile, nullptr, "&Open", "", {}, {}, Command, false, Always, "pmFiles"},
  {Key::ExploreToFile, nullptr, "Show in &Folder", "", {}, {}, Command, false, Always, "pmFiles"},
  {Key::RefreshFiles, nullptr, "&Refresh", "", {}, {}, Command, false, Always, "|pmFiles"},
  {Key::HelpContents, nullptr, "Help &Contents...\tF1", "", {}, Help, Command, false, Always, "Help1"},
  {Key::About, nullptr, "&About...", "", {}, About, Command, false, Always, "Help1"},
};
// clang-format on

}  // namespace

std::span<const ActionSpec> MainWindowActions() { return Table; }

}  // namespace vl::gui

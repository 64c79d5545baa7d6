// The main window's commands: name, caption, hint, shortcut, icon, kind, group and where each appears.
#include "app/shell/action_table.h"

namespace vl::gui {
namespace {

using enum ActionKind;
using enum CommandGroup;
using enum ActionGlyph;

// clang-format off
constexpr ActionSpec Table[] = {
  {"aScanWizard", "Scan &Wizard...", "Scan Wizard", {}, ScanWizard, Command, false, ScanIdle, "File1 Toolbar971"},
  {"aEditFolders", "&Edit Folders...", "Select Folders to Scan.", {}, EditFolders, Command, false, Always, "File1 Toolbar971"},
  {"aDatabaseManagement", "&Database Management...", "Create and manage your Velloran databases.", {}, Database, Command, false, Always, "File1 Toolbar971"},
  {"aConfigure", "Co&nfigure...", "Configure Velloran.", Qt::CTRL | Qt::Key_Comma, Configure, Command, false, Always, "File1 Toolbar971"},
  {"aScan", "&Scan", "Start the Scan.", Qt::CTRL | Qt::Key_R, Scan, Command, false, ScanIdle, "|File1 |Toolbar971"},
  {"aCancel", "&Cancel", "Cancel Scanning.", {}, Cancel, Command, false, ScanRunning, "File1 Toolbar971"},
  {"tbDellist", "Use Deleted List.", "Use Deleted List.", {}, DeletedList, Toggle, false, Always, "Toolbar971"},
  {"aDelFile", "&Delete File", "Delete Selected File.", Qt::Key_Delete, DeleteFile, Command, false, ScanIdle, "FileManagement1 |Toolbar971"},
  {"aMarkFile", "&Mark Selected File", "Mark / UnMark Selected File for Deletion. (Space)", {}, MarkFile, Command, false, ScanIdle, "|FileManagement1 |Toolbar971"},
  {"aDelMarked", "Delete Mar&ked", "Delete Visible Marked Files.", Qt::SHIFT | Qt::Key_Delete, DeleteMarked, Command, false, ScanIdle, "FileManagement1 Toolbar971"},
  {"aDelAllMarked", "Delete &All Marked", "Delete ALL Marked Files.", Qt::CTRL | Qt::Key_Delete, DeleteAllMarked, Command, false, ScanIdle, "FileManagement1 Toolbar971"},
  {"tbFullSize", "&Full Size", "Full size (off: fitted to the pane)|Show Image Full Sized, or Stretched to fit its pane.", {}, FullSize, Toggle, true, Always, "|Toolbar971"},
  {"tbSideBySide", "Side &by Side", "Base beside the selected file (off: selected file only)|Show Base AND Selected, or just selected.", {}, SideBySide, Toggle, true, Always, "Toolbar971 |View1"},
  {"tbScrollInUnison", "Scroll in &Unison", "Scroll both pictures together|Scroll Images in Unison.", {}, ScrollInUnison, Toggle, true, Always, "Toolbar971 View1"},
  {"tbShowFiles", "Show File &Panes", "Show the folders of both files|Show File Pane.", {}, ShowFiles, Toggle, true, Always, "Toolbar971 View1"},
  {"LoadResults1", "&Load Results...", "", Qt::CTRL | Qt::Key_O, LoadResults, Command, false, ScanIdle, "|File1"},
  {"SaveResults1", "Sa&ve Results...", "", Qt::CTRL | Qt::Key_S, SaveResults, Command, false, ScanIdle, "File1"},
  {"ExportResults1", "Ex&port Results...", "Write the results to a CSV or JSON file.", Qt::CTRL | Qt::Key_E, {}, Command, false, ScanIdle, "File1"},
  {"AddFilestoDeletedList1", "&Add Files to Deleted List...", "", {}, DeletedList, Command, false, ScanIdle, "File1"},
  {"Exit1", "E&xit", "", Qt::CTRL | Qt::Key_Q, Exit, Command, false, Always, "|File1"},
  {"Undo1", "&Undo", "|Bring back the files of the last deletion, move or rename.", Qt::CTRL | Qt::Key_Z, {}, Command, false, Always, "Edit1"},
  {"N113", "1 : &1", "", {}, {}, Choice, true, Always, "Scale1"},
  {"N123", "1 : &2", "", {}, {}, Choice, false, Always, "Scale1"},
  {"N143", "1 : &4", "", {}, {}, Choice, false, Always, "Scale1"},
  {"N183", "1 : &8", "", {}, {}, Choice, false, Always, "Scale1"},
  {"BestQuality3", "Best &Quality", "", {}, {}, Choice, true, Always, "Performance1"},
  {"BestSpeed3", "Best &Speed", "", {}, {}, Choice, false, Always, "Performance1"},
  {"Removewhennoduplicates2", "&Remove when no duplicates", "", {}, {}, Toggle, true, Always, "|View1"},
  {"Execute1", "&Open", "", {}, {}, Command, false, Always, "pmDupes"},
  {"Exploreto1", "Show in &Folder", "", {}, {}, Command, false, Always, "pmDupes"},
  {"CopyFileto1", "&Copy File to...", "", {}, {}, Command, false, ScanIdle, "|FileManagement1 |pmDupes"},
  {"MoveRenameFile1", "Mo&ve / Rename File...", "", {}, {}, Command, false, ScanIdle, "FileManagement1 pmDupes"},
  {"RemoveFromList1", "&Remove Base Group", "Remove Dupe Group.", Qt::Key_Insert, {}, Command, false, ScanIdle, "FileManagement1"},
  {"NotADuplicate1", "&Not a Duplicate", "Remember that the selected file is not a duplicate of its base.", Qt::CTRL | Qt::Key_N, {}, Command, false, ScanIdle, "|FileManagement1 |pmDupes"},
  {"ForgetNotDuplicates1", "&Forget Not-Duplicates", "Pair again every file remembered as not a duplicate.", {}, {}, Command, false, ScanIdle, "FileManagement1"},
  {"ChangeDriveLetter1", "Change Volume &Root...", "Look for the file under another mount point.", {}, {}, Command, false, ScanIdle, "|pmDupes"},
  {"MarkByRule1", "Mark &by Rule...", "Keep the best file of each group and mark the others.", {}, {}, Command, false, ScanIdle, "|FileManagement1 |pmDupes"},
  {"UnmarkAll1", "&Unmark All", "Clear every mark.", {}, {}, Command, false, ScanIdle, "FileManagement1 pmDupes"},
  {"RemoveBaseGroup1", "&Remove Base Group", "Remove Dupe Group.", {}, {}, Command, false, ScanIdle, "pmBase"},
  {"SortAlphabetically1", "&Sort Alphabetically", "", {}, {}, Command, false, ScanIdle, "pmBase"},
  {"Execute2", "&Open", "", {}, {}, Command, false, Always, "pmFiles"},
  {"Exploreto2", "Show in &Folder", "", {}, {}, Command, false, Always, "pmFiles"},
  {"Refresh1", "&Refresh", "", {}, {}, Command, false, Always, "|pmFiles"},
  {"HelpContents1", "Help &Contents...\tF1", "", {}, Help, Command, false, Always, "Help1"},
  {"About1", "&About...", "", {}, About, Command, false, Always, "Help1"},
};
// clang-format on

}  // namespace

std::span<const ActionSpec> MainWindowActions() { return Table; }

}  // namespace vl::gui

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Actions</name>
    <message>
        <source>Scan &amp;Wizard...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scan Wizard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit Folders...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Folders to Scan.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Database Management...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create and manage your Velloran databases.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Co&amp;nfigure...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configure Velloran.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Scan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start the Scan.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel Scanning.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use Deleted List.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Selected File.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Mark Selected File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark / UnMark Selected File for Deletion. (Space)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Mar&amp;ked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Visible Marked Files.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete &amp;All Marked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete ALL Marked Files.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Full Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full size (off: fitted to the pane)|Show Image Full Sized, or Stretched to fit its pane.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Side &amp;by Side</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Base beside the selected file (off: selected file only)|Show Base AND Selected, or just selected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scroll in &amp;Unison</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scroll both pictures together|Scroll Images in Unison.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show File &amp;Panes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the folders of both files|Show File Pane.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Load Results...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sa&amp;ve Results...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ex&amp;port Results...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the results to a CSV or JSON file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add Files to Deleted List...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>|Bring back the files of the last deletion, move or rename.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 : &amp;1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 : &amp;2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 : &amp;4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 : &amp;8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Best &amp;Quality</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Best &amp;Speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remove when no duplicates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show in &amp;Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy File to...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mo&amp;ve / Rename File...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remove Base Group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Dupe Group.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Not a Duplicate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remember that the selected file is not a duplicate of its base.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Forget Not-Duplicates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pair again every file remembered as not a duplicate.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Volume &amp;Root...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Look for the file under another mount point.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark &amp;by Rule...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep the best file of each group and mark the others.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Unmark All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear every mark.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sort Alphabetically</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help &amp;Contents...	F1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileSummaries</name>
    <message numerus="yes">
        <source>%n file, %1</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files, %1</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to find the help file %1 in the folder
%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScanModeButtons</name>
    <message>
        <source>Compare &amp;Images</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare Filena&amp;mes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare Filename and Si&amp;ze</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare File Size and Con&amp;tents</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vl::gui::AboutBox</name>
    <message>
        <source>About %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1   </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Date : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Linux:  %1.%2   </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Physical memory:  %1 K</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vl::gui::AddToDatabaseDialog</name>
    <message>
        <source>Add To Database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Folders to Database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done selecting folders, Add them to the database now.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel the add.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vl::gui::ConfigureDialog</name>
    <message>
        <source>* = match any substring (including null)
? = match any single character
# = match any numeric character (0..9)
@ = match any alpha character (A..Z, a..z)
else = match given character</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filename Compare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Image Compare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;General</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ignore Numeric Filenames</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use Ignore List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ignore filenames containing...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Auto Mark Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Fuzz Factor:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If errors are</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>and width is within</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>and height is within</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>and filesize is within</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>then mark for delete.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Lower the Fuzz Factor, the more accurate the search.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Also compare &amp;PNG, TIFF, WebP, HEIF and AVIF pictures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Con&amp;firm File Deletes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Move Deleted Files to the Trash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Beep on Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Navigate with Arrows / Page Keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check A / B Drives.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use &amp;Deleted List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Verify picture matches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Also find &amp;rotated and mirrored copies</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vl::gui::DatabaseDialog</name>
    <message>
        <source>VL Database (*.VDB)|*.VDB</source>
        <extracomment>File type filter: &quot;Name|patterns&quot;; translate the name only.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note:  It is NOT recommended to place files from different
removable disks in the same database.  Create a separate
database for each removable disk.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Database Management</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New Database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create a New database.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add to Database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add new files to, and freshen files in an existing database.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Freshen files (and pack local files).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Look for existing files, and update if changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Explore Database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View the contents of your existing Databases.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel Operation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vl::gui::DatabaseExplorer</name>
    <message>
        <source>VL Database (*.VDB)|*.VDB</source>
        <extracomment>File type filter: &quot;Name|patterns&quot;; translate the name only.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Database Explorer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load a VL Database.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find Next Matching File.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error in reading image file.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vl::gui::DupeListDelegate</name>
    <message>
        <source>%1 bytes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vl::gui::ExplorerListModel</name>
    <message>
        <source>Path</source>
        <extracomment>Column headers of the database explorer&apos;s file list; &quot;Del&quot; shows whether the file was deleted.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Del</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filesize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Height</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vl::gui::ExportCommand</name>
    <message>
        <source>CSV (*.csv)|*.csv|JSON (*.json)|*.json</source>
        <extracomment>File type filter: &quot;Name|patterns|Name|patterns&quot;; translate the names only.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vl::gui::FileCommands</name>
    <message>
        <source>

Delete these last copies too? With No every file of those groups stays where it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No file was deleted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 moved to the trash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 deleted for good</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm File Delete...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No marked file to delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm Deletion of all visible marked files...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm Deletion of ALL marked files...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the New Volume Root for This File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to open file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to show the file in its folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 will be moved to the trash.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 will be deleted for good; this cannot be undone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n group would lose every copy of its file.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n groups would lose every copy of their file.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vl::gui::FilePaneTransfers</name>
    <message>
        <source>DropSource Demo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The destination folder is the same as the source!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vl::gui::FilePanes</name>
    <message>
        <source>Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to open file.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vl::gui::FilterComboBox</name>
    <message>
        <source>Image Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vl::gui::FolderListBox</name>
    <message>
        <source>Select Folder to Scan.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scan all subdirectories?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text Files (*.txt)|*.txt|All Files (*.*)|*.*</source>
        <extracomment>File type filter: &quot;Name|patterns|Name|patterns&quot;; translate the names only.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text Files (*.txt)|*.txt|All FIles (*.*)|*.*</source>
        <extracomment>File type filter: &quot;Name|patterns|Name|patterns&quot;; translate the names only.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VL Database (*.VDB)|*.VDB</source>
        <extracomment>File type filter: &quot;Name|patterns&quot;; translate the name only.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Folders to Scan.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove the Selected Folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear the Folder list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load a Folder List from file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the current Folder List to file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add a VL Database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>+DB</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vl::gui::FoldersDialog</name>
    <message>
        <source>Folders to Scan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Base Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files to Compare against Base</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Database &amp;Management</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vl::gui::HelpWindow</name>
    <message>
        <source>Velloran Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contents</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vl::gui::MainWindow</name>
    <message>
        <source>Del</source>
        <extracomment>Column headers of the duplicate list; &quot;Del&quot; is the column that shows a file&apos;s deletion mark.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Difference</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Base Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>|The base images that have possible duplicates.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Dupes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Marked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How much the picture differs from the group&apos;s base: 0 for the base and for the same picture, more for a picture that looks less alike</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ready To Scan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The marks were changed since the results were last saved.

Save the results before closing?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;JPEG Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Scale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Performance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File &amp;Management</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vl::gui::MarkRuleDialog</name>
    <message>
        <source>Highest resolution (width x height)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Largest file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Smallest file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Newest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oldest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shortest path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longest path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name without a copy marker (&quot; (copy)&quot;, &quot; - Copy&quot;, &quot; (1)&quot; ...)</source>
        <extracomment>The quoted markers are what the rule looks for in file names: keep them as they are.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inside folder ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark by Rule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each group keeps the best file by the first checked criterion that tells its files apart; every other file is marked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply after every &amp;scan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose only among each group&apos;s base and mar&amp;ked files (unmarked files stay unmarked)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Mark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep the file with</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move D&amp;own</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Never mark files in these folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add Folder...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inside Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Protected Folder</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vl::gui::NotDuplicateCommands</name>
    <message>
        <source>Forget every pair of files marked as not duplicates?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vl::gui::PreviewController</name>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error in reading image file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 × %2 pixels, %3, %4</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vl::gui::ResultsFileCommands</name>
    <message>
        <source>Velloran Results (*.vlr)|*.vlr</source>
        <extracomment>File type filter: &quot;Name|patterns&quot;; translate the name only.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vl::gui::ScanOptionsDialog</name>
    <message>
        <source>Scan Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fuzz Compare.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Look for Matching Filenames.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Look for Matching Filenames, and Filesize.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare contents of files.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Start Scan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vl::gui::ScanWizard</name>
    <message>
        <source>Velloran is an amazingly powerful tool for Locating and Removing Duplicate images from your computer.
 
Velloran has a number of features designed for serious collectors, but like anything else, these features may be a bit confusing for novice users.
 
If you are New to Velloran, we recommend that you use this Wizard for your first few scans.  Once you have a better understanding of the program, you may find the Classic interface more efficient.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Actually look at the images, and do a &quot;Visual&quot; Comparison.  This will find Resized, Resampled, Scaled, Cropped, Color Corrected, and otherwise altered images.  It does however find erroneous matches.  This is the Slowest Scan Method, but can be sped up dramatically by using Databases (See Help File).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find all files with duplicate Filenames.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find all files with Duplicate Filenames that are the same Size.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find all Files that have identical Filesizes and Identical File Contents.  This will find Exact Duplicates, and is the fastest Scan Method.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Clear List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add &amp;Database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Load List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VL Scan Wizard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Welcome to Velloran</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Classic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Wizard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Show this screen at Startup.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Base Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If this is your first time doing a Scan, Make sure that this list is blank, and proceed to the next step.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you already have a Collection that you want to compare NEW files against, place your existing collection in this list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Compare Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If this is your first time doing a Scan, Add the Folders you want to Scan to this list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you already have a Collection Add the Folders containing your New (Incoming) files to this list.  These new files will be compared against your existing collection.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fuzz Compare.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Look for Matching Filenames.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Scan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Once you have selected the folders to Scan, you can select the Scan Method to use...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;- &amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next -&gt;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vl::gui::UndoCommand</name>
    <message>
        <source>Nothing was undone: another file now stands where a file would go back, or the folder it came from is gone. Move it out of the way and undo again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t &amp;Undo Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo Move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo Rename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>|The last files were deleted for good: they cannot be brought back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>|Bring back the files of the last deletion, move or rename.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was undone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some files could not be brought back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 back from the trash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Renamed back to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moved back to %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vl::gui::VelloranApplication</name>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>

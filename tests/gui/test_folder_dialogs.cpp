// The folders dialog, its list commands and the scan wizard, driven offscreen with scripted answers.
#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

#include <filesystem>

#include "app/components/app_settings.h"
#include "app/components/dialog_provider.h"
#include "app/components/folder_list_box.h"
#include "app/dialogs/folders_dialog.h"
#include "app/dialogs/scan_wizard.h"
#include "core/fingerprint/scan_entry.h"
#include "core/settings/ini_file.h"
#include "core/settings/settings.h"
#include "tests/gui/scripted_dialogs.h"

namespace vl::test {

using Entries = std::vector<std::string>;

class FolderDialogsTest : public DialogTest {
  Q_OBJECT

 private slots:
  void addFolderAsksForSubfoldersAndAddsMissingOnesSorted() {
    const TempDir& dir = appDir_->dir();
    const std::string root = dir.makeDir("root");
    dir.makeDir("root/b");
    dir.makeDir("root/A/deep");
    gui::FoldersDialog dialog;
    dialog.setLists({}, {root + "/b"});
    child<QToolButton>(dialog, "tbAddFolder")->click();  // browser cancelled
    QVERIFY(dialog.baseList().empty());
    QVERIFY(dialogs_->questions.empty());
    dialogs_->folders = {root, root, root};
    for (int i = 0; i < 2; ++i) child<QToolButton>(dialog, "tbAddFolder")->click();
    QCOMPARE(dialog.baseList(), Entries{root});
    QCOMPARE(dialogs_->questions.front(), std::string("Scan all subfolders?"));
    QCOMPARE(dialogs_->startFolders.back(), root);
    dialogs_->yesNo = {true};
    child<QToolButton>(dialog, "tbAddFolder2")->click();
    QCOMPARE(dialog.compareList(), (Entries{root, root + "/A", root + "/A/deep", root + "/b"}));
  }

  void removeSelectsSamePositionOrLast() {
    gui::FoldersDialog dialog;
    dialog.setLists({"/c", "/a", "/B"}, {"/only"});
    auto* list = child<gui::FolderListBox>(dialog, "lbdirs");
    QCOMPARE(dialog.baseList(), (Entries{"/a", "/B", "/c"}));
    list->setCurrentRow(2);
    child<QToolButton>(dialog, "tbRemFolder")->click();
    QCOMPARE(dialog.baseList(), (Entries{"/a", "/B"}));
    QCOMPARE(list->currentRow(), 1);
    list->setCurrentRow(0);
    child<QToolButton>(dialog, "tbRemFolder")->click();
    QCOMPARE(dialog.baseList(), Entries{"/B"});
    QCOMPARE(list->currentRow(), 0);

    auto* other = child<gui::FolderListBox>(dialog, "lbdirs2");
    other->setCurrentRow(0);
    child<QToolButton>(dialog, "tbRemFolder2")->click();
    QVERIFY(dialog.compareList().empty());
    QVERIFY(other->selectedItems().isEmpty());
  }

  // How the list file's lines are read and written is the folder-list file's matter.
  void loadKeepsEmptyLinesButNoFinalOneAndSaveWritesListOrder() {
    const std::string file = appDir_->dir().write("list.txt", "/z\r\n\r\n/a\r\n");
    const std::string saved = appDir_->dir().file("saved.txt");
    gui::FoldersDialog dialog;
    dialog.setLists({"/old"}, {"/b", "/A"});
    dialogs_->openAnswers = {{file}};
    child<QToolButton>(dialog, "tbLoadList")->click();
    QCOMPARE(dialog.baseList(), (Entries{"", "/a", "/z"}));
    dialogs_->saveAnswers = {saved};
    child<QToolButton>(dialog, "tbSaveList2")->click();
    QCOMPARE(ReadFileBytes(saved), std::string("/A\r\n/b\r\n"));
  }

  void addDatabaseTakesOnlyVdbFilesAndRepeats() {
    gui::FoldersDialog dialog;
    dialogs_->openAnswers = {{"/d/one.vdb", "/d/notes.txt"}, {"/d/one.vdb"}};
    child<QToolButton>(dialog, "tbAddDatabase")->click();
    child<QToolButton>(dialog, "tbAddDatabase")->click();
    QCOMPARE(dialog.baseList(), (Entries{"/d/one.vdb", "/d/one.vdb"}));
    QCOMPARE(dialogs_->multipleFlags.back(), true);
  }

  void listFilesLoadedAtCreationAndWrittenOnClose() {
    appDir_->dir().write("newlist.txt", "/base\r\n");
    {
      gui::FoldersDialog dialog;
      QCOMPARE(dialog.baseList(), Entries{"/base"});
      QVERIFY(dialog.compareList().empty());
      dialog.setLists({"/base"}, {"/new"});
      dialog.show();
      child<QPushButton>(dialog, "bbDone")->click();
      QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }
    QCOMPARE(ReadFileBytes(AppDir() + "orglist.txt"), std::string("/new\r\n"));
    QVERIFY(IniFile(AppIniFileName()).keyExists("Tffolders", "NormPos"));
  }

  void failedListWriteReportsAndStillCloses() {
    std::filesystem::create_directories(AppDir() + "orglist.txt");
    gui::FoldersDialog dialog;
    dialog.setLists({"/b"}, {"/c"});
    dialog.show();
    dialog.accept();
    QVERIFY(dialog.isHidden());
    QCOMPARE(dialogs_->errors.size(), size_t(1));
    QCOMPARE(ReadFileBytes(AppDir() + "newlist.txt"), std::string("/b\r\n"));
  }

  void wizardClassicAndCancelSaveListsAndShowWiz() {
    gui::FoldersDialog folders;
    folders.setLists({"/b"}, {"/c"});
    IniFile(AppIniFileName()).writeString("TfWizard", "ShowWiz", "often");  // anything but 0 is on
    {
      gui::ScanWizard wizard(folders);
      wizard.show();
      QVERIFY(child<QCheckBox>(wizard, "cbShowWiz")->isChecked());
      child<QCheckBox>(wizard, "cbShowWiz")->setChecked(false);
      QVERIFY(child<QRadioButton>(wizard, "cbVerifyMatches")->isChecked());  // a new user's choice
      child<QRadioButton>(wizard, "rbClassicMatch")->click();
      child<QPushButton>(wizard, "bbClassic")->click();
      QCOMPARE(wizard.result(), gui::ScanWizard::Classic);
    }
    QCOMPARE(IniFile(AppIniFileName()).readString("TfWizard", "ShowWiz", ""), std::string("0"));
    QVERIFY(!LoadSettings().verifyMatches && !gui::CurrentSettings().values().verifyMatches);
    QCOMPARE(ReadFileBytes(AppDir() + "newlist.txt"), std::string("/b\r\n"));
    {
      gui::ScanWizard wizard(folders);
      wizard.show();
      QVERIFY(!child<QCheckBox>(wizard, "cbShowWiz")->isChecked());
      QVERIFY(child<QRadioButton>(wizard, "rbClassicMatch")->isChecked());
      child<QRadioButton>(wizard, "rbClassicMatch")->click();  // a click keeps a radio button checked
      QVERIFY(child<QRadioButton>(wizard, "rbClassicMatch")->isChecked());
      child<QCheckBox>(wizard, "cbShowWiz")->setChecked(true);
      child<QPushButton>(wizard, "bbCancel")->click();
      QCOMPARE(wizard.result(), int(QDialog::Rejected));
    }
    QCOMPARE(IniFile(AppIniFileName()).readString("TfWizard", "ShowWiz", ""), std::string("1"));
    QCOMPARE(ReadFileBytes(AppDir() + "orglist.txt"), std::string("/c\r\n"));
  }

  // Back follows the page; the wizard's lists reach the folders dialog.
  void wizardPagesAndListsReachTheFoldersDialog() {
    const std::string folder = appDir_->dir().makeDir("incoming");
    gui::FoldersDialog folders;
    folders.setLists({"/b"}, {});
    gui::ScanWizard wizard(folders);
    wizard.show();
    auto* back = child<QPushButton>(wizard, "bbBack");
    child<QPushButton>(wizard, "bbWizard")->click();
    QVERIFY(!back->isEnabled());
    child<QPushButton>(wizard, "bbNext")->click();
    QVERIFY(back->isEnabled());
    back->click();
    QVERIFY(!back->isEnabled());
    QCOMPARE(child<gui::FolderListBox>(wizard, "lbdirs")->entries(), Entries{"/b"});
    child<QPushButton>(wizard, "bbClearList")->click();
    dialogs_->folders = {folder};
    child<QPushButton>(wizard, "bbAddFolder2")->click();
    child<QRadioButton>(wizard, "rbContents")->setChecked(true);
    child<QPushButton>(wizard, "bbScan")->click();
    QCOMPARE(wizard.result(), int(QDialog::Accepted));
    QVERIFY(folders.baseList().empty());
    QCOMPARE(folders.compareList(), Entries{folder});
    QCOMPARE(wizard.scanMode(), 3);
    QCOMPARE(wizard.mask(), ImageFilesMask(true));
  }

  void fileFiltersMatchEitherCase() {
    QCOMPARE(gui::QtFileFilter("Text Files (*.txt)|*.txt|All Files (*.*)|*.*"),
             QString("Text Files (*.txt) (*.[tT][xX][tT]);;All Files (*.*) (*)"));
  }
};

}  // namespace vl::test

QTEST_MAIN(vl::test::FolderDialogsTest)
#include "test_folder_dialogs.moc"

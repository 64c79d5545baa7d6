// The database management dialog and the database explorer, driven offscreen on generated pictures.
#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QTreeView>
#include <QTreeWidget>

#include <filesystem>
#include <memory>

#include "app/components/folder_list_box.h"
#include "app/components/preview_image.h"
#include "app/database/add_to_database_dialog.h"
#include "app/database/database_dialog.h"
#include "app/database/database_explorer.h"
#include "core/database/database_builder.h"
#include "core/database/database_file.h"
#include "core/files/file_lock.h"
#include "core/settings/ini_file.h"
#include "tests/gui/main_window_fixture.h"
#include "tests/support/image_writer.h"

namespace vl::test {
namespace {

// Answers "Add To Database" with `folders` and Done; any other dialog is cancelled.
void AnswerFolders(ModalAnswerer& answerer, const std::vector<std::string>& folders) {
  answerer.onDialog = [folders](QDialog* dialog) {
    auto* add = qobject_cast<gui::AddToDatabaseDialog*>(dialog);
    if (add == nullptr) return dialog->reject();
    add->list()->setEntries(folders);
    child<QPushButton>(*add, "bbOK")->click();
  };
}

ScanList Records(const std::string& database) {
  ScanList records;
  ReadDatabaseRecords(database, [&records](std::unique_ptr<TScanEntry> e) { records.push_back(std::move(e)); });
  return records;
}

// New Database as the command line runs it.
BuildOutcome Build(const std::string& file, const std::vector<std::string>& folders) {
  CancelToken cancel;
  NoProgress sink;
  DatabaseRequest request;
  request.fileName = file;
  request.folders = folders;
  request.useCache = false;
  return NewDatabase(request, cancel, sink).outcome;
}

}  // namespace

class DatabaseWindowsTest : public DialogTest {
  Q_OBJECT

 private slots:
  void init() {
    DialogTest::init();
    test::ChangeSetting(&Settings::useFingerprintCache, false);
    const TempDir& dir = appDir_->dir();
    pics_ = dir.makeDir("pics");
    WriteJpeg(pics_ + "/a.jpg", GradientPicture(64, 48));
    WriteJpeg(pics_ + "/b.jpg", BlockPicture(50, 30, 10, {Black, White}, 7));
    WriteGif(pics_ + "/c.GIF", BlockPicture(20, 20, 5, {Black, White}, 3));
    WriteGif(dir.makeDir("pics/sub") + "/d.gif", UniformPicture(10, 12, Rgb(200, 30, 30)));
  }

  // New Database writes the chosen folder's pictures, refuses to close while busy
  // and ends with the summary. Add to Database freshens the picture that changed;
  // a cancel while it waits for another program's lock leaves the database byte for
  // byte as it was, without a message.
  void newAndAddToDatabaseWriteFreshenCancelAndSummarise() {
    gui::DatabaseDialog dialog;
    dialog.show();
    const std::string db = appDir_->dir().file("new.vdb");
    dialogs_->saveAnswers = {db};
    ModalAnswerer answers;
    AnswerFolders(answers, {pics_});
    bool checkedBusy = false;
    answers.onTick = [&] {
      if (checkedBusy || !qobject_cast<gui::AddToDatabaseDialog*>(QApplication::activeModalWidget())) return;
      checkedBusy = true;
      QVERIFY(!child<QPushButton>(dialog, "bbdone")->isEnabled());
      QVERIFY(child<QPushButton>(dialog, "bbcancelop")->isEnabled());
      dialog.close();
      QVERIFY(dialog.isVisible());
    };
    child<QPushButton>(dialog, "bbNew")->click();
    QTRY_VERIFY(!dialog.busy());
    QVERIFY(checkedBusy);
    QCOMPARE(answers.messages.size(), qsizetype(1));
    QCOMPARE(Records(db).size(), size_t(3));  // what the records hold is the builder's matter

    WriteJpeg(pics_ + "/a.jpg", GradientPicture(80, 60));
    const std::string original = ReadFileBytes(db);
    answers.messages.clear();
    AnswerFolders(answers, {pics_ + "/sub"});
    {
      FileLock otherProgram(db);
      QVERIFY(otherProgram.tryLock());
      dialogs_->openAnswers = {{db}};
      child<QPushButton>(dialog, "bbAddFolders")->click();
      QTRY_COMPARE(child<QLabel>(dialog, "StatusPanel0")->text(), QString::fromStdString(PhaseText(JobPhase::WaitingForLock)));
      child<QPushButton>(dialog, "bbcancelop")->click();
      QTRY_VERIFY(!dialog.busy());
    }
    QVERIFY(answers.messages.empty());
    QCOMPARE(ReadFileBytes(db), original);
    dialogs_->openAnswers = {{db}};
    child<QPushButton>(dialog, "bbAddFolders")->click();
    QTRY_VERIFY(!dialog.busy());
    QCOMPARE(answers.messages.size(), qsizetype(1));
    QVERIFY(answers.messages[0].endsWith("\n\n1 records added, 1 refreshed, 0 removed."));

    // A quarter of the records gone: asked, No is the default and keeps them.
    std::filesystem::remove(pics_ + "/sub/d.gif");
    answers.messages.clear();
    AnswerFolders(answers, {pics_});
    dialogs_->openAnswers = {{db}};
    child<QPushButton>(dialog, "bbAddFolders")->click();
    QTRY_VERIFY(!dialog.busy());
    QCOMPARE(answers.messages.size(), qsizetype(2));
    QVERIFY(answers.messages[0].startsWith(QString::fromStdString("1 of the 4 records of " + db + " are of files")));
    QCOMPARE(Records(db).size(), size_t(4));

    dialog.close();
    QVERIFY(!dialog.isVisible());
  }

  // The command and the folders dialog's button open the dialog, but not during a scan.
  void databaseManagementOpensFromTheWindowAndTheFoldersDialog() {
    IniFile(AppIniFileName()).writeString("TfWizard", "ShowWiz", "0");
    ModalAnswerer answers;
    WindowUnderTest w;
    w.show();
    QAction* action = w.window->findChild<QAction*>("aDatabaseManagement");
    child<QPushButton>(*w.folders, "bbDatabase")->click();
    QCOMPARE(answers.dialogsSeen, QStringList({"vl::gui::DatabaseDialog"}));
    action->setEnabled(false);
    child<QPushButton>(*w.folders, "bbDatabase")->click();
    QCOMPARE(answers.dialogsSeen.size(), qsizetype(1));
  }

  // The explorer: folders, search, another load, other files, messages and stored settings.
  void explorerLoadsBrowsesSearchesAndKeepsItsSettings() {
    const std::string db = appDir_->dir().file("pics.VDB");
    QCOMPARE(Build(db, {pics_, pics_ + "/sub"}), BuildOutcome::Written);
    ModalAnswerer answers;
    {
      gui::DatabaseExplorer explorer;
      explorer.show();
      auto* tree = child<QTreeWidget>(explorer, "TreeView1");
      dialogs_->openAnswers = {{db}};
      child<QToolButton>(explorer, "tbLoad")->click();
      const auto found = tree->findItems("pics", Qt::MatchExactly | Qt::MatchRecursive);
      QCOMPARE(found.size(), qsizetype(1));
      explorer.showFolder(found[0]);
      const gui::ExplorerListModel& rows = explorer.listModel();
      QCOMPARE(rows.rowCount(), 3);
      QCOMPARE(rows.index(0, 0).data().toString().toStdString(), pics_ + "/a.jpg");
      QCOMPARE(child<QTreeView>(explorer, "ListView1")->currentIndex().row(), 0);
      explorer.showFolder(found[0]->parent());
      QCOMPARE(rows.rowCount(), 0);
      QVERIFY(!child<gui::PreviewImage>(explorer, "Image1")->hasPicture());

      child<QLineEdit>(explorer, "eFind")->setText("*.GIF");
      child<QToolButton>(explorer, "tbSearch")->click();
      QCOMPARE(rows.rowCount(), 2);

      // The pictures' folder is gone: the picture pane says so.
      std::filesystem::rename(pics_, pics_ + "-moved");
      explorer.showFolder(found[0]);
      QVERIFY(child<gui::PreviewImage>(explorer, "Image1")->isNotice());

      dialogs_->openAnswers = {{appDir_->dir().write("only.vdx", ReadFileBytes(db))}};
      child<QToolButton>(explorer, "tbLoad")->click();
      QCOMPARE(tree->topLevelItemCount(), 0);

      explorer.loadFile(appDir_->dir().write("text.VDB", "not a database"));
      QCOMPARE(answers.messages.back().toStdString(),
               appDir_->dir().file("text.VDB") + "\n\ndoes not appear to be a valid database.");
      QCOMPARE(tree->topLevelItemCount(), 1);
      child<QTreeView>(explorer, "ListView1")->header()->resizeSection(2, 77);
      explorer.close();
    }
    const IniFile ini(AppIniFileName());
    QCOMPARE(ini.readInteger("ExploreColWidths", "Col2", 0), 77);
    QCOMPARE(ini.readString("TfDBExplore", "eFind_Text", ""), std::string("*.GIF"));
    gui::DatabaseExplorer again;
    again.show();
    QCOMPARE(child<QLineEdit>(again, "eFind")->text(), QString("*.GIF"));
    QCOMPARE(child<QTreeView>(again, "ListView1")->header()->sectionSize(2), 77);
  }

 private:
  std::string pics_;
};

}  // namespace vl::test

QTEST_MAIN(vl::test::DatabaseWindowsTest)
#include "test_database_windows.moc"

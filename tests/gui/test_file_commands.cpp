// The file commands through the window: delete keys and list positions, the last-copy question, drops onto a file pane, results files.
#include <QAction>
#include <QApplication>
#include <QDragEnterEvent>
#include <QElapsedTimer>
#include <QListView>
#include <QListWidget>
#include <QMimeData>
#include <QStandardPaths>
#include <QTest>
#include <QUrl>
#include <filesystem>
#include <sys/stat.h>

#include "app/preview/file_pane_transfers.h"
#include "app/results/dupe_list_model.h"
#include "core/files/paths.h"
#include "core/results/deleted_list.h"
#include "tests/gui/main_window_fixture.h"
#include "tests/support/image_writer.h"
#include "tests/support/recording_host.h"

using namespace vl::test;

namespace {

// Small pictures of different sizes in a fresh AppDir (a scan by name groups the x
// and the y files), and the window scanned by name over `base` and `compare`.
struct ScannedWindow : WindowScope {
  ScannedWindow(const std::vector<std::string>& base, const std::vector<std::string>& compare) {
    int width = 8;
    for (const char* name : {"one/x.jpg", "c1/x.jpg", "c2/x.jpg", "c3/x.jpg", "one/y.jpg", "c1/y.jpg"}) {
      files.makeDir(vl::FolderOf(name));
      WriteJpeg(files.file(name), UniformPicture(width++, 8, Rgb(40, 90, 140)));
    }
    std::vector<std::string> baseFolders, compareFolders;
    for (const std::string& folder : base) baseFolders.push_back(files.file(folder));
    for (const std::string& folder : compare) compareFolders.push_back(files.file(folder));
    w.showAndScan(answerer, baseFolders, compareFolders, vl::ScanMode::Names);
  }
  QListWidget* baseList() const { return child<QListWidget>(w, "lbBaseFiles"); }
  QListView* dupes() const { return child<QListView>(w, "lbDupes"); }
  int lines() const { return dupes()->model()->rowCount(); }
  std::string pathAt(int row) const {
    return dupes()->model()->index(row, 0).data(vl::gui::DupeListModel::FieldsRole).toStringList().value(2).toStdString();
  }
  // Selects the group whose base is one/`name` and returns its row; a missing one ends the test program.
  int showGroup(const std::string& name) const {
    for (int row = 0; row < baseList()->count(); ++row) {
      baseList()->setCurrentRow(row);
      if (vl::FileNameOf(pathAt(0)) == name && pathAt(0).find("/one/") != std::string::npos) return row;
    }
    qFatal("no group %s", name.c_str());
  }
  void selectLine(int row) const { dupes()->setCurrentIndex(dupes()->model()->index(row, 0)); }
  QAction* undo() const { return child<QAction>(w, "Undo1"); }
  // A key on `target` (lbDupes without one), with the window active again after any message box.
  void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, QWidget* target = nullptr) const {
    if (target == nullptr) target = dupes();
    QApplication::setActiveWindow(w.window.get());
    QTRY_VERIFY(w.window->isActiveWindow());
    target->setFocus();
    QTRY_VERIFY(target->hasFocus());
    QTest::keyClick(target, Qt::Key(key), modifiers);
  }

  ScriptedDialogs dialogs;
};

}  // namespace

class FileCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void deleteKeepsTheLinePositionAndIgnoresFilePanes();
  void markedDeletesAskAndNeverTakeTheLastCopyUnasked();
  void deletesToTheTrashAreUndoneUnlessAPlaceIsTakenAndALastCopyIsAsked();
  void dropsExecuteAndMoveRename();
  void resultsSaveAndLoadThroughTheWindow();
};

void FileCommandsTest::deleteKeepsTheLinePositionAndIgnoresFilePanes() {
  ScannedWindow s({"one"}, {"c1", "c2", "c3"});
  ChangeSetting(&vl::Settings::deleteToRecycleBin, false);
  const int group = s.showGroup("x.jpg");
  QCOMPARE(s.lines(), 4);
  const std::string first = s.pathAt(1), second = s.pathAt(2), third = s.pathAt(3);

  s.press(Qt::Key_Delete, Qt::NoModifier, child<QListWidget>(s.w, "lvThumbs"));  // the file pane: no command
  QVERIFY(s.dialogs.questions.empty());

  s.press(Qt::Key_Delete);  // answered No
  const QString asked = QString::fromStdString(s.dialogs.questions.back());
  QVERIFY2(asked.startsWith(QString::fromStdString("Confirm File Delete...\n\n" + first + "\n\n1 file, ")), qPrintable(asked));
  QVERIFY(asked.endsWith(QStringLiteral(" bytes will be deleted for good; this cannot be undone.")));
  QVERIFY(vl::FileExists(first));

  s.dialogs.yesNo = {true, true, true};
  s.press(Qt::Key_Delete);
  QVERIFY(!vl::FileExists(first));
  QVERIFY(!s.undo()->isEnabled());  // nothing brings it back
  QCOMPARE(s.lines(), 3);
  QCOMPARE(s.dupes()->currentIndex().row(), 1);
  QCOMPARE(s.pathAt(1), second);
  QCOMPARE(s.baseList()->currentRow(), group);
  s.selectLine(2);
  s.press(Qt::Key_Delete);  // the last line: the new last is selected
  QVERIFY(!vl::FileExists(third));
  QCOMPARE(s.dupes()->currentIndex().row(), 1);
  const int groups = s.baseList()->count();
  s.press(Qt::Key_Delete);  // the group's last duplicate: the group goes
  QVERIFY(!vl::FileExists(second));
  QCOMPARE(s.baseList()->count(), groups - 1);
  QCOMPARE(s.baseList()->currentRow(), std::min(group, groups - 2));
  QCOMPARE(s.lines(), 2);

  const std::string vanished = s.pathAt(1);
  std::filesystem::remove(vanished);
  s.dialogs.yesNo = {true};
  s.press(Qt::Key_Delete);
  QCOMPARE(s.answerer.messages.back().toStdString(), "Unable to locate file\n\n" + vanished);
  QCOMPARE(s.lines(), 2);
}

void FileCommandsTest::markedDeletesAskAndNeverTakeTheLastCopyUnasked() {
  ScannedWindow s({"one"}, {"c1", "c2"});
  ChangeSetting(&vl::Settings::deleteToRecycleBin, false);
  s.showGroup("x.jpg");
  const std::string marked = s.pathAt(1);
  s.press(Qt::Key_Space);
  s.dialogs.yesNo = {true};
  s.press(Qt::Key_Delete, Qt::ShiftModifier);
  QVERIFY(s.dialogs.questions.back().starts_with("Confirm Deletion of all visible marked files...\n\n1 file, "));
  QVERIFY(!vl::FileExists(marked));

  // Every file of the y group marked: both questions, and No to the second keeps them.
  s.showGroup("y.jpg");
  const std::string base = s.pathAt(0), copy = s.pathAt(1);
  for (int row : {0, 1}) {
    s.selectLine(row);
    s.press(Qt::Key_Space);
  }
  s.dialogs.yesNo = {true, false};
  s.press(Qt::Key_Delete, Qt::ControlModifier);
  QCOMPARE(s.dialogs.questions.size(), size_t(3));
  QVERIFY(s.dialogs.questions[1].starts_with("Confirm Deletion of ALL marked files...\n\n2 files, "));
  QVERIFY(s.dialogs.questions[1].ends_with(" will be deleted for good; this cannot be undone.\n\n"
                                           "1 group would lose every copy of its file."));
  QCOMPARE(s.dialogs.defaultNoQuestions, std::vector<std::string>{s.dialogs.questions[2]});
  QVERIFY(s.dialogs.questions[2].starts_with("1 group would lose every copy of its file.\n\n"));
  QVERIFY(vl::FileExists(base) && vl::FileExists(copy));

  // Without confirmations the second question is still asked.
  ChangeSetting(&vl::Settings::confirmDeletes, false);
  s.dialogs.yesNo = {true};
  s.press(Qt::Key_Delete, Qt::ControlModifier);
  QCOMPARE(s.dialogs.questions.size(), size_t(4));
  QVERIFY(!vl::FileExists(base) && !vl::FileExists(copy));
  QCOMPARE(s.baseList()->count(), 1);
}

// Delete Marked to the trash and Ctrl+Z: the files and their pruned group come back;
// a file standing at an old place refuses the undo until it is moved away. A single
// Delete whose base was edited after the scan asks the last-copy question.
void FileCommandsTest::deletesToTheTrashAreUndoneUnlessAPlaceIsTakenAndALastCopyIsAsked() {
  ScannedWindow s({"one"}, {"c1", "c2", "c3"});
  qputenv("XDG_DATA_HOME", QByteArray::fromStdString(s.files.makeDir("data")));
  QVERIFY(!s.undo()->isEnabled());
  const int group = s.showGroup("x.jpg");
  const int groups = s.baseList()->count();
  std::vector<std::string> copies;
  for (int row : {1, 2, 3}) {
    copies.push_back(s.pathAt(row));
    s.selectLine(row);
    s.press(Qt::Key_Space);
  }
  s.dialogs.yesNo = {true};
  s.press(Qt::Key_Delete, Qt::ShiftModifier);
  QVERIFY(s.dialogs.questions.back().starts_with("Confirm Deletion of all visible marked files...\n\n3 files, "));
  QVERIFY(s.dialogs.questions.back().ends_with(" will be moved to the trash."));
  for (const std::string& copy : copies) QVERIFY(!vl::FileExists(copy));
  QCOMPARE(s.baseList()->count(), groups - 1);

  s.files.write(copies[1].substr(s.files.path().size() + 1), std::string("another file"));
  s.press(Qt::Key_Z, Qt::ControlModifier);
  QVERIFY(s.answerer.messages.back().startsWith(QStringLiteral("Nothing was undone")));
  QCOMPARE(s.answerer.details.back().toStdString(), copies[1] + ": another file is at its place now");
  QVERIFY(!vl::FileExists(copies[0]) && s.undo()->isEnabled());

  std::filesystem::remove(copies[1]);
  s.press(Qt::Key_Z, Qt::ControlModifier);
  for (const std::string& copy : copies) QVERIFY(vl::FileExists(copy));
  QCOMPARE(s.baseList()->count(), groups);
  QCOMPARE(s.baseList()->currentRow(), group);
  QCOMPARE(s.lines(), 4);
  QVERIFY(std::filesystem::is_empty(s.files.file("data/Trash/files")));
  QVERIFY(!s.undo()->isEnabled());

  // A base edited after the scan is no copy: deleting its duplicate asks the last-copy question.
  s.showGroup("y.jpg");
  const std::string copyY = s.pathAt(1);
  s.files.write("one/y.jpg", std::string("edited"));
  s.selectLine(1);
  s.dialogs.yesNo = {true, false};
  s.press(Qt::Key_Delete);
  QVERIFY(s.dialogs.questions.back().starts_with("1 group would lose every copy of its file."));
  QVERIFY(vl::FileExists(copyY));
  qunsetenv("XDG_DATA_HOME");
}

// Drops on the duplicate's file pane copy, move and link into its folder; Execute opens
// the file; Move / Rename follows it.
void FileCommandsTest::dropsExecuteAndMoveRename() {
  ScannedWindow s({"one"}, {"c1", "c2"});
  const TempDir& files = s.files;
  const std::string copied = files.write("outside/new.jpg", std::string("new"));
  const std::string moved = files.write("outside/moved.jpg", std::string("moved"));
  const std::string linked = files.write("outside/linked.jpg", std::string("linked"));
  s.showGroup("x.jpg");
  QCOMPARE(s.pathAt(1), files.file("c2/x.jpg"));
  auto* pane = child<QListWidget>(s.w, "lvThumbs");

  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(QString::fromStdString(copied))});
  QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(pane->viewport(), &enter);
  QVERIFY(enter.isAccepted());
  QDropEvent drop(QPointF(5, 5), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(pane->viewport(), &drop);
  QCOMPARE(ReadFileBytes(files.file("c2/new.jpg")), std::string("new"));
  QVERIFY(vl::FileExists(copied));

  auto* transfers = s.w.window->findChild<vl::gui::FilePaneTransfers*>();
  using Pane = vl::gui::FilePanes::Pane;
  // (A file of a name the folder holds is left alone: the file transfers' matter.)
  QCOMPARE(transfers->dropFiles(Pane::DupePane, {moved}, Qt::MoveAction), Qt::MoveAction);
  QVERIFY(!vl::FileExists(moved) && vl::FileExists(files.file("c2/moved.jpg")));
  transfers->dropFiles(Pane::DupePane, {linked}, Qt::LinkAction);
  QCOMPARE(std::filesystem::read_symlink(files.file("c2/linked.lnk")).string(), linked);

  QCOMPARE(transfers->dropFiles(Pane::DupePane, {files.file("c2/new.jpg")}, Qt::MoveAction), Qt::CopyAction);
  QCOMPARE(s.answerer.messages.back(), QStringLiteral("The destination folder is the same as the source!"));

  // Where no desktop runs, xdg-open keeps the viewer in the foreground: the window
  // must not wait for it, and a failure is still reported.
  s.selectLine(1);
  const auto writeOpener = [&](const std::string& body) {
    chmod(files.write("bin/xdg-open", "#!/bin/sh\n" + body + "\n").c_str(), 0755);
  };
  writeOpener("echo \"$1\" > '" + files.file("opened") + "'; sleep 3");
  const QByteArray path = qgetenv("PATH");
  qputenv("PATH", QByteArray::fromStdString(files.file("bin")) + ":" + path);
  const qsizetype messages = s.answerer.messages.size();
  QElapsedTimer timer;
  timer.start();
  child<QAction>(s.w, "Execute1")->trigger();
  QVERIFY(timer.elapsed() < 1000);
  QTRY_COMPARE(ReadFileBytes(files.file("opened")), s.pathAt(1) + "\n");
  writeOpener("exit 4");
  child<QAction>(s.w, "Execute1")->trigger();
  QTRY_COMPARE(s.answerer.messages.size(), messages + 1);
  QCOMPARE(s.answerer.messages.back(), QStringLiteral("Unable to open file."));
  qputenv("PATH", path);

  // Move / Rename follows the file in its line; Ctrl+Z renames it back.
  const std::string old = s.pathAt(1);
  const std::string renamed = files.file("c2/renamed.jpg");
  s.dialogs.saveAnswers = {renamed};
  child<QAction>(s.w, "MoveRenameFile1")->trigger();
  const vl::gui::FileDialogRequest& asked = s.dialogs.saveRequests.back();
  QCOMPARE(asked.fileName, old);
  QVERIFY(asked.confirmOverwrite);
  QVERIFY(!vl::FileExists(old) && vl::FileExists(renamed));
  QCOMPARE(s.pathAt(1), renamed);
  QCOMPARE(s.lines(), 3);
  s.press(Qt::Key_Z, Qt::ControlModifier);
  QVERIFY(vl::FileExists(old) && !vl::FileExists(renamed));
  QCOMPARE(s.pathAt(s.dupes()->currentIndex().row()), old);
}

void FileCommandsTest::resultsSaveAndLoadThroughTheWindow() {
  ScannedWindow s({"one"}, {"c1", "c2", "c3"});
  const TempDir& files = s.files;
  const std::string saved = files.file("saved/results.vlr");
  files.makeDir("saved");
  const int groups = s.baseList()->count();
  s.dialogs.saveAnswers = {saved};
  child<QAction>(s.w, "SaveResults1")->trigger();
  const vl::gui::FileDialogRequest& asked = s.dialogs.saveRequests.back();
  QCOMPARE(asked.folder, QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString());
  QVERIFY(asked.confirmOverwrite);

  child<QAction>(s.w, "RemoveFromList1")->trigger();
  s.dialogs.openAnswers = {{saved}};
  child<QAction>(s.w, "LoadResults1")->trigger();
  QCOMPARE(s.dialogs.openRequests.back().folder, files.file("saved/"));
  QCOMPARE(s.baseList()->count(), groups);
  QCOMPARE(s.baseList()->currentRow(), -1);

  // The same contents chosen twice enter the deleted-file list once.
  s.dialogs.openAnswers = {{files.file("c1/x.jpg"), files.write("saved/again.jpg", ReadFileBytes(files.file("c1/x.jpg")))}};
  child<QAction>(s.w, "AddFilestoDeletedList1")->trigger();
  QVERIFY(s.dialogs.multipleFlags.back());

  // A mark changed since the load: closing asks; Cancel, and Yes with the save
  // dialog cancelled, keep the window; Yes and a file name save and close.
  s.dialogs.openAnswers = {{saved}};
  child<QAction>(s.w, "LoadResults1")->trigger();
  s.showGroup("x.jpg");
  s.press(Qt::Key_Space);
  const std::string resaved = files.file("saved/again.vlr");
  s.dialogs.yesNoCancel = {vl::gui::YesNoCancel::Cancel, vl::gui::YesNoCancel::Yes, vl::gui::YesNoCancel::Yes};
  s.dialogs.saveAnswers = {std::nullopt, resaved};
  QVERIFY(!s.w.window->close());
  QCOMPARE(s.dialogs.questions.back(), std::string("The marks were changed since the results were last saved.\n\n"
                                                   "Save the results before closing?"));
  QVERIFY(!s.w.window->close());
  ChangeSetting(&vl::Settings::useDeletedList, true);
  QVERIFY(s.w.window->close());
  QVERIFY(vl::FileExists(resaved));
  s.w.window.reset();
  RecordingHost host;
  vl::DeletedList list;
  list.LoadDeletedList(host);
  QCOMPARE(list.entries().size(), size_t(1));
}

QTEST_MAIN(FileCommandsTest)
#include "test_file_commands.moc"

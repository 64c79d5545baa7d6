// The main window driven as a user would: start-up, scans, marking, tabs, sorting, removing groups, restart.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTabWidget>
#include <QToolButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QDialog>
#include <QHeaderView>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QSplitter>
#include <QTabBar>
#include <QTest>
#include <filesystem>

#include "app/results/dupe_list_delegate.h"
#include "app/results/dupe_list_model.h"
#include "app/results/result_lists.h"
#include "app/shell/action_table.h"
#include "app/shell/main_window.h"
#include "core/files/content_sums.h"
#include "core/files/paths.h"
#include "core/files/recycle.h"
#include "core/results/deleted_list.h"
#include "core/scan/scan_driver.h"
#include "core/settings/ini_file.h"
#include "core/settings/settings.h"
#include "tests/gui/main_window_fixture.h"
#include "tests/support/image_writer.h"
#include "tests/support/recording_host.h"

using vl::test::AppDirScope;
using vl::test::ModalAnswerer;
using vl::test::WindowUnderTest;
using vl::test::child;

namespace {


// Whether every command of `group` in the window's table is enabled (or, with enabled false, disabled).
bool groupIs(const WindowUnderTest& w, vl::gui::CommandGroup group, bool enabled) {
  for (const vl::gui::ActionSpec& row : vl::gui::MainWindowActions())
    if (row.group == group && child<QAction>(w, row.name)->isEnabled() != enabled) return false;
  return true;
}

// The commands as a scan leaves them, or (running) as they are while it runs; the
// commands not yet offered stay off either way.
bool commandsFollowScan(const WindowUnderTest& w, bool running) {
  using vl::gui::CommandGroup;
  return groupIs(w, CommandGroup::ScanIdle, !running) && groupIs(w, CommandGroup::ScanRunning, running) &&
         groupIs(w, CommandGroup::Unavailable, false) && groupIs(w, CommandGroup::Hidden, false);
}

// The texts without an Alt-letter, and the pairs that share one; empty when all is well.
QStringList mnemonicFaults(const QString& where, const QStringList& texts) {
  QStringList faults;
  QMap<QString, QString> taken;
  for (const QString& text : texts) {
    const QString key = QKeySequence::mnemonic(text).toString();
    if (key.isEmpty() || taken.contains(key)) faults << where + ": " + text + " (" + key + ": " + taken[key] + ")";
    taken.insert(key, text);
  }
  return faults;
}

// The texts of the actions of a menu, or of the buttons a user sees in a dialog (tool buttons show icons).
QStringList visibleTexts(const QWidget* widget) {
  QStringList texts;
  for (const QAction* action : widget->actions())
    if (!action->isSeparator() && action->isVisible() && !action->text().isEmpty()) texts << action->text();
  for (const QAbstractButton* button : widget->findChildren<QAbstractButton*>())
    if (!qobject_cast<const QToolButton*>(button) && button->isVisibleTo(widget) && !button->text().isEmpty())
      texts << button->text();
  return texts;
}

QStringList dupeFields(const WindowUnderTest& w, int row) {
  auto* list = child<QListView>(w, "lbDupes");
  return list->model()->index(row, 0).data(vl::gui::DupeListModel::FieldsRole).toStringList();
}

int markedEntriesAt(vl::ResultsModel& results, const std::string& path) {
  int marked = 0;
  for (const auto& entry : results.FResultEntries())
    if (entry->Path == path && entry->Marked != 0) ++marked;
  return marked;
}

// Folders for the name, size and content modes: p1 has equal names but sizes
// 4 and 5, p2 is the same file twice, q and r differ in name only.
std::vector<std::string> modeFolders(const vl::test::TempDir& dir) {
  dir.write("a/p1.jpg", std::string("xxxx"));
  dir.write("b/p1.jpg", std::string("yyyyy"));
  dir.write("a/p2.jpg", std::string("12345678"));
  dir.write("b/p2.jpg", std::string("12345678"));
  dir.write("a/q.jpg", std::string("zzzzzzzzzzzz"));
  dir.write("b/r.jpg", std::string("zzzzzzzzzzzz"));
  return {dir.file("a"), dir.file("b")};
}

bool anyEntryNamed(vl::ResultsModel& results, const std::string& name) {
  for (const auto& entry : results.FResultEntries())
    if (entry->Path.size() >= name.size() && entry->Path.compare(entry->Path.size() - name.size(), name.size(), name) == 0)
      return true;
  return false;
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void firstStartOpensTheWizardAndSizesTheColumns();
  void scanWithEachModeFillsTheBaseListAndSelectsTheFirstGroup_data();
  void scanWithEachModeFillsTheBaseListAndSelectsTheFirstGroup();
  void wizardScanFindsCopiedPictures();
  void theDeletedListAsksFirstAndKeepsARestoredFile();
  void closingDuringAScanCancelsItAndClosesWhenItHasEnded();
  void spaceMarksTheSameFileInEveryGroupTheMarkedTabListsThemAndGroupsAreRemoved();
  void headerClicksSortWithTheBaseLineFirst();
  void placementAndStoredPropertiesSurviveARestart();
  void everyMenuAndDialogHasAltLettersWithoutClashes();
};

void MainWindowTest::firstStartOpensTheWizardAndSizesTheColumns() {
  AppDirScope app;
  ModalAnswerer answerer;
  {
    WindowUnderTest w;
    w.show();
    QTRY_VERIFY(answerer.dialogsSeen.contains(QStringLiteral("vl::gui::ScanWizard")));
    auto* header = child<QHeaderView>(w, "lbDupesHead");
    // The widths given for an 8-point font at least, and wide enough that no number is cut.
    const QFontMetrics metrics = child<QListView>(w, "lbDupes")->fontMetrics();
    for (int column = 0; column < 8; ++column)
      QVERIFY(header->sectionSize(column) >= vl::gui::DupeColumnWidthsAt8Points[column]);
    QVERIFY(header->sectionSize(3) > metrics.horizontalAdvance(QStringLiteral("1028192000")));
    QVERIFY(header->sectionSize(6) > metrics.horizontalAdvance(QString::fromStdString(
                                         vl::gui::LocaleDateText(46384.99))));
    QCOMPARE(child<QLabel>(w, "StatusPanel1")->text(), QStringLiteral("Ready To Scan"));
    QVERIFY(!child<QAction>(w, "aCancel")->isEnabled());
    QCOMPARE(child<QTabBar>(w, "TabSet1")->tabText(1), QStringLiteral("Marked"));
    // A large first window: four fifths of the screen, ten lines of duplicates.
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY(std::abs(w.window->width() - screen.width() * 4 / 5) <= 2);
    QVERIFY(child<QListView>(w, "lbDupes")->height() >= 10 * (metrics.height() + 2));
    QVERIFY(w.window->close());
  }
  const vl::IniFile ini(app.iniFile());
  QVERIFY(ini.readInteger("ColWidths", "Col2", 0) >= 250);
  QVERIFY(ini.readInteger("ColWidths", "Col7", 0) >= 120);
  QVERIFY(ini.keyExists("Tfmain", "tbShowFiles_Down"));
}

// A file restored from the trash to where it was deleted from is scanned and
// forgotten by the deleted-file list; a copy of another deleted file is listed in a
// question whose default is No, and only Yes removes it, named in the summary.
void MainWindowTest::theDeletedListAsksFirstAndKeepsARestoredFile() {
  AppDirScope app;
  vl::test::TempDir files;
  const std::vector<std::string> folders = modeFolders(files);
  setenv("XDG_DATA_HOME", files.file("data").c_str(), 1);
  vl::test::ChangeSetting(&vl::Settings::useDeletedList, true);
  vl::test::ChangeSetting(&vl::Settings::deleteToRecycleBin, true);
  const std::string restored = files.file("b/r.jpg"), fresh = files.file("b/p2.jpg");
  {
    vl::test::RecordingHost host;
    vl::DeletedList list;
    list.AddDeletedEntry(*vl::DeletedList::EntryOf(*vl::ReadContentSums(restored), restored), host);
    QVERIFY(vl::RemoveFile(restored, true).Removed);
    std::filesystem::rename(files.file("data/Trash/files/r.jpg"), restored);
    std::filesystem::remove(files.file("data/Trash/info/r.jpg.trashinfo"));
    list.AddDeletedEntry(*vl::DeletedList::EntryOf(*vl::ReadContentSums(fresh), files.file("old/p2.jpg")), host);
    list.SaveChanges();
  }
  ModalAnswerer answerer;
  WindowUnderTest w;
  w.setLists({folders[0]}, {folders[1]});
  w.show();
  QTRY_VERIFY(!answerer.dialogsSeen.isEmpty());
  w.scanWithOptions(answerer, vl::ScanMode::Contents);
  QVERIFY(answerer.messages.contains(QString::fromStdString(
      "The deleted-file list matched 1 file (8 bytes) in the Compare List: a copy of a file that was deleted "
      "before.\n\n" + fresh + "\n\nMove it to the trash now? Files that are not deleted stay out of this scan.")));
  QVERIFY(vl::FileExists(fresh));
  QVERIFY(anyEntryNamed(w.window->results(), "b/r.jpg"));
  QVERIFY(!anyEntryNamed(w.window->results(), "b/p2.jpg"));
  const qsizetype first = answerer.lastStartingWith(QStringLiteral("Finished Scanning"));
  QVERIFY(first >= 0);
  QVERIFY2(answerer.messages[first].contains(QStringLiteral("\n\n1 file was back where it had been deleted from: it was kept")),
           qPrintable(answerer.messages[first]));

  answerer.onTick = [] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box != nullptr && box->isVisible() && box->text().startsWith(QStringLiteral("The deleted-file list")))
      box->button(QMessageBox::Yes)->click();
  };
  w.scanWithOptions(answerer, vl::ScanMode::Contents);
  QVERIFY(!vl::FileExists(fresh));
  const qsizetype second = answerer.lastStartingWith(QStringLiteral("Finished Scanning"));
  QVERIFY(second > first);
  QVERIFY(answerer.messages[second].contains(QStringLiteral("\n\n1 file automatically deleted.")));
  QCOMPARE(answerer.details[second], QString::fromStdString("Automatically deleted:\n" + fresh));
  QVERIFY(w.window->close());
  w.window.reset();
  vl::test::RecordingHost host;
  vl::DeletedList saved;
  saved.LoadDeletedList(host);
  QCOMPARE(saved.entries().size(), size_t(1));  // the restored file's entry is forgotten
  unsetenv("XDG_DATA_HOME");
}

void MainWindowTest::scanWithEachModeFillsTheBaseListAndSelectsTheFirstGroup_data() {
  QTest::addColumn<int>("mode");
  QTest::addColumn<bool>("findsP1");
  QTest::addColumn<bool>("findsQ");
  QTest::newRow("names") << int(vl::ScanMode::Names) << true << false;
  QTest::newRow("names and size") << int(vl::ScanMode::NamesAndSize) << false << false;
  QTest::newRow("contents") << int(vl::ScanMode::Contents) << false << true;
}

void MainWindowTest::scanWithEachModeFillsTheBaseListAndSelectsTheFirstGroup() {
  QFETCH(int, mode);
  QFETCH(bool, findsP1);
  QFETCH(bool, findsQ);
  AppDirScope app;
  vl::test::TempDir files;
  ModalAnswerer answerer;
  WindowUnderTest w;
  w.setLists({}, modeFolders(files));
  w.show();
  QTRY_VERIFY(!answerer.dialogsSeen.isEmpty());  // the start-up wizard, rejected
  w.scanWithOptions(answerer, static_cast<vl::ScanMode>(mode));
  QVERIFY2(answerer.lastStartingWith(QStringLiteral("Finished Scanning for Duplicates.")) >= 0,
           qPrintable(answerer.messages.join('|')));
  auto* baseList = child<QListWidget>(w, "lbBaseFiles");
  QVERIFY(baseList->count() > 0);
  QCOMPARE(baseList->count(), int(w.window->results().FBaseGroups().size()));
  QCOMPARE(baseList->currentRow(), 0);
  auto* dupes = child<QListView>(w, "lbDupes");
  QVERIFY(dupes->model()->rowCount() >= 2);
  QCOMPARE(dupes->currentIndex().row(), 1);
  QCOMPARE(dupeFields(w, 0).value(1), QStringLiteral("*"));
  QCOMPARE(anyEntryNamed(w.window->results(), "/p1.jpg"), findsP1);
  QCOMPARE(anyEntryNamed(w.window->results(), "/q.jpg"), findsQ);
  QVERIFY(anyEntryNamed(w.window->results(), "/p2.jpg"));
  QVERIFY(commandsFollowScan(w, false));
  QVERIFY(child<QTabBar>(w, "TabSet1")->isEnabled());
  QCOMPARE(child<QLabel>(w, "StatusPanel1")->text(), QStringLiteral("Ready To Scan"));
}

void MainWindowTest::wizardScanFindsCopiedPictures() {
  AppDirScope app;
  vl::test::TempDir files;
  const vl::test::Picture picture = vl::test::GradientPicture(120, 90);
  files.makeDir("a");
  files.makeDir("b");
  vl::test::WriteJpeg(files.file("a/photo.jpg"), picture);
  vl::test::WriteJpeg(files.file("b/photo copy.jpg"), picture);
  vl::test::WriteJpeg(files.file("b/other.jpg"),
                      vl::test::BlockPicture(120, 90, 15, {vl::test::Rgb(250, 0, 0), vl::test::Rgb(0, 0, 40)}, 7));
  ModalAnswerer answerer;
  answerer.onDialog = [](QDialog* dialog) { dialog->accept(); };  // the wizard's "Scan"
  WindowUnderTest w;
  w.setLists({}, {files.file("a"), files.file("b")});
  w.show();
  QTRY_VERIFY(answerer.messages.size() == 1);
  QVERIFY2(answerer.messages[0].startsWith(QStringLiteral("Finished Scanning")), qPrintable(answerer.messages[0]));
  QVERIFY2(answerer.messages[0].contains(QStringLiteral("Found 1 possible duplicate in")), qPrintable(answerer.messages[0]));
  QCOMPARE(child<QListWidget>(w, "lbBaseFiles")->count(), 1);
  QCOMPARE(child<QListView>(w, "lbDupes")->model()->rowCount(), 2);
  QVERIFY(!anyEntryNamed(w.window->results(), "/other.jpg"));

  // A folder named on the command line is scanned with its subfolders, without the wizard.
  const qsizetype dialogs = answerer.dialogsSeen.size();
  w.setLists({}, {});
  w.window->start({vl::gui::StartRequest::Kind::ScanFolders, {files.path()}});
  QTRY_VERIFY(answerer.messages.size() == 2);
  QCOMPARE(child<QListWidget>(w, "lbBaseFiles")->count(), 1);
  QCOMPARE(answerer.dialogsSeen.size(), dialogs);
}

void MainWindowTest::closingDuringAScanCancelsItAndClosesWhenItHasEnded() {
  AppDirScope app;
  vl::test::TempDir files;
  std::vector<std::string> folders;
  for (int folder = 0; folder < 60; ++folder) {
    for (int file = 0; file < 5; ++file)
      files.write("f" + std::to_string(folder) + "/same" + std::to_string(file) + ".jpg", std::string(100, 'x'));
    folders.push_back(files.file("f" + std::to_string(folder)));
  }
  ModalAnswerer answerer;
  WindowUnderTest w;
  w.setLists({}, folders);
  w.show();
  QTRY_VERIFY(!answerer.dialogsSeen.isEmpty());
  bool closeRefused = false;
  bool commandsOffDuringScan = false;
  QTimer closer;
  closer.setInterval(0);
  connect(&closer, &QTimer::timeout, this, [&] {
    if (!w.window->isScanning() || closeRefused) return;
    commandsOffDuringScan = commandsFollowScan(w, true) && !child<QTabBar>(w, "TabSet1")->isEnabled();
    closeRefused = !w.window->close();
  });
  closer.start();
  w.scanWithOptions(answerer, vl::ScanMode::Contents);
  closer.stop();
  QVERIFY(closeRefused);
  QVERIFY(commandsOffDuringScan);
  QTRY_VERIFY(!w.window->isVisible());
  QVERIFY2(!answerer.messages.contains(QStringLiteral("Scan Canceled.")), "closing drops the scan's messages");
}

void MainWindowTest::spaceMarksTheSameFileInEveryGroupTheMarkedTabListsThemAndGroupsAreRemoved() {
  AppDirScope app;
  vl::test::TempDir files;
  files.write("base1/x.jpg", std::string("one"));
  files.write("base2/x.jpg", std::string("two"));
  const std::string shared = files.write("new/x.jpg", std::string("three"));
  files.write("base1/alone.jpg", std::string("four"));
  files.write("new/y.jpg", std::string("five"));
  files.write("base2/y.jpg", std::string("six"));
  ModalAnswerer answerer;
  WindowUnderTest w;
  w.setLists({files.file("base1"), files.file("base2")}, {files.file("new")});
  w.show();
  QTRY_VERIFY(!answerer.dialogsSeen.isEmpty());
  w.scanWithOptions(answerer, vl::ScanMode::Names);
  auto* baseList = child<QListWidget>(w, "lbBaseFiles");
  auto* dupes = child<QListView>(w, "lbDupes");
  QCOMPARE(baseList->count(), 3);
  // Down and Up move through the groups while the base list has the focus.
  baseList->setCurrentRow(0);
  baseList->setFocus();
  QTest::keyClick(baseList, Qt::Key_Down);
  QCOMPARE(baseList->currentRow(), 1);
  QTest::keyClick(baseList, Qt::Key_Up);
  QCOMPARE(baseList->currentRow(), 0);
  // Find the group of base1/x.jpg and mark new/x.jpg there with Space.
  const int row = [&] {
    for (int i = 0; i < baseList->count(); ++i) {
      baseList->setCurrentRow(i);
      if (dupeFields(w, 0).value(2).endsWith(QStringLiteral("base1/x.jpg"))) return i;
    }
    return -1;
  }();
  QVERIFY(row >= 0);
  QCOMPARE(dupeFields(w, 1).value(2), QString::fromStdString(shared));
  dupes->setFocus();
  QTest::keyClick(dupes, Qt::Key_Space);
  QCOMPARE(dupeFields(w, 1).value(0), QStringLiteral("*"));
  QCOMPARE(markedEntriesAt(w.window->results(), shared), 2);
  // The other group holding new/x.jpg shows the mark too.
  int marksShown = 0;
  for (int i = 0; i < baseList->count(); ++i) {
    baseList->setCurrentRow(i);
    for (int line = 0; line < dupes->model()->rowCount(); ++line)
      if (dupeFields(w, line).value(2) == QString::fromStdString(shared) && dupeFields(w, line).value(0) == "*")
        ++marksShown;
  }
  QCOMPARE(marksShown, 2);

  auto* tabs = child<QTabBar>(w, "TabSet1");
  tabs->setCurrentIndex(1);
  QCOMPARE(baseList->count(), 2);
  QCOMPARE(baseList->item(0)->text(), QStringLiteral("x.jpg"));
  QCOMPARE(baseList->currentRow(), 0);
  tabs->setCurrentIndex(0);
  QCOMPARE(baseList->count(), 3);
  QCOMPARE(baseList->currentRow(), 0);

  // Space again unmarks it everywhere.
  baseList->setCurrentRow(row);
  QTest::keyClick(dupes, Qt::Key_Space);
  QCOMPARE(markedEntriesAt(w.window->results(), shared), 0);
  tabs->setCurrentIndex(1);
  QCOMPARE(baseList->count(), 0);
  tabs->setCurrentIndex(0);

  // A group whose only marked file is its base is listed under "Marked" too.
  baseList->setCurrentRow(row);
  dupes->setCurrentIndex(dupes->model()->index(0, 0));
  QTest::keyClick(dupes, Qt::Key_Space);
  tabs->setCurrentIndex(1);
  QCOMPARE(baseList->count(), 1);
  QVERIFY(dupeFields(w, 0).value(2).endsWith(QStringLiteral("base1/x.jpg")));
  QCOMPARE(dupeFields(w, 0).value(0), QStringLiteral("*"));
  tabs->setCurrentIndex(0);

  // Removing a group shows the next one; removing the last shows the new last; then nothing is left.
  baseList->setCurrentRow(1);
  const QString removed = baseList->item(1)->text();
  const QString following = baseList->item(2)->text();
  child<QAction>(w, "RemoveFromList1")->trigger();
  QCOMPARE(baseList->count(), 2);
  QCOMPARE(int(w.window->results().FBaseGroups().size()), 2);
  QCOMPARE(baseList->currentRow(), 1);
  QCOMPARE(baseList->item(1)->text(), following);
  QVERIFY(dupeFields(w, 0).value(2).endsWith(following.section(' ', 0, 0)));
  QVERIFY(removed != following);
  child<QAction>(w, "RemoveFromList1")->trigger();
  QCOMPARE(baseList->currentRow(), 0);
  QCOMPARE(dupes->model()->rowCount(), 2);
  child<QAction>(w, "RemoveBaseGroup1")->trigger();
  QCOMPARE(baseList->count(), 0);
  QCOMPARE(dupes->model()->rowCount(), 0);
  QVERIFY(w.window->results().FResultEntries().empty());
}

void MainWindowTest::headerClicksSortWithTheBaseLineFirst() {
  AppDirScope app;
  vl::test::TempDir files;
  files.write("base/x.jpg", std::string(50, 'b'));
  files.write("c1/x.jpg", std::string(10, 'c'));
  files.write("c2/x.jpg", std::string(9, 'c'));
  files.write("c3/x.jpg", std::string(100, 'c'));
  ModalAnswerer answerer;
  WindowUnderTest w;
  w.setLists({files.file("base")}, {files.file("c1"), files.file("c2"), files.file("c3")});
  w.show();
  QTRY_VERIFY(!answerer.dialogsSeen.isEmpty());
  w.scanWithOptions(answerer, vl::ScanMode::Names);
  auto* header = child<QHeaderView>(w, "lbDupesHead");
  const auto clickSection = [&](int section) {
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(section) + header->sectionSize(section) / 2,
                             header->height() / 2));
  };
  const auto column = [&](int field) {
    QStringList values;
    for (int line = 0; line < 4; ++line) values << dupeFields(w, line).value(field);
    return values;
  };
  QCOMPARE(child<QListView>(w, "lbDupes")->model()->rowCount(), 4);
  clickSection(3);
  QCOMPARE(w.window->lists().sortColumn(), 3);
  QCOMPARE(column(3), (QStringList{"50", "9", "10", "100"}));
  clickSection(0);  // Del does not sort
  clickSection(6);  // nor does Date
  QCOMPARE(w.window->lists().sortColumn(), 3);
  QCOMPARE(column(3), (QStringList{"50", "9", "10", "100"}));
  clickSection(2);
  QCOMPARE(column(3), (QStringList{"50", "10", "9", "100"}));
  QVERIFY(column(2)[0].endsWith(QStringLiteral("base/x.jpg")));
}

void MainWindowTest::placementAndStoredPropertiesSurviveARestart() {
  AppDirScope app;
  vl::IniFile(app.iniFile()).writeString("TfWizard", "ShowWiz", "0");
  const QRect placed(140, 120, 720, 520);
  {
    ModalAnswerer answerer;
    WindowUnderTest w;
    w.show();
    w.window->setGeometry(placed);
    auto* outer = child<QSplitter>(w, "RxSplitter1");
    outer->setSizes({230, outer->width() - 230});
    child<QAction>(w, "tbShowFiles")->setChecked(false);
    child<QAction>(w, "tbSideBySide")->setChecked(false);
    child<QAction>(w, "Removewhennoduplicates2")->setChecked(false);
    child<QAction>(w, "N143")->setChecked(true);
    child<QAction>(w, "BestSpeed3")->setChecked(true);
    child<QHeaderView>(w, "lbDupesHead")->resizeSection(2, 310);
    QCoreApplication::processEvents();
    QVERIFY(w.window->close());
    QVERIFY(answerer.dialogsSeen.isEmpty());  // ShowWiz 0: no wizard
  }
  const vl::IniFile ini(app.iniFile());
  QCOMPARE(ini.readString("Tfmain", "Panel2_Width", ""), std::string("230"));
  QCOMPARE(ini.readString("Tfmain", "tbShowFiles_Down", ""), std::string("False"));
  QCOMPARE(ini.readInteger("ColWidths", "Col2", 0), 310);
  QVERIFY(ini.keyExists("Tfmain", "NormPos"));

  ModalAnswerer answerer;
  WindowUnderTest w;
  w.show();
  QTRY_COMPARE(child<QWidget>(w, "Panel2")->width(), 230);
  QVERIFY(!child<QAction>(w, "tbShowFiles")->isChecked());
  QVERIFY(!child<QWidget>(w, "pFiles")->isVisible());
  QVERIFY(!child<QAction>(w, "tbSideBySide")->isChecked());
  QVERIFY(!child<QWidget>(w, "sbBase")->isVisible());
  QVERIFY(child<QAction>(w, "tbScrollInUnison")->isChecked());
  QVERIFY(!child<QAction>(w, "Removewhennoduplicates2")->isChecked());
  QVERIFY(!w.window->results().removeWhenNoDuplicates);
  QVERIFY(child<QAction>(w, "N143")->isChecked());
  QVERIFY(!child<QAction>(w, "N113")->isChecked());
  QVERIFY(child<QAction>(w, "BestSpeed3")->isChecked());
  QCOMPARE(child<QHeaderView>(w, "lbDupesHead")->sectionSize(2), 310);
  QCOMPARE(w.window->size(), placed.size());
}

// Every menu, pop-up menu and dialog the window opens offers an Alt-letter for each
// item and button, none twice in one place; no two commands share a shortcut.
void MainWindowTest::everyMenuAndDialogHasAltLettersWithoutClashes() {
  AppDirScope app;
  ModalAnswerer answerer;
  WindowUnderTest w;
  w.show();
  QTRY_VERIFY(answerer.dialogsSeen.contains(QStringLiteral("vl::gui::ScanWizard")));
  QStringList faults = mnemonicFaults("menu bar", visibleTexts(w.window->menuBar()));
  const QList<QMenu*> menus = w.window->findChildren<QMenu*>();
  QVERIFY(menus.size() >= 12);
  for (const QMenu* menu : menus) faults << mnemonicFaults(menu->objectName(), visibleTexts(menu));
  QStringList shortcuts;
  for (const QAction* action : w.window->actions())
    if (!action->shortcut().isEmpty()) shortcuts << action->shortcut().toString();
  QCOMPARE(shortcuts.removeDuplicates(), 0);

  int checked = 0;
  answerer.onDialog = [&](QDialog* dialog) {
    ++checked;
    const auto check = [&] { faults << mnemonicFaults(dialog->objectName(), visibleTexts(dialog)); };
    check();
    if (auto* tabs = dialog->findChild<QTabWidget*>())
      for (int tab = 0; tab < tabs->count(); ++tab)
        if (tabs->isTabVisible(tab)) tabs->setCurrentIndex(tab), check();
    if (auto* start = dialog->findChild<QPushButton*>(QStringLiteral("bbWizard"))) {
      start->click();  // the wizard's pages, each with the buttons it shows; Enter presses Next
      auto* next = dialog->findChild<QPushButton*>(QStringLiteral("bbNext"));
      for (int page = 0; page < 4 && next->isEnabled(); ++page, QTest::keyClick(dialog, Qt::Key_Return)) check();
      check();
      if (next->isEnabled()) faults << "Enter does not press Next";
    }
    dialog->reject();
  };
  const char* const commands[] = {"aScanWizard", "aEditFolders", "aDatabaseManagement", "aConfigure",
                                  "aScan",       "MarkByRule1",  "About1"};
  for (const char* command : commands) child<QAction>(w, command)->trigger();
  QCOMPARE(checked, int(std::size(commands)));
  QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
}

QTEST_MAIN(MainWindowTest)
#include "test_main_window.moc"

// The main window driven as a user would: start-up, scans, marking, tabs, sorting, removing groups, restart.
#include <QAction>
#include <QHeaderView>
#include <QListView>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSplitter>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <filesystem>

#include "app/results/dupe_list_model.h"
#include "app/results/result_lists.h"
#include "app/shell/action_table.h"
#include "core/files/content_sums.h"
#include "core/files/paths.h"
#include "core/files/recycle.h"
#include "core/results/deleted_list.h"
#include "core/settings/ini_file.h"
#include "tests/gui/main_window_fixture.h"
#include "tests/support/image_writer.h"
#include "tests/support/recording_host.h"

using namespace vl::test;

namespace {

// Whether every command of `group` in the window's table is enabled (or, with enabled false, disabled).
bool groupIs(const WindowUnderTest& w, vl::gui::CommandGroup group, bool enabled) {
  for (const vl::gui::ActionSpec& row : vl::gui::MainWindowActions())
    if (row.group == group && w.window->commands().action(row.key)->isEnabled() != enabled) return false;
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
std::vector<std::string> modeFolders(const TempDir& dir) {
  dir.write("a/p1.jpg", std::string("xxxx"));
  dir.write("b/p1.jpg", std::string("yyyyy"));
  dir.write("a/p2.jpg", std::string("12345678"));
  dir.write("b/p2.jpg", std::string("12345678"));
  dir.write("a/q.jpg", std::string("zzzzzzzzzzzz"));
  dir.write("b/r.jpg", std::string("zzzzzzzzzzzz"));
  return {dir.file("a"), dir.file("b")};
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void scanFillsTheBaseListAndSelectsTheFirstGroup();
  void wizardScanFindsCopiedPictures();
  void theDeletedListAsksFirstAndKeepsARestoredFile();
  void closingDuringAScanCancelsItAndClosesWhenItHasEnded();
  void spaceMarksTheSameFileInEveryGroupAndRemovingAGroupShowsTheNext();
  void headerClicksSortWithTheBaseLineFirst();
  void placementAndStoredPropertiesSurviveARestart();
  void everyMenuAndDialogHasAltLettersWithoutClashes();
};

// The deleted-file list's question and summaries in the window's wording: a copy of
// a deleted file is named in a question whose default is No, only Yes removes it, and
// a file restored to where it was deleted from is named as kept.
void MainWindowTest::theDeletedListAsksFirstAndKeepsARestoredFile() {
  AppDirScope app;
  TempDir files;
  const std::vector<std::string> folders = modeFolders(files);
  setenv("XDG_DATA_HOME", files.file("data").c_str(), 1);
  ChangeSetting(&vl::Settings::useDeletedList, true);
  ChangeSetting(&vl::Settings::deleteToRecycleBin, true);
  const std::string restored = files.file("b/r.jpg"), fresh = files.file("b/p2.jpg");
  {
    RecordingHost host;
    vl::DeletedList list;
    list.AddDeletedEntry(*vl::DeletedList::EntryOf(*vl::ReadContentSums(restored), restored), host);
    QVERIFY(vl::RemoveFile(restored, true).removed);
    std::filesystem::rename(files.file("data/Trash/files/r.jpg"), restored);
    std::filesystem::remove(files.file("data/Trash/info/r.jpg.trashinfo"));
    list.AddDeletedEntry(*vl::DeletedList::EntryOf(*vl::ReadContentSums(fresh), files.file("old/p2.jpg")), host);
    list.SaveChanges();
  }
  ModalAnswerer answerer;
  WindowUnderTest w;
  w.showAndScan(answerer, {folders[0]}, {folders[1]}, vl::ScanMode::Contents);
  QVERIFY(answerer.messages.contains(QString::fromStdString(
      "The deleted-file list matched 1 file (8 bytes) in the Compare List: a copy of a file that was deleted "
      "before.\n\n" + fresh + "\n\nMove it to the trash now? Files that are not deleted stay out of this scan.")));
  QVERIFY(vl::FileExists(fresh));
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
  unsetenv("XDG_DATA_HOME");
}

// A scan fills the lists, selects the first group and gives the commands back.
void MainWindowTest::scanFillsTheBaseListAndSelectsTheFirstGroup() {
  WindowScope scope;
  auto& [app, files, answerer, w] = scope;
  w.showAndScan(answerer, {}, modeFolders(files), vl::ScanMode::Contents);
  auto* baseList = child<QListWidget>(w, "lbBaseFiles");
  QCOMPARE(baseList->count(), int(w.window->results().FBaseGroups().size()));
  QCOMPARE(baseList->currentRow(), 0);
  auto* dupes = child<QListView>(w, "lbDupes");
  QCOMPARE(dupes->currentIndex().row(), 1);
  QCOMPARE(dupeFields(w, 0).value(1), QStringLiteral("*"));
  QVERIFY(commandsFollowScan(w, false));
  QVERIFY(child<QTabBar>(w, "TabSet1")->isEnabled());
}

void MainWindowTest::wizardScanFindsCopiedPictures() {
  WindowScope scope;
  auto& [app, files, answerer, w] = scope;
  const Picture picture = GradientPicture(120, 90);
  files.makeDir("a");
  files.makeDir("b");
  WriteJpeg(files.file("a/photo.jpg"), picture);
  WriteJpeg(files.file("b/photo copy.jpg"), picture);
  answerer.onDialog = [](QDialog* dialog) { dialog->accept(); };  // the wizard's "Scan"
  w.folders->setLists({}, {files.file("a"), files.file("b")});
  w.show();
  QTRY_VERIFY(answerer.messages.size() == 1);
  QVERIFY2(answerer.messages[0].startsWith(QStringLiteral("Finished Scanning")), qPrintable(answerer.messages[0]));
  QCOMPARE(child<QListWidget>(w, "lbBaseFiles")->count(), 1);
  QCOMPARE(child<QListView>(w, "lbDupes")->model()->rowCount(), 2);

  // A folder named on the command line is scanned with its subfolders, without the wizard.
  const qsizetype dialogs = answerer.dialogsSeen.size();
  w.folders->setLists({}, {});
  w.window->start({vl::gui::StartRequest::Kind::ScanFolders, {files.path()}});
  QTRY_VERIFY(answerer.messages.size() == 2);
  QCOMPARE(child<QListWidget>(w, "lbBaseFiles")->count(), 1);
  QCOMPARE(answerer.dialogsSeen.size(), dialogs);
}

void MainWindowTest::closingDuringAScanCancelsItAndClosesWhenItHasEnded() {
  WindowScope scope;
  auto& [app, files, answerer, w] = scope;
  std::vector<std::string> folders;
  for (int folder = 0; folder < 60; ++folder) {
    for (int file = 0; file < 5; ++file)
      files.write("f" + std::to_string(folder) + "/same" + std::to_string(file) + ".jpg", std::string(100, 'x'));
    folders.push_back(files.file("f" + std::to_string(folder)));
  }
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
  w.showAndScan(answerer, {}, folders, vl::ScanMode::Contents);
  closer.stop();
  QVERIFY(closeRefused);
  QVERIFY(commandsOffDuringScan);
  QTRY_VERIFY(!w.window->isVisible());
  QVERIFY2(!answerer.messages.contains(QStringLiteral("Scan Canceled.")), "closing drops the scan's messages");
}

void MainWindowTest::spaceMarksTheSameFileInEveryGroupAndRemovingAGroupShowsTheNext() {
  WindowScope scope;
  auto& [app, files, answerer, w] = scope;
  files.write("base1/x.jpg", std::string("one"));
  files.write("base2/x.jpg", std::string("two"));
  const std::string shared = files.write("new/x.jpg", std::string("three"));
  files.write("base1/alone.jpg", std::string("four"));
  files.write("new/y.jpg", std::string("five"));
  files.write("base2/y.jpg", std::string("six"));
  w.showAndScan(answerer, {files.file("base1"), files.file("base2")}, {files.file("new")}, vl::ScanMode::Names);
  auto* baseList = child<QListWidget>(w, "lbBaseFiles");
  auto* dupes = child<QListView>(w, "lbDupes");
  QCOMPARE(baseList->count(), 3);
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
  QCOMPARE(markedEntriesAt(w.window->results(), shared), 2);  // in both groups that hold it
  QTest::keyClick(dupes, Qt::Key_Space);  // Space again unmarks it everywhere
  QCOMPARE(markedEntriesAt(w.window->results(), shared), 0);

  // Removing a group shows the next one; removing the last shows the new last.
  baseList->setCurrentRow(1);
  const QString following = baseList->item(2)->text();
  child<QAction>(w, "RemoveFromList1")->trigger();
  QCOMPARE(baseList->count(), 2);
  QCOMPARE(baseList->currentRow(), 1);
  QCOMPARE(baseList->item(1)->text(), following);
  QVERIFY(dupeFields(w, 0).value(2).endsWith(following.section(' ', 0, 0)));
  child<QAction>(w, "RemoveFromList1")->trigger();
  QCOMPARE(baseList->currentRow(), 0);
  QCOMPARE(dupes->model()->rowCount(), 2);
}

void MainWindowTest::headerClicksSortWithTheBaseLineFirst() {
  WindowScope scope;
  auto& [app, files, answerer, w] = scope;
  files.write("base/x.jpg", std::string(50, 'b'));
  files.write("c1/x.jpg", std::string(10, 'c'));
  files.write("c2/x.jpg", std::string(9, 'c'));
  files.write("c3/x.jpg", std::string(100, 'c'));
  w.showAndScan(answerer, {files.file("base")}, {files.file("c1"), files.file("c2"), files.file("c3")},
                vl::ScanMode::Names);
  auto* header = child<QHeaderView>(w, "lbDupesHead");
  const auto clickSection = [&](int section) {
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(section) + header->sectionSize(section) / 2,
                             header->height() / 2));
  };
  clickSection(3);  // the order itself is the results model's
  QCOMPARE(dupeFields(w, 1).value(3), QStringLiteral("9"));
  clickSection(0);  // Del does not sort
  clickSection(6);  // nor does Date
  QCOMPARE(w.window->lists().sortColumn(), 3);
}

void MainWindowTest::placementAndStoredPropertiesSurviveARestart() {
  AppDirScope app;
  vl::IniFile(app.iniFile()).writeString("TfWizard", "ShowWiz", "0");
  const QRect placed(140, 120, 720, 520);
  const std::pair<const char*, bool> toggled[] = {
      {"tbShowFiles", false}, {"tbSideBySide", false}, {"Removewhennoduplicates2", false},
      {"N143", true},         {"N113", false},         {"BestSpeed3", true}};
  {
    ModalAnswerer answerer;
    WindowUnderTest w;
    w.show();
    w.window->setGeometry(placed);
    auto* outer = child<QSplitter>(w, "RxSplitter1");
    outer->setSizes({230, outer->width() - 230});
    for (const auto& [name, checked] : toggled) child<QAction>(w, name)->setChecked(checked);
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
  for (const auto& [name, checked] : toggled) QVERIFY2(child<QAction>(w, name)->isChecked() == checked, name);
  QVERIFY(!child<QWidget>(w, "pFiles")->isVisible());
  QVERIFY(!child<QWidget>(w, "sbBase")->isVisible());
  QVERIFY(child<QAction>(w, "tbScrollInUnison")->isChecked());
  QVERIFY(!w.window->results().removeWhenNoDuplicates);
  QCOMPARE(child<QHeaderView>(w, "lbDupesHead")->sectionSize(2), 310);
  QCOMPARE(w.window->size(), placed.size());
}

// Every menu, pop-up menu and dialog the window opens offers an Alt-letter for each
// item and button, none twice in one place; no two commands share a shortcut.
void MainWindowTest::everyMenuAndDialogHasAltLettersWithoutClashes() {
  WindowScope scope;
  auto& [app, files, answerer, w] = scope;
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
  using vl::gui::MainAction;
  const MainAction commands[] = {MainAction::ScanWizard, MainAction::EditFolders, MainAction::DatabaseManagement,
                                 MainAction::Configure,  MainAction::Scan,        MainAction::MarkByRule,
                                 MainAction::About};
  for (MainAction command : commands) w.window->commands().action(command)->trigger();
  QCOMPARE(checked, int(std::size(commands)));
  QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
}

QTEST_MAIN(MainWindowTest)
#include "test_main_window.moc"

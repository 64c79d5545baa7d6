// The main window's building blocks: list keys, command line, About box facts, dates, drawing, the host.
#include <QApplication>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QStandardItemModel>
#include <QRegularExpression>
#include <QTest>
#include <cmath>

#include "app/components/locale_date.h"
#include "app/results/dupe_list_delegate.h"
#include "app/results/dupe_list_model.h"
#include "app/results/key_navigation.h"
#include "app/results/result_lists.h"
#include "app/shell/about_box.h"
#include "app/shell/command_line.h"
#include "app/components/gui_host.h"
#include "core/settings/settings.h"
#include "tests/support/temp_dir.h"

using vl::gui::ListKeyCommand;
using vl::gui::ListKeyCommandFor;

class MainWindowPartsTest : public QObject {
  Q_OBJECT

 private slots:
  void keysFollowTheNavigationSettingAndMovesStopAtTheEnds();
  void commandLineAnswersHelpAndVersionAndSortsPaths();
  void aboutBoxShowsVersionKernelAndGroupedMemory();
  void datesUseTheLocaleWithoutTimeZone();
  void delegateDrawsTheRedDelCellAndTheBaseLineOnButtonFace();
  void hostNestsCursorsAndFillsItsPanels();
  void narrowCellsElideTextButNeverCutNumbers();
};

// Arrows move with the setting on, Page and Home/End keys with it off; a move that
// would leave the list is refused.
void MainWindowPartsTest::keysFollowTheNavigationSettingAndMovesStopAtTheEnds() {
  using C = ListKeyCommand;
  QCOMPARE(ListKeyCommandFor(Qt::Key_Down, true), C::NextLine);
  QCOMPARE(ListKeyCommandFor(Qt::Key_Down, false), C::None);
  QCOMPARE(ListKeyCommandFor(Qt::Key_Home, false), C::PreviousGroup);
  QCOMPARE(ListKeyCommandFor(Qt::Key_Space, false), C::ToggleMark);
  using vl::gui::MovedRow;
  QCOMPARE(MovedRow(-1, 1, 3), 0);   // nothing selected: forward selects the first
  QCOMPARE(MovedRow(0, -1, 3), -1);
  QCOMPARE(MovedRow(2, 1, 3), -1);
  QCOMPARE(MovedRow(2, -1, 3), 1);
  QCOMPARE(MovedRow(-1, 1, 0), -1);  // empty list
}

void MainWindowPartsTest::commandLineAnswersHelpAndVersionAndSortsPaths() {
  std::string out;
  std::string err;
  QVERIFY(!vl::gui::HandleCommandLine({}, out, err).has_value());
  QCOMPARE(vl::gui::HandleCommandLine({"--help"}, out, err), std::optional<int>(0));
  QVERIFY(out.find("Usage: velloran") != std::string::npos);
  QVERIFY(err.empty());
  out.clear();
  QCOMPARE(vl::gui::HandleCommandLine({"--version"}, out, err), std::optional<int>(0));
  QCOMPARE(out, std::string("velloran ") + VELLORAN_VERSION + "\n");
  out.clear();
  QCOMPARE(vl::gui::HandleCommandLine({"--scan"}, out, err), std::optional<int>(2));
  QVERIFY(out.empty());
  QVERIFY(err.find("unknown argument '--scan'") != std::string::npos);
  QVERIFY(err.find("Usage: velloran") != std::string::npos);
  err.clear();
  QCOMPARE(vl::gui::HandleCommandLine({"--help", "photos"}, out, err), std::optional<int>(2));
  QVERIFY(err.find("'photos'") != std::string::npos);

  // Paths: folders to scan, or one results file or database (any letter case).
  using Kind = vl::gui::StartRequest::Kind;
  vl::test::TempDir dir;
  dir.makeDir("a");
  dir.makeDir("b");
  for (const char* name : {"saved.vlr", "photos.VDB", "notes.txt"}) dir.write(name, std::string("x"));
  QVERIFY(!vl::gui::HandleCommandLine({dir.file("a"), dir.file("saved.vlr")}, out, err).has_value());
  err.clear();
  const auto folders = vl::gui::ReadStartRequest({dir.file("a"), dir.file("b/")}, err);
  QVERIFY(folders && folders->kind == Kind::ScanFolders);
  QCOMPARE(folders->paths, (std::vector<std::string>{dir.file("a"), dir.file("b/")}));
  QCOMPARE(vl::gui::ReadStartRequest({dir.file("saved.vlr")}, err)->kind, Kind::OpenResults);
  QCOMPARE(vl::gui::ReadStartRequest({dir.file("photos.VDB")}, err)->kind, Kind::OpenDatabase);
  QVERIFY(err.empty());
  for (const std::vector<std::string>& wrong : {std::vector<std::string>{dir.file("notes.txt")}, {dir.file("missing")},
                                                {dir.file("a"), dir.file("saved.vlr")}})
    QVERIFY(!vl::gui::ReadStartRequest(wrong, err) && err.starts_with("velloran: ") && (err.clear(), true));
}

void MainWindowPartsTest::aboutBoxShowsVersionKernelAndGroupedMemory() {
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  vl::test::TempDir dir;
  ::setenv("VELLORAN_APPDIR", dir.path().c_str(), 1);
  vl::ResetAppPaths();
  vl::gui::AboutBox about(nullptr);
  QCOMPARE(about.findChild<QLabel*>("SettingsFile")->text(),
           QString::fromStdString("Settings: " + dir.path() + "/velloran.ini"));
  ::unsetenv("VELLORAN_APPDIR");
  vl::ResetAppPaths();
  QCOMPARE(about.windowTitle(), QStringLiteral("About Velloran"));
  QCOMPARE(about.findChild<QLabel*>("Version")->text(), QStringLiteral("Version " VELLORAN_VERSION "   "));
  QVERIFY(about.findChild<QLabel*>("OSVersion")->text().startsWith(QStringLiteral("Linux:  ")));
  const vl::gui::KernelVersion debian = vl::gui::ParseKernelRelease(QStringLiteral("6.1.0-13-amd64"));
  QVERIFY(debian.major == 6 && debian.minor == 1);
  const vl::gui::KernelVersion odd = vl::gui::ParseKernelRelease(QStringLiteral("weird"));
  QVERIFY(odd.major == 0 && odd.minor == 0);
  QVERIFY(vl::gui::RunningKernelVersion().major >= 3);
  const QString memory = about.findChild<QLabel*>("PhysMem")->text();
  QVERIFY2(memory.contains(QRegularExpression(QStringLiteral("^Physical memory:  \\d{1,3}(,\\d{3})+ K$"))),
           qPrintable(memory));
  QVERIFY(about.findChild<QLabel*>("FileDate")->text().startsWith(QStringLiteral("File Date : ")));
  QLocale::setDefault(QLocale::system());
}

void MainWindowPartsTest::datesUseTheLocaleWithoutTimeZone() {
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  const QString evening = QString::fromStdString(vl::gui::LocaleDateText(45000.75));
  QVERIFY2(evening.startsWith(QStringLiteral("3/15/23 6:00:00")) && evening.endsWith(QStringLiteral("PM")),
           qPrintable(evening));
  // Before 30 December 1899 the fraction is still the time of day.
  const QString early = QString::fromStdString(vl::gui::LocaleDateText(-1.25));
  QVERIFY2(early.startsWith(QStringLiteral("12/29/99 6:00:00")), qPrintable(early));
  QCOMPARE(vl::gui::LocaleDateText(std::nan("")), std::string());
  QCOMPARE(vl::gui::LocaleDateText(1e12), std::string());
  QLocale::setDefault(QLocale::system());
}

void MainWindowPartsTest::delegateDrawsTheRedDelCellAndTheBaseLineOnButtonFace() {
  QStandardItemModel columns(0, 8);
  QHeaderView header(Qt::Horizontal);
  header.setModel(&columns);
  for (int section = 0; section < 8; ++section) header.resizeSection(section, 40);
  vl::gui::DupeListDelegate delegate(&header, nullptr, nullptr);  // no thumbnails
  vl::gui::DupeListModel model;
  vl::TResultEntry base;
  base.Path = "/p/base.jpg";
  vl::TResultEntry marked;
  marked.Base = &base;
  marked.Marked = 1;
  marked.Path = "/p/copy.jpg";
  model.setLines({{vl::DupeLineText(base), &base}, {vl::DupeLineText(marked), &marked}});

  QStyleOptionViewItem option;
  option.palette = QApplication::palette();
  option.palette.setColor(QPalette::Button, QColor(1, 2, 3));
  option.palette.setColor(QPalette::Base, QColor(250, 250, 250));
  option.font = QApplication::font();
  const QSize row = delegate.sizeHint(option, model.index(0));
  QCOMPARE(row.width(), 8 * 40);
  QCOMPARE(row.height(), QFontMetrics(option.font).height() + 2);
  QImage image(row.width(), row.height() * 2, QImage::Format_RGB32);
  QPainter painter(&image);
  for (int line = 0; line < 2; ++line) {
    option.rect = QRect(0, line * row.height(), row.width(), row.height());
    delegate.paint(&painter, option, model.index(line));
  }
  painter.end();
  const int lower = row.height();
  QCOMPARE(image.pixelColor(20, 2), QColor(1, 2, 3));             // base line, Del cell empty
  QCOMPARE(image.pixelColor(20, lower + 3), QColor(255, 0, 0));   // marked duplicate: red cell
  QCOMPARE(image.pixelColor(0, lower + 3), QColor(250, 250, 250)); // the cell keeps a 1-pixel edge
  QCOMPARE(image.pixelColor(300, lower + 3), QColor(250, 250, 250));
}

void MainWindowPartsTest::hostNestsCursorsAndFillsItsPanels() {
  vl::gui::GuiHost host(nullptr);
  host.pushCursor(vl::BusyCursor::AppStarting);
  QCOMPARE(QApplication::overrideCursor()->shape(), Qt::BusyCursor);
  host.pushCursor(vl::BusyCursor::Hourglass);
  QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
  host.popCursor();
  QCOMPARE(QApplication::overrideCursor()->shape(), Qt::BusyCursor);
  host.popCursor();
  QVERIFY(QApplication::overrideCursor() == nullptr);
  host.popCursor();  // an unmatched pop changes nothing
  QCOMPARE(host.cursorDepth(), 0);
  host.phase("Loading Base List.");  // no panels yet: shown nowhere
  QLabel phasePanel;
  QLabel progressPanel;
  host.showStatusIn(&phasePanel, &progressPanel);
  host.progress(12, 340);
  QCOMPARE(phasePanel.text(), QString());
  QCOMPARE(progressPanel.text(), QStringLiteral("12 / 340"));
  host.phase("Comparing Images");
  host.clearProgress();
  QCOMPARE(phasePanel.text(), QStringLiteral("Comparing Images"));
  QCOMPARE(progressPanel.text(), QString());
}

void MainWindowPartsTest::narrowCellsElideTextButNeverCutNumbers() {
  using vl::gui::FittedCellText;
  const QFontMetrics metrics(QApplication::font());
  const QString path = QStringLiteral("/home/me/Pictures/Holidays/2024/IMG_2041.jpg");
  QCOMPARE(FittedCellText(path, 2, metrics, 1000), path);
  const QString elided = FittedCellText(path, 2, metrics, metrics.horizontalAdvance(path) / 2);
  QVERIFY(elided.startsWith(QStringLiteral("/home")));
  QVERIFY(elided.endsWith(QStringLiteral(".jpg")));
  QVERIFY(elided.contains(QChar(0x2026)));
  const QString size = FittedCellText(QStringLiteral("1028192"), 3, metrics, metrics.horizontalAdvance(QStringLiteral("1028")));
  QVERIFY(!size.isEmpty());
  QCOMPARE(size, QString(size.size(), QLatin1Char('#')));
  QCOMPARE(FittedCellText(QStringLiteral("1028192"), 3, metrics, 1000), QStringLiteral("1028192"));
  QVERIFY(FittedCellText(QStringLiteral("ARCHIVE-DISK-1"), 7, metrics, 30).endsWith(QChar(0x2026)));
}

QTEST_MAIN(MainWindowPartsTest)
#include "test_main_window_parts.moc"

// The main window's building blocks: list keys, command line, dates, cell text.
#include <QApplication>
#include <QLocale>
#include <QTest>

#include "app/components/locale_date.h"
#include "app/results/dupe_list_delegate.h"
#include "app/results/key_navigation.h"
#include "app/shell/command_line.h"
#include "tests/support/temp_dir.h"

using vl::gui::ListKeyCommand;
using vl::gui::ListKeyCommandFor;

class MainWindowPartsTest : public QObject {
  Q_OBJECT

 private slots:
  void keysFollowTheNavigationSettingAndMovesStopAtTheEnds();
  void commandLineAnswersHelpAndVersionAndSortsPaths();
  void datesUseTheLocaleWithoutTimeZone();
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

  // Paths: folders to scan, or one results file or database (any letter case).
  using Kind = vl::gui::StartRequest::Kind;
  vl::test::TempDir dir;
  dir.makeDir("a");
  dir.makeDir("b");
  for (const char* name : {"saved.vlr", "photos.VDB", "notes.txt"}) dir.write(name, std::string("x"));
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

void MainWindowPartsTest::datesUseTheLocaleWithoutTimeZone() {
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  const QString evening = QString::fromStdString(vl::gui::LocaleDateText(45000.75));
  QVERIFY2(evening.startsWith(QStringLiteral("3/15/23 6:00:00")) && evening.endsWith(QStringLiteral("PM")),
           qPrintable(evening));
  // Before 30 December 1899 the fraction is still the time of day.
  const QString early = QString::fromStdString(vl::gui::LocaleDateText(-1.25));
  QVERIFY2(early.startsWith(QStringLiteral("12/29/99 6:00:00")), qPrintable(early));
  QCOMPARE(vl::gui::LocaleDateText(1e12), std::string());
  QLocale::setDefault(QLocale::system());
}

void MainWindowPartsTest::narrowCellsElideTextButNeverCutNumbers() {
  using vl::gui::FittedCellText;
  const QFontMetrics metrics(QApplication::font());
  const QString path = QStringLiteral("/home/me/Pictures/Holidays/2024/IMG_2041.jpg");
  QCOMPARE(FittedCellText(path, 2, metrics, 1000), path);
  const QString elided = FittedCellText(path, 2, metrics, metrics.horizontalAdvance(path) / 2);
  QVERIFY2(elided.startsWith(QStringLiteral("/home")) && elided.endsWith(QStringLiteral(".jpg")) && elided.contains(QChar(0x2026)),
           qPrintable(elided));
  const QString size = FittedCellText(QStringLiteral("1028192"), 3, metrics, metrics.horizontalAdvance(QStringLiteral("1028")));
  QVERIFY(!size.isEmpty());
  QCOMPARE(size, QString(size.size(), QLatin1Char('#')));
  QCOMPARE(FittedCellText(QStringLiteral("1028192"), 3, metrics, 1000), QStringLiteral("1028192"));
  QVERIFY(FittedCellText(QStringLiteral("ARCHIVE-DISK-1"), 7, metrics, 30).endsWith(QChar(0x2026)));
}

QTEST_MAIN(MainWindowPartsTest)
#include "test_main_window_parts.moc"

// Help: every context has its page and anchor, links resolve, F1 opens the right page, translations come first.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QListView>
#include <QMenu>
#include <QPointer>
#include <QRegularExpression>
#include <QTest>
#include <QTextBrowser>

#include "app/components/help.h"
#include "app/components/help_window.h"
#include "app/dialogs/configure_dialog.h"
#include "tests/gui/main_window_fixture.h"
#include "tests/support/temp_dir.h"

using vl::gui::HelpWindow;

namespace {

QString pageText(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// Presses F1 on `target` and returns the help window that shows up beside `owner`.
HelpWindow* pressF1(QWidget* target, QWidget* owner) {
  QTest::keyClick(target, Qt::Key_F1);
  return owner->findChild<HelpWindow*>(QString(), Qt::FindDirectChildrenOnly);
}

QString shownPage(HelpWindow* help) {
  const QUrl source = help->browser()->source();
  return QFileInfo(source.toLocalFile()).fileName() + "#" + source.fragment();
}

}  // namespace

class HelpTest : public QObject {
  Q_OBJECT
 private slots:
  void everyContextHasItsPageAndEveryLinkResolves();
  void f1ShowsTheHelpOfTheWindowOrMenuWithTheKeyboard();
  void aTranslatedPageIsPreferredThenItsLanguageWithoutRegionThenEnglish();
};

void HelpTest::aTranslatedPageIsPreferredThenItsLanguageWithoutRegionThenEnglish() {
  vl::test::TempDir help;
  help.write("index.html", "en");
  help.write("pt/index.html", "pt");
  help.write("de/other.html", "de");
  const QString folder = QString::fromStdString(help.path());
  const auto shown = [&folder](const char* language, const char* page) {
    return pageText(vl::gui::LocalizedHelpFile(folder, QLatin1String(language), QLatin1String(page)));
  };
  QCOMPARE(shown("pt_BR", "index.html"), QStringLiteral("pt"));
  help.write("pt_BR/index.html", "pt_BR");
  QCOMPARE(shown("pt_BR", "index.html"), QStringLiteral("pt_BR"));
  QCOMPARE(shown("de", "index.html"), QStringLiteral("en"));
}

void HelpTest::everyContextHasItsPageAndEveryLinkResolves() {
  QStringList pages;
  for (const int* context = vl::gui::HelpContextsBegin(); context != vl::gui::HelpContextsEnd(); ++context) {
    const QUrl page = vl::gui::HelpPage(*context);
    const QString text = pageText(page.toLocalFile());
    QVERIFY2(!text.isEmpty(), qPrintable(page.toLocalFile()));
    QVERIFY2(text.contains(QStringLiteral("id=\"%1\"").arg(page.fragment())), qPrintable(page.toString()));
    pages << page.toLocalFile();
  }
  QCOMPARE(vl::gui::HelpPage(99).fileName(), vl::gui::HelpPage(vl::gui::HelpContents).fileName());

  // Links and pictures between the pages name files that exist, and anchors that exist.
  const QRegularExpression reference(QStringLiteral("(?:href|src)=\"([^\"#:]*)(?:#([^\"]*))?\""));
  for (const QString& path : pages) {
    for (const QRegularExpressionMatch& match : reference.globalMatch(pageText(path))) {
      const QString target = match.captured(1).isEmpty() ? path : QFileInfo(path).dir().filePath(match.captured(1));
      QVERIFY2(QFileInfo(target).isFile(), qPrintable(path + ": " + match.captured(0)));
      if (!match.captured(2).isEmpty())
        QVERIFY2(pageText(target).contains("id=\"" + match.captured(2) + "\""), qPrintable(path + ": " + match.captured(0)));
    }
  }
}

void HelpTest::f1ShowsTheHelpOfTheWindowOrMenuWithTheKeyboard() {
  vl::test::AppDirScope app;
  vl::test::ModalAnswerer answerer;
  vl::gui::InstallHelpKey(qApp);
  vl::test::WindowUnderTest w;
  w.show();
  QWidget* main = w.window.get();

  HelpWindow* help = pressF1(main->findChild<QListView*>("lbDupes"), main);
  QVERIFY(help != nullptr);
  QCOMPARE(shownPage(help), QStringLiteral("main-window.html#context-7"));

  auto* scale = main->findChild<QMenu*>("Scale1");
  QCOMPARE(pressF1(scale, main), help);
  QCOMPARE(shownPage(help), QStringLiteral("view-menu.html#context-8"));
  pressF1(main->findChild<QMenu*>("FileManagement1"), main);
  QCOMPARE(shownPage(help), QStringLiteral("file-management.html#context-6"));

  help->findChild<QAction*>("HelpBack")->trigger();
  QCOMPARE(shownPage(help), QStringLiteral("view-menu.html#context-8"));
  help->findChild<QAction*>("HelpContents")->trigger();
  QCOMPARE(QFileInfo(help->browser()->source().toLocalFile()).fileName(), QStringLiteral("index.html"));
  // Escape closes it (as Ctrl+W does).
  const QPointer<HelpWindow> closing = help;
  QVERIFY(QTest::qWaitForWindowActive(help));
  QTest::keyClick(help->browser(), Qt::Key_Escape);
  QTRY_VERIFY(closing.isNull());

  // A dialog's help window belongs to the dialog, so it takes input while the dialog is modal.
  vl::gui::ConfigureDialog configure(main);
  configure.show();
  HelpWindow* dialogHelp = pressF1(configure.findChild<QCheckBox*>(), &configure);
  QVERIFY(dialogHelp != nullptr && dialogHelp != help);
  QCOMPARE(shownPage(dialogHelp), QStringLiteral("configure.html#context-5"));
}

QTEST_MAIN(HelpTest)
#include "test_help.moc"

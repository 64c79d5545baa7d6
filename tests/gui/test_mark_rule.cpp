// Mark by Rule, Unmark All and Export Results in the main window, driven as a user would.
#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "core/results/mark_rules.h"
#include "tests/gui/main_window_fixture.h"
#include "tests/support/image_writer.h"

using vl::test::ModalAnswerer;
using vl::test::WindowUnderTest;
using vl::test::child;

namespace {

bool markedAt(vl::ResultsModel& results, const std::string& path) {
  for (const auto& entry : results.FResultEntries())
    if (entry->Path == path) return entry->Marked != 0;
  return false;
}

// Answers the Mark by Rule dialog: `edit` changes its controls, then "Mark" is clicked.
void markByRule(WindowUnderTest& w, ModalAnswerer& answerer, const std::function<void(QDialog*)>& edit) {
  answerer.onDialog = [edit](QDialog* dialog) {
    edit(dialog);
    dialog->findChild<QPushButton*>(QStringLiteral("bbMark"))->click();
  };
  child<QAction>(w, "MarkByRule1")->trigger();
  answerer.onDialog = nullptr;
}

}  // namespace

class MarkRuleTest : public QObject {
  Q_OBJECT
 private slots:
  void theDialogStoresItsRuleWhichMarksNowAndAfterEveryScan();
};

void MarkRuleTest::theDialogStoresItsRuleWhichMarksNowAndAfterEveryScan() {
  vl::test::WindowScope scope;
  auto& [app, files, answerer, w] = scope;
  const std::string original = files.file("Photos/p.jpg"), copy = files.file("Backup/p.jpg");
  files.makeDir("Photos");
  files.makeDir("Backup");
  vl::test::WriteJpeg(original, vl::test::GradientPicture(160, 120));
  vl::test::WriteJpeg(copy, vl::test::GradientPicture(80, 60));
  vl::test::ScriptedDialogs dialogs;
  w.showAndScan(answerer, {}, {files.file("Backup"), files.file("Photos")}, vl::ScanMode::Images);
  QTRY_VERIFY(answerer.messages.size() == 1);
  QVERIFY(!markedAt(w.window->results(), copy) && !markedAt(w.window->results(), original));

  dialogs.folders.push_back(files.file("Elsewhere"));
  markByRule(w, answerer, [](QDialog* dialog) {
    auto* criteria = dialog->findChild<QListWidget*>(QStringLiteral("lbCriteria"));
    auto* amongMarked = dialog->findChild<QCheckBox*>(QStringLiteral("cbAmongMarked"));
    // A first start shows the default rule (the stored rule below shows its first criterion).
    QVERIFY(amongMarked->isChecked() && dialog->findChild<QCheckBox*>(QStringLiteral("cbApplyAfterScan"))->isChecked());
    for (int row = 1; row < 5; ++row) criteria->item(row)->setCheckState(Qt::Unchecked);
    const int smallest = criteria->row(criteria->findItems(QStringLiteral("Smallest file"), Qt::MatchExactly).value(0));
    criteria->item(smallest)->setCheckState(Qt::Checked);
    criteria->setCurrentRow(smallest);
    for (int row = smallest; row > 0; --row) dialog->findChild<QPushButton*>(QStringLiteral("bbMoveUp"))->click();
    dialog->findChild<QPushButton*>(QStringLiteral("bbAddProtected"))->click();
    amongMarked->setChecked(false);
  });
  QCOMPARE(vl::LoadMarkRule(),
           (vl::MarkRule{vl::ParseKeepCriteria("smallest,resolution"), {files.file("Elsewhere")}, true, false}));
  QVERIFY(markedAt(w.window->results(), original) && !markedAt(w.window->results(), copy));

  markByRule(w, answerer, [](QDialog* dialog) {
    auto* criteria = dialog->findChild<QListWidget*>(QStringLiteral("lbCriteria"));
    QCOMPARE(criteria->item(1)->checkState(), Qt::Checked);
    criteria->item(0)->setCheckState(Qt::Unchecked);  // Smallest file
  });
  QVERIFY(markedAt(w.window->results(), copy) && !markedAt(w.window->results(), original));
  child<QAction>(w, "UnmarkAll1")->trigger();
  QVERIFY(!markedAt(w.window->results(), copy));
  QVERIFY(!w.window->close());  // marks the user changed: the close question, cancelled

  w.scanWithOptions(answerer, vl::ScanMode::Images);  // auto-marking is off: only the rule marks
  QTRY_VERIFY(answerer.messages.size() == 2);
  QVERIFY2(answerer.messages[1].contains("1 file marked for Delete."), qPrintable(answerer.messages[1]));
  QVERIFY(markedAt(w.window->results(), copy) && !markedAt(w.window->results(), original));

  dialogs.saveAnswers.push_back(files.file("out.json"));
  child<QAction>(w, "ExportResults1")->trigger();
  QVERIFY(vl::test::ReadFileBytes(files.file("out.json")).starts_with("{\"version\":1,\"groups\":["));
  QVERIFY(w.window->close());  // a scan's own marks come back with the next scan: no question
}

QTEST_MAIN(MarkRuleTest)
#include "test_mark_rule.moc"

// The main-window fixtures: a timer that answers modal dialogs, and a window driven through scans.
#include "tests/gui/main_window_fixture.h"

#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace vl::test {

ModalAnswerer::ModalAnswerer() {
  connect(&timer_, &QTimer::timeout, this, &ModalAnswerer::poll);
  timer_.start(5);
}

qsizetype ModalAnswerer::lastStartingWith(const QString& start) const {
  for (qsizetype i = messages.size() - 1; i >= 0; --i)
    if (messages[i].startsWith(start)) return i;
  return -1;
}

void ModalAnswerer::poll() {
  if (onTick) onTick();
  QWidget* modal = QApplication::activeModalWidget();
  if (modal == nullptr || !modal->isVisible()) return;
  if (auto* box = qobject_cast<QMessageBox*>(modal)) {
    messages << box->text();
    details << box->detailedText();
    QAbstractButton* answer = box->defaultButton() != nullptr ? static_cast<QAbstractButton*>(box->defaultButton()) : box->buttons().value(0);
    if (answer != nullptr) answer->click();
    return;
  }
  if (auto* dialog = qobject_cast<QDialog*>(modal)) {
    dialogsSeen << QString::fromLatin1(dialog->metaObject()->className());
    if (onDialog)
      onDialog(dialog);
    else
      dialog->reject();
  }
}

WindowUnderTest::WindowUnderTest() : window(std::make_unique<gui::MainWindow>()) {
  folders = new gui::FoldersDialog(window.get());
  window->setFoldersDialog(folders);
}

WindowUnderTest::~WindowUnderTest() = default;

void WindowUnderTest::show() {
  window->show();
  window->activateWindow();
  QVERIFY(QTest::qWaitForWindowExposed(window.get()));
  QCoreApplication::processEvents();
}

void WindowUnderTest::scanWithOptions(ModalAnswerer& answerer, vl::ScanMode scanMode) {
  static const char* const buttons[4] = {"rbFuzz", "rbFilename", "rbNameandSize", "rbContents"};
  answerer.onDialog = [scanMode](QDialog* dialog) {
    if (auto* button = dialog->findChild<QRadioButton*>(QLatin1String(buttons[int(scanMode)]))) button->setChecked(true);
    dialog->accept();
  };
  window->findChild<QAction*>(QStringLiteral("aScan"))->trigger();
  answerer.onDialog = nullptr;
  QTRY_VERIFY_WITH_TIMEOUT(!window->isScanning(), 60000);
}

void WindowUnderTest::showAndScan(ModalAnswerer& answerer, const std::vector<std::string>& base,
                                  const std::vector<std::string>& compare, vl::ScanMode scanMode) {
  folders->setLists(base, compare);
  show();
  QTRY_VERIFY(!answerer.dialogsSeen.isEmpty());
  scanWithOptions(answerer, scanMode);
}

}  // namespace vl::test

// The desktop host: message boxes, beep, cursors and the status panels a window hands it.
#include "app/components/gui_host.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>

#include "core/scan/auto_deletion.h"

namespace vl::gui {

GuiHost::GuiHost(QWidget* dialogParent) : dialogParent_(dialogParent) {}

namespace {

void ShowIn(QLabel* panel, const std::string& text) {
  if (panel != nullptr) panel->setText(QString::fromStdString(text));
}

}  // namespace

void GuiHost::showStatusIn(QLabel* phasePanel, QLabel* progressPanel) {
  phasePanel_ = phasePanel;
  progressPanel_ = progressPanel;
}

void GuiHost::phase(const std::string& text) { ShowIn(phasePanel_, text); }

void GuiHost::progress(size_t current, size_t total) { ShowIn(progressPanel_, ProgressText(current, total)); }

void GuiHost::clearProgress() { ShowIn(progressPanel_, ""); }

void GuiHost::showMessage(MessageKind kind, const std::string& text) {
  const QString message = QString::fromStdString(text);
  if (kind == MessageKind::Error)
    QMessageBox::critical(dialogParent_, QObject::tr("Error"), message);
  else
    QMessageBox::information(dialogParent_, QObject::tr("Information"), message);
}

void GuiHost::showDetailedMessage(MessageKind kind, const std::string& text, const std::string& details) {
  if (details.empty()) {
    showMessage(kind, text);
    return;
  }
  const bool error = kind == MessageKind::Error;
  QMessageBox box(error ? QMessageBox::Critical : QMessageBox::Information,
                  error ? QObject::tr("Error") : QObject::tr("Information"), QString::fromStdString(text),
                  QMessageBox::Ok, dialogParent_);
  box.setDetailedText(QString::fromStdString(details));
  box.exec();
}

bool GuiHost::askYesNo(const std::string& text) {
  return QMessageBox::question(dialogParent_, QObject::tr("Confirm"), QString::fromStdString(text),
                               QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) == QMessageBox::Yes;
}

bool GuiHost::askYesNoDefaultNo(const std::string& text) { return askDefaultNo(text, ""); }

bool GuiHost::askDefaultNo(const std::string& text, const std::string& details) {
  QMessageBox box(QMessageBox::Question, QObject::tr("Confirm"), QString::fromStdString(text),
                  QMessageBox::Yes | QMessageBox::No, dialogParent_);
  box.setDefaultButton(QMessageBox::No);
  if (!details.empty()) box.setDetailedText(QString::fromStdString(details));
  QApplication::setOverrideCursor(Qt::ArrowCursor);
  const bool yes = box.exec() == QMessageBox::Yes;
  QApplication::restoreOverrideCursor();
  return yes;
}

bool GuiHost::confirmAutoDeletion(const std::vector<DeletedMatch>& matches, bool recycle) {
  return askDefaultNo(AutoDeletionQuestion(matches, recycle), AutoDeletionDetails(matches));
}

void GuiHost::beep() { QApplication::beep(); }

void GuiHost::pushCursor(BusyCursor cursor) {
  QApplication::setOverrideCursor(cursor == BusyCursor::AppStarting ? Qt::BusyCursor : Qt::WaitCursor);
  ++cursorDepth_;
}

void GuiHost::popCursor() {
  if (cursorDepth_ == 0) return;
  --cursorDepth_;
  QApplication::restoreOverrideCursor();
}

}  // namespace vl::gui

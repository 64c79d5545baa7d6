// The desktop host: message boxes, beep, cursors and the status panels a window hands it.
#include "app/components/gui_host.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QRegularExpression>

#include "core/scan/auto_deletion.h"

namespace vl::gui {

GuiHost::GuiHost(QWidget* dialogParent) : dialogParent_(dialogParent) {}

namespace {

void ShowIn(QLabel* panel, const std::string& text) {
  if (panel != nullptr) panel->setText(QString::fromStdString(text));
}

// The shared messages count "1 files" as the command line has always printed them
// (scripts read them); the window says "1 file" and makes the verbs agree.
QString windowWording(const std::string& text) {
  static const std::pair<QRegularExpression, QString> Rules[] = {
      {QRegularExpression(QStringLiteral(R"(((?:^|[^\d.,])1 )((?:matched |possible )?(?:file|duplicate))s\b)")),
       QStringLiteral(R"(\1\2)")},
      {QRegularExpression(QStringLiteral(
           R"(((?:^|[^\d.,])1 (?:matched )?file(?: that the deleted-file list matched)?) were (not deleted and )were\b)")),
       QStringLiteral(R"(\1 was \2was)")},
      {QRegularExpression(QStringLiteral(R"(((?:^|[^\d.,])1 (?:matched )?file) were\b)")), QStringLiteral(R"(\1 was)")},
      {QRegularExpression(QStringLiteral(R"(((?:^|[^\d.,])1 matched file was not deleted: )they changed since they were)")),
       QStringLiteral(R"(\1it changed since it was)")},
      {QRegularExpression(QStringLiteral(
           R"(((?:^|[^\d.,])1 file was back where )they had been deleted from: they were kept, and the deleted-file list forgot them)")),
       QStringLiteral(R"(\1it had been deleted from: it was kept, and the deleted-file list forgot it)")},
      {QRegularExpression(QStringLiteral(
           R"(^(The deleted-file list matched 1 file \([^)]*\) in the Compare List: )copies of files that were deleted)")),
       QStringLiteral(R"(\1a copy of a file that was deleted)")},
      {QRegularExpression(QStringLiteral(R"(^(The deleted-file list matched 1 file .*\n\n(?:Move|Delete)) them )"),
                          QRegularExpression::DotMatchesEverythingOption),
       QStringLiteral(R"(\1 it )")},
  };
  QString wording = QString::fromStdString(text);
  for (const auto& [pattern, replacement] : Rules) wording.replace(pattern, replacement);
  return wording;
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
  const QString message = windowWording(text);
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
                  error ? QObject::tr("Error") : QObject::tr("Information"), windowWording(text),
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
  QMessageBox box(QMessageBox::Question, QObject::tr("Confirm"), windowWording(text),
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

// The Qt implementation of the dialog provider and the filter-text conversion.
#include "app/components/dialog_provider.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QStringList>

namespace vl::gui {
namespace {

DialogProvider* InstalledProvider = nullptr;

// One pattern with every letter as a two-case class; "*.*" becomes "*".
QString caseFreePattern(const QString& pattern) {
  if (pattern == "*.*") return "*";
  QString result;
  for (QChar c : pattern) {
    if (c.isLetter() && c.toLower() != c.toUpper())
      result += QString("[%1%2]").arg(c.toLower(), c.toUpper());
    else
      result += c;
  }
  return result;
}

QString caseFreePatterns(const QString& patterns) {
  QStringList parts;
  for (const QString& pattern : patterns.split(';', Qt::SkipEmptyParts)) parts << caseFreePattern(pattern.trimmed());
  return parts.join(' ');
}

// The extension of the first pattern of the filter Qt shows as `shown` ("*.json"
// gives "json"); empty when none matches or the pattern names no extension.
QString chosenExtension(const std::string& filter, const QString& shown) {
  const QStringList fields = QString::fromStdString(filter).split('|');
  const QStringList shownFilters = QtFileFilter(filter).split(";;");
  const qsizetype index = shownFilters.indexOf(shown);
  if (index < 0 || 2 * index + 1 >= fields.size()) return {};
  const QString first = fields[2 * index + 1].split(';').first().trimmed();
  return first.startsWith("*.") && first != "*.*" ? first.mid(2) : QString();
}

const QFileDialog::Options FileDialogOptions = QFileDialog::HideNameFilterDetails | QFileDialog::DontConfirmOverwrite;

// A file dialog set up from a request; the caller chooses open or save.
void setUp(QFileDialog& dialog, const FileDialogRequest& request) {
  dialog.setOptions(request.confirmOverwrite ? QFileDialog::HideNameFilterDetails : FileDialogOptions);
  if (!request.filter.empty()) dialog.setNameFilter(QtFileFilter(request.filter));
  dialog.setDefaultSuffix(QString::fromStdString(request.defaultExtension));
  if (!request.folder.empty()) dialog.setDirectory(QString::fromStdString(request.folder));
  if (!request.fileName.empty()) dialog.selectFile(QString::fromStdString(request.fileName));
}

std::vector<std::string> chosenFiles(const QFileDialog& dialog) {
  std::vector<std::string> files;
  for (const QString& file : dialog.selectedFiles()) files.push_back(file.toStdString());
  return files;
}

}  // namespace

QString QtFileFilter(const std::string& filter) {
  const QStringList fields = QString::fromStdString(filter).split('|');
  QStringList filters;
  for (qsizetype i = 0; i + 1 < fields.size(); i += 2)
    filters << QString("%1 (%2)").arg(fields[i], caseFreePatterns(fields[i + 1]));
  return filters.join(";;");
}

std::optional<std::string> QtDialogProvider::chooseFolder(QWidget* parent, const std::string& title,
                                                          const std::string& startFolder) {
  const QString folder = QFileDialog::getExistingDirectory(parent, QString::fromStdString(title),
                                                           QString::fromStdString(startFolder));
  if (folder.isEmpty()) return std::nullopt;
  return folder.toStdString();
}

std::vector<std::string> QtDialogProvider::openFiles(QWidget* parent, const std::string& filter, bool multiple) {
  QStringList chosen;
  if (multiple) {
    chosen = QFileDialog::getOpenFileNames(parent, {}, {}, QtFileFilter(filter), nullptr, FileDialogOptions);
  } else {
    const QString one = QFileDialog::getOpenFileName(parent, {}, {}, QtFileFilter(filter), nullptr, FileDialogOptions);
    if (!one.isEmpty()) chosen << one;
  }
  std::vector<std::string> files;
  for (const QString& file : chosen) files.push_back(file.toStdString());
  return files;
}

std::optional<std::string> QtDialogProvider::saveFile(QWidget* parent, const std::string& filter,
                                                      const std::string& defaultExtension) {
  QString shown;
  QString file = QFileDialog::getSaveFileName(parent, {}, {}, QtFileFilter(filter), &shown, FileDialogOptions);
  if (file.isEmpty()) return std::nullopt;
  QString extension = chosenExtension(filter, shown);
  if (extension.isEmpty()) extension = QString::fromStdString(defaultExtension);
  if (QFileInfo(file).suffix().isEmpty() && !extension.isEmpty()) file += "." + extension;
  return file.toStdString();
}

std::optional<std::string> QtDialogProvider::askSaveFile(QWidget* parent, const FileDialogRequest& request) {
  QFileDialog dialog(parent);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  setUp(dialog, request);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().first().toStdString();
}

std::vector<std::string> QtDialogProvider::askOpenFiles(QWidget* parent, const FileDialogRequest& request,
                                                        bool multiple) {
  QFileDialog dialog(parent);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(multiple ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
  setUp(dialog, request);
  if (dialog.exec() != QDialog::Accepted) return {};
  return chosenFiles(dialog);
}

std::optional<std::string> QtDialogProvider::askText(QWidget* parent, const std::string& title,
                                                     const std::string& prompt, const std::string& initial) {
  bool ok = false;
  const QString text = QInputDialog::getText(parent, QString::fromStdString(title), QString::fromStdString(prompt),
                                             QLineEdit::Normal, QString::fromStdString(initial), &ok);
  if (!ok) return std::nullopt;
  return text.toStdString();
}

bool QtDialogProvider::askYesNo(QWidget* parent, const std::string& text) {
  return QMessageBox::question(parent, QString(), QString::fromStdString(text), QMessageBox::Yes | QMessageBox::No,
                               QMessageBox::Yes) == QMessageBox::Yes;
}

bool QtDialogProvider::askYesNoDefaultNo(QWidget* parent, const std::string& text) {
  return QMessageBox::question(parent, QString(), QString::fromStdString(text), QMessageBox::Yes | QMessageBox::No,
                               QMessageBox::No) == QMessageBox::Yes;
}

YesNoCancel QtDialogProvider::askYesNoCancel(QWidget* parent, const std::string& text) {
  switch (QMessageBox::question(parent, QString(), QString::fromStdString(text),
                                QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes)) {
    case QMessageBox::Yes:
      return YesNoCancel::Yes;
    case QMessageBox::No:
      return YesNoCancel::No;
    default:
      return YesNoCancel::Cancel;
  }
}

void QtDialogProvider::showError(QWidget* parent, const std::string& text) {
  QMessageBox::critical(parent, QString(), QString::fromStdString(text));
}

DialogProvider& CurrentDialogProvider() {
  static QtDialogProvider qtProvider;
  return InstalledProvider ? *InstalledProvider : qtProvider;
}

void SetDialogProvider(DialogProvider* provider) { InstalledProvider = provider; }

}  // namespace vl::gui

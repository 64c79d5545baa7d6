// Finding the help folder and opening its index at a context, or saying where it was looked for.
#include "app/shell/help.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QUrl>

namespace vl::gui {
namespace {

const char* const HelpIndexName = "vlhelp.html";

}  // namespace

QString HelpFolder() {
  const QString configured = qEnvironmentVariable("VELLORAN_HELPDIR");
  if (!configured.isEmpty()) return QDir::cleanPath(configured);
  return QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../share/velloran/help"));
}

void ShowHelp(QWidget* parent, int context) {
  const QString folder = HelpFolder();
  const QFileInfo index(QDir(folder).filePath(QLatin1String(HelpIndexName)));
  if (!index.isFile()) {
    QMessageBox::critical(parent, QObject::tr("Error"),
                          QObject::tr("Unable to find the help file %1 in the folder\n%2")
                              .arg(QLatin1String(HelpIndexName), QDir::toNativeSeparators(folder)));
    return;
  }
  QUrl page = QUrl::fromLocalFile(index.absoluteFilePath());
  page.setFragment(QStringLiteral("context-%1").arg(context));
  QDesktopServices::openUrl(page);
}

}  // namespace vl::gui

// The desktop program's QApplication: its names, desktop entry, icon, translations and default error display.
#include "app/shell/velloran_application.h"

#include <QIcon>
#include <QMessageBox>
#include <exception>

#include "app/components/help.h"
#include "app/components/translations.h"

namespace vl::gui {

VelloranApplication::VelloranApplication(int& argc, char** argv) : QApplication(argc, argv) {
  setApplicationName(QStringLiteral("Velloran"));
  setApplicationVersion(QStringLiteral(VELLORAN_VERSION));
  setDesktopFileName(QStringLiteral(VELLORAN_APP_ID));
  setWindowIcon(ApplicationIcon());
  InstallTranslations(*this);
  InstallHelpKey(this);
}

QIcon ApplicationIcon() {
  QIcon icon;
  for (const int size : {16, 32, 48, 128, 256})
    icon.addFile(QStringLiteral(":/icons/%1x%1/apps/" VELLORAN_APP_ID ".png").arg(size), QSize(size, size));
  return icon;
}

bool VelloranApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& error) {
    QMessageBox::critical(activeWindow(), tr("Error"), QString::fromLocal8Bit(error.what()));
    return true;
  }
}

}  // namespace vl::gui

// The desktop program's name and version, and an error box for failures no command caught.
#include "app/shell/velloran_application.h"

#include <QMessageBox>
#include <exception>

namespace vl::gui {

VelloranApplication::VelloranApplication(int& argc, char** argv) : QApplication(argc, argv) {
  setApplicationName(QStringLiteral("Velloran"));
  setApplicationVersion(QStringLiteral(VELLORAN_VERSION));
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

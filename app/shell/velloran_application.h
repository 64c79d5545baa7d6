// The QApplication of the desktop program: shows failures no command caught.
#pragma once

#include <QApplication>

namespace vl::gui {

// A std::exception escaping an event handler is shown in an error box with its own
// message; the program keeps running.
class VelloranApplication : public QApplication {
  Q_OBJECT
 public:
  VelloranApplication(int& argc, char** argv);

  bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace vl::gui

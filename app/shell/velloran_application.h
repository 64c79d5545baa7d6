// The QApplication of the desktop program: names it, gives it its icon, shows failures no command caught.
#pragma once

#include <QApplication>

namespace vl::gui {

// The program's icon at every drawn size (built into the program).
QIcon ApplicationIcon();

// Names the program and its desktop entry (so docks match its windows to the
// installed .desktop file), sets the window icon and installs the translation for the
// user's language. A std::exception escaping an event handler is shown in an error box
// with its own message; the program keeps running.
class VelloranApplication : public QApplication {
  Q_OBJECT
 public:
  VelloranApplication(int& argc, char** argv);

  bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace vl::gui

// The desktop program's entry point.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Velloran");
  QMainWindow window;
  window.setWindowTitle("Velloran");
  window.resize(574, 408);
  window.show();
  return app.exec();
}

// Fixtures for the main-window tests: a fresh AppDir, folders of files, modal dialogs answered from a timer.
#pragma once

#include <QObject>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/components/app_settings.h"
#include "app/dialogs/folders_dialog.h"
#include "app/shell/main_window.h"
#include "core/scan/scan_mode.h"
#include "tests/gui/scripted_dialogs.h"

namespace vl::test {

// Answers every modal dialog as it appears: message boxes are recorded and closed
// with their default button, other dialogs go to onDialog (rejected without one).
// onTick runs on every poll, also while no dialog is open.
class ModalAnswerer : public QObject {
  Q_OBJECT
 public:
  ModalAnswerer();

  std::function<void(QDialog*)> onDialog;
  std::function<void()> onTick;
  QStringList messages;      // texts of the message boxes, in order
  QStringList details;       // their "Show Details..." texts, in the same order
  QStringList dialogsSeen;   // class names of the other dialogs, in order
  // The position of the last message that begins with `start`, or -1 (a preview's
  // error may come after a scan's summary).
  qsizetype lastStartingWith(const QString& start) const;

 private:
  void poll();
  QTimer timer_;
};

// The main window and its hidden folders dialog, created in start-up order.
struct WindowUnderTest {
  WindowUnderTest();
  ~WindowUnderTest();
  // Shows the window and lets the first show and activation run.
  void show();
  // Triggers aScan, answers the scan-options dialog with the mode's button and waits
  // until the scan has ended and its messages were answered.
  void scanWithOptions(ModalAnswerer& answerer, vl::ScanMode scanMode);
  // Sets the folders dialog's lists, shows the window, waits for the start-up wizard
  // (rejected unless the answerer says otherwise) and scans as scanWithOptions does.
  void showAndScan(ModalAnswerer& answerer, const std::vector<std::string>& base,
                   const std::vector<std::string>& compare, vl::ScanMode scanMode);

  std::unique_ptr<gui::MainWindow> window;
  gui::FoldersDialog* folders = nullptr;
};

// What a window scenario starts with, in this order: a fresh AppDir, a folder for
// the scenario's files, the modal-dialog answerer and the window.
struct WindowScope {
  AppDirScope app;
  TempDir files;
  ModalAnswerer answerer;
  WindowUnderTest w;
};

// Changes one of the program's settings, as the configure dialog would.
template <typename Value>
void ChangeSetting(Value Settings::*field, Value value) {
  Settings settings = gui::CurrentSettings().values();
  settings.*field = value;
  gui::CurrentSettings().setValues(settings);
}

// The window's control of that object name; a missing one ends the test program.
template <typename T>
T* child(const WindowUnderTest& w, const char* name) {
  return child<T>(*w.window, name);
}

}  // namespace vl::test

// The desktop program's entry point: settings, the main window and the hidden folders dialog.
#include <QMessageBox>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "app/components/app_settings.h"
#include "app/components/core_texts.h"
#include "app/dialogs/folders_dialog.h"
#include "app/shell/command_line.h"
#include "app/shell/main_window.h"
#include "app/shell/velloran_application.h"
#include "core/database/volume_table.h"
#include "core/settings/settings.h"

namespace {

std::optional<int> answerCommandLine(int argc, char** argv) {
  std::string out;
  std::string err;
  const std::optional<int> exitCode =
      vl::gui::HandleCommandLine(std::vector<std::string>(argv + 1, argv + argc), out, err);
  std::fputs(out.c_str(), stdout);
  std::fputs(err.c_str(), stderr);
  return exitCode;
}

}  // namespace

int main(int argc, char** argv) {
  if (vl::gui::IsInformationRequest(std::vector<std::string>(argv + 1, argv + argc)))
    return *answerCommandLine(argc, argv);
  // Qt takes its own options out of argv; what is left is ours.
  vl::gui::VelloranApplication app(argc, argv);
  vl::gui::InstallCoreTexts();
  if (const std::optional<int> exitCode = answerCommandLine(argc, argv)) return *exitCode;
  std::string err;
  const std::optional<vl::gui::StartRequest> start =
      vl::gui::ReadStartRequest(std::vector<std::string>(argv + 1, argv + argc), err);
  if (!start) {  // said on the terminal and in a box, for a start from the file manager
    std::fputs(err.c_str(), stderr);
    QMessageBox::critical(nullptr, QStringLiteral("Velloran"), QString::fromStdString(err).trimmed());
    return 2;
  }
  vl::gui::CurrentSettings().setValues(vl::LoadSettings());
  vl::ClearVolumeTable();
  vl::gui::MainWindow window;
  vl::gui::FoldersDialog folders(&window);
  window.setFoldersDialog(&folders);
  window.show();
  window.start(*start);
  return app.exec();
}

// The desktop program's entry point: settings, the main window and the hidden folders dialog.
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "app/components/app_settings.h"
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
  if (const std::optional<int> exitCode = answerCommandLine(argc, argv)) return *exitCode;
  vl::gui::CurrentSettings().setValues(vl::LoadSettings());
  vl::ClearVolumeTable();
  vl::gui::MainWindow window;
  vl::gui::FoldersDialog folders(&window);
  window.setFoldersDialog(&folders);
  window.show();
  return app.exec();
}

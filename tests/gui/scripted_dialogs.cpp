// A fresh AppDir for each GUI test.
#include "tests/gui/scripted_dialogs.h"

#include <cstdlib>

#include "app/components/app_settings.h"
#include "core/settings/settings.h"

namespace vl::test {

AppDirScope::AppDirScope() {
  ::setenv("VELLORAN_APPDIR", dir_.path().c_str(), 1);
  ::setenv("XDG_CACHE_HOME", dir_.file("cache").c_str(), 1);
  ResetAppPaths();
  Settings settings = LoadSettings();
  settings.autoMarkDelete = false;
  settings.useDeletedList = false;
  gui::CurrentSettings().setValues(settings);
}

AppDirScope::~AppDirScope() {
  ::unsetenv("VELLORAN_APPDIR");
  ::unsetenv("XDG_CACHE_HOME");
  ResetAppPaths();
}

std::string AppDirScope::iniFile() const { return AppIniFileName(); }

}  // namespace vl::test

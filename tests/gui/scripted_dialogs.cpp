// A fresh AppDir for each GUI test.
#include "tests/gui/scripted_dialogs.h"

#include <cstdlib>

#include "app/components/app_settings.h"

namespace vl::test {

FreshAppDir::FreshAppDir() {
  ::setenv("VELLORAN_APPDIR", dir_.path().c_str(), 1);
  ResetAppPaths();
  gui::CurrentSettings().setValues(Settings());
}

FreshAppDir::~FreshAppDir() {
  ::unsetenv("VELLORAN_APPDIR");
  ResetAppPaths();
}

}  // namespace vl::test

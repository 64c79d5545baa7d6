// A fresh AppDir for each GUI test.
#include "tests/gui/scripted_dialogs.h"

#include <cstdlib>

#include "core/settings/settings.h"

namespace vl::test {

FreshAppDir::FreshAppDir() {
  ::setenv("VELLORAN_APPDIR", dir_.path().c_str(), 1);
  ResetAppPaths();
  BeepOnDelete = DeleteToRecycleBin = ConfirmDeletes = NavigateWithArrows = AutoMarkDelete = UseDeletedList = true;
  CheckABDrives = false;
  FuzzFactor = 30;
  MarkErrors = MarkWidth = MarkHeight = 0;
  MarkSize = 5;
  VerifyMatches = MatchRotations = false;
  ModernImageFormats = true;
}

FreshAppDir::~FreshAppDir() {
  ::unsetenv("VELLORAN_APPDIR");
  ResetAppPaths();
}

}  // namespace vl::test

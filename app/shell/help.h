// The help routine: opens the help pages at a context number.
#pragma once

#include <QString>

class QWidget;

namespace vl::gui {

// The help contexts of the main window and its menus.
enum HelpContext { HelpContents = 1, HelpFileManagementMenu = 6, HelpMainWindow = 7, HelpViewMenu = 8 };

// The folder the help pages are looked for in: share/velloran/help beside the
// program's bin folder, or VELLORAN_HELPDIR when set.
QString HelpFolder();

// Opens the help page of `context` in the desktop's browser; when the help pages
// are not installed, says so in an error box naming the folder looked in.
void ShowHelp(QWidget* parent, int context);

}  // namespace vl::gui

// Showing a file in the desktop's file manager.
#pragma once

#include <string>

namespace vl::gui {

// Asks the file manager on the session bus (org.freedesktop.FileManager1 ShowItems)
// to open the folder of `path` with the file selected; when no file manager answers
// within a few seconds, opens the folder itself with xdg-open. True when either
// worked. Waits for the answer: up to a few seconds.
bool ShowInFileManager(const std::string& path);

}  // namespace vl::gui

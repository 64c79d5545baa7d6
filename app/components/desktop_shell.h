// Showing a file in the desktop's file manager.
#pragma once

#include <functional>
#include <string>

class QObject;

namespace vl::gui {

// Asks the file manager on the session bus (org.freedesktop.FileManager1 ShowItems)
// to open the folder of `path` with the file selected; when no file manager answers
// within a few seconds, opens the folder itself with xdg-open. True when either
// worked. Waits for the answer: up to a few seconds.
bool ShowInFileManager(const std::string& path);

// Opens the document with the desktop's default program (xdg-open) without waiting:
// where no desktop runs, xdg-open keeps the viewer in the foreground until it closes,
// which must not freeze the window. onFailure runs on the window's thread when
// xdg-open cannot start or ends in failure. The process belongs to owner.
void OpenDocumentInBackground(const std::string& document, QObject* owner, std::function<void()> onFailure);

}  // namespace vl::gui

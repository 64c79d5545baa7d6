// Opening files and showing them in the desktop's file manager without waiting.
#pragma once

#include <functional>
#include <string>

class QObject;

namespace vl::gui {

// Asks the file manager on the session bus (org.freedesktop.FileManager1 ShowItems)
// to open the folder of `path` with the file selected; when none answers within a few
// seconds, opens the folder itself with xdg-open. Returns at once: the answer and the
// fallback are handled on the window's thread, and onFailure runs there when both
// failed. The call and the process belong to owner.
void ShowInFileManager(const std::string& path, QObject* owner, std::function<void()> onFailure);

// Opens the document with the desktop's default program (xdg-open) without waiting:
// where no desktop runs, xdg-open keeps the viewer in the foreground until it closes,
// which must not freeze the window. onFailure runs on the window's thread when
// xdg-open cannot start or ends in failure. The process belongs to owner.
void OpenDocumentInBackground(const std::string& document, QObject* owner, std::function<void()> onFailure);

}  // namespace vl::gui

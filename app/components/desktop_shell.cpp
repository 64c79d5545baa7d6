// Showing a file in the desktop's file manager: the freedesktop FileManager1 interface, else xdg-open on its folder.
#include "app/components/desktop_shell.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QProcess>
#include <QStringList>
#include <QUrl>

#include "core/files/open_with.h"
#include "core/files/paths.h"

namespace vl::gui {
namespace {

constexpr int FileManagerTimeoutMs = 3000;

bool askFileManager(const std::string& path) {
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected()) return false;
  QDBusMessage call = QDBusMessage::createMethodCall(
      QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("/org/freedesktop/FileManager1"),
      QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("ShowItems"));
  call << QStringList{QUrl::fromLocalFile(QString::fromStdString(path)).toString()} << QString();
  return bus.call(call, QDBus::Block, FileManagerTimeoutMs).type() == QDBusMessage::ReplyMessage;
}

// The folder of path without its trailing "/", except for the root itself.
std::string folderWithoutSlash(const std::string& path) {
  std::string folder = FolderOf(path);
  if (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  return folder;
}

}  // namespace

void OpenDocumentInBackground(const std::string& document, QObject* owner, std::function<void()> onFailure) {
  auto* process = new QProcess(owner);
  const auto fail = [process, onFailure] {
    process->deleteLater();
    onFailure();
  };
  QObject::connect(process, &QProcess::errorOccurred, owner, [fail](QProcess::ProcessError error) {
    if (error == QProcess::FailedToStart) fail();
  });
  QObject::connect(process, &QProcess::finished, owner, [process, fail](int code, QProcess::ExitStatus status) {
    if (status != QProcess::NormalExit || code != 0) return fail();
    process->deleteLater();
  });
  const QString operand = QString::fromStdString(document);
  process->start(QStringLiteral("xdg-open"), {operand.startsWith('-') ? "./" + operand : operand});
}

bool ShowInFileManager(const std::string& path) {
  return askFileManager(path) || OpenDocument(folderWithoutSlash(path));
}

}  // namespace vl::gui

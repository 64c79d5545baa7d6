// Opening files and showing them in the desktop's file manager (FileManager1, else xdg-open), never waiting.
#include "app/components/desktop_shell.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QProcess>
#include <QStringList>
#include <QUrl>

#include "core/files/paths.h"

namespace vl::gui {
namespace {

constexpr int FileManagerTimeoutMs = 3000;

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
    if (onFailure) onFailure();
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

void ShowInFileManager(const std::string& path, QObject* owner, std::function<void()> onFailure) {
  const std::string folder = folderWithoutSlash(path);
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected()) return OpenDocumentInBackground(folder, owner, std::move(onFailure));
  QDBusMessage call = QDBusMessage::createMethodCall(
      QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("/org/freedesktop/FileManager1"),
      QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("ShowItems"));
  call << QStringList{QUrl::fromLocalFile(QString::fromStdString(path)).toString()} << QString();
  auto* answer = new QDBusPendingCallWatcher(bus.asyncCall(call, FileManagerTimeoutMs), owner);
  QObject::connect(answer, &QDBusPendingCallWatcher::finished, owner,
                   [answer, folder, owner, onFailure = std::move(onFailure)] {
                     answer->deleteLater();
                     if (answer->isError()) OpenDocumentInBackground(folder, owner, onFailure);
                   });
}

}  // namespace vl::gui

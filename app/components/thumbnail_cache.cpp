// Small thumbnails of picture files for the lists, made in the background and shared with other programs through the freedesktop thumbnail folder.
#include "app/components/thumbnail_cache.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>
#include <stdexcept>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/files/safe_file_writer.h"

namespace vl::gui {
namespace {

// The worker's nice value: every other thread of the system goes first, yet it still
// moves on a busy machine.
constexpr int LowestNice = 19;
// Files that gave no thumbnail are remembered up to this many, then forgotten together.
constexpr qsizetype MaxFailed = 4096;

QString uriOf(const QString& absolutePath) {
  return QString::fromLatin1(QUrl::fromLocalFile(absolutePath).toEncoded());
}

QString thumbnailFolder() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + QStringLiteral("/thumbnails/normal");
}

// The PNG in the freedesktop folder (created owner-only where missing); a failure
// only means the thumbnail is made again next time.
void storeThumbnail(const QString& target, const QImage& image) {
  QByteArray png;
  QBuffer buffer(&png);
  if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "png")) return;
  const QString normal = QFileInfo(target).path();
  const QString thumbnails = QFileInfo(normal).path();
  if (!QDir().mkpath(QFileInfo(thumbnails).path())) return;
  for (const QString& folder : {thumbnails, normal}) ::mkdir(QFile::encodeName(folder).constData(), 0700);
  try {
    SafeFileWriter writer(QFile::encodeName(target).toStdString());
    writer.setPermissions(0600);
    writer.write(png.constData(), size_t(png.size()));
    writer.commit();
  } catch (const std::runtime_error&) {
  }
}

}  // namespace

QString FreedesktopThumbnailPath(const QString& absolutePath) {
  const QByteArray digest = QCryptographicHash::hash(uriOf(absolutePath).toUtf8(), QCryptographicHash::Md5).toHex();
  return thumbnailFolder() + QLatin1Char('/') + QString::fromLatin1(digest) + QStringLiteral(".png");
}

ThumbnailCache::ThumbnailCache(Decoder decoder, QObject* parent)
    : QObject(parent), decoder_(std::move(decoder)), memory_(MemoryBytes) {
  worker_ = std::thread([this] { run(); });
}

ThumbnailCache::~ThumbnailCache() {
  {
    const std::lock_guard<std::mutex> lock(mutex_);
    stopping_ = true;
  }
  wake_.notify_all();
  worker_.join();
}

QImage ThumbnailCache::thumbnail(const QString& path) {
  if (path.isEmpty() || failed_.contains(path)) return {};
  if (const QImage* image = memory_.object(path)) return *image;
  {
    const std::lock_guard<std::mutex> lock(mutex_);
    if (queued_.contains(path)) return {};
    queued_.insert(path);
    queue_.push_front(path);
    if (queue_.size() > size_t(MaxQueued)) {
      queued_.remove(queue_.back());
      queue_.pop_back();
    }
  }
  wake_.notify_one();
  return {};
}

void ThumbnailCache::run() {
  setpriority(PRIO_PROCESS, pid_t(::gettid()), LowestNice);
  std::unique_lock<std::mutex> lock(mutex_);
  for (;;) {
    wake_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
    if (stopping_) return;
    const QString path = std::move(queue_.front());
    queue_.pop_front();
    lock.unlock();
    const QImage image = make(path);
    QMetaObject::invokeMethod(this, [this, path, image] { finished(path, image); }, Qt::QueuedConnection);
    lock.lock();
  }
}

QImage ThumbnailCache::make(const QString& path) const {
  const QFileInfo info(path);
  if (!info.isFile()) return {};
  const QString absolute = info.absoluteFilePath();
  const QString target = FreedesktopThumbnailPath(absolute);
  const QString uri = uriOf(absolute);
  const QString modified = QString::number(info.lastModified().toSecsSinceEpoch());
  QImage image(target, "png");
  if (!image.isNull() && image.text(QStringLiteral("Thumb::URI")) == uri &&
      image.text(QStringLiteral("Thumb::MTime")) == modified)
    return image;
  const QImage picture = decoder_(path, QSize(Side, Side));
  if (picture.isNull()) return {};
  image = picture.width() > Side || picture.height() > Side
              ? picture.scaled(Side, Side, Qt::KeepAspectRatio, Qt::SmoothTransformation)
              : picture;
  image.setText(QStringLiteral("Thumb::URI"), uri);
  image.setText(QStringLiteral("Thumb::MTime"), modified);
  image.setText(QStringLiteral("Thumb::Size"), QString::number(info.size()));
  image.setText(QStringLiteral("Software"), QStringLiteral("Velloran"));
  // A thumbnail of a file in the thumbnail folder itself is never stored.
  if (!absolute.startsWith(thumbnailFolder() + QLatin1Char('/'))) storeThumbnail(target, image);
  return image;
}

void ThumbnailCache::finished(const QString& path, const QImage& image) {
  {
    const std::lock_guard<std::mutex> lock(mutex_);
    queued_.remove(path);
  }
  if (image.isNull()) {
    if (failed_.size() >= MaxFailed) failed_.clear();
    failed_.insert(path);
  } else {
    memory_.insert(path, new QImage(image), qMax<qsizetype>(1, image.sizeInBytes()));
  }
  emit ready();
}

}  // namespace vl::gui

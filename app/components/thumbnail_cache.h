// Small thumbnails of picture files for the lists, made in the background and shared with other programs through the freedesktop thumbnail folder.
#pragma once

#include <QCache>
#include <QImage>
#include <QObject>
#include <QSet>
#include <QString>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

namespace vl::gui {

// The freedesktop "normal" thumbnail of the file as the convention names it:
// $XDG_CACHE_HOME/thumbnails/normal/<MD5 of the file's URI>.png (XDG_CACHE_HOME
// defaulting to ~/.cache).
QString FreedesktopThumbnailPath(const QString& absolutePath);

// Hands out thumbnails of at most Side x Side device pixels. thumbnail() answers
// from memory at once, without touching the file (a slow or absent volume never
// holds up a paint); a file not there yet is queued and a worker thread of the
// lowest priority (nice 19, so that a scan or a preview always goes first) takes
// it from the freedesktop folder when that holds a thumbnail
// of the file as it is now (Thumb::URI and Thumb::MTime match), else decodes the
// file, scales it and stores it there (a PNG written through a temporary file,
// synced and renamed, readable by the owner only). The newest requests go first
// and at most MaxQueued wait, so that only the rows on screen are worked on while
// a list is scrolled. At most MemoryBytes of thumbnails stay in memory. `ready`
// is emitted on the owner's thread, at most once per batch of finished files.
class ThumbnailCache : public QObject {
  Q_OBJECT
 public:
  // Decodes a picture file upright, at least as large as the box where it can (a
  // JPEG may decode at a reduced scale); a null picture when it cannot. Runs on the worker.
  using Decoder = std::function<QImage(const QString& path, QSize box)>;

  static constexpr int Side = 128;  // the freedesktop "normal" size
  static constexpr int MaxQueued = 64;
  static constexpr qint64 MemoryBytes = qint64(24) << 20;

  explicit ThumbnailCache(Decoder decoder, QObject* parent = nullptr);
  ~ThumbnailCache() override;

  // The file's thumbnail, or a null picture while it is being made or when the file
  // is no readable picture. A file is looked at once per cache: one changed later
  // keeps its first thumbnail until the next run. O(1).
  QImage thumbnail(const QString& path);

 signals:
  void ready();

 private:
  void run();
  QImage make(const QString& path) const;
  void finished(const QString& path, const QImage& image);

  Decoder decoder_;
  QCache<QString, QImage> memory_;
  QSet<QString> failed_;  // files that gave no thumbnail
  std::mutex mutex_;
  std::condition_variable wake_;
  std::deque<QString> queue_;  // newest first
  QSet<QString> queued_;       // files in the queue or being made
  bool stopping_ = false;
  std::thread worker_;
};

}  // namespace vl::gui

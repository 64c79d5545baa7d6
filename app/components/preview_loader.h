// Decoding previews on a worker thread, with a small cache of decoded pictures and prefetching.
#pragma once

#include <QObject>
#include <QString>
#include <condition_variable>
#include <deque>
#include <list>
#include <mutex>
#include <optional>
#include <thread>

#include "app/components/preview_decoder.h"

namespace vl::gui {

// What to decode: a file, as it is on disk now (size and modification time tell a
// changed file), with the JPEG options.
struct PreviewJob {
  QString path;
  qint64 size = -1;
  qint64 modified = 0;
  JpegPreviewOptions options;
};

// The job for a file as it is on disk now.
PreviewJob MakePreviewJob(const QString& path, const JpegPreviewOptions& options);

// Decodes on two worker threads: one for the panes, one for prefetching, so that
// a pane never waits behind a prefetch. Each of the panes (slots) has at most one
// wanted picture: a new request replaces the slot's earlier one, and only the
// newest request's results are delivered (on the owner's thread, through `ready`).
// Large JPEGs arrive twice: a 1/8 stand-in first, then the picture itself.
// Prefetches only fill the cache. The cache keeps the last
// CacheEntries decoded pictures (at most CacheBytes). Destroying the loader waits
// for the decode in progress.
class PreviewLoader : public QObject {
  Q_OBJECT
 public:
  static constexpr int Slots = 2;
  static constexpr size_t CacheEntries = 10;
  static constexpr qint64 CacheBytes = qint64(480) << 20;

  explicit PreviewLoader(QObject* parent = nullptr);
  ~PreviewLoader() override;

  // A cached picture that serves the job, if any. O(cache entries).
  std::optional<DecodedPreview> cached(const PreviewJob& job);
  // Asks for the job's picture in slot; returns the ticket `ready` will carry.
  quint64 request(int slot, const PreviewJob& job);
  // Forgets the slot's wanted picture (its results are dropped).
  void cancel(int slot);
  // Replaces the queued prefetches.
  void prefetch(std::vector<PreviewJob> jobs);

 signals:
  void ready(int slot, quint64 ticket, const vl::gui::DecodedPreview& preview);

 private:
  struct Wanted {
    PreviewJob job;
    quint64 ticket = 0;
    bool standInDone = false;
  };
  struct CacheEntry {
    PreviewJob job;
    DecodedPreview preview;
  };

  void runPanes();
  void runPrefetches();
  void serveSlot(int slot, Wanted wanted);
  void servePrefetch(const PreviewJob& job);
  std::optional<DecodedPreview> cachedLocked(const PreviewJob& job);
  void store(const PreviewJob& job, const DecodedPreview& preview);
  void deliver(int slot, quint64 ticket, const DecodedPreview& preview);

  std::mutex mutex_;
  std::condition_variable wake_;
  bool stopping_ = false;
  quint64 nextTicket_ = 1;
  std::optional<Wanted> wanted_[Slots];
  std::deque<PreviewJob> prefetches_;
  std::list<CacheEntry> cache_;  // most recently used first
  std::thread paneWorker_;
  std::thread prefetchWorker_;
};

}  // namespace vl::gui

Q_DECLARE_METATYPE(vl::gui::DecodedPreview)

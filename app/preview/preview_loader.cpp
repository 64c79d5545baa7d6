// Decoding previews on a worker thread, with a small cache of decoded pictures and prefetching.
#include "app/preview/preview_loader.h"

#include <QFileInfo>
#include <QMetaObject>
#include <algorithm>

namespace vl::gui {
namespace {

bool sameFile(const PreviewJob& a, const PreviewJob& b) {
  return a.path == b.path && a.size == b.size && a.modified == b.modified && a.options.Fast == b.options.Fast;
}

qint64 bytesOf(const DecodedPreview& preview) { return preview.image.sizeInBytes(); }

}  // namespace

PreviewJob MakePreviewJob(const QString& path, const JpegPreviewOptions& options) {
  const QFileInfo info(path);
  return {path, info.size(), info.lastModified().toMSecsSinceEpoch(), options};
}

PreviewLoader::PreviewLoader(QObject* parent) : QObject(parent) {
  qRegisterMetaType<DecodedPreview>();
  worker_ = std::thread([this] { run(); });
}

PreviewLoader::~PreviewLoader() {
  {
    const std::lock_guard<std::mutex> lock(mutex_);
    stopping_ = true;
  }
  wake_.notify_all();
  worker_.join();
}

std::optional<DecodedPreview> PreviewLoader::cached(const PreviewJob& job) {
  const std::lock_guard<std::mutex> lock(mutex_);
  return cachedLocked(job);
}

std::optional<DecodedPreview> PreviewLoader::cachedLocked(const PreviewJob& job) {
  const auto hit = std::find_if(cache_.begin(), cache_.end(), [&](const CacheEntry& entry) {
    return sameFile(entry.job, job) && PreviewServes(entry.preview, job.options);
  });
  if (hit == cache_.end()) return std::nullopt;
  cache_.splice(cache_.begin(), cache_, hit);
  return hit->preview;
}

quint64 PreviewLoader::request(int slot, const PreviewJob& job) {
  quint64 ticket = 0;
  {
    const std::lock_guard<std::mutex> lock(mutex_);
    ticket = nextTicket_++;
    wanted_[slot] = Wanted{job, ticket, false};
  }
  wake_.notify_all();
  return ticket;
}

void PreviewLoader::cancel(int slot) {
  const std::lock_guard<std::mutex> lock(mutex_);
  wanted_[slot].reset();
}

void PreviewLoader::prefetch(std::vector<PreviewJob> jobs) {
  {
    const std::lock_guard<std::mutex> lock(mutex_);
    prefetches_.assign(std::make_move_iterator(jobs.begin()), std::make_move_iterator(jobs.end()));
  }
  wake_.notify_all();
}

void PreviewLoader::run() {
  std::unique_lock<std::mutex> lock(mutex_);
  for (;;) {
    int slot = -1;
    Wanted wanted;
    PreviewJob prefetchJob;
    if (!takeWork(lock, slot, wanted, prefetchJob)) return;
    lock.unlock();
    if (slot >= 0)
      serveSlot(slot, std::move(wanted));
    else
      servePrefetch(prefetchJob);
    lock.lock();
  }
}

// Waits for work; a waiting pane comes before prefetching. False when stopping.
bool PreviewLoader::takeWork(std::unique_lock<std::mutex>& lock, int& slot, Wanted& wanted, PreviewJob& prefetchJob) {
  for (;;) {
    if (stopping_) return false;
    // The newest request first: it is the one the user looks at.
    const auto newest = std::max_element(std::begin(wanted_), std::end(wanted_), [](const auto& a, const auto& b) {
      return (a ? a->ticket : 0) < (b ? b->ticket : 0);
    });
    if (*newest) {
      slot = int(newest - std::begin(wanted_));
      wanted = **newest;
      // Stays wanted until served, so a cancel or a newer request is seen.
      return true;
    }
    if (!prefetches_.empty()) {
      prefetchJob = std::move(prefetches_.front());
      prefetches_.pop_front();
      return true;
    }
    wake_.wait(lock);
  }
}

void PreviewLoader::serveSlot(int slot, Wanted wanted) {
  std::optional<DecodedPreview> preview = cached(wanted.job);
  if (!preview && !wanted.standInDone && WantsStandIn(wanted.job.path, wanted.job.options)) {
    const DecodedPreview standIn = DecodePreviewFile(wanted.job.path, wanted.job.options, true);
    {
      const std::lock_guard<std::mutex> lock(mutex_);
      if (!wanted_[slot] || wanted_[slot]->ticket != wanted.ticket) return;
      wanted_[slot]->standInDone = true;
    }
    if (standIn.ok) deliver(slot, wanted.ticket, standIn);
    return;
  }
  if (!preview) {
    preview = DecodePreviewFile(wanted.job.path, wanted.job.options);
    if (preview->ok) store(wanted.job, *preview);
  }
  {
    const std::lock_guard<std::mutex> lock(mutex_);
    if (!wanted_[slot] || wanted_[slot]->ticket != wanted.ticket) return;
    wanted_[slot].reset();
  }
  deliver(slot, wanted.ticket, *preview);
}

void PreviewLoader::servePrefetch(const PreviewJob& job) {
  if (cached(job)) return;
  const DecodedPreview preview = DecodePreviewFile(job.path, job.options);
  if (preview.ok) store(job, preview);
}

void PreviewLoader::store(const PreviewJob& job, const DecodedPreview& preview) {
  const std::lock_guard<std::mutex> lock(mutex_);
  if (cachedLocked(job)) return;
  cache_.push_front(CacheEntry{job, preview});
  qint64 bytes = 0;
  for (const CacheEntry& entry : cache_) bytes += bytesOf(entry.preview);
  while (cache_.size() > 1 && (cache_.size() > CacheEntries || bytes > CacheBytes)) {
    bytes -= bytesOf(cache_.back().preview);
    cache_.pop_back();
  }
}

void PreviewLoader::deliver(int slot, quint64 ticket, const DecodedPreview& preview) {
  QMetaObject::invokeMethod(this, [this, slot, ticket, preview] { emit ready(slot, ticket, preview); },
                            Qt::QueuedConnection);
}

}  // namespace vl::gui

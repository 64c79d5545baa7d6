// Decoding previews on a worker thread, with a small cache of decoded pictures and prefetching.
#include "app/components/preview_loader.h"

#include <QFileInfo>
#include <QMetaObject>
#include <algorithm>

namespace vl::gui {
namespace {

bool sameFile(const PreviewJob& a, const PreviewJob& b) {
  return a.path == b.path && a.size == b.size && a.modified == b.modified && a.options.fast == b.options.fast;
}

qint64 bytesOf(const DecodedPreview& preview) { return preview.image.sizeInBytes(); }

}  // namespace

PreviewJob MakePreviewJob(const QString& path, const JpegPreviewOptions& options) {
  const QFileInfo info(path);
  return {path, info.size(), info.lastModified().toMSecsSinceEpoch(), options};
}

PreviewLoader::PreviewLoader(QObject* parent) : QObject(parent) {
  qRegisterMetaType<DecodedPreview>();
  paneWorker_ = std::thread([this] { runPanes(); });
  prefetchWorker_ = std::thread([this] { runPrefetches(); });
}

PreviewLoader::~PreviewLoader() {
  {
    const std::lock_guard<std::mutex> lock(mutex_);
    stopping_ = true;
  }
  wake_.notify_all();
  paneWorker_.join();
  prefetchWorker_.join();
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

// Serves the newest pane request first: it is the one the user looks at. A
// request stays wanted until served, so that a cancel or a newer one is seen.
void PreviewLoader::runPanes() {
  std::unique_lock<std::mutex> lock(mutex_);
  for (;;) {
    const auto newest = std::max_element(std::begin(wanted_), std::end(wanted_), [](const auto& a, const auto& b) {
      return (a ? a->ticket : 0) < (b ? b->ticket : 0);
    });
    if (stopping_) return;
    if (!*newest) {
      wake_.wait(lock);
      continue;
    }
    const int slot = int(newest - std::begin(wanted_));
    Wanted wanted = **newest;
    lock.unlock();
    serveSlot(slot, std::move(wanted));
    lock.lock();
  }
}

void PreviewLoader::runPrefetches() {
  std::unique_lock<std::mutex> lock(mutex_);
  for (;;) {
    if (stopping_) return;
    if (prefetches_.empty()) {
      wake_.wait(lock);
      continue;
    }
    const PreviewJob job = std::move(prefetches_.front());
    prefetches_.pop_front();
    lock.unlock();
    servePrefetch(job);
    lock.lock();
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

// Fingerprinting of scan lists on worker threads, with results taken in list order.
#include "core/fingerprint/fingerprint_pool.h"

#include <malloc.h>

#include <algorithm>
#include <chrono>
#include <exception>
#include <mutex>
#include <optional>

#include "core/fingerprint/fingerprint.h"
#include "core/components/parallel_run.h"
#include "core/fingerprint/fingerprint_cache.h"

namespace vl {

namespace {

constexpr int WaitSliceMs = 20;     // the cancel flag is looked at this often while a decode is awaited
constexpr size_t SlotsPerThread = 8;

// Submits the pictures ahead of the walk that may need decoding while the pool has room.
class LookAhead {
 public:
  LookAhead(const ScanList& list, const ListWalk& walk, FingerprintPool& pool)
      : list_(list), walk_(walk), pool_(pool) {}
  void fill(size_t from) {
    ahead_ = std::max(ahead_, from);
    for (; ahead_ < list_.size() && pool_.hasRoom(); ++ahead_) {
      const TScanEntry& entry = *list_[ahead_];
      if (walk_.mayDecode(entry)) pool_.submit(&entry, entry.Path);
    }
  }

 private:
  const ScanList& list_;
  const ListWalk& walk_;
  FingerprintPool& pool_;
  size_t ahead_ = 0;
};

FingerprintOutcome computeFor(const TScanEntry& entry, const FingerprintOptions& options) {
  return ComputeFingerprint(entry.Path, options.cache, options.signatures, options.decoding);
}

// The outcome for an entry from the pool (decoding it here when it was not looked
// ahead); none when the cancel flag was set while waiting or stopped the decode.
std::optional<FingerprintOutcome> awaitOutcome(FingerprintPool* pool, const TScanEntry& entry,
                                               const FingerprintOptions& options) {
  if (options.decoding.cancelled()) return std::nullopt;
  std::optional<FingerprintOutcome> outcome;
  if (pool == nullptr || !pool->oldestIs(&entry)) {
    outcome = computeFor(entry, options);
  } else {
    while (!pool->waitOldest(WaitSliceMs)) {
      if (options.decoding.cancelled()) return std::nullopt;
    }
    outcome = pool->popOldest();
  }
  if (outcome->cancelled) return std::nullopt;
  return outcome;
}

FingerprintOutcome decode(const std::string& path, bool verified, const DecodeControl& control) {
  FingerprintOutcome outcome;
  VerifiedPrint print;
  try {
    outcome.ok = MakeFingerprint(path, outcome.fingerprint, outcome.width, outcome.height, &outcome.unreadable,
                                 verified ? &print : nullptr, control);
    if (outcome.ok && verified) outcome.verified = print;
  } catch (const std::exception&) {
    outcome.ok = false;
  }
  outcome.cancelled = !outcome.ok && control.cancelled();
  return outcome;
}

void reportCacheWarning(FingerprintCache* cache, ProgressSink& sink) {
  if (cache == nullptr) return;
  if (const auto warning = cache->takeWarning()) sink.warning(*warning);
}

}  // namespace

void StoreOutcome(TScanEntry& entry, const FingerprintOutcome& outcome, bool verifying, bool verifiedGrid) {
  if (!outcome.ok) return;
  const VerifiedPrint* print = verifying && outcome.verified ? &*outcome.verified : nullptr;
  const TFingerprint grid = !print ? outcome.fingerprint
                            : verifiedGrid ? print->uprightGrid()
                                           : OrientGrid(outcome.fingerprint, print->orientation);
  entry.Fingerprint = std::make_unique<TFingerprint>(grid);
  entry.ClassicFingerprint = grid == outcome.fingerprint ? nullptr : std::make_unique<TFingerprint>(outcome.fingerprint);
  entry.Width = outcome.width;
  entry.Height = outcome.height;
  entry.Signature = print ? std::optional(print->uprightSignature()) : std::nullopt;
}

FingerprintOutcome ComputeFingerprint(const std::string& path, FingerprintCache* cache, bool verified,
                                      const DecodeControl& control) {
  const auto key = cache != nullptr ? StatFileKey(path) : std::nullopt;
  if (!key) return decode(path, verified, control);
  if (auto stored = cache->lookup(path, *key, verified)) return *stored;
  const FingerprintOutcome outcome = decode(path, verified, control);
  if (!outcome.unreadable && !outcome.cancelled) cache->store(path, *key, outcome);
  return outcome;
}

FingerprintPool::FingerprintPool(int threads, size_t window, FingerprintCache* cache, bool signatures,
                                 const DecodeControl& control)
    : window_(std::max<size_t>(window, 1)), cache_(cache), signatures_(signatures), control_(control) {
  for (int i = 0; i < threads; ++i) threads_.emplace_back([this] { work(); });
}

FingerprintPool::~FingerprintPool() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  wake_.notify_all();
  for (auto& thread : threads_) thread.join();
}

void FingerprintPool::submit(const void* tag, const std::string& path) {
  // A picture the cache holds is done at once, without waking a worker.
  if (const auto key = cache_ != nullptr ? StatFileKey(path) : std::nullopt) {
    if (const auto stored = cache_->lookup(path, *key, signatures_)) {
      std::lock_guard lock(mutex_);
      slots_.push_back(Slot{tag, path, true, *stored});
      return;
    }
  }
  {
    std::lock_guard lock(mutex_);
    slots_.push_back(Slot{tag, path, false, {}});
    todo_.push_back(&slots_.back());
  }
  wake_.notify_one();
}

bool FingerprintPool::waitOldest(int milliseconds) {
  std::unique_lock lock(mutex_);
  return finished_.wait_for(lock, std::chrono::milliseconds(milliseconds), [this] { return slots_.front().done; });
}

FingerprintOutcome FingerprintPool::popOldest() {
  std::lock_guard lock(mutex_);
  FingerprintOutcome outcome = slots_.front().outcome;
  slots_.pop_front();
  return outcome;
}

void FingerprintPool::dropOldest() {
  std::unique_lock lock(mutex_);
  Slot* oldest = &slots_.front();
  const auto queued = std::find(todo_.begin(), todo_.end(), oldest);
  if (queued != todo_.end()) todo_.erase(queued);
  else finished_.wait(lock, [oldest] { return oldest->done; });
  slots_.pop_front();
}

void FingerprintPool::work() {
  std::unique_lock lock(mutex_);
  for (;;) {
    wake_.wait(lock, [this] { return stopping_ || !todo_.empty(); });
    if (stopping_) return;
    Slot* slot = todo_.front();
    todo_.pop_front();
    const std::string path = slot->path;
    lock.unlock();
    const FingerprintOutcome outcome = ComputeFingerprint(path, cache_, signatures_, control_);
    lock.lock();
    slot->outcome = outcome;
    slot->done = true;
    finished_.notify_all();
  }
}

namespace {

// The walk of FingerprintList; its pool's workers have finished when it returns.
// Gives the count of files that could not be read.
size_t walkList(ScanList& list, const ListWalk& walk, const FingerprintOptions& options, ProgressSink& sink) {
  const int jobs = ResolveJobs(options.jobs);
  std::optional<FingerprintPool> pool;
  std::optional<LookAhead> ahead;
  if (jobs > 1)
    ahead.emplace(list, walk,
                  pool.emplace(jobs, SlotsPerThread * size_t(jobs), options.cache, options.signatures, options.decoding));
  // Entries are removed by compaction: kept entries move down to `kept`, so the
  // list's current count is the kept entries plus those not yet visited, exactly
  // as if each were erased in place.
  const size_t total = list.size();
  size_t kept = 0;
  size_t next = 0;
  size_t unreadable = 0;
  for (; next < total; ++next) {
    if (!walk.checkpoint(kept, kept + total - next)) break;
    if (ahead) ahead->fill(next);
    TScanEntry& entry = *list[next];
    const EntryAction action = walk.classify(entry);
    if (action == EntryAction::Decode) {
      const auto outcome = awaitOutcome(pool ? &*pool : nullptr, entry, options);
      if (!outcome) break;
      StoreOutcome(entry, *outcome, options.signatures, options.verifiedGrids);
      if (outcome->unreadable) {
        ++unreadable;
        if (walk.unreadable) walk.unreadable(entry);
      }
      reportCacheWarning(options.cache, sink);
    } else if (pool && pool->oldestIs(&entry)) {
      pool->dropOldest();
    }
    if (action == EntryAction::Drop) continue;
    if (kept != next) list[kept] = std::move(list[next]);
    ++kept;
  }
  for (; next < total; ++next, ++kept) {
    if (kept != next) list[kept] = std::move(list[next]);
  }
  list.resize(kept);
  return unreadable;
}

}  // namespace

// Decoding a photograph allocates and frees buffers of megabytes. glibc would map
// and unmap each one, and the page faults of refilling them cost a quarter of the
// decoding time and serialise the threads, so they are kept in the heap instead.
void KeepLargeBuffersInHeap() {
  static std::once_flag once;
  std::call_once(once, [] {
    mallopt(M_MMAP_THRESHOLD, 64 << 20);
    mallopt(M_TRIM_THRESHOLD, 256 << 20);
  });
}

size_t FingerprintList(ScanList& list, const ListWalk& walk, const FingerprintOptions& options, ProgressSink& sink) {
  KeepLargeBuffersInHeap();
  const size_t unreadable = walkList(list, walk, options, sink);
  if (options.cache == nullptr) return unreadable;
  options.cache->flush();
  reportCacheWarning(options.cache, sink);
  return unreadable;
}

}  // namespace vl

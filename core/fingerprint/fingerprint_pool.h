// Fingerprinting of scan lists on worker threads, with results taken in list order.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "core/components/job_progress.h"
#include "core/fingerprint/fingerprint.h"
#include "core/fingerprint/scan_entry.h"

namespace vl {

class FingerprintCache;

// How a fingerprinting pass does its work; nothing here changes a result.
struct FingerprintOptions {
  int jobs = 1;  // worker threads; 1 decodes on the calling thread, 0 = hardware threads
  FingerprintCache* cache = nullptr;  // results of earlier runs; none: decode every picture
  // A verifying read: each entry gets the signature of its picture as shown (turned as
  // its orientation tag says) and, with verifiedGrids, the verified grid instead of
  // the fingerprint (else the fingerprint, turned the same way).
  bool signatures = false;
  bool verifiedGrids = true;
  // The memory budget the decodes share and the flag that stops them and the pass
  // (a CancelToken's flag; none: the pass runs to its end).
  DecodeControl decoding{};
};

// MakeFingerprint on one path; a thrown error counts as a failure. With a cache the
// file is stat()ed first (before it is read, so a file changed meanwhile gets a new
// key), a matching stored result is given without decoding, and a decoded result
// is stored unless the file could not be read or the decode was cancelled. With
// `verified` the outcome carries the verified print too (a stored result without one
// is decoded anew). Thread-safe.
FingerprintOutcome ComputeFingerprint(const std::string& path, FingerprintCache* cache = nullptr,
                                      bool verified = false, const DecodeControl& control = {});

// Stores a successful outcome in the entry: its width and height, and either the
// fingerprint (no signature) or, for a verifying read, the upright signature and the
// upright verified grid (or fingerprint, without verifiedGrid). A failed outcome
// leaves the entry alone. O(100).
void StoreOutcome(TScanEntry& entry, const FingerprintOutcome& outcome, bool verifying, bool verifiedGrid = true);

// A fixed set of worker threads decoding submitted pictures. At most `window`
// pictures are in flight; results are taken oldest first, each identified by the
// tag it was submitted with. All calls come from one consumer thread.
class FingerprintPool {
 public:
  FingerprintPool(int threads, size_t window, FingerprintCache* cache = nullptr, bool signatures = false,
                  const DecodeControl& control = {});
  ~FingerprintPool();
  FingerprintPool(const FingerprintPool&) = delete;
  FingerprintPool& operator=(const FingerprintPool&) = delete;

  bool hasRoom() const { return slots_.size() < window_; }
  void submit(const void* tag, const std::string& path);
  // True when the oldest picture has the tag (it may still be decoding).
  bool oldestIs(const void* tag) const { return !slots_.empty() && slots_.front().tag == tag; }
  // Waits at most `milliseconds` for the oldest picture; true when it is done.
  bool waitOldest(int milliseconds);
  // Removes the oldest picture, which must be done, and gives its outcome.
  FingerprintOutcome popOldest();
  // Removes the oldest picture, waiting for its worker when it is still decoding.
  void dropOldest();

 private:
  struct Slot {
    const void* tag;
    std::string path;
    bool done = false;
    FingerprintOutcome outcome;
  };
  void work();

  size_t window_;
  FingerprintCache* cache_;
  bool signatures_;
  DecodeControl control_;
  std::deque<Slot> slots_;    // in submission order; the consumer pops done slots only
  std::deque<Slot*> todo_;    // slots no worker has taken yet
  std::mutex mutex_;
  std::condition_variable wake_;
  std::condition_variable finished_;
  bool stopping_ = false;
  std::vector<std::thread> threads_;
};

// The rules of one fingerprinting walk over a list.
enum class EntryAction { Keep, Drop, Decode };
struct ListWalk {
  // Runs before each position with the kept count and the list's current count;
  // false stops the walk (progress and the cancel test live here).
  std::function<bool(size_t kept, size_t count)> checkpoint;
  // Without side effects: true for every entry `classify` may answer Decode for.
  std::function<bool(const TScanEntry&)> mayDecode;
  // At the entry's turn: keep it as it is, drop it, or decode it (and keep it).
  std::function<EntryAction(TScanEntry&)> classify;
  // When given: told of each decoded file that could not be opened or read.
  std::function<void(const TScanEntry&)> unreadable;
};

// Walks the list in order by the rules, removing dropped entries by compaction and
// storing each outcome by StoreOutcome. With more than one job the pictures ahead of
// the walk are decoded on a pool, a bounded window at a time. The options' cancel
// flag stops the walk before the next decode (it is looked at every 20 ms while a
// result is awaited) and the decodes themselves within a few rows; a stopped walk
// leaves the unvisited entries (the one being decoded included) as they were. With a
// cache, its queued results are written at the end and its warning, if it turned
// itself off, goes to sink.warning. Gives the count of decoded files that could not
// be opened or read (they stay without a fingerprint).
size_t FingerprintList(ScanList& list, const ListWalk& walk, const FingerprintOptions& options, ProgressSink& sink);

}  // namespace vl

// What a picture decode may use and when it must stop: the memory budget shared by decoding threads, and the cancel flag.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <mutex>

namespace vl {

// Memory that decodes running at the same time may hold together, in bytes. A taker
// waits (in arrival order) until its bytes fit beside what the others hold; a request
// larger than the whole capacity waits until nothing else is held and then runs alone.
// Thread-safe; each take or give is one lock.
class DecodeBudget {
 public:
  explicit DecodeBudget(uint64_t capacity) : capacity_(capacity) {}
  DecodeBudget(const DecodeBudget&) = delete;
  DecodeBudget& operator=(const DecodeBudget&) = delete;

  uint64_t capacity() const { return capacity_; }
  // The most ever held at once since construction (or the last resetPeak).
  uint64_t peak();
  void resetPeak();
  // How many takes are waiting now.
  size_t waiting();

  // Waits for `bytes`; false (and nothing taken) when `cancel` is set meanwhile. The
  // flag is looked at every 20 ms while waiting.
  bool take(uint64_t bytes, const std::atomic<bool>* cancel);
  // Takes `bytes` only when nobody waits and they fit now; never waits.
  bool tryTake(uint64_t bytes);
  void give(uint64_t bytes);

 private:
  bool fits(uint64_t bytes) const { return held_ == 0 || held_ + bytes <= capacity_; }
  void hold(uint64_t bytes);

  const uint64_t capacity_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<uint64_t> waiting_;  // tickets in arrival order; the front one is served next
  uint64_t nextTicket_ = 0;
  uint64_t held_ = 0;
  uint64_t peak_ = 0;
};

// The budget the fingerprinting of this process shares unless told otherwise.
DecodeBudget& SharedDecodeBudget();

// Pictures whose decoded bitmap has at most this many pixels are decoded whole;
// larger ones are read twice, keeping only the pixels a fingerprint reads.
inline constexpr uint64_t DefaultWholePixels = uint64_t(32) << 20;

// The most memory one decode may take besides the file's bytes (the library's
// buffers and the pixels kept): a picture that needs more, such as a lossless WebP
// or a HEIF picture above about 58 megapixels, is not read, so that a small crafted
// file declaring a huge picture cannot take the machine's memory.
inline constexpr uint64_t MaxDecodeBytes = uint64_t(448) << 20;

// How one picture is decoded. Nothing here changes a fingerprint.
struct DecodeControl {
  // When set, decoders look at it between rows and stop (failing) once it is set.
  const std::atomic<bool>* cancel = nullptr;
  // The memory a decode holds while it runs; none: not counted.
  DecodeBudget* budget = &SharedDecodeBudget();
  uint64_t wholePixels = DefaultWholePixels;
  // A decode that needs more than this besides the file's bytes is refused.
  uint64_t maxDecodeBytes = MaxDecodeBytes;

  bool cancelled() const { return cancel != nullptr && cancel->load(std::memory_order_relaxed); }
};

// Bytes held from a budget for the life of the object (nothing without a budget).
class BudgetHold {
 public:
  explicit BudgetHold(const DecodeControl& control) : budget_(control.budget), cancel_(control.cancel) {}
  ~BudgetHold() { resize(0); }
  BudgetHold(const BudgetHold&) = delete;
  BudgetHold& operator=(const BudgetHold&) = delete;

  // Holds `bytes` in all. Growing takes the difference at once when it fits, else
  // gives everything back and waits for the whole amount, so that two growing holds
  // never wait for each other. False when cancelled while waiting (nothing is held then).
  bool resize(uint64_t bytes);
  uint64_t bytes() const { return held_; }

 private:
  DecodeBudget* budget_;
  const std::atomic<bool>* cancel_;
  uint64_t held_ = 0;
};

}  // namespace vl

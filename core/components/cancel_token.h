// The cancel token a caller owns and hands to a long operation.
#pragma once

#include <atomic>

namespace vl {

// Set once by whoever owns it (a Cancel button, Ctrl-C, closing the window) and looked
// at by the operation between its steps and inside long decodes and file reads.
// Thread-safe and lock-free: cancel() may be called from a signal handler.
class CancelToken {
 public:
  void cancel() { flag_.store(true, std::memory_order_relaxed); }
  bool cancelled() const { return flag_.load(std::memory_order_relaxed); }
  // The flag itself, for the decoders' DecodeControl.
  const std::atomic<bool>& flag() const { return flag_; }

 private:
  std::atomic<bool> flag_{false};
};

}  // namespace vl

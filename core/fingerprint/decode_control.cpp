// The decoding memory budget: takers served in arrival order, a cancel flag looked at while waiting.
#include "core/fingerprint/decode_control.h"

#include <algorithm>
#include <chrono>

namespace vl {

namespace {

constexpr auto CancelCheck = std::chrono::milliseconds(20);

// Enough for two pictures decoded whole at the largest whole size, with their
// libraries' buffers beside them.
constexpr uint64_t SharedBudgetBytes = uint64_t(320) << 20;

}  // namespace

DecodeBudget& SharedDecodeBudget() {
  static DecodeBudget budget(SharedBudgetBytes);
  return budget;
}

uint64_t DecodeBudget::peak() {
  std::lock_guard lock(mutex_);
  return peak_;
}

size_t DecodeBudget::waiting() {
  std::lock_guard lock(mutex_);
  return waiting_.size();
}

void DecodeBudget::resetPeak() {
  std::lock_guard lock(mutex_);
  peak_ = held_;
}

void DecodeBudget::hold(uint64_t bytes) {
  held_ += bytes;
  peak_ = std::max(peak_, held_);
}

bool DecodeBudget::take(uint64_t bytes, const std::atomic<bool>* cancel) {
  std::unique_lock lock(mutex_);
  const uint64_t ticket = nextTicket_++;
  waiting_.push_back(ticket);
  const auto served = [&] { return waiting_.front() == ticket && fits(bytes); };
  while (!served()) {
    if (cancel != nullptr && cancel->load(std::memory_order_relaxed)) {
      waiting_.erase(std::find(waiting_.begin(), waiting_.end(), ticket));
      changed_.notify_all();  // the next ticket may be served now
      return false;
    }
    changed_.wait_for(lock, CancelCheck);
  }
  waiting_.pop_front();
  hold(bytes);
  changed_.notify_all();  // the next ticket may fit beside this one
  return true;
}

bool DecodeBudget::tryTake(uint64_t bytes) {
  std::lock_guard lock(mutex_);
  if (!waiting_.empty() || !fits(bytes)) return false;
  hold(bytes);
  return true;
}

void DecodeBudget::give(uint64_t bytes) {
  {
    std::lock_guard lock(mutex_);
    held_ -= std::min(held_, bytes);
  }
  changed_.notify_all();
}

bool BudgetHold::resize(uint64_t bytes) {
  if (budget_ == nullptr || bytes == held_) {
    held_ = bytes;
    return true;
  }
  if (bytes < held_) {
    budget_->give(held_ - bytes);
  } else if (!budget_->tryTake(bytes - held_)) {
    budget_->give(held_);
    held_ = 0;
    if (!budget_->take(bytes, cancel_)) return false;
  }
  held_ = bytes;
  return true;
}

}  // namespace vl

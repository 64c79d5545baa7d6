// A host for benchmarks that records the time between event pumps and shows nothing.
#pragma once

#include <chrono>
#include <string>
#include <vector>

#include "core/scan/scan_driver.h"

namespace vl::bench {

// Each processEvents call adds the milliseconds since the previous one (or since
// construction) to gapsMs; questions answer yes. O(1) per call.
class TimingHost : public ScanHost {
 public:
  using Clock = std::chrono::steady_clock;

  void phase(const std::string&) override {}
  void progress(size_t, size_t) override {}
  void clearProgress() override {}
  void processEvents() override {
    const auto now = Clock::now();
    gapsMs.push_back(std::chrono::duration<double, std::milli>(now - last).count());
    last = now;
  }
  void showMessage(MessageKind, const std::string&) override {}
  bool askYesNo(const std::string&) override { return true; }
  void beep() override {}
  void pushCursor(BusyCursor) override {}
  void popCursor() override {}

  Clock::time_point last = Clock::now();
  std::vector<double> gapsMs;
};

}  // namespace vl::bench

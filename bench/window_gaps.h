// How long a window's thread goes without handling a 10 ms timer while a job runs.
#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <vector>

namespace vl::bench {

// A 10 ms timer on the window's thread: each tick notes the milliseconds since the
// one before, so the longest gap is the longest the window was frozen. Message boxes
// that open meanwhile are closed with their default button.
class TimerGaps {
 public:
  TimerGaps() {
    timer_.setInterval(10);
    QObject::connect(&timer_, &QTimer::timeout, [this] { tick(); });
  }
  void start() {
    gaps_.clear();
    clock_.start();
    timer_.start();
  }
  void stop() { timer_.stop(); }
  // Runs the event loop until done() holds (looked at every tick).
  void runUntil(const std::function<bool()>& done) {
    while (!done()) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
  }
  double longestMs() const { return gaps_.empty() ? 0 : *std::max_element(gaps_.begin(), gaps_.end()); }
  double percentileMs(double share) const {
    if (gaps_.empty()) return 0;
    std::vector<double> sorted = gaps_;
    std::sort(sorted.begin(), sorted.end());
    return sorted[size_t(double(sorted.size() - 1) * share)];
  }
  size_t ticks() const { return gaps_.size(); }

 private:
  void tick() {
    gaps_.push_back(double(clock_.nsecsElapsed()) / 1e6);
    clock_.restart();
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) box->done(QMessageBox::Ok);
  }

  QTimer timer_;
  QElapsedTimer clock_;
  std::vector<double> gaps_;
};

}  // namespace vl::bench

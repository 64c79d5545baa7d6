// The command line's Host: phases, progress and messages on standard error, Ctrl-C as Cancel.
#include "cli/cli_host.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <csignal>
#include <cstdio>
#include <deque>
#include <mutex>
#include <thread>
#include <unistd.h>

namespace vl::cli {

namespace {

void onInterrupt(int) { InterruptToken().cancel(); }

constexpr int BarWidth = 30;
constexpr auto RedrawEvery = std::chrono::milliseconds(100);

// What a job reported and the printing thread has not printed yet: phase and warning
// lines in order, and the latest count. Thread-safe.
class PendingReports : public ProgressSink {
 public:
  struct Line {
    bool warning;
    std::string text;
  };

  void report(const JobProgress& progress) override {
    std::lock_guard lock(mutex_);
    if (progress.phase != latest_.phase) lines_.push_back({false, PhaseText(progress.phase)});
    latest_ = progress;
  }
  void warning(const std::string& text) override {
    std::lock_guard lock(mutex_);
    lines_.push_back({true, text});
  }
  void finish() {
    std::lock_guard lock(mutex_);
    finished_ = true;
    wake_.notify_all();
  }
  // Waits up to `wait` or until the job ends; gives the lines since the last call,
  // the latest count, and whether the job has ended.
  bool take(std::deque<Line>& lines, JobProgress& latest, std::chrono::milliseconds wait) {
    std::unique_lock lock(mutex_);
    wake_.wait_for(lock, wait, [this] { return finished_; });
    lines.swap(lines_);
    latest = latest_;
    return finished_;
  }

 private:
  std::mutex mutex_;
  std::condition_variable wake_;
  std::deque<Line> lines_;
  JobProgress latest_;
  bool finished_ = false;
};

// "[#######.......] 120 / 400  about 0:12 left" for a counted phase.
std::string barText(const JobProgress& progress, const TimeLeft& timeLeft) {
  const size_t done = std::min(progress.current, progress.total);
  const int filled = int(done * BarWidth / std::max<size_t>(progress.total, 1));
  std::string text = "[" + std::string(size_t(filled), '#') + std::string(size_t(BarWidth - filled), '.') + "] " +
                     ProgressText(progress.current, progress.total);
  if (const auto seconds = timeLeft.seconds()) text += "  " + TimeLeftText(*seconds);
  return text;
}

}  // namespace

CancelToken& InterruptToken() {
  static CancelToken token;
  return token;
}

void InstallCancelOnInterrupt() {
  struct sigaction action {};
  action.sa_handler = onInterrupt;
  sigemptyset(&action.sa_mask);
  sigaction(SIGINT, &action, nullptr);
}

CliHost::CliHost() : terminal_(::isatty(STDERR_FILENO) != 0) {}

CliHost::~CliHost() { eraseProgress(); }

void CliHost::eraseProgress() {
  if (!progressShown_) return;
  std::fputs("\r\033[K", stderr);
  progressShown_ = false;
}

void CliHost::phase(const std::string& text) {
  if (text.empty() || text == lastPhase_) return;
  lastPhase_ = text;
  eraseProgress();
  std::fprintf(stderr, "%s\n", text.c_str());
}

void CliHost::progress(size_t current, size_t total) { showBar(ProgressText(current, total)); }

void CliHost::showBar(const std::string& text) {
  if (!terminal_) return;
  eraseProgress();
  std::fputs(text.c_str(), stderr);
  progressShown_ = true;
  std::fflush(stderr);
}

void CliHost::clearProgress() {
  if (!terminal_) return;
  eraseProgress();
  std::fflush(stderr);
}

void CliHost::showMessage(MessageKind kind, const std::string& text) {
  eraseProgress();
  if (kind == MessageKind::Error) ++errors_;
  std::fprintf(stderr, "%s\n", text.c_str());
}

void CliHost::warning(const std::string& text) {
  eraseProgress();
  std::fprintf(stderr, "velloran-cli: warning: %s\n", text.c_str());
}

bool CliHost::askYesNo(const std::string& text) {
  eraseProgress();
  std::fprintf(stderr, "%s Yes\n", text.c_str());
  return true;
}

bool LockWaiting(FileLock& lock, const std::string& fileName) {
  try {
    if (!lock.tryLock()) std::fprintf(stderr, "velloran-cli: waiting for another program to finish with %s\n", fileName.c_str());
    while (!lock.tryLock()) {
      if (InterruptToken().cancelled()) return false;
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return true;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "velloran-cli: %s\n", e.what());
    return false;
  }
}

void RunJob(CliHost& host, const std::function<void(const CancelToken&, ProgressSink&)>& job) {
  InstallCancelOnInterrupt();
  PendingReports pending;
  std::thread worker([&] {
    job(InterruptToken(), pending);
    pending.finish();
  });
  TimeLeft timeLeft;
  std::deque<PendingReports::Line> lines;
  JobProgress latest;
  bool finished = false;
  while (!finished) {
    finished = pending.take(lines, latest, RedrawEvery);
    for (const PendingReports::Line& line : lines) line.warning ? host.warning(line.text) : host.phase(line.text);
    lines.clear();
    timeLeft.note(latest);
    if (!finished && latest.total > 0) host.showBar(barText(latest, timeLeft));
  }
  worker.join();
  host.clearProgress();
}

}  // namespace vl::cli

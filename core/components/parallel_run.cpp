// Thread fan-out with an idle callback on the calling thread.
#include "core/components/parallel_run.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

namespace vl {

int ResolveJobs(int jobs) {
  if (jobs > 0) return std::min(jobs, MaxJobs);
  return std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
}

bool RunInParallel(size_t count, int jobs, const std::function<void(size_t)>& work,
                   const std::function<bool()>& idle) {
  if (count == 0) return !idle || idle();
  const size_t threads = std::min<size_t>(size_t(ResolveJobs(jobs)), count);
  std::atomic<size_t> next{0};
  std::atomic<bool> stop{false};
  std::mutex mutex;
  std::condition_variable finished;
  size_t running = threads;
  std::vector<std::thread> workers;
  workers.reserve(threads);
  for (size_t t = 0; t < threads; ++t) {
    workers.emplace_back([&] {
      for (size_t i = next++; i < count && !stop; i = next++) work(i);
      std::lock_guard lock(mutex);
      --running;
      finished.notify_one();
    });
  }
  {
    std::unique_lock lock(mutex);
    while (!finished.wait_for(lock, std::chrono::milliseconds(20), [&] { return running == 0; })) {
      lock.unlock();
      if (idle && !idle()) stop = true;
      lock.lock();
    }
  }
  for (std::thread& worker : workers) worker.join();
  return !stop;
}

}  // namespace vl

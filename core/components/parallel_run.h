// Running independent pieces of work on threads while the calling thread watches for a stop.
#pragma once

#include <cstddef>
#include <functional>

namespace vl {

// The most worker threads a job count may ask for: a damaged settings file must not
// start a million threads.
constexpr int MaxJobs = 256;

// The number of worker threads `jobs` stands for: 0 (or less) the hardware threads,
// at least 1 and at most MaxJobs.
int ResolveJobs(int jobs);

// Runs work(i) for every i in [0, count) on up to `jobs` threads (0 = hardware
// threads), each piece taken by the next free thread. Meanwhile the calling thread
// calls idle() (the cancel test) every 20 ms; when it returns false the threads stop after their
// current piece and the result is false. work must be safe to run concurrently.
bool RunInParallel(size_t count, int jobs, const std::function<void(size_t)>& work,
                   const std::function<bool()>& idle);

}  // namespace vl

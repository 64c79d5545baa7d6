// Running independent pieces of work on threads while the calling thread stays responsive.
#pragma once

#include <cstddef>
#include <functional>

namespace vl {

// The number of worker threads `jobs` stands for (at least 1; 0 = hardware threads).
int ResolveJobs(int jobs);

// Runs work(i) for every i in [0, count) on up to `jobs` threads (0 = hardware
// threads), each piece taken by the next free thread. Meanwhile the calling thread
// calls idle() every 20 ms; when it returns false the threads stop after their
// current piece and the result is false. work must be safe to run concurrently.
bool RunInParallel(size_t count, int jobs, const std::function<void(size_t)>& work,
                   const std::function<bool()>& idle);

}  // namespace vl

// The process-wide cancel flag and the progress text.
#include "core/host.h"

namespace vl {

std::atomic<bool> ScanCancelled{false};

std::string ProgressText(size_t current, size_t total) { return std::to_string(current) + " / " + std::to_string(total); }

}  // namespace vl

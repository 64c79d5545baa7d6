// The process-wide cancel flag.
#include "core/host.h"

namespace vl {

std::atomic<bool> ScanCancelled{false};

}  // namespace vl

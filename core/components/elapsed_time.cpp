// The elapsed-time text of the scan and database summaries.
#include "core/components/elapsed_time.h"

#include <cmath>

namespace vl {

std::string ElapsedText(double seconds) {
  const long long total = seconds > 0 ? static_cast<long long>(std::floor(seconds)) : 0;
  const long long secs = total % 60;
  return std::to_string(total / 3600) + ":" + std::to_string(total / 60 % 60) + ":" + (secs < 10 ? "0" : "") +
         std::to_string(secs);
}

}  // namespace vl

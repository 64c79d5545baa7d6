// The error count of two fingerprint grids, the measure by which pictures pair.
#include "core/fingerprint/grid_errors.h"

#include <cstdlib>

namespace vl {

int FingerprintErrors(const TFingerprint& a, const TFingerprint& b, int limit) {
  int sum = 0;
  for (int y = 0; y < GridHeight; ++y) {
    for (int x = 0; x < GridWidth; ++x) {
      const int k = x * GridHeight + y;
      const int d = std::abs(a[k] - b[k]);
      sum += d == 3 ? 4 : d;
      if (sum > limit) return sum;
    }
  }
  return sum;
}

}  // namespace vl

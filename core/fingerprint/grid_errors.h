// The error count of two fingerprint grids, the measure by which pictures pair.
#pragma once

#include "core/fingerprint/scan_entry.h"

namespace vl {

// The error count of two fingerprints, cells taken row by row (y outer, x inner,
// k = x * 10 + y); a difference of 3 counts 4. Returns the running count as soon
// as it exceeds limit. O(100).
int FingerprintErrors(const TFingerprint& a, const TFingerprint& b, int limit);

}  // namespace vl

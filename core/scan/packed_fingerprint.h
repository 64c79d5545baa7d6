// Fingerprints packed into two bit planes, for error counts in a few word operations.
#pragma once

#include <array>
#include <bit>
#include <cstdint>

#include "core/fingerprint/scan_entry.h"

namespace vl {

// Bit k of `low` and `high` (word k / 64, bit k % 64) holds bit 0 and bit 1 of the
// tone code in fingerprint byte k.
struct PackedFingerprint {
  std::array<uint64_t, 2> low{};
  std::array<uint64_t, 2> high{};
  bool operator==(const PackedFingerprint&) const = default;
};

PackedFingerprint PackFingerprint(const TFingerprint& fingerprint);

// The full error count of two fingerprints, equal to FingerprintErrors whenever that
// is within its limit. Per cell the planes' xor tells the tone difference: only the
// low bit differs (1), only the high bit (2), both (3 when the code's bits agree,
// as in 0 and 3, which counts 4; else 1 and 2, which counts 1). O(1).
inline int PackedErrors(const PackedFingerprint& a, const PackedFingerprint& b) {
  int sum = 0;
  for (int w = 0; w < 2; ++w) {
    const uint64_t x0 = a.low[w] ^ b.low[w];
    const uint64_t x1 = a.high[w] ^ b.high[w];
    const uint64_t split = a.high[w] ^ a.low[w];  // 1 where a's code is 1 or 2
    const uint64_t both = x0 & x1;
    sum += std::popcount((x0 & ~x1) | (both & split)) + 2 * std::popcount(x1 & ~x0) +
           4 * std::popcount(both & ~split);
  }
  return sum;
}

}  // namespace vl

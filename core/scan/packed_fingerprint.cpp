// Packing of fingerprints into bit planes.
#include "core/scan/packed_fingerprint.h"

namespace vl {

PackedFingerprint PackFingerprint(const TFingerprint& fingerprint) {
  PackedFingerprint packed;
  for (size_t k = 0; k < FingerprintSize; ++k) {
    const uint64_t bit = uint64_t(1) << (k % 64);
    if (fingerprint[k] & 1) packed.low[k / 64] |= bit;
    if (fingerprint[k] & 2) packed.high[k / 64] |= bit;
  }
  return packed;
}

}  // namespace vl

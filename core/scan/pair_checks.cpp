// The verification of picture pairs by their signatures, a check run after the fingerprint search.
#include "core/scan/pairing.h"

namespace vl {

PairCheck SignatureCheck(const ScanList& heads, const ScanList& candidates, int maxDistance) {
  return [&heads, &candidates, maxDistance](size_t head, size_t candidate, Orientations orientations) {
    const std::optional<uint64_t>& a = heads[head]->Signature;
    const std::optional<uint64_t>& b = candidates[candidate]->Signature;
    if (!a || !b) return true;
    for (int o = 0; o < OrientationCount; ++o)
      if ((orientations >> o & 1) != 0 && SignatureDistance(OrientSignature(*a, o), *b) <= maxDistance) return true;
    return false;
  };
}

}  // namespace vl

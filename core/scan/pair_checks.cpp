// The verification of picture pairs by their signatures, a check run after the fingerprint search.
#include "core/scan/pairing.h"

namespace vl {

PairCheck SignatureCheck(const ScanList& heads, const ScanList& candidates) {
  return [&heads, &candidates](size_t head, size_t candidate, Orientations orientations) {
    const std::optional<PictureSignature>& a = heads[head]->Signature;
    const std::optional<PictureSignature>& b = candidates[candidate]->Signature;
    if (!a || !b) return true;
    for (int o = 0; o < OrientationCount; ++o)
      if ((orientations >> o & 1) != 0 && SignaturesMatch(o == 0 ? *a : OrientSignature(*a, o), *b)) return true;
    return false;
  };
}

}  // namespace vl

// The plain image pairing loops: every pair compared, as the reference for faster paths.
#include <cstdlib>

#include "core/scan/pairing.h"
#include "core/scan/not_duplicates.h"

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

bool PairImagesSelf(const ScanList& compare, int fuzzFactor, const PairingProgress& progress, const GroupSink& sink,
                    const NotDuplicateFilter* notDuplicates) {
  const size_t count = compare.size();
  // An entry taken into a group loses its part in later comparisons, like one without a fingerprint.
  std::vector<const TFingerprint*> live(count);
  for (size_t i = 0; i < count; ++i) live[i] = compare[i]->Fingerprint.get();
  for (size_t i = 0; i < count; ++i) {
    if (i % 5 == 0 && !progress(i, count)) return false;
    if (live[i] == nullptr) continue;
    PairedGroup group{i, {}};
    for (size_t j = i + 1; j < count; ++j) {
      if (live[j] == nullptr) continue;
      const int errors = FingerprintErrors(*live[i], *live[j], fuzzFactor);
      if (errors > fuzzFactor || SameFile(*compare[i], *compare[j]) ||
          RejectedPair(notDuplicates, *compare[i], *compare[j]))
        continue;
      group.duplicates.push_back({j, errors});
      live[j] = nullptr;
    }
    if (!group.duplicates.empty()) sink(group);
  }
  return true;
}

bool PairImagesAgainstBase(const ScanList& base, const ScanList& compare, int fuzzFactor,
                           const PairingProgress& progress, const GroupSink& sink,
                           const NotDuplicateFilter* notDuplicates) {
  const size_t count = base.size();
  for (size_t i = 0; i < count; ++i) {
    if (i % 5 == 0 && !progress(i, count)) return false;
    const TScanEntry& head = *base[i];
    if (!head.Fingerprint) continue;
    PairedGroup group{i, {}};
    for (size_t j = 0; j < compare.size(); ++j) {
      const TScanEntry& candidate = *compare[j];
      if (!candidate.Fingerprint || SameFile(head, candidate)) continue;
      const int errors = FingerprintErrors(*head.Fingerprint, *candidate.Fingerprint, fuzzFactor);
      if (errors <= fuzzFactor && !RejectedPair(notDuplicates, head, candidate)) group.duplicates.push_back({j, errors});
    }
    if (!group.duplicates.empty()) sink(group);
  }
  return true;
}

}  // namespace vl

// The plain image pairing loops: every pair compared, as the reference for faster paths.
#include <algorithm>

#include "core/scan/pairing.h"

namespace vl {

namespace {

// The head's grid in the orientations the rules compare: itself, or all eight.
std::vector<TFingerprint> headTurns(const TFingerprint& head, bool rotations) {
  std::vector<TFingerprint> turns{head};
  for (int o = 1; rotations && o < OrientationCount; ++o) turns.push_back(OrientGrid(head, o));
  return turns;
}

struct OrientedErrors {
  int errors;                // the smallest count (above limit when none is within it)
  Orientations within = 0;  // the orientations within limit
};

OrientedErrors orientedErrors(const std::vector<TFingerprint>& turns, const TFingerprint& candidate, int limit) {
  OrientedErrors found{FingerprintErrors(turns[0], candidate, limit)};
  for (size_t o = 0; o < turns.size(); ++o) {
    const int errors = o == 0 ? found.errors : FingerprintErrors(turns[o], candidate, limit);
    found.errors = std::min(found.errors, errors);
    if (errors <= limit) found.within |= Orientations(1u << o);
  }
  return found;
}

}  // namespace

bool PairImagesSelf(const ScanList& compare, int fuzzFactor, const PairingProgress& progress, const GroupSink& sink,
                    const ImageMatchRules& rules) {
  const size_t count = compare.size();
  // An entry taken into a group loses its part in later comparisons, like one without a fingerprint.
  std::vector<const TFingerprint*> live(count);
  for (size_t i = 0; i < count; ++i) live[i] = compare[i]->Fingerprint.get();
  for (size_t i = 0; i < count; ++i) {
    if (i % 5 == 0 && !progress(i, count)) return false;
    if (live[i] == nullptr) continue;
    const std::vector<TFingerprint> turns = headTurns(*live[i], rules.rotations);
    PairedGroup group{i, {}};
    for (size_t j = i + 1; j < count; ++j) {
      if (live[j] == nullptr) continue;
      const OrientedErrors found = orientedErrors(turns, *live[j], fuzzFactor);
      if (found.errors > fuzzFactor || SameFile(*compare[i], *compare[j]) || !rules.accepts(i, j, found.within))
        continue;
      group.duplicates.push_back({j, found.errors});
      live[j] = nullptr;
    }
    if (!group.duplicates.empty()) sink(group);
  }
  return true;
}

bool PairImagesAgainstBase(const ScanList& base, const ScanList& compare, int fuzzFactor,
                           const PairingProgress& progress, const GroupSink& sink, const ImageMatchRules& rules) {
  const size_t count = base.size();
  for (size_t i = 0; i < count; ++i) {
    if (i % 5 == 0 && !progress(i, count)) return false;
    const TScanEntry& head = *base[i];
    if (!head.Fingerprint) continue;
    const std::vector<TFingerprint> turns = headTurns(*head.Fingerprint, rules.rotations);
    PairedGroup group{i, {}};
    for (size_t j = 0; j < compare.size(); ++j) {
      const TScanEntry& candidate = *compare[j];
      if (!candidate.Fingerprint || SameFile(head, candidate)) continue;
      const OrientedErrors found = orientedErrors(turns, *candidate.Fingerprint, fuzzFactor);
      if (found.errors <= fuzzFactor && rules.accepts(i, j, found.within)) group.duplicates.push_back({j, found.errors});
    }
    if (!group.duplicates.empty()) sink(group);
  }
  return true;
}

}  // namespace vl

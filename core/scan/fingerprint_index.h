// An exact neighbour index over fingerprints: which are within a fuzz factor of a query.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "core/scan/packed_fingerprint.h"

namespace vl {

// The grid cut into 4 x 4 blocks (rows and columns of 3, 2, 2 and 3 cells) and each
// block's sum of tone codes (at most 27). The L1 distance of two block-sum vectors
// never exceeds the L1 distance of the grids, which never exceeds the error count
// (a difference of 3 counts 4), so a block-sum distance above the fuzz factor
// proves a non-match. Only for fingerprints whose codes are all 0 to 3.
using BlockSums = std::array<uint8_t, 16>;
BlockSums BlockSumsOf(const TFingerprint& fingerprint);

// True when every code of the fingerprint is 0 to 3 (a damaged database may hold others).
bool HasToneCodesOnly(const TFingerprint& fingerprint);

// The L1 distance of two block-sum vectors. O(1).
inline int BlockDistance(const BlockSums& a, const BlockSums& b) {
#if defined(__SSE2__)
  const __m128i sad = _mm_sad_epu8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(a.data())),
                                   _mm_loadu_si128(reinterpret_cast<const __m128i*>(b.data())));
  return _mm_cvtsi128_si32(sad) + _mm_extract_epi16(sad, 4);
#else
  int sum = 0;
  for (size_t k = 0; k < a.size(); ++k) sum += a[k] > b[k] ? a[k] - b[k] : b[k] - a[k];
  return sum;
#endif
}

// One fingerprint as the index holds it.
struct IndexedFingerprint {
  BlockSums sums{};
  PackedFingerprint packed;
  uint32_t id = 0;  // what queries report it by
};

// Block-sum projections: weights of +1 and -1 on the 16 blocks, so that the change of
// a projection never exceeds the block-sum distance. The index keeps the two with
// the largest spread. O(1) each.
int Projection(const BlockSums& sums, int which);
constexpr int ProjectionCount = 5;

// The fingerprints sorted into bands of the first projection, each band sorted by
// the second: a query scans, in each band within the fuzz factor, the run within
// the fuzz factor on the second projection (looked up in a table), tests the block
// sums (which bound the first projection too), and counts errors only for what passes. Building is O(n log n); a
// query costs the runs it scans (a fraction of n that shrinks with the spread of
// the projections). Immutable once built, so queries may run on several threads.
class FingerprintIndex {
 public:
  FingerprintIndex(const std::vector<IndexedFingerprint>& items, int fuzzFactor);

  // Calls visit(id, errors) for every item with at most fuzzFactor errors from the
  // query, in no particular order.
  template <class Visit>
  void forEachWithin(const IndexedFingerprint& query, Visit&& visit) const;

 private:
  struct Point {
    int16_t first;   // first projection
    int16_t second;  // second projection
    uint32_t id;
  };
  int bandOf(int first) const { return (first - lowest_) / bandWidth_; }
  // Calls near(at) for the points of [at, stop) within the fuzz factor of `sums` by
  // block-sum distance. Few pass, so eight points share one test. O(stop - at).
  template <class Near>
  void forEachBlockNear(const BlockSums& sums, size_t at, size_t stop, Near&& near) const;

  int fuzz_;
  int projections_[2] = {0, 1};
  int lowest_ = 0;     // the smallest first projection
  int bandWidth_ = 1;
  int bands_ = 0;
  int lowestSecond_ = 0;  // the smallest second projection
  int secondSpan_ = 0;    // the number of second projections from the smallest to the largest
  // Band b's points with a second projection below lowestSecond_ + k start at
  // runStart_[b * (secondSpan_ + 1) + k], so a run is found by two lookups.
  std::vector<uint32_t> runStart_;
  std::vector<Point> points_;              // by band, then by second projection
  std::vector<BlockSums> sums_;            // in point order
  std::vector<PackedFingerprint> packed_;  // in point order
};

template <class Near>
void FingerprintIndex::forEachBlockNear(const BlockSums& sums, size_t at, size_t stop, Near&& near) const {
#if defined(__SSE2__)
  const __m128i query = _mm_loadu_si128(reinterpret_cast<const __m128i*>(sums.data()));
  const __m128i limit = _mm_set1_epi32(fuzz_);
  // The two partial sums of a point's distance, in the low and high 64-bit lanes.
  const auto halves = [&](size_t k) {
    return _mm_sad_epu8(query, _mm_loadu_si128(reinterpret_cast<const __m128i*>(sums_[k].data())));
  };
  // Whether each of points k and k + 1 is too far, as bits 0 and 2.
  const auto farPair = [&](size_t k) {
    const __m128i a = halves(k), b = halves(k + 1);
    const __m128i both = _mm_add_epi32(_mm_unpacklo_epi64(a, b), _mm_unpackhi_epi64(a, b));
    return _mm_movemask_ps(_mm_castsi128_ps(_mm_cmpgt_epi32(both, limit)));
  };
  for (; at + 8 <= stop; at += 8) {
    const int far = farPair(at) | farPair(at + 2) << 4 | farPair(at + 4) << 8 | farPair(at + 6) << 12;
    if (far == 0x5555) continue;
    for (size_t k = 0; k < 8; ++k)
      if ((far >> (2 * k) & 1) == 0) near(at + k);
  }
#endif
  for (; at < stop; ++at)
    if (BlockDistance(sums, sums_[at]) <= fuzz_) near(at);
}

template <class Visit>
void FingerprintIndex::forEachWithin(const IndexedFingerprint& query, Visit&& visit) const {
  if (points_.empty() || fuzz_ < 0) return;
  const int first = Projection(query.sums, projections_[0]);
  const int second = Projection(query.sums, projections_[1]);
  const size_t from = size_t(std::clamp(second - fuzz_ - lowestSecond_, 0, secondSpan_));
  const size_t to = size_t(std::clamp(second + fuzz_ + 1 - lowestSecond_, 0, secondSpan_));
  const int lastBand = std::min(bands_ - 1, bandOf(first + fuzz_));
  for (int band = std::max(0, bandOf(std::max(first - fuzz_, lowest_))); band <= lastBand; ++band) {
    const uint32_t* run = &runStart_[size_t(band) * size_t(secondSpan_ + 1)];
    forEachBlockNear(query.sums, run[from], run[to], [&](size_t at) {
      const int errors = PackedErrors(query.packed, packed_[at]);
      if (errors <= fuzz_) visit(points_[at].id, errors);
    });
  }
}

}  // namespace vl

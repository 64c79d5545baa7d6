// Building the fingerprint index: block sums, projections and the banded order.
#include "core/scan/fingerprint_index.h"

#include <algorithm>

namespace vl {

namespace {

// The block (0 to 3) a row or column belongs to: cells 0-2, 3-4, 5-6 and 7-9.
constexpr int blockOfCell(int cell) { return cell < 3 ? 0 : cell < 5 ? 1 : cell < 7 ? 2 : 3; }

}  // namespace

BlockSums BlockSumsOf(const TFingerprint& fingerprint) {
  BlockSums sums{};
  for (int x = 0; x < GridWidth; ++x)
    for (int y = 0; y < GridHeight; ++y) sums[size_t(blockOfCell(y) * 4 + blockOfCell(x))] += fingerprint[size_t(x * GridHeight + y)];
  return sums;
}

bool HasToneCodesOnly(const TFingerprint& fingerprint) {
  return std::all_of(fingerprint.begin(), fingerprint.end(), [](uint8_t code) { return code <= 3; });
}

int Projection(const BlockSums& sums, int which) {
  int value = 0;
  for (int row = 0; row < 4; ++row) {
    for (int column = 0; column < 4; ++column) {
      const int sum = sums[size_t(row * 4 + column)];
      const bool top = row < 2, left = column < 2, inner = row % 3 != 0 && column % 3 != 0;
      switch (which) {
        case 0: value += top ? sum : -sum; break;            // top against bottom
        case 1: value += left ? sum : -sum; break;           // left against right
        case 2: value += top == left ? sum : -sum; break;    // diagonal quadrants
        case 3: value += inner ? sum : -sum; break;          // centre against border
        default: value += sum; break;                        // the total
      }
    }
  }
  return value;
}

namespace {

// The projections with the largest and second largest variance over the items. O(n).
std::array<int, 2> widestProjections(const std::vector<IndexedFingerprint>& items) {
  std::array<double, ProjectionCount> sum{}, squares{};
  for (const IndexedFingerprint& item : items) {
    for (int p = 0; p < ProjectionCount; ++p) {
      const double v = Projection(item.sums, p);
      sum[size_t(p)] += v;
      squares[size_t(p)] += v * v;
    }
  }
  std::array<int, ProjectionCount> order{};
  for (int p = 0; p < ProjectionCount; ++p) order[size_t(p)] = p;
  const double n = double(items.size());
  const auto variance = [&](int p) { return squares[size_t(p)] / n - sum[size_t(p)] * sum[size_t(p)] / (n * n); };
  std::sort(order.begin(), order.end(), [&](int a, int b) { return variance(a) > variance(b); });
  return {order[0], order[1]};
}

}  // namespace

FingerprintIndex::FingerprintIndex(const std::vector<IndexedFingerprint>& items, int fuzzFactor) : fuzz_(fuzzFactor) {
  if (items.empty()) return;
  const auto widest = widestProjections(items);
  projections_[0] = widest[0];
  projections_[1] = widest[1];
  // Bands half the fuzz factor wide: a query scans about 2.5 fuzz factors of the first projection.
  bandWidth_ = std::max(1, fuzzFactor / 2);
  // Points hold their item's position until the order is made, then its id.
  points_.reserve(items.size());
  for (uint32_t i = 0; i < items.size(); ++i)
    points_.push_back({int16_t(Projection(items[i].sums, projections_[0])),
                       int16_t(Projection(items[i].sums, projections_[1])), i});
  lowest_ = std::min_element(points_.begin(), points_.end(), [](const Point& a, const Point& b) {
              return a.first < b.first;
            })->first;
  std::sort(points_.begin(), points_.end(), [this](const Point& a, const Point& b) {
    const int bandA = bandOf(a.first), bandB = bandOf(b.first);
    return bandA != bandB ? bandA < bandB : a.second < b.second;
  });
  bands_ = bandOf(points_.back().first) + 1;
  const auto [low, high] = std::minmax_element(points_.begin(), points_.end(), [](const Point& a, const Point& b) {
    return a.second < b.second;
  });
  lowestSecond_ = low->second;
  secondSpan_ = high->second - low->second + 1;
  // Counted one place late, then summed, each entry holds the points before it.
  const size_t row = size_t(secondSpan_ + 1);
  runStart_.assign(size_t(bands_) * row, 0);
  for (const Point& point : points_) ++runStart_[size_t(bandOf(point.first)) * row + size_t(point.second - lowestSecond_ + 1)];
  for (size_t k = 1; k < runStart_.size(); ++k) runStart_[k] += runStart_[k - 1];
  sums_.reserve(items.size());
  packed_.reserve(items.size());
  for (Point& point : points_) {
    sums_.push_back(items[point.id].sums);
    packed_.push_back(items[point.id].packed);
    point.id = items[point.id].id;
  }
}

}  // namespace vl

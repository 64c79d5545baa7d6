// The picture signature (two grey views, colour layout, uniformity), its match rule and the orientations.
#include "core/fingerprint/signature.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <vector>

#include "core/fingerprint/fingerprint.h"

namespace vl {

namespace {

constexpr int ThumbSide = 32;
constexpr int Frequencies = SignatureFrequencies;
// At most this many pixels are sampled along each side, so that the cost stays
// bounded whatever the size, and a thumbnail cell's mean is that of at least 16 x 16
// of its pixels, however fine their texture.
constexpr int SamplesPerSide = SignatureSamplesPerSide;
// A chroma cell further than this from grey makes a picture coloured.
constexpr int ColouredChroma = 4;

// cos((2 x + 1) u pi / 64) for the low frequencies u, at [x][u], computed once.
const std::array<std::array<float, Frequencies>, ThumbSide>& cosines() {
  static const auto table = [] {
    std::array<std::array<float, Frequencies>, ThumbSide> t{};
    for (int x = 0; x < ThumbSide; ++x)
      for (int u = 0; u < Frequencies; ++u)
        t[size_t(x)][size_t(u)] = float(std::cos((2 * x + 1) * u * std::numbers::pi / 64));
    return t;
  }();
  return table;
}

// How the samples along one side spread over `cells` cells: sample i of n covers
// [i, i + 1), the last one only [n - 1, n - 1 + lastShare), and cell c covers its
// share of that extent, so that every cell gets exactly its part of the side however
// the sizes divide. With the extent more than cells, a sample falls into one cell or
// two neighbours.
struct Spread {
  std::vector<int> cell;          // the first cell of each sample
  std::vector<double> weight;     // the part of the sample in it
  std::vector<double> spill;      // the part in the next cell
  std::vector<double> total;      // per cell
  std::vector<size_t> first;      // per cell and one more: the samples whose first cell it is

  Spread(int n, int cells, double lastShare = 1.0)
      : cell(size_t(n)), weight(size_t(n)), spill(size_t(n)), total(size_t(cells), 0.0), first(size_t(cells) + 1, 0) {
    const double extent = n - 1 + lastShare, scale = cells / extent;
    for (int i = 0; i < n; ++i) {
      const double from = i * scale, to = std::min(i + 1.0, extent) * scale;
      const int c = std::min(int(from), cells - 1);
      cell[size_t(i)] = c;
      weight[size_t(i)] = (std::min(to, c + 1.0) - from) / scale;
      spill[size_t(i)] = c + 1 < cells ? std::max(0.0, to - (c + 1)) / scale : 0.0;
      total[size_t(c)] += weight[size_t(i)];
      if (c + 1 < cells) total[size_t(c) + 1] += spill[size_t(i)];
      first[size_t(c) + 1] = size_t(i) + 1;
    }
    for (size_t c = 1; c < first.size(); ++c) first[c] = std::max(first[c], first[c - 1]);
  }
  // The two cells sample i falls into and its part in each (the second may be past
  // the last cell, with a part of 0).
  std::array<std::pair<size_t, double>, 2> sharesOf(size_t i) const {
    return {{{size_t(cell[i]), weight[i]}, {size_t(cell[i]) + 1, spill[i]}}};
  }
};

// The sample positions along a side of `length` pixels from `start` (at least one
// per thumbnail cell, pixels repeating on a shorter side), and how they spread over
// the thumbnail's cells. When every pixel is a sample, the last one counts by
// `lastShare` (a JPEG decoded at a reduced scale ends in a partial block).
struct Samples {
  std::vector<int> at;
  Spread thumb;
  Samples(int start, int length, double lastShare)
      : thumb(countFor(length), ThumbSide, countFor(length) == length && length > ThumbSide + 1 ? lastShare : 1.0) {
    const int count = countFor(length);
    for (int i = 0; i < count; ++i) at.push_back(start + int((2 * int64_t(i) + 1) * length / (2 * count)));
  }
  static int countFor(int length) { return std::clamp(length, ThumbSide, SamplesPerSide); }
};

// The channels measured per pixel: luminance (ITU-R BT.601 weights), and Cb and Cr
// around 0 (0 without colour). The mean of the three colour channels is linear in
// them, so it is made per cell: (R + G + B) / 3 = Y + 0.476 Cb + 0.229 Cr.
enum Channel { Luma, Cb, Cr, Channels };
using Thumbnail = std::array<float, ThumbSide * ThumbSide>;  // 32 x 32 cells, row by row
using Values = std::array<float, Channels>;
using CellRow = std::array<Values, ThumbSide + 1>;  // a spare cell for the parts past the last

// The raw channels of a pixel of one of three kinds, and the channels of a sum of
// `count` raw pixels (all three conversions are linear).
using Raw = std::array<int32_t, 3>;
struct GreyPixels {
  static Raw raw(uint32_t p) { return {int32_t(p & 0xFF), 0, 0}; }
  static Values channels(const Raw& sum, int32_t) { return {float(sum[0]), 0, 0}; }
};
struct YccPixels {
  static Raw raw(uint32_t p) { return {int32_t(p & 0xFF), int32_t(p >> 16 & 0xFF), int32_t(p >> 8 & 0xFF)}; }
  static Values channels(const Raw& sum, int32_t count) {
    return {float(sum[0]), float(sum[1] - 128 * count), float(sum[2] - 128 * count)};
  }
};
struct RgbPixels {
  static Raw raw(uint32_t p) { return {int32_t(p >> 16 & 0xFF), int32_t(p >> 8 & 0xFF), int32_t(p & 0xFF)}; }
  static Values channels(const Raw& sum, int32_t) {
    const float r = float(sum[0]), g = float(sum[1]), bl = float(sum[2]);
    return {0.299f * r + 0.587f * g + 0.114f * bl, -0.168736f * r - 0.331264f * g + 0.5f * bl,
            0.5f * r - 0.418688f * g - 0.081312f * bl};
  }
};

void addValues(Values& to, const Values& values, float share) {
  for (size_t k = 0; k < Channels; ++k) to[k] += share * values[k];
}

// Adds the samples of one row to the thumbnail cells of `sums`, by their parts: per
// cell, its whole samples summed as raw integers and converted once, then the sample
// on its far edge, if only a part of it lies in the cell, split between it and the
// next one (or counted by its part, at the end of a partial block).
template <typename Pixels>
void addRow(const uint32_t* row, const Samples& across, CellRow& sums) {
  const Spread& spread = across.thumb;
  for (size_t c = 0; c < ThumbSide; ++c) {
    size_t end = spread.first[c + 1];
    const bool edge = end > spread.first[c] && spread.weight[end - 1] != 1.0;
    if (edge) --end;
    Raw sum{};
    for (size_t i = spread.first[c]; i < end; ++i) {
      const Raw raw = Pixels::raw(row[across.at[i]]);
      sum[0] += raw[0], sum[1] += raw[1], sum[2] += raw[2];
    }
    addValues(sums[c], Pixels::channels(sum, int32_t(end - spread.first[c])), 1.0f);
    if (!edge) continue;
    const Values values = Pixels::channels(Pixels::raw(row[across.at[end]]), 1);
    addValues(sums[c], values, float(spread.weight[end]));
    addValues(sums[c + 1], values, float(spread.spill[end]));
  }
}

// The sums of each channel over the thumbnail cells (row by row), from every pixel of
// the rectangle or an evenly spread grid of them. Sample rows that fall into one
// thumbnail row are summed in a running row first. Bitmap: a WorkBitmap, or
// SampledPixels keeping the rows `down` names.
using CellSums = std::array<CellRow, ThumbSide + 1>;

template <typename Pixels, typename Bitmap>
CellSums cellSums(const Bitmap& bitmap, const Samples& across, const Samples& down) {
  CellSums sums{};
  for (size_t j = 0; j < down.at.size(); ++j) {
    CellRow row{};
    addRow<Pixels>(bitmap.row(down.at[j]), across, row);
    for (const auto& [cellRow, share] : down.thumb.sharesOf(j))
      for (size_t x = 0; share != 0.0 && x < ThumbSide; ++x) addValues(sums[cellRow][x], row[x], float(share));
  }
  return sums;
}

// The mean of each channel, and of the channel mean, over each thumbnail cell.
struct Thumbnails {
  Thumbnail luma, average, cb, cr;
};

template <typename Bitmap>
Thumbnails thumbnailsOf(const Bitmap& bitmap, int left, int top, int width, int height, double lastColumnShare,
                        double lastRowShare) {
  const Samples across(left, width, left + width == bitmap.width ? lastColumnShare : 1.0);
  const Samples down(top, height, top + height == bitmap.height ? lastRowShare : 1.0);
  const CellSums sums = !bitmap.luminance ? cellSums<RgbPixels>(bitmap, across, down)
                        : bitmap.chroma   ? cellSums<YccPixels>(bitmap, across, down)
                                          : cellSums<GreyPixels>(bitmap, across, down);
  Thumbnails thumbs;
  for (size_t y = 0; y < ThumbSide; ++y)
    for (size_t x = 0; x < ThumbSide; ++x) {
      const float area = float(across.thumb.total[x] * down.thumb.total[y]);
      const Values& cell = sums[y][x];
      const size_t k = y * ThumbSide + x;
      thumbs.luma[k] = cell[Luma] / area;
      thumbs.cb[k] = cell[Cb] / area;
      thumbs.cr[k] = cell[Cr] / area;
      thumbs.average[k] = thumbs.luma[k] + 0.475955f * thumbs.cb[k] + 0.229288f * thumbs.cr[k];
    }
  return thumbs;
}

// The mean of a thumbnail over each cell of a side x side grid (cell x * side + y),
// each thumbnail cell counted by the share of it that lies in the grid cell: first
// across, then down.
template <int Side>
std::array<double, Side * Side> cellMeans(const Thumbnail& thumb) {
  static const Spread spread(ThumbSide, Side);
  std::array<std::array<double, Side + 1>, ThumbSide> across{};  // per thumbnail row
  for (size_t y = 0; y < ThumbSide; ++y)
    for (size_t x = 0; x < ThumbSide; ++x)
      for (const auto& [gx, share] : spread.sharesOf(x)) across[y][gx] += share * thumb[y * ThumbSide + x];
  std::array<double, Side * Side> means{};
  for (size_t y = 0; y < ThumbSide; ++y)
    for (const auto& [gy, share] : spread.sharesOf(y))
      for (size_t gx = 0; gy < Side && gx < Side; ++gx) means[gx * Side + gy] += share * across[y][gx];
  for (size_t gx = 0; gx < Side; ++gx)
    for (size_t gy = 0; gy < Side; ++gy) means[gx * Side + gy] /= spread.total[gx] * spread.total[gy];
  return means;
}

// The verified grid: the tone codes of the inverted mean luminance of each cell.
TFingerprint gridOf(const Thumbnail& luma) {
  static_assert(GridWidth == GridHeight);
  const auto means = cellMeans<GridWidth>(luma);
  TFingerprint grid{};
  for (size_t k = 0; k < FingerprintSize; ++k) grid[k] = uint8_t(255 - std::clamp<long>(std::lround(means[k]), 0, 255));
  ToneCodes(grid);
  return grid;
}

// The coefficients (u, v) of the thumbnail's DCT-II for u, v below Frequencies.
std::array<double, Frequencies * Frequencies> coefficientsOf(const Thumbnail& thumb) {
  const auto& c = cosines();
  // Rows first: across[y][u] = sum over x of thumb(x, y) cos(x, u), the sums of all
  // frequencies side by side so that they do not wait for each other.
  std::array<std::array<float, Frequencies>, ThumbSide> across{};
  for (size_t y = 0; y < ThumbSide; ++y)
    for (size_t x = 0; x < ThumbSide; ++x) {
      const float value = thumb[y * ThumbSide + x];
      for (size_t u = 0; u < Frequencies; ++u) across[y][u] += value * c[x][u];
    }
  std::array<std::array<float, Frequencies>, Frequencies> sums{};  // [u][v]
  for (size_t y = 0; y < ThumbSide; ++y)
    for (size_t u = 0; u < Frequencies; ++u)
      for (size_t v = 0; v < Frequencies; ++v) sums[u][v] += across[y][u] * c[y][v];
  std::array<double, Frequencies * Frequencies> coefficients{};
  for (size_t u = 0; u < Frequencies; ++u)
    for (size_t v = 0; v < Frequencies; ++v) coefficients[u * Frequencies + v] = sums[u][v];
  return coefficients;
}

// The structure (scaled to +-127) and the detail of the coefficients without the
// mean, and the mean and contrast of a thumbnail.
GreyView viewOf(const Thumbnail& thumb) {
  GreyView view;
  const auto coefficients = coefficientsOf(thumb);
  double largest = 0, squares = 0, fourths = 0;
  for (size_t k = 1; k < coefficients.size(); ++k) {
    const double c2 = coefficients[k] * coefficients[k];
    largest = std::max(largest, std::abs(coefficients[k]));
    squares += c2;
    fourths += c2 * c2;
  }
  if (largest >= 1.0) {  // a uniform thumbnail (up to rounding) has no structure
    for (size_t k = 1; k < coefficients.size(); ++k)
      view.structure[k - 1] = int8_t(std::lround(coefficients[k] * 127 / largest));
    view.detail = uint8_t(std::min<long>(255, std::lround(16 * squares * squares / fourths)));
  }
  double sum = 0, sumSquares = 0;
  for (const double v : thumb) sum += v, sumSquares += v * v;
  const double n = double(thumb.size()), mean = sum / n;
  view.mean = uint8_t(std::clamp<long>(std::lround(mean), 0, 255));
  const double deviation = std::sqrt(std::max(0.0, sumSquares / n - mean * mean));
  view.contrast = uint16_t(std::min<long>(65535, std::lround(16 * deviation)));
  return view;
}

// True when nearly every thumbnail cell lies near the median.
bool almostUniform(const Thumbnail& thumb) {
  Thumbnail sorted = thumb;
  std::nth_element(sorted.begin(), sorted.begin() + long(sorted.size() / 2), sorted.end());
  const float median = sorted[sorted.size() / 2];
  const auto near = std::count_if(thumb.begin(), thumb.end(), [median](float v) {
    return std::abs(v - median) <= float(VerifiedTuning.uniformLevels);
  });
  return double(near) >= VerifiedTuning.uniformShare * double(thumb.size());
}

// The chroma cells and whether the picture is coloured.
void describeColour(const Thumbnail& cb, const Thumbnail& cr, PictureSignature& signature) {
  const auto cbMeans = cellMeans<ChromaSide>(cb), crMeans = cellMeans<ChromaSide>(cr);
  for (size_t k = 0; k < signature.chroma.size(); ++k) {
    const long mean = std::lround(k < cbMeans.size() ? cbMeans[k] : crMeans[k - cbMeans.size()]);
    signature.chroma[k] = int8_t(std::clamp<long>(mean, -128, 127));
    signature.coloured = signature.coloured || std::abs(mean) > ColouredChroma;
  }
}

double correlation(const GreyView& a, const GreyView& b) {
  int64_t ab = 0, aa = 0, bb = 0;
  for (size_t k = 0; k < a.structure.size(); ++k) {
    ab += a.structure[k] * b.structure[k];
    aa += a.structure[k] * a.structure[k];
    bb += b.structure[k] * b.structure[k];
  }
  return aa == 0 || bb == 0 ? 0.0 : double(ab) / std::sqrt(double(aa) * double(bb));
}

// The root mean square of the differences of the chroma cells.
double chromaShift(const PictureSignature& a, const PictureSignature& b) {
  double squares = 0;
  for (size_t k = 0; k < a.chroma.size(); ++k) squares += (a.chroma[k] - b.chroma[k]) * (a.chroma[k] - b.chroma[k]);
  return std::sqrt(squares / double(a.chroma.size()));
}

// How a pair's verification limits lie between the plain and the detailed ones: 0
// for a plain pair, 1 for a detailed one.
struct Limits {
  double detail;
  double operator()(double plain, double detailed) const { return plain + (detailed - plain) * detail; }
};

Limits limitsFor(const GreyView& a, const GreyView& b) {
  const VerifiedMatchTuning& t = VerifiedTuning;
  const double span = t.detailedDetail - t.plainDetail;
  return {std::clamp((a.detail + b.detail) / 2.0 - t.plainDetail, 0.0, span) / span};
}

// Contrast and structure agree for the pair's detail, and, when `meanLimited`, the
// means; the cheap tests first, as most pairs a check meets are turned down.
bool viewsAgree(const GreyView& a, const GreyView& b, bool meanLimited) {
  const VerifiedMatchTuning& t = VerifiedTuning;
  const Limits limit = limitsFor(a, b);
  const double contrast = double(std::max(a.contrast, b.contrast)) / std::max(1, std::min<int>(a.contrast, b.contrast));
  return contrast <= limit(t.plainContrast, t.detailedContrast) &&
         (!meanLimited || std::abs(a.mean - b.mean) <= limit(t.plainMeanShift, t.detailedMeanShift)) &&
         correlation(a, b) >= limit(t.plainCorrelation, t.detailedCorrelation);
}

bool uniformMatch(const PictureSignature& a, const PictureSignature& b) {
  const VerifiedMatchTuning& t = VerifiedTuning;
  return std::abs(a.luminance.mean - b.luminance.mean) <= t.uniformMeanShift &&
         std::abs(a.luminance.contrast - b.luminance.contrast) <= 16 * t.uniformContrast &&
         (!a.coloured || !b.coloured || chromaShift(a, b) <= t.uniformChroma);
}

// Cells of a side x side grid (cell x * side + y) turned by orientation o.
template <int Side, typename Cell>
void orientCells(const Cell* from, Cell* to, int orientation) {
  for (int x = 0; x < Side; ++x)
    for (int y = 0; y < Side; ++y) {
      int a = orientation & 1 ? Side - 1 - x : x;
      int b = orientation & 2 ? Side - 1 - y : y;
      if (orientation & 4) std::swap(a, b);
      to[x * Side + y] = from[a * Side + b];
    }
}

template <typename Bitmap>
void signatureOf(const Bitmap& bitmap, int left, int top, int width, int height, TFingerprint& grid,
                 PictureSignature& signature, double lastColumnShare, double lastRowShare) {
  const Thumbnails thumbs = thumbnailsOf(bitmap, left, top, width, height, lastColumnShare, lastRowShare);
  signature = PictureSignature{};
  grid = gridOf(thumbs.luma);
  signature.luminance = viewOf(thumbs.luma);
  signature.almostUniform = almostUniform(thumbs.luma);
  describeColour(thumbs.cb, thumbs.cr, signature);
  signature.channelMean = signature.coloured ? viewOf(thumbs.average) : signature.luminance;
}

}  // namespace

void SignatureOfBitmap(const WorkBitmap& bitmap, int left, int top, int width, int height, TFingerprint& grid,
                       PictureSignature& signature, double lastColumnShare, double lastRowShare) {
  signatureOf(bitmap, left, top, width, height, grid, signature, lastColumnShare, lastRowShare);
}

void SignatureOfBitmap(const SampledPixels& pixels, int left, int top, int width, int height, TFingerprint& grid,
                       PictureSignature& signature, double lastColumnShare, double lastRowShare) {
  signatureOf(pixels, left, top, width, height, grid, signature, lastColumnShare, lastRowShare);
}

std::vector<int> SignatureRows(int top, int height) { return Samples(top, height, 1.0).at; }

bool SignaturesMatch(const PictureSignature& a, const PictureSignature& b) {
  const VerifiedMatchTuning& t = VerifiedTuning;
  if (a.almostUniform || b.almostUniform) return uniformMatch(a, b);
  if (a.coloured && b.coloured)
    return chromaShift(a, b) <= limitsFor(a.luminance, b.luminance)(t.plainChroma, t.detailedChroma) &&
           viewsAgree(a.luminance, b.luminance, false);
  if (!a.coloured && !b.coloured)
    return std::abs(a.luminance.mean - b.luminance.mean) <= t.greyMeanShift &&
           viewsAgree(a.luminance, b.luminance, false);
  const PictureSignature& coloured = a.coloured ? a : b;
  const GreyView& grey = a.coloured ? b.luminance : a.luminance;
  return viewsAgree(coloured.luminance, grey, true) || viewsAgree(coloured.channelMean, grey, true);
}

TFingerprint OrientGrid(const TFingerprint& grid, int orientation) {
  static_assert(GridWidth == GridHeight);
  TFingerprint turned{};
  orientCells<GridWidth>(grid.data(), turned.data(), orientation);
  return turned;
}

namespace {

GreyView orientView(const GreyView& view, int orientation) {
  GreyView turned = view;
  for (int u = 0; u < Frequencies; ++u)
    for (int v = 0; v < Frequencies; ++v) {
      if (u + v == 0) continue;  // the mean is no part of the structure
      const int from = orientation & 4 ? v * Frequencies + u : u * Frequencies + v;
      const bool flip = (orientation & 1 && u % 2 == 1) != (orientation & 2 && v % 2 == 1);
      const int8_t value = view.structure[size_t(from - 1)];
      turned.structure[size_t(u * Frequencies + v - 1)] = int8_t(flip ? -value : value);
    }
  return turned;
}

}  // namespace

PictureSignature OrientSignature(const PictureSignature& signature, int orientation) {
  PictureSignature turned = signature;
  turned.luminance = orientView(signature.luminance, orientation);
  turned.channelMean = orientView(signature.channelMean, orientation);
  constexpr int Cells = ChromaSide * ChromaSide;
  for (int plane = 0; plane < 2; ++plane)
    orientCells<ChromaSide>(signature.chroma.data() + plane * Cells, turned.chroma.data() + plane * Cells, orientation);
  return turned;
}

int OrientationOfTag(int tagValue) {
  static constexpr int orientations[9] = {0, 0, 1, 3, 2, 4, 5, 7, 6};
  return tagValue >= 1 && tagValue <= 8 ? orientations[tagValue] : 0;
}

}  // namespace vl

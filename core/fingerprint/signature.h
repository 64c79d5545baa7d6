// The picture signature that verified matching confirms pairs by, and the eight orientations of grids and signatures.
#pragma once

#include <array>
#include <cstdint>

#include <vector>

#include "core/fingerprint/picture_signature.h"
#include "core/fingerprint/sampled_pixels.h"
#include "core/fingerprint/scan_entry.h"
#include "core/fingerprint/work_bitmap.h"

namespace vl {

// The tuning of verified matching in one place, chosen on the labelled corpora of
// bench_matching (docs/matching.md). A pair of pictures whose grids are within the
// fuzz factor is a verified match when:
// - one is almost uniform: both have about one mean (uniformMeanShift) and contrast
//   (uniformContrast levels) and, both in colour, about one colour (uniformChroma);
// - else their structures correlate, their contrasts agree and their tones agree, by
//   limits that depend on the pair's detail (the mean of both): the plain limits up
//   to plainDetail, the detailed limits from detailedDetail, a straight line between.
//   The less detail, the less the structure tells, so the stricter the limits. Tones
//   agree when, both in colour, the chroma cells are within the chroma limit (root
//   mean square; the brightness may change); one in colour, the means are within the
//   mean-shift limit (a grey copy keeps about the brightness), the grey picture being
//   compared with both grey views of the coloured one; both grey, the means are
//   within greyMeanShift.
struct VerifiedMatchTuning {
  int plainDetail = 32;     // sixteenths: two coefficients
  int detailedDetail = 64;  // four coefficients
  double plainCorrelation = 0.995;
  double detailedCorrelation = 0.95;
  double plainContrast = 1.2;  // the larger contrast over the smaller
  double detailedContrast = 1.6;
  double plainChroma = 8;
  double detailedChroma = 12;
  int plainMeanShift = 15;
  int detailedMeanShift = 45;
  int greyMeanShift = 45;
  int uniformMeanShift = 8;
  int uniformContrast = 3;
  double uniformChroma = 8;
  // A picture is almost uniform when this share of its thumbnail cells lies within
  // uniformLevels of the median luminance.
  double uniformShare = 0.97;
  int uniformLevels = 6;
};
inline constexpr VerifiedMatchTuning VerifiedTuning{};

// The signature of the rectangle (left, top, width, height) of a working bitmap, and
// its verified grid: the tone codes of the mean luminance of 10 x 10 cells (not of
// point samples, so that every format and scale of one picture gives about the same
// grid). Both from every pixel of the rectangle, or an evenly spread grid of 512 x
// 512 of them in a larger one, each cell taking exactly its share of the samples on
// its edges; chroma comes from colour pixels or a luminance bitmap's chroma plane.
// The bitmap's last column and row may stand for only a part of a pixel's width
// (lastColumnShare, lastRowShare: a JPEG decoded at a reduced scale ends in a partial
// block). O(min(pixels, 512 x 512)).
void SignatureOfBitmap(const WorkBitmap& bitmap, int left, int top, int width, int height, TFingerprint& grid,
                       PictureSignature& signature, double lastColumnShare = 1.0, double lastRowShare = 1.0);

// The same from the kept rows of a picture; they must include SignatureRows(top, height).
void SignatureOfBitmap(const SampledPixels& pixels, int left, int top, int width, int height, TFingerprint& grid,
                       PictureSignature& signature, double lastColumnShare = 1.0, double lastRowShare = 1.0);
// The rows the signature of `height` rows from `top` reads: at most SignatureSamplesPerSide. O(rows).
std::vector<int> SignatureRows(int top, int height);
// At most this many pixels are sampled along each side of a signature's rectangle.
inline constexpr int SignatureSamplesPerSide = 512;

// True when two signatures are a verified match under VerifiedTuning. Symmetric. O(63).
bool SignaturesMatch(const PictureSignature& a, const PictureSignature& b);

// True when a verifying read found the entry's picture almost uniform (a blank page,
// a white shape on a transparent background): nearly all of it one tone. Such a
// picture matches only other almost uniform pictures of its tone; false for an entry
// without a signature (a classic read, a database record). O(1).
inline bool IsAlmostUniform(const TScanEntry& entry) { return entry.Signature && entry.Signature->almostUniform; }

// The eight orientations of a square picture: bit 0 mirrors left to right, bit 1
// top to bottom, bit 2 swaps rows and columns (after the mirrors); 0 is the picture
// itself. Orientation o turns picture P into P' with P'(x, y) = P(s(x, y)), where s
// mirrors x and y as bits 0 and 1 say and then swaps them when bit 2 is set.
constexpr int OrientationCount = 8;
// A set of orientations, bit o for orientation o.
using Orientations = uint8_t;
constexpr Orientations IdentityOnly = 1;

// The fingerprint grid of the picture turned by orientation o. O(100).
TFingerprint OrientGrid(const TFingerprint& grid, int orientation);
// The signature of the picture turned by orientation o (mirrors flip the signs of
// the odd frequencies, the swap transposes the coefficients; the chroma cells turn
// as a grid does). O(100).
PictureSignature OrientSignature(const PictureSignature& signature, int orientation);

// The orientation (0 to 7) that turns a picture stored as EXIF or TIFF orientation
// value 1 to 8 says into the picture shown; 0 for any other value.
int OrientationOfTag(int tagValue);

}  // namespace vl

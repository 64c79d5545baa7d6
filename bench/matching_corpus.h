// The labelled corpus of bench_matching: pictures cut from photographs, altered copies of some, and what each shows.
#pragma once

#include <string>
#include <vector>

namespace vl::bench {

// One picture of the corpus: the rectangle (fractions of the sides) of the source
// picture it shows and, for an original and its copies, the family and the kind of copy.
struct CorpusLabel {
  std::string name;  // file name inside the corpus folder
  int source = 0;    // the photograph, or the generated smooth picture, it was cut from
  double left = 0, top = 0, right = 1, bottom = 1;
  int family = -1;   // the original's number for an original and its copies, else -1
  std::string kind;  // "original", a copy kind, "distinct", "similar", "smooth" or "blank"
  double deviation = -1;  // the standard deviation of the picture's luminance, once measured
};

// How two pictures of the corpus are related.
enum class Relation {
  Copy,       // an original and its copy, or two copies of one original
  Similar,    // overlapping cuts of one photograph
  Apart,      // cuts of one photograph that share no pixel
  Blank,      // two pictures of almost one colour (blank pages, dark frames, flat cuts)
  Different,  // cuts of different photographs, or a smooth picture and anything else
};
Relation RelationOf(const CorpusLabel& a, const CorpusLabel& b);

// The size of a corpus. Every original has one copy of each kind below; each
// similar set is two overlapping cuts of one tile; each picture that is no copy is
// cut from a tile of its own, the photographs being cut into tiles x tiles and
// decoded at most maxSide pixels on a side. Tiles of almost one colour are passed
// over (so a source may give fewer cuts); the smooth pictures are generated:
// gradients, skies and vignettes, and a fifth of them blank pages and dark frames.
struct CorpusSize {
  int originals;
  int distinct;
  int similarSets;
  int smooth;
  int tiles;
  int maxSide;
  int minWidth;  // pictures are minWidth to 800 pixels wide
};
constexpr CorpusSize SmallCorpus{30, 250, 20, 50, 4, 1600, 480};
constexpr CorpusSize LargeCorpus{300, 2700, 100, 500, 10, 2560, 320};

// The copies each original gets. Altered: what a copy that keeps the picture upright
// may go through (recompressed, resized, greyscale, brighter, cropped by 2 %, another
// format). Tagged: stored turned with a tag that shows them upright. Turned: turned
// or mirrored for good.
extern const std::vector<std::string> AlteredKinds;
extern const std::vector<std::string> OtherKinds;  // a GIF with a 256-colour palette
extern const std::vector<std::string> TaggedKinds;
extern const std::vector<std::string> TurnedKinds;
// Newer picture types, counted apart from the altered copies so that earlier figures
// stay comparable: a lossy JPEG XL (Butteraugli distance 2); a DNG whose sensor data is
// the original in linear light (2 x 2 photosites a pixel, 256 levels) with a JPEG
// preview of the sensor's size, as a camera writes it; and one whose preview is too
// small to stand for the picture, so that its sensor data is decoded at half size.
extern const std::vector<std::string> NewerKinds;

// Writes the corpus into folder, the labels file last, from Debian's wallpapers
// (generated pictures on machines without them). Minutes for the small corpus.
void WriteCorpus(const std::string& folder, const CorpusSize& size);
// The labels of the corpus in folder, in file-name order; empty when it has none.
std::vector<CorpusLabel> ReadCorpusLabels(const std::string& folder);

// The standard deviation of the luminance of the picture file's pixels (a JPEG's at
// its fingerprint scale); -1 when it cannot be decoded. Below BlankDeviation a
// picture is of almost one colour. O(file size + pixels).
double PictureDeviation(const std::string& path);
constexpr double BlankDeviation = 3;

}  // namespace vl::bench

// bench_matching FOLDER: the matching quality of the image pairing on a labelled corpus of
// photographs and their altered copies, by fuzz factor, with and without verification and rotations.
//
// The corpus (written into FOLDER when it holds none) has 40 originals, each with 11 altered
// copies and 4 rotated or mirrored ones, and 440 distinct pictures, all cut from Debian's
// wallpaper photographs (generated pictures when there are none). A file name tells its
// picture: o<N>_<kind>.<ext> belongs to original N, d<N>.jpg is a distinct picture.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "core/fingerprint/fingerprint.h"
#include "core/fingerprint/jpeg_decoder.h"
#include "core/scan/pairing.h"
#include "tests/support/generated_photo.h"
#include "tests/support/image_writer.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
using vl::test::Picture;

constexpr int Originals = 40;
constexpr int Distinct = 440;
const std::vector<std::string> AlteredKinds = {"exact",  "renamed", "progressive", "q60",   "grey",  "bright",
                                               "crop2",  "half",    "quarter",     "bmp",   "gif"};
const std::vector<std::string> TurnedKinds = {"rot90", "rot180", "rot270", "mirror"};

double secondsSince(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

// What tells one wallpaper from another: its folder under /usr/share/wallpapers, else
// its file name up to the first "_" or "-" (a wallpaper comes in several sizes).
std::string wallpaperOf(const fs::path& path) {
  const std::string text = path.string();
  const std::string root = "/usr/share/wallpapers/";
  if (text.rfind(root, 0) == 0) return text.substr(0, text.find('/', root.size()));
  const std::string name = path.filename().string();
  return name.substr(0, name.find_first_of("_-."));
}

// The wallpaper photographs in colour, one size of each, at most about 1600 pixels on a side.
std::vector<Picture> loadPhotos() {
  std::vector<Picture> photos;
  std::set<std::string> seen;
  for (const char* root : {"/usr/share/backgrounds", "/usr/share/wallpapers"}) {
    std::error_code ec;
    for (auto it = fs::recursive_directory_iterator(root, ec); !ec && it != fs::recursive_directory_iterator();
         it.increment(ec)) {
      const std::string path = it->path().string();
      // One picture per wallpaper: its other sizes and dark variants would be near copies.
      if (!it->is_regular_file() || vl::PictureTypeOf(path) != vl::PictureType::Jpeg ||
          !seen.insert(wallpaperOf(it->path())).second)
        continue;
      std::ifstream file(it->path(), std::ios::binary);
      const std::vector<uint8_t> data{std::istreambuf_iterator<char>(file), {}};
      vl::PreviewPicture preview;
      if (!vl::DecodeJpegPreview(data.data(), data.size(), {1, false, 1600, 1600}, preview)) continue;
      Picture photo(preview.width, preview.height);
      for (size_t i = 0; i < photo.rgb.size(); ++i) photo.rgb[i] = preview.pixels[i] & 0xFFFFFF;
      photos.push_back(std::move(photo));
    }
  }
  return photos;
}

// The rectangle [left, left + width) x [top, top + height) of a picture (fractions of its sides),
// scaled to outWidth by averaging the source pixels under each output pixel.
Picture cutAndScale(const Picture& from, double left, double top, double width, double height, int outWidth) {
  const int outHeight = std::max(8, int(outWidth * height * from.height / (width * from.width)));
  Picture out(outWidth, outHeight);
  for (int y = 0; y < outHeight; ++y) {
    const int y0 = int((top + height * y / outHeight) * from.height);
    const int y1 = std::max(y0 + 1, int((top + height * (y + 1) / outHeight) * from.height));
    for (int x = 0; x < outWidth; ++x) {
      const int x0 = int((left + width * x / outWidth) * from.width);
      const int x1 = std::max(x0 + 1, int((left + width * (x + 1) / outWidth) * from.width));
      int sums[3] = {0, 0, 0}, n = 0;
      for (int sy = y0; sy < std::min(y1, from.height); ++sy)
        for (int sx = x0; sx < std::min(x1, from.width); ++sx, ++n)
          for (int c = 0; c < 3; ++c) sums[c] += int(from.at(sx, sy) >> (16 - 8 * c) & 255);
      n = std::max(n, 1);
      out.set(x, y, vl::test::Rgb(sums[0] / n, sums[1] / n, sums[2] / n));
    }
  }
  return out;
}

// A random cut of tile (tx, ty) of a photograph cut into Tiles x Tiles, so that pictures cut
// from different tiles share no pixel.
constexpr int Tiles = 4;
Picture randomCut(const Picture& photo, int tx, int ty, std::mt19937& random) {
  std::uniform_real_distribution<double> unit(0, 1);
  const double w = (0.7 + 0.3 * unit(random)) / Tiles, h = (0.7 + 0.3 * unit(random)) / Tiles;
  return cutAndScale(photo, (tx + (1 - w * Tiles) * unit(random)) / Tiles, (ty + (1 - h * Tiles) * unit(random)) / Tiles,
                     w, h, 480 + int(random() % 321));
}

Picture mapped(const Picture& picture, uint32_t (*change)(uint32_t)) {
  Picture out = picture;
  for (uint32_t& p : out.rgb) p = change(p);
  return out;
}

uint32_t brighter(uint32_t p) {
  const auto up = [](uint32_t c) { return std::min(255, int(c) + 40); };
  return vl::test::Rgb(up(p >> 16 & 255), up(p >> 8 & 255), up(p & 255));
}

// The common 256-colour palette of 8 levels of red and green and 4 of blue, for a GIF.
uint32_t paletted(uint32_t p) {
  const auto level = [](uint32_t c, uint32_t levels) { return int((c * levels / 256) * 255 / (levels - 1)); };
  return vl::test::Rgb(level(p >> 16 & 255, 8), level(p >> 8 & 255, 8), level(p & 255, 4));
}

// The picture turned: quarter turns clockwise, or mirrored left to right when quarters < 0.
Picture turned(const Picture& picture, int quarters) {
  const bool swap = quarters == 1 || quarters == 3;
  Picture out(swap ? picture.height : picture.width, swap ? picture.width : picture.height);
  for (int y = 0; y < picture.height; ++y)
    for (int x = 0; x < picture.width; ++x) {
      const int w = picture.width, h = picture.height;
      switch (quarters) {
        case 1: out.set(h - 1 - y, x, picture.at(x, y)); break;
        case 2: out.set(w - 1 - x, h - 1 - y, picture.at(x, y)); break;
        case 3: out.set(y, w - 1 - x, picture.at(x, y)); break;
        default: out.set(w - 1 - x, y, picture.at(x, y)); break;
      }
    }
  return out;
}

void writeFamily(const Picture& original, const std::string& stem) {
  using vl::test::WriteJpeg;
  WriteJpeg(stem + "_original.jpg", original);
  fs::copy_file(stem + "_original.jpg", stem + "_exact.jpg");
  fs::copy_file(stem + "_original.jpg", stem + "_renamed.jpg");
  WriteJpeg(stem + "_progressive.jpg", original, {.progressive = true});
  WriteJpeg(stem + "_q60.jpg", original, {.quality = 60});
  WriteJpeg(stem + "_grey.jpg", original, {.colour = vl::test::JpegColour::Grey});
  WriteJpeg(stem + "_bright.jpg", mapped(original, brighter));
  WriteJpeg(stem + "_crop2.jpg", cutAndScale(original, 0.01, 0.01, 0.98, 0.98, original.width * 98 / 100));
  WriteJpeg(stem + "_half.jpg", cutAndScale(original, 0, 0, 1, 1, original.width / 2));
  WriteJpeg(stem + "_quarter.jpg", cutAndScale(original, 0, 0, 1, 1, original.width / 4));
  vl::test::WriteBmp(stem + "_bmp.bmp", original);
  vl::test::WriteGif(stem + "_gif.gif", mapped(original, paletted));
  WriteJpeg(stem + "_rot90.jpg", turned(original, 1));
  WriteJpeg(stem + "_rot180.jpg", turned(original, 2));
  WriteJpeg(stem + "_rot270.jpg", turned(original, 3));
  WriteJpeg(stem + "_mirror.jpg", turned(original, -1));
}

void writeCorpus(const fs::path& folder) {
  std::mt19937 random(2026);
  std::vector<Picture> photos = loadPhotos();
  if (photos.empty())
    for (int i = 0; i < 30; ++i) photos.push_back(vl::test::GeneratedPhoto(random));
  std::printf("writing the corpus from %zu photographs\n", photos.size());
  fs::create_directories(folder);
  std::vector<int> tiles(photos.size() * Tiles * Tiles);
  for (size_t t = 0; t < tiles.size(); ++t) tiles[t] = int(t);
  std::shuffle(tiles.begin(), tiles.end(), random);
  for (int n = 0; n < Originals + Distinct; ++n) {
    const int tile = tiles[size_t(n) % tiles.size()];
    const Picture picture =
        randomCut(photos[size_t(tile / (Tiles * Tiles))], tile % Tiles, tile / Tiles % Tiles, random);
    if (n < Originals) writeFamily(picture, (folder / ("o" + std::to_string(n))).string());
    else vl::test::WriteJpeg((folder / ("d" + std::to_string(n) + ".jpg")).string(), picture);
  }
}

// One picture of the corpus: its label (original number, or -1 - n for distinct picture n) and kind.
struct Labelled {
  int label;
  std::string kind;
};

Labelled labelOf(const std::string& name) {
  const size_t bar = name.find('_');
  if (name[0] == 'd') return {-1 - std::stoi(name.substr(1)), "distinct"};
  return {std::stoi(name.substr(1, bar - 1)), name.substr(bar + 1, name.find('.') - bar - 1)};
}

struct Corpus {
  vl::ScanList list;
  std::vector<Labelled> labels;
  double readSeconds[2] = {1e9, 1e9};  // without and with signatures, the faster of two rounds
};

Corpus readCorpus(const fs::path& folder) {
  Corpus corpus;
  std::vector<std::string> paths;
  for (const auto& item : fs::directory_iterator(folder)) paths.push_back(item.path().string());
  std::sort(paths.begin(), paths.end());
  for (int round = 0; round < 4; ++round) {
    const int withSignature = round % 2;
    const auto start = Clock::now();
    for (const std::string& path : paths) {
      vl::TFingerprint fingerprint;
      vl::PictureSignature signature = 0;
      int32_t width = 0, height = 0;
      const bool ok = vl::MakeFingerprint(path, fingerprint, width, height, nullptr, withSignature ? &signature : nullptr);
      if (round != 1 || !ok) continue;
      auto entry = std::make_unique<vl::TScanEntry>();
      entry->Path = path;
      entry->Fingerprint = std::make_unique<vl::TFingerprint>(fingerprint);
      entry->Signature = signature;
      corpus.list.push_back(std::move(entry));
      corpus.labels.push_back(labelOf(fs::path(path).filename().string()));
    }
    corpus.readSeconds[withSignature] = std::min(corpus.readSeconds[withSignature], secondsSince(start));
  }
  return corpus;
}

struct Tally {
  std::map<std::string, int> joined;  // per kind: copies in the group of their original
  int altered = 0, turnedJoined = 0, falsePairs = 0;
  double seconds = 0;
};

Tally measure(const Corpus& corpus, int fuzz, bool rotations, int verifyDistance) {
  vl::ImageMatchRules rules;
  rules.rotations = rotations;
  if (verifyDistance >= 0) rules.checks.push_back(vl::SignatureCheck(corpus.list, corpus.list, verifyDistance));
  std::vector<int> groupOf(corpus.list.size(), -1);
  Tally tally;
  int groups = 0;
  const auto start = Clock::now();
  vl::PairImagesSelfIndexed(
      corpus.list, fuzz, {}, [](size_t, size_t) { return true; },
      [&](const vl::PairedGroup& group) {
        groupOf[group.head] = groups;
        for (const vl::PairedDuplicate& d : group.duplicates) {
          groupOf[d.index] = groups;
          tally.falsePairs += corpus.labels[d.index].label != corpus.labels[group.head].label ? 1 : 0;
        }
        ++groups;
      },
      rules);
  tally.seconds = secondsSince(start);
  std::map<int, size_t> originalAt;
  for (size_t i = 0; i < corpus.labels.size(); ++i)
    if (corpus.labels[i].kind == "original") originalAt[corpus.labels[i].label] = i;
  for (size_t i = 0; i < corpus.labels.size(); ++i) {
    const Labelled& l = corpus.labels[i];
    if (l.label < 0 || l.kind == "original") continue;
    const bool joined = groupOf[i] >= 0 && groupOf[i] == groupOf[originalAt[l.label]];
    tally.joined[l.kind] += joined ? 1 : 0;
    const bool isTurned = std::find(TurnedKinds.begin(), TurnedKinds.end(), l.kind) != TurnedKinds.end();
    (isTurned ? tally.turnedJoined : tally.altered) += joined ? 1 : 0;
  }
  return tally;
}

void printHeader() {
  std::printf("%-5s %-9s", "fuzz", "matcher");
  for (const std::string& kind : AlteredKinds) std::printf(" %7s", kind.c_str());
  std::printf(" %8s", "altered");
  for (const std::string& kind : TurnedKinds) std::printf(" %6s", kind.c_str());
  std::printf(" %7s %6s %8s\n", "turned", "false", "pairing");
}

void printRow(int fuzz, const char* matcher, const Tally& t) {
  std::printf("%-5d %-9s", fuzz, matcher);
  for (const std::string& kind : AlteredKinds) std::printf(" %7d", t.joined.count(kind) ? t.joined.at(kind) : 0);
  std::printf(" %3d/%3d", t.altered, Originals * int(AlteredKinds.size()));
  for (const std::string& kind : TurnedKinds) std::printf(" %6d", t.joined.count(kind) ? t.joined.at(kind) : 0);
  std::printf(" %3d/%3d %6d %6.1fms\n", t.turnedJoined, Originals * int(TurnedKinds.size()), t.falsePairs,
              t.seconds * 1000);
}

// The signature distances of originals to their altered copies, and of distinct pictures
// whose fingerprints are within fuzz 50 of each other: what the threshold must separate.
void printDistances(const Corpus& corpus) {
  std::map<int, int> same, different;
  const auto& list = corpus.list;
  for (size_t i = 0; i < list.size(); ++i)
    for (size_t j = i + 1; j < list.size(); ++j) {
      const int d = vl::SignatureDistance(*list[i]->Signature, *list[j]->Signature);
      const Labelled &a = corpus.labels[i], &b = corpus.labels[j];
      const bool turnedPair = std::find(TurnedKinds.begin(), TurnedKinds.end(), a.kind) != TurnedKinds.end() ||
                              std::find(TurnedKinds.begin(), TurnedKinds.end(), b.kind) != TurnedKinds.end();
      if (a.label == b.label && !turnedPair && (a.kind == "original" || b.kind == "original")) ++same[d];
      else if (a.label != b.label &&
               vl::FingerprintErrors(*list[i]->Fingerprint, *list[j]->Fingerprint, 50) <= 50)
        ++different[d];
    }
  std::printf("\nsignature distance: copies to their original | different pictures within fuzz 50\n");
  for (int d = 0; d <= 40; d += 2)
    std::printf("  %2d-%2d: %4d | %5d\n", d, d + 1, same[d] + same[d + 1], different[d] + different[d + 1]);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: bench_matching FOLDER\n");
    return 2;
  }
  const fs::path folder = argv[1];
  if (!fs::exists(folder / "o0_original.jpg")) writeCorpus(folder);
  const Corpus corpus = readCorpus(folder);
  std::printf("%zu pictures; reading without signatures %.3f s, with %.3f s (ratio %.3f)\n", corpus.list.size(),
              corpus.readSeconds[0], corpus.readSeconds[1], corpus.readSeconds[1] / corpus.readSeconds[0]);
  printDistances(corpus);
  std::printf("\nthreshold sweep (verified): distance, altered joined and false pairs at fuzz 30 and 50\n");
  for (int distance = 4; distance <= 20; distance += 2) {
    const Tally t30 = measure(corpus, 30, false, distance), t50 = measure(corpus, 50, false, distance);
    std::printf("  %2d: %3d %4d   %3d %4d\n", distance, t30.altered, t30.falsePairs, t50.altered, t50.falsePairs);
  }
  std::printf("\nverification at signature distance %d\n", vl::VerifiedSignatureDistance);
  printHeader();
  for (int fuzz = 10; fuzz <= 60; fuzz += 10) {
    printRow(fuzz, "classic", measure(corpus, fuzz, false, -1));
    printRow(fuzz, "verified", measure(corpus, fuzz, false, vl::VerifiedSignatureDistance));
    printRow(fuzz, "rotations", measure(corpus, fuzz, true, -1));
    printRow(fuzz, "rot+ver", measure(corpus, fuzz, true, vl::VerifiedSignatureDistance));
  }
  return 0;
}

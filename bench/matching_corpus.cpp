// Writing and reading the labelled corpus of bench_matching.
#include "bench/matching_corpus.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <sstream>

#include "core/files/safe_file_writer.h"
#include "core/fingerprint/bmp_decoder.h"
#include "core/fingerprint/fingerprint.h"
#include "core/fingerprint/gif_decoder.h"
#include "core/fingerprint/jpeg_decoder.h"
#include "core/fingerprint/signature.h"
#include "tests/support/generated_photo.h"
#include "tests/support/image_writer.h"
#include "tests/support/modern_writer.h"

namespace vl::bench {

namespace fs = std::filesystem;
using test::Picture;
using test::Rgb;

const std::vector<std::string> AlteredKinds = {"q60",  "progressive", "grey", "bright", "crop2", "half", "quarter",
                                               "png",  "tiff",        "webp", "heic",   "avif",  "bmp"};
const std::vector<std::string> OtherKinds = {"gif"};
const std::vector<std::string> TaggedKinds = {"exif", "tifftag", "heiftag"};
const std::vector<std::string> TurnedKinds = {"rot90", "rot180", "rot270", "mirror"};
const std::vector<std::string> NewerKinds = {"jxl", "raw", "rawhalf"};

namespace {

const char* const LabelsFile = "labels.tsv";

// ---- Sources ----

// What tells one wallpaper from another: its folder under /usr/share/wallpapers, else
// its file name up to the first "_", "-" or "." (sizes and light or dark variants).
std::string wallpaperOf(const fs::path& path) {
  const std::string text = path.string();
  const std::string root = "/usr/share/wallpapers/";
  if (text.rfind(root, 0) == 0) return text.substr(0, text.find('/', root.size()));
  const std::string name = path.filename().string();
  return name.substr(0, name.find_first_of("_-."));
}

// The largest file of each wallpaper (JPEG, PNG or WebP), dark variants and
// screenshots left out as near copies, in path order.
std::vector<fs::path> sourcePaths() {
  std::map<std::string, fs::path> chosen;
  for (const char* root : {"/usr/share/backgrounds", "/usr/share/wallpapers"}) {
    std::error_code ec;
    for (auto it = fs::recursive_directory_iterator(root, ec); !ec && it != fs::recursive_directory_iterator();
         it.increment(ec)) {
      const fs::path& path = it->path();
      const PictureType type = PictureTypeOf(path.string());
      if (!it->is_regular_file() || (type != PictureType::Jpeg && type != PictureType::Png && type != PictureType::Webp) ||
          path.string().find("images_dark") != std::string::npos || path.filename().string().rfind("screenshot", 0) == 0)
        continue;
      fs::path& best = chosen[wallpaperOf(path)];
      if (best.empty() || fs::file_size(path) > fs::file_size(best) ||
          (fs::file_size(path) == fs::file_size(best) && path < best))
        best = path;
    }
  }
  std::vector<fs::path> paths;
  for (const auto& [key, path] : chosen) paths.push_back(path);
  std::sort(paths.begin(), paths.end());
  return paths;
}

// The mean of the source pixels under each pixel of a width x height picture.
Picture averaged(const WorkBitmap& from, int width, int height) {
  Picture out(width, height);
  for (int y = 0; y < height; ++y) {
    const int y0 = y * from.height / height, y1 = std::max(y0 + 1, (y + 1) * from.height / height);
    for (int x = 0; x < width; ++x) {
      const int x0 = x * from.width / width, x1 = std::max(x0 + 1, (x + 1) * from.width / width);
      uint32_t sums[3] = {0, 0, 0}, n = 0;
      for (int sy = y0; sy < y1; ++sy)
        for (int sx = x0; sx < x1; ++sx, ++n)
          for (int c = 0; c < 3; ++c) sums[c] += from.at(sx, sy) >> (16 - 8 * c) & 255;
      out.set(x, y, Rgb(int(sums[0] / n), int(sums[1] / n), int(sums[2] / n)));
    }
  }
  return out;
}

// A source picture in colour, at most maxSide pixels on a side; empty when it cannot be read.
Picture loadSource(const fs::path& path, int maxSide) {
  std::ifstream file(path, std::ios::binary);
  const std::vector<uint8_t> data{std::istreambuf_iterator<char>(file), {}};
  WorkBitmap bitmap;
  const PictureType type = PictureTypeOf(path.string());
  if (type == PictureType::Jpeg) {
    PreviewPicture preview;
    if (!DecodeJpegPreview(data.data(), data.size(), {1, false, maxSide, maxSide}, preview)) return {};
    bitmap.reset(preview.width, preview.height, 0);
    for (size_t i = 0; i < bitmap.pixels.size(); ++i) bitmap.pixels[i] = preview.pixels[i] & 0xFFFFFF;
  } else if (!DecodeFullColour(data.data(), data.size(), type, bitmap)) {
    return {};
  }
  const double scale = std::min(1.0, double(maxSide) / std::max(bitmap.width, bitmap.height));
  return averaged(bitmap, std::max(1, int(bitmap.width * scale)), std::max(1, int(bitmap.height * scale)));
}

// ---- Cuts and copies ----

struct Rect {
  double left, top, right, bottom;
};

// The rectangle of a picture (fractions of its sides) scaled to outWidth by averaging
// the source pixels under each output pixel.
Picture cutAndScale(const Picture& from, const Rect& r, int outWidth) {
  const double w = r.right - r.left, h = r.bottom - r.top;
  const int outHeight = std::max(8, int(outWidth * h * from.height / (w * from.width)));
  Picture out(outWidth, outHeight);
  for (int y = 0; y < outHeight; ++y) {
    const int y0 = int((r.top + h * y / outHeight) * from.height);
    const int y1 = std::max(y0 + 1, int((r.top + h * (y + 1) / outHeight) * from.height));
    for (int x = 0; x < outWidth; ++x) {
      const int x0 = int((r.left + w * x / outWidth) * from.width);
      const int x1 = std::max(x0 + 1, int((r.left + w * (x + 1) / outWidth) * from.width));
      int sums[3] = {0, 0, 0}, n = 0;
      for (int sy = y0; sy < std::min(y1, from.height); ++sy)
        for (int sx = x0; sx < std::min(x1, from.width); ++sx, ++n)
          for (int c = 0; c < 3; ++c) sums[c] += int(from.at(sx, sy) >> (16 - 8 * c) & 255);
      n = std::max(n, 1);
      out.set(x, y, Rgb(sums[0] / n, sums[1] / n, sums[2] / n));
    }
  }
  return out;
}

// A random part of 70 to 100 % of each side of the rectangle.
Rect randomPart(const Rect& within, std::mt19937& random) {
  std::uniform_real_distribution<double> unit(0, 1);
  const double w = (within.right - within.left) * (0.7 + 0.3 * unit(random));
  const double h = (within.bottom - within.top) * (0.7 + 0.3 * unit(random));
  const double left = within.left + (within.right - within.left - w) * unit(random);
  const double top = within.top + (within.bottom - within.top - h) * unit(random);
  return {left, top, left + w, top + h};
}

Picture mapped(const Picture& picture, uint32_t (*change)(uint32_t)) {
  Picture out = picture;
  for (uint32_t& p : out.rgb) p = change(p);
  return out;
}

uint32_t brighter(uint32_t p) {
  const auto up = [](uint32_t c) { return std::min(255, int(c) + 40); };
  return Rgb(up(p >> 16 & 255), up(p >> 8 & 255), up(p & 255));
}

// The common 256-colour palette of 8 levels of red and green and 4 of blue, for a GIF.
uint32_t paletted(uint32_t p) {
  const auto level = [](uint32_t c, uint32_t levels) { return int((c * levels / 256) * 255 / (levels - 1)); };
  return Rgb(level(p >> 16 & 255, 8), level(p >> 8 & 255, 8), level(p & 255, 4));
}

// The colour in linear light, as a camera's sensor records it: the sRGB curve undone.
uint32_t linearLight(uint32_t p) {
  const auto linear = [](uint32_t c) {
    const double v = c / 255.0;
    return int(std::lround(255 * (v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4))));
  };
  return Rgb(linear(p >> 16 & 255), linear(p >> 8 & 255), linear(p & 255));
}

Picture resized(const Picture& picture, int width) { return cutAndScale(picture, {0, 0, 1, 1}, width); }

// Stored turned so that EXIF orientation `exifValue` shows the picture upright.
Picture storedFor(const Picture& upright, int exifValue) {
  return test::Oriented(upright, test::InverseOrientation(OrientationOfTag(exifValue)));
}

// Writes one copy of the original of the given kind; the file name it got.
std::string writeCopy(const Picture& original, const std::string& stem, const std::string& kind, int family) {
  using test::WriteBytes;
  using test::WriteJpeg;
  const int exifValue = 2 + family % 7;  // every turn and mirror, 2 to 8
  const std::map<std::string, std::string> extensions = {
      {"png", ".png"}, {"tiff", ".tif"}, {"webp", ".webp"}, {"heic", ".heic"}, {"avif", ".avif"}, {"bmp", ".bmp"},
      {"gif", ".gif"}, {"tifftag", ".tif"}, {"heiftag", ".heic"}, {"jxl", ".jxl"}, {"raw", ".dng"}, {"rawhalf", ".dng"}};
  const auto ext = extensions.find(kind);
  const std::string path = stem + "_" + kind + (ext == extensions.end() ? ".jpg" : ext->second);
  if (kind == "q60") WriteJpeg(path, original, {.quality = 60});
  else if (kind == "progressive") WriteJpeg(path, original, {.progressive = true});
  else if (kind == "grey") WriteJpeg(path, original, {.colour = test::JpegColour::Grey});
  else if (kind == "bright") WriteJpeg(path, mapped(original, brighter));
  else if (kind == "crop2") WriteJpeg(path, cutAndScale(original, {0.01, 0.01, 0.99, 0.99}, original.width * 98 / 100));
  else if (kind == "half") WriteJpeg(path, resized(original, original.width / 2));
  else if (kind == "quarter") WriteJpeg(path, resized(original, original.width / 4));
  else if (kind == "png") WriteBytes(path, test::EncodePng(original));
  else if (kind == "tiff") WriteBytes(path, test::EncodeTiff({original}));
  else if (kind == "webp") WriteBytes(path, test::EncodeWebp({original}, {}, 80));
  else if (kind == "heic") WriteBytes(path, test::EncodeHeif({original}, false, {}, 70));
  else if (kind == "avif") WriteBytes(path, test::EncodeHeif({original}, true, {}, 70));
  else if (kind == "bmp") test::WriteBmp(path, original);
  else if (kind == "gif") test::WriteGif(path, mapped(original, paletted));
  else if (kind == "exif") WriteJpeg(path, storedFor(original, exifValue), {.exifOrientation = exifValue});
  else if (kind == "tifftag") WriteBytes(path, test::EncodeTiff({storedFor(original, exifValue)}, {}, exifValue));
  else if (kind == "heiftag") WriteBytes(path, test::EncodeHeif({storedFor(original, exifValue)}, false, {}, 70, exifValue));
  else if (kind == "rot90") WriteJpeg(path, test::Oriented(original, 5));
  else if (kind == "rot180") WriteJpeg(path, test::Oriented(original, 3));
  else if (kind == "rot270") WriteJpeg(path, test::Oriented(original, 6));
  else if (kind == "mirror") WriteJpeg(path, test::Oriented(original, 1));
  else if (kind == "jxl") WriteBytes(path, test::EncodeJxl(original, {}, 2));
  else if (kind == "raw") WriteBytes(path, test::EncodeDng(mapped(original, linearLight), resized(original, 2 * original.width)));
  else if (kind == "rawhalf") WriteBytes(path, test::EncodeDng(mapped(original, linearLight), resized(original, original.width / 4)));
  return fs::path(path).filename().string();
}

// ---- Smooth pictures ----

// The standard deviation of a picture's luminance: below MinDetail it is of almost one colour.
constexpr double MinDetail = 6;
double lumaDeviation(const Picture& picture) {
  double sum = 0, squares = 0;
  for (uint32_t p : picture.rgb) {
    const double y = 0.299 * (p >> 16 & 255) + 0.587 * (p >> 8 & 255) + 0.114 * (p & 255);
    sum += y, squares += y * y;
  }
  const double n = double(picture.rgb.size());
  return std::sqrt(std::max(0.0, squares / n - sum * sum / (n * n)));
}

// Smooth sorts: a linear gradient between two colours, a sky (blue to pale with faint
// clouds), a vignette; blank sorts: an almost white page, a dark frame, a white shape
// on a transparent background.
enum class Smooth { Gradient, Sky, Vignette, Page, Dark, WhiteOnClear };

// A smooth or blank picture with the faint noise a camera or scanner leaves.
Picture smoothPicture(Smooth sort, std::mt19937& random) {
  std::uniform_real_distribution<double> unit(0, 1);
  std::normal_distribution<double> noise(0, 1.5);
  const int width = 480 + int(random() % 321), height = width * (60 + int(random() % 41)) / 100;
  using Colour = std::array<double, 3>;
  const auto anyColour = [&] { return Colour{unit(random) * 255, unit(random) * 255, unit(random) * 255}; };
  Colour from = anyColour(), to = anyColour();
  if (sort == Smooth::Sky) from = {40 + 60 * unit(random), 90 + 60 * unit(random), 200 + 55 * unit(random)}, to = {200, 220, 250};
  if (sort == Smooth::Page) from = to = Colour{225 + 30 * unit(random), 225 + 30 * unit(random), 220 + 35 * unit(random)};
  if (sort == Smooth::Dark) from = to = Colour{25 * unit(random), 25 * unit(random), 25 * unit(random)};
  if (sort == Smooth::WhiteOnClear) from = to = Colour{255, 255, 255};
  const double angle = unit(random) * 2 * M_PI;
  // Clouds: soft bright blobs of random places, sizes and strengths.
  struct Cloud { double x, y, r, strength; };
  std::vector<Cloud> clouds(sort == Smooth::Sky ? 2 + random() % 7 : 0);
  for (Cloud& c : clouds) c = {unit(random) - 0.5, unit(random) - 0.5, 0.05 + 0.25 * unit(random), 5 + 35 * unit(random)};
  const double grain = sort == Smooth::WhiteOnClear ? 0 : 1;
  Picture picture(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const double u = double(x) / width - 0.5, v = double(y) / height - 0.5;
      double t = 0;
      if (sort == Smooth::Gradient) t = 0.5 + u * std::cos(angle) + v * std::sin(angle);
      if (sort == Smooth::Sky) t = v + 0.5;
      if (sort == Smooth::Vignette) t = 2 * std::hypot(u, v);
      t = std::clamp(t, 0.0, 1.0);
      double cloud = 0;
      for (const Cloud& c : clouds) cloud += c.strength * std::exp(-(std::pow(u - c.x, 2) + std::pow(v - c.y, 2)) / (c.r * c.r));
      int rgb[3];
      for (size_t i = 0; i < 3; ++i)
        rgb[i] = std::clamp(int(from[i] + (to[i] - from[i]) * t + cloud + grain * noise(random)), 0, 255);
      picture.set(x, y, Rgb(rgb[0], rgb[1], rgb[2]));
    }
  return picture;
}

// ---- The plan ----

std::string numbered(char prefix, int n) {
  char text[16];
  std::snprintf(text, sizeof text, "%c%04d", prefix, n);
  return text;
}

struct Cut {
  int source;
  Rect tile;
};

// Source picture s at most maxSide pixels on a side: from paths, or generated when there are none.
Picture sourcePicture(const std::vector<fs::path>& paths, int s, int maxSide) {
  if (!paths.empty()) return loadSource(paths[size_t(s)], maxSide);
  std::mt19937 generator{uint32_t(s)};
  return test::GeneratedPhoto(generator);
}

// The tiles of every source that are not of almost one colour (judged on a small
// decode), shuffled. One decode of each source.
std::vector<Cut> usableTiles(const std::vector<fs::path>& paths, int sources, int tiles, std::mt19937& random) {
  std::vector<Cut> cuts;
  for (int s = 0; s < sources; ++s) {
    const Picture small = sourcePicture(paths, s, 512);
    for (int t = 0; !small.rgb.empty() && t < tiles * tiles; ++t) {
      const double x = double(t % tiles) / tiles, y = double(t / tiles) / tiles;
      const Rect tile{x, y, x + 1.0 / tiles, y + 1.0 / tiles};
      if (lumaDeviation(cutAndScale(small, tile, 48)) >= MinDetail) cuts.push_back({s, tile});
    }
  }
  std::shuffle(cuts.begin(), cuts.end(), random);
  return cuts;
}

class CorpusWriter {
 public:
  CorpusWriter(const fs::path& folder, const CorpusSize& size) : folder_(folder), size_(size), random_(2026) {}

  void write() {
    fs::create_directories(folder_);
    const std::vector<fs::path> paths = sourcePaths();
    const int sources = paths.empty() ? 30 : int(paths.size());
    std::printf("writing the corpus from %d source pictures\n", sources);
    const std::vector<Cut> cuts = usableTiles(paths, sources, size_.tiles, random_);
    const size_t needed = size_t(size_.originals + size_.distinct + size_.similarSets);
    if (cuts.size() < needed) std::printf("only %zu usable tiles for %zu cuts\n", cuts.size(), needed);
    std::map<int, std::vector<size_t>> numbersOf;  // the cuts of each source
    for (size_t n = 0; n < std::min(needed, cuts.size()); ++n) numbersOf[cuts[n].source].push_back(n);
    for (const auto& [source, numbers] : numbersOf) {
      const Picture photo = sourcePicture(paths, source, size_.maxSide);
      for (size_t n : numbers) writeCut(photo, source, cuts[n].tile, int(n));
      std::printf("  %zu of %zu cuts\n", done_ += numbers.size(), needed);
      std::fflush(stdout);
    }
    for (int i = 0; i < size_.smooth; ++i) writeSmooth(sources + i, i);
    writeLabels();
  }

 private:
  int outWidth() { return size_.minWidth + int(random_() % unsigned(801 - size_.minWidth)); }

  void add(const std::string& name, int source, const Rect& r, int family, const std::string& kind) {
    labels_.push_back({name, source, r.left, r.top, r.right, r.bottom, family, kind});
  }

  // Cut n: an original with its copies, a distinct picture or a similar set.
  void writeCut(const Picture& photo, int source, const Rect& tile, int n) {
    if (n < size_.originals) {
      const Rect r = randomPart(tile, random_);
      const Picture original = cutAndScale(photo, r, outWidth());
      const std::string stem = (folder_ / numbered('f', n)).string();
      test::WriteJpeg(stem + "_original.jpg", original);
      add(numbered('f', n) + "_original.jpg", source, r, n, "original");
      for (const auto* kinds : {&AlteredKinds, &OtherKinds, &TaggedKinds, &TurnedKinds, &NewerKinds})
        for (const std::string& kind : *kinds) {
          const Rect copied = kind == "crop2" ? Rect{r.left + 0.01 * (r.right - r.left), r.top + 0.01 * (r.bottom - r.top),
                                                     r.right - 0.01 * (r.right - r.left), r.bottom - 0.01 * (r.bottom - r.top)}
                                             : r;
          add(writeCopy(original, stem, kind, n), source, copied, n, kind);
        }
    } else if (n < size_.originals + size_.distinct) {
      const Rect r = randomPart(tile, random_);
      test::WriteJpeg((folder_ / (numbered('d', n) + ".jpg")).string(), cutAndScale(photo, r, outWidth()));
      add(numbered('d', n) + ".jpg", source, r, -1, "distinct");
    } else {
      // Two cuts of 70 % of the tile's sides from opposite corners: they share about 16 % of the tile.
      const double w = 0.7 * (tile.right - tile.left), h = 0.7 * (tile.bottom - tile.top);
      const Rect first{tile.left, tile.top, tile.left + w, tile.top + h};
      const Rect second{tile.right - w, tile.bottom - h, tile.right, tile.bottom};
      for (const auto& [r, letter] : {std::pair{first, "a"}, std::pair{second, "b"}}) {
        const std::string name = numbered('s', n) + letter + ".jpg";
        test::WriteJpeg((folder_ / name).string(), cutAndScale(photo, r, outWidth()));
        add(name, source, r, -1, "similar");
      }
    }
  }

  // Smooth picture i: of every ten, three gradients, three skies, two vignettes, a
  // blank page or dark frame (alternately) and a white shape on a transparent
  // background; the pages, the shapes and one gradient in three as PNG.
  void writeSmooth(int source, int i) {
    static const Smooth sorts[10] = {Smooth::Gradient, Smooth::Sky, Smooth::Vignette, Smooth::Gradient, Smooth::Sky,
                                     Smooth::Page,     Smooth::Gradient, Smooth::Sky, Smooth::Vignette, Smooth::WhiteOnClear};
    Smooth sort = sorts[i % 10];
    if (sort == Smooth::Page && i / 10 % 2 == 1) sort = Smooth::Dark;
    const Picture picture = smoothPicture(sort, random_);
    const bool png = sort == Smooth::Page || sort == Smooth::WhiteOnClear || (sort == Smooth::Gradient && i % 3 == 0);
    const std::string name = numbered('m', i) + (png ? ".png" : ".jpg");
    if (sort == Smooth::WhiteOnClear) {
      // A white disc on a transparent background: composited over white, a blank picture.
      test::AlphaPlane alpha(picture.rgb.size(), 0);
      for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x)
          if (std::hypot(x - picture.width / 2, y - picture.height / 2) < picture.height / 3) alpha[size_t(y) * picture.width + x] = 255;
      test::WriteBytes((folder_ / name).string(), test::EncodePng(picture, alpha));
    } else if (png) {
      test::WriteBytes((folder_ / name).string(), test::EncodePng(picture));
    } else {
      test::WriteJpeg((folder_ / name).string(), picture);
    }
    const bool blank = sort == Smooth::Page || sort == Smooth::Dark || sort == Smooth::WhiteOnClear;
    add(name, source, {0, 0, 1, 1}, -1, blank ? "blank" : "smooth");
  }

  void writeLabels() {
    std::ostringstream text;
    text.precision(9);
    for (const CorpusLabel& l : labels_)
      text << l.name << '\t' << l.source << '\t' << l.left << '\t' << l.top << '\t' << l.right << '\t' << l.bottom
           << '\t' << l.family << '\t' << l.kind << '\n';
    WriteFileSafely((folder_ / LabelsFile).string(), text.str());
  }

  fs::path folder_;
  CorpusSize size_;
  std::mt19937 random_;
  std::vector<CorpusLabel> labels_;
  size_t done_ = 0;
};

}  // namespace

Relation RelationOf(const CorpusLabel& a, const CorpusLabel& b) {
  if (a.family >= 0 && a.family == b.family) return Relation::Copy;
  const auto blank = [](const CorpusLabel& l) { return l.kind == "blank" || (l.deviation >= 0 && l.deviation < BlankDeviation); };
  if (blank(a) && blank(b)) return Relation::Blank;
  if (a.source != b.source) return Relation::Different;
  const bool overlap = a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
  return overlap ? Relation::Similar : Relation::Apart;
}

void WriteCorpus(const std::string& folder, const CorpusSize& size) { CorpusWriter(folder, size).write(); }

std::vector<CorpusLabel> ReadCorpusLabels(const std::string& folder) {
  std::ifstream file(fs::path(folder) / LabelsFile);
  std::vector<CorpusLabel> labels;
  CorpusLabel l;
  while (file >> l.name >> l.source >> l.left >> l.top >> l.right >> l.bottom >> l.family >> l.kind) labels.push_back(l);
  std::sort(labels.begin(), labels.end(), [](const CorpusLabel& a, const CorpusLabel& b) { return a.name < b.name; });
  return labels;
}

double PictureDeviation(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  const std::vector<uint8_t> data{std::istreambuf_iterator<char>(file), {}};
  WorkBitmap bitmap;
  int32_t width = 0, height = 0;
  const PictureType type = PictureTypeOf(path);
  const bool decoded = type == PictureType::Jpeg ? DecodeJpeg(data.data(), data.size(), bitmap, width, height)
                       : type == PictureType::Bmp ? DecodeBmp(data.data(), data.size(), bitmap)
                       : type == PictureType::Gif ? DecodeGif(data.data(), data.size(), bitmap)
                                                  : DecodeFullColour(data.data(), data.size(), type, bitmap);
  if (!decoded) return -1;
  Picture picture(bitmap.width, bitmap.height);
  for (size_t i = 0; i < picture.rgb.size(); ++i) {
    const uint32_t p = bitmap.pixels[i];
    picture.rgb[i] = bitmap.luminance ? Rgb(int(p), int(p), int(p)) : p;
  }
  return lumaDeviation(picture);
}

}  // namespace vl::bench

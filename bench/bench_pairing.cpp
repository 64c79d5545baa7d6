// bench_pairing [COUNT...]: the indexed image pairing (also with rotations) against the plain loop on fingerprints
// made from random crops of Debian's wallpaper photographs, with families of near copies; and the verified
// self-compare (verified grids and signatures of the same crops) against the classic one.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "core/fingerprint/fingerprint.h"
#include "core/fingerprint/jpeg_decoder.h"
#include "core/scan/pairing.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int Fuzz = 30;

double secondsSince(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

std::vector<vl::WorkBitmap> loadPhotos() {
  std::vector<vl::WorkBitmap> photos;
  for (const char* root : {"/usr/share/backgrounds", "/usr/share/wallpapers"}) {
    std::error_code ec;
    for (auto it = std::filesystem::recursive_directory_iterator(root, ec);
         !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec)) {
      if (!it->is_regular_file() || vl::PictureTypeOf(it->path().string()) != vl::PictureType::Jpeg) continue;
      std::ifstream file(it->path(), std::ios::binary);
      const std::vector<uint8_t> data{std::istreambuf_iterator<char>(file), {}};
      vl::WorkBitmap bitmap;
      int32_t width = 0, height = 0;
      if (vl::DecodeJpeg(data.data(), data.size(), bitmap, width, height)) photos.push_back(std::move(bitmap));
    }
  }
  return photos;
}

// A crop of a photo scaled to width x height by nearest sampling.
struct Crop {
  size_t photo;
  double left, top, width, height;  // as fractions of the photo
};

// The classic fingerprint of the crop, or with `verified` its verified grid and signature.
void addCrop(vl::ScanList& list, const vl::WorkBitmap& photo, const Crop& crop, int width, int height, bool grey,
             bool verified) {
  vl::WorkBitmap bitmap;
  bitmap.reset(width, height, 0, grey);
  for (int y = 0; y < height; ++y) {
    const int sy = std::min(photo.height - 1, int((crop.top + crop.height * (y + 0.5) / height) * photo.height));
    for (int x = 0; x < width; ++x) {
      const int sx = std::min(photo.width - 1, int((crop.left + crop.width * (x + 0.5) / width) * photo.width));
      const uint32_t p = photo.at(sx, sy);
      bitmap.row(y)[x] = grey && !photo.luminance ? (299 * (p >> 16 & 255) + 587 * (p >> 8 & 255) + 114 * (p & 255)) / 1000
                                                   : p;
    }
  }
  auto entry = std::make_unique<vl::TScanEntry>();
  entry->Path = "/corpus/" + std::to_string(list.size()) + ".jpg";
  if (verified) {
    const vl::VerifiedPrint print = vl::VerifiedPrintOfBitmap(bitmap);
    entry->Fingerprint = std::make_unique<vl::TFingerprint>(print.grid);
    entry->Signature = print.signature;
  } else {
    entry->Fingerprint = std::make_unique<vl::TFingerprint>(vl::FingerprintOfBitmap(bitmap));
  }
  list.push_back(std::move(entry));
}

// `count` fingerprints: distinct crops, one in ten with a family of copies (resized, greyscale, slightly shifted).
vl::ScanList syntheticList(const std::vector<vl::WorkBitmap>& photos, size_t count, uint32_t seed,
                           bool verified = false) {
  std::mt19937 random(seed);
  std::uniform_real_distribution<double> unit(0, 1);
  vl::ScanList list;
  while (list.size() < count) {
    Crop crop{random() % photos.size(), 0, 0, 0.2 + 0.8 * unit(random), 0.2 + 0.8 * unit(random)};
    crop.left = (1 - crop.width) * unit(random);
    crop.top = (1 - crop.height) * unit(random);
    const vl::WorkBitmap& photo = photos[crop.photo];
    addCrop(list, photo, crop, 64, 48, false, verified);
    if (random() % 10 != 0) continue;
    addCrop(list, photo, crop, 40, 30, false, verified);
    addCrop(list, photo, crop, 64, 48, true, verified);
    crop.left = std::min(1 - crop.width, crop.left + 0.01);
    addCrop(list, photo, crop, 64, 48, false, verified);
  }
  list.resize(count);
  std::shuffle(list.begin(), list.end(), random);
  return list;
}

struct Run {
  double seconds = 0;
  size_t groups = 0, duplicates = 0;
  std::vector<size_t> signature;  // heads, positions and errors, to check the two agree
};

template <class Pairing>
Run timed(Pairing pairing, size_t stopAt = SIZE_MAX) {
  Run run;
  const auto start = Clock::now();
  pairing([&](size_t index, size_t) { return index < stopAt; },
          [&](const vl::PairedGroup& group) {
            ++run.groups;
            run.duplicates += group.duplicates.size();
            run.signature.push_back(group.head);
            for (const auto& d : group.duplicates) run.signature.insert(run.signature.end(), {d.index, size_t(d.errors)});
          });
  run.seconds = secondsSince(start);
  return run;
}

// The plain self-compare over the first `heads` heads, scaled up by the share of comparisons they make.
double plainSelfEstimate(const vl::ScanList& list, size_t heads) {
  const Run sample = timed([&](auto p, auto s) { return vl::PairImagesSelf(list, Fuzz, p, s); }, heads);
  const double n = double(list.size()), h = double(heads);
  return sample.seconds * (n * n / 2) / (h * n - h * h / 2);
}

// The self-compare with and without rotations, by turns, the fastest of a few rounds
// each, so that a busy moment of a shared machine does not make the ratio.
void benchRotations(const vl::ScanList& list) {
  constexpr int Rounds = 3;
  vl::ImageMatchRules rotations;
  rotations.rotations = true;
  Run without, with;
  without.seconds = with.seconds = 1e9;
  for (int round = 0; round < Rounds; ++round) {
    const Run plain = timed([&](auto p, auto s) { return vl::PairImagesSelfIndexed(list, Fuzz, {}, p, s); });
    const Run turned = timed([&](auto p, auto s) { return vl::PairImagesSelfIndexed(list, Fuzz, {}, p, s, rotations); });
    if (plain.seconds < without.seconds) without = plain;
    if (turned.seconds < with.seconds) with = turned;
  }
  std::printf("  with rotations: indexed %.3f s (%zu groups) against %.3f s without, %.2f times the time without "
              "(fastest of %d rounds each)\n",
              with.seconds, with.groups, without.seconds, with.seconds / without.seconds, Rounds);
}

void benchSelf(const vl::ScanList& list, bool fullPlain) {
  const Run fast = timed([&](auto p, auto s) { return vl::PairImagesSelfIndexed(list, Fuzz, {}, p, s); });
  std::printf("self-compare %zu: indexed %.3f s (%zu groups, %zu duplicates)", list.size(), fast.seconds, fast.groups,
              fast.duplicates);
  if (fullPlain) {
    const Run plain = timed([&](auto p, auto s) { return vl::PairImagesSelf(list, Fuzz, p, s); });
    std::printf(", plain %.3f s, ratio %.1f, identical: %s\n", plain.seconds, plain.seconds / fast.seconds,
                plain.signature == fast.signature ? "yes" : "NO");
  } else if (list.size() <= 200000) {
    const double plain = plainSelfEstimate(list, 2000);
    std::printf(", plain %.1f s (extrapolated from its first 2,000 heads), ratio %.0f\n", plain, plain / fast.seconds);
  } else {
    std::printf("\n");
  }
  benchRotations(list);
}

// The verified self-compare (verified grids, signature check) against the classic one
// of the same crops, by turns, the fastest of a few rounds each; and the verified grids
// without the check, to tell the cost of the check and of the pairs it turns down.
void benchVerified(const vl::ScanList& classic, const vl::ScanList& verified) {
  constexpr int Rounds = 3;
  vl::ImageMatchRules rules;
  size_t checks = 0;
  const vl::PairCheck check = vl::SignatureCheck(verified, verified);
  rules.checks.push_back([&](size_t head, size_t candidate, vl::Orientations orientations) {
    ++checks;
    return check(head, candidate, orientations);
  });
  Run plain, checked, unchecked;
  plain.seconds = checked.seconds = unchecked.seconds = 1e9;
  for (int round = 0; round < Rounds; ++round) {
    const Run a = timed([&](auto p, auto s) { return vl::PairImagesSelfIndexed(classic, Fuzz, {}, p, s); });
    const Run b = timed([&](auto p, auto s) { return vl::PairImagesSelfIndexed(verified, Fuzz, {}, p, s, rules); });
    const Run c = timed([&](auto p, auto s) { return vl::PairImagesSelfIndexed(verified, Fuzz, {}, p, s); });
    if (a.seconds < plain.seconds) plain = a;
    if (b.seconds < checked.seconds) checked = b;
    if (c.seconds < unchecked.seconds) unchecked = c;
  }
  std::printf("  verified grids without the check: %.3f s (%zu groups, %zu duplicates); %zu pairs checked\n",
              unchecked.seconds, unchecked.groups, unchecked.duplicates, checks / Rounds);
  std::printf("  verified: %.3f s (%zu groups) against %.3f s classic (%zu groups), %.2f times the classic time "
              "(fastest of %d rounds each)\n",
              checked.seconds, checked.groups, plain.seconds, plain.groups, checked.seconds / plain.seconds, Rounds);
}

void benchAgainstBase(const vl::ScanList& base, const vl::ScanList& compare, bool fullPlain) {
  const Run fast = timed([&](auto p, auto s) { return vl::PairImagesAgainstBaseIndexed(base, compare, Fuzz, {}, p, s); });
  std::printf("against a base %zu x %zu: indexed %.3f s (%zu groups, %zu duplicates)", base.size(), compare.size(),
              fast.seconds, fast.groups, fast.duplicates);
  const size_t heads = fullPlain ? base.size() : 200;
  const Run plain = timed([&](auto p, auto s) { return vl::PairImagesAgainstBase(base, compare, Fuzz, p, s); }, heads);
  if (fullPlain) {
    std::printf(", plain %.3f s, ratio %.1f, identical: %s\n", plain.seconds, plain.seconds / fast.seconds,
                plain.signature == fast.signature ? "yes" : "NO");
  } else {
    const double estimate = plain.seconds * double(base.size()) / double(heads);
    std::printf(", plain %.1f s (extrapolated from its first %zu heads), ratio %.0f\n", estimate, heads,
                estimate / fast.seconds);
  }
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<size_t> counts;
  for (int i = 1; i < argc; ++i) counts.push_back(std::strtoul(argv[i], nullptr, 10));
  if (counts.empty()) counts = {10000, 100000, 1000000};
  const auto photos = loadPhotos();
  if (photos.empty()) {
    std::fprintf(stderr, "bench_pairing: no JPEG photographs under /usr/share/backgrounds or /usr/share/wallpapers\n");
    return 2;
  }
  std::printf("fuzz factor %d, %zu source photographs, %u hardware threads\n", Fuzz, photos.size(),
              std::thread::hardware_concurrency());
  for (const size_t count : counts) {
    const auto start = Clock::now();
    const vl::ScanList list = syntheticList(photos, count, 1);
    std::printf("%zu fingerprints made in %.1f s\n", count, secondsSince(start));
    benchSelf(list, count <= 20000);
    benchVerified(list, syntheticList(photos, count, 1, true));
    if (count > 200000) continue;
    const vl::ScanList base = syntheticList(photos, count / 2, 2);
    benchAgainstBase(base, list, count <= 20000);
  }
  return 0;
}

// bench_fingerprint FOLDER [ROUNDS [LIMIT]]: fingerprints the pictures below a folder (at most
// LIMIT of them) and compares the JPEG time with libjpeg's bare greyscale decode of the same
// files at the same scale; then reads them as a scan does with one job and with every core,
// and from a fresh fingerprint cache, cold and again unchanged; then times a verifying scan
// (reading and pairing) against a classic one, without a cache and from a filled one.
#include <algorithm>
#include <chrono>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include <jpeglib.h>

#include "core/fingerprint/fingerprint.h"
#include "core/fingerprint/fingerprint_cache.h"
#include "core/fingerprint/jpeg_decoder.h"
#include "core/scan/pairing.h"
#include "core/scan/read_images.h"

namespace {

using Clock = std::chrono::steady_clock;

struct JumpErrors {
  jpeg_error_mgr mgr;
  std::jmp_buf jump;
};

[[noreturn]] void jumpOnError(j_common_ptr cinfo) { std::longjmp(reinterpret_cast<JumpErrors*>(cinfo->err)->jump, 1); }
void ignoreMessage(j_common_ptr, int) {}

// One read of the whole file into a reused buffer, as MakeFingerprint does.
const std::vector<uint8_t>& readFile(const std::string& path) {
  static std::vector<uint8_t> data;
  data.resize(std::filesystem::file_size(path));
  std::ifstream file(path, std::ios::binary);
  file.read(reinterpret_cast<char*>(data.data()), std::streamsize(data.size()));
  return data;
}

// The floor: read the file, decode it to 8-bit greyscale at the fingerprint scale, keep nothing.
bool bareDecode(const std::string& path, std::vector<uint8_t>& row) {
  const std::vector<uint8_t>& data = readFile(path);
  jpeg_decompress_struct cinfo;
  JumpErrors errors;
  cinfo.err = jpeg_std_error(&errors.mgr);
  errors.mgr.error_exit = jumpOnError;
  errors.mgr.emit_message = ignoreMessage;
  jpeg_create_decompress(&cinfo);
  if (setjmp(errors.jump)) {
    jpeg_destroy_decompress(&cinfo);
    return false;
  }
  jpeg_mem_src(&cinfo, data.data(), static_cast<unsigned long>(data.size()));
  jpeg_read_header(&cinfo, TRUE);
  cinfo.scale_num = 1;
  cinfo.scale_denom = unsigned(vl::JpegScaleDenominator(cinfo.image_width, cinfo.image_height));
  const bool cmyk = cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
  cinfo.out_color_space = cmyk ? JCS_CMYK : JCS_GRAYSCALE;
  cinfo.dct_method = JDCT_ISLOW;
  jpeg_start_decompress(&cinfo);
  row.resize(size_t(cinfo.output_width) * size_t(cinfo.output_components));
  JSAMPROW rows[1] = {row.data()};
  while (cinfo.output_scanline < cinfo.output_height) jpeg_read_scanlines(&cinfo, rows, 1);
  jpeg_destroy_decompress(&cinfo);
  return true;
}

double seconds(Clock::duration d) { return std::chrono::duration<double>(d).count(); }

// The best of `rounds` timings of running `work` over every path.
template <typename Work>
double bestTime(const std::vector<std::string>& paths, int rounds, Work work) {
  double best = 1e300;
  for (int r = 0; r < rounds; ++r) {
    const auto start = Clock::now();
    for (const std::string& p : paths) work(p);
    best = std::min(best, seconds(Clock::now() - start));
  }
  return best;
}

// The time ReadImages takes over a fresh list of the paths.
double readImagesTime(const std::vector<std::string>& paths, const vl::FingerprintOptions& options) {
  vl::ScanList list;
  for (const std::string& p : paths) {
    list.push_back(std::make_unique<vl::TScanEntry>());
    list.back()->Path = p;
  }
  vl::NoProgress quiet;
  const auto start = Clock::now();
  vl::ReadImages(list, nullptr, quiet, options);
  return seconds(Clock::now() - start);
}

void benchScanReading(const std::vector<std::string>& paths) {
  const double one = readImagesTime(paths, {1});
  const double all = readImagesTime(paths, {0});
  std::printf("scan reading %zu pictures: one job %.2f s, %u threads %.2f s, speed-up %.2f (target >= 1.8 on 2 cores)\n",
              paths.size(), one, std::thread::hardware_concurrency(), all, one / all);
  const std::string cacheFile = std::filesystem::temp_directory_path() / "bench_fingerprint_cache.sqlite";
  std::filesystem::remove(cacheFile);
  double cold = 0, warm = 0;
  {
    vl::FingerprintCache cache(cacheFile);
    cold = readImagesTime(paths, {0, &cache});
  }
  {
    vl::FingerprintCache cache(cacheFile);
    warm = readImagesTime(paths, {0, &cache});
  }
  std::filesystem::remove(cacheFile);
  std::filesystem::remove(cacheFile + "-wal");
  std::filesystem::remove(cacheFile + "-shm");
  std::printf("with a new cache: cold %.2f s, unchanged rescan %.3f s, ratio %.1f (target >= 20)\n", cold, warm,
              cold / warm);
}

// The time of reading the paths as a scan does (all cores) and then pairing them at the
// default fuzz factor, verified or classic.
struct ScanTime {
  double read = 0, pair = 0;
  double total() const { return read + pair; }
};

ScanTime scanTime(const std::vector<std::string>& paths, bool verified, vl::FingerprintCache* cache) {
  vl::ScanList list;
  for (const std::string& p : paths) {
    list.push_back(std::make_unique<vl::TScanEntry>());
    list.back()->Path = p;
  }
  vl::NoProgress quiet;
  vl::FingerprintOptions options{0, cache, verified};
  ScanTime time;
  auto start = Clock::now();
  vl::ReadImages(list, nullptr, quiet, options);
  time.read = seconds(Clock::now() - start);
  vl::ImageMatchRules rules;
  if (verified) rules.checks.push_back(vl::SignatureCheck(list, list));
  start = Clock::now();
  vl::PairImagesSelfIndexed(list, 30, {}, [](size_t, size_t) { return true; }, [](const vl::PairedGroup&) {}, rules);
  time.pair = seconds(Clock::now() - start);
  return time;
}

void printScanRatio(const char* what, const ScanTime& classic, const ScanTime& verified) {
  std::printf("%s: classic %.3f s (read %.3f, pair %.3f), verified %.3f s (read %.3f, pair %.3f), ratio %.3f "
              "(target <= 1.3)\n",
              what, classic.total(), classic.read, classic.pair, verified.total(), verified.read, verified.pair,
              verified.total() / classic.total());
}

// Verifying scans against classic ones, each the best of `rounds` taken by turns: without
// a cache, and from a cache filled by a first scan of the same kind.
void benchVerifiedScans(const std::vector<std::string>& paths, int rounds) {
  ScanTime best[2] = {{1e300, 0}, {1e300, 0}};
  for (int r = 0; r < 2 * rounds; ++r) {
    const ScanTime t = scanTime(paths, r % 2 == 1, nullptr);
    if (t.total() < best[r % 2].total()) best[r % 2] = t;
  }
  printScanRatio("scan without a cache", best[0], best[1]);
  const std::string cacheFile = std::filesystem::temp_directory_path() / "bench_fingerprint_scans.sqlite";
  ScanTime cached[2] = {{1e300, 0}, {1e300, 0}};
  for (int verified = 0; verified < 2; ++verified) {
    for (const char* suffix : {"", "-wal", "-shm"}) std::filesystem::remove(cacheFile + suffix);
    vl::FingerprintCache cache(cacheFile);
    scanTime(paths, verified == 1, &cache);
    for (int r = 0; r < rounds; ++r) {
      const ScanTime t = scanTime(paths, verified == 1, &cache);
      if (t.total() < cached[verified].total()) cached[verified] = t;
    }
  }
  for (const char* suffix : {"", "-wal", "-shm"}) std::filesystem::remove(cacheFile + suffix);
  printScanRatio("scan from the cache", cached[0], cached[1]);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argc > 4) {
    std::fputs("usage: bench_fingerprint FOLDER [ROUNDS [LIMIT]]\n", stderr);
    return 2;
  }
  const int rounds = argc >= 3 ? std::max(1, std::atoi(argv[2])) : 3;
  const size_t limit = argc == 4 ? size_t(std::max(1, std::atoi(argv[3]))) : SIZE_MAX;
  std::vector<std::string> all, jpegs;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(argv[1])) {
    if (!entry.is_regular_file()) continue;
    const std::string path = entry.path().string();
    if (vl::PictureTypeOf(path) != vl::PictureType::None) all.push_back(path);
  }
  std::sort(all.begin(), all.end());
  if (all.size() > limit) all.resize(limit);
  for (const std::string& p : all)
    if (vl::PictureTypeOf(p) == vl::PictureType::Jpeg) jpegs.push_back(p);
  int failed = 0;
  vl::TFingerprint fingerprint;
  int32_t width, height;
  for (const std::string& p : all) failed += vl::MakeFingerprint(p, fingerprint, width, height) ? 0 : 1;
  auto fingerprintOne = [&](const std::string& p) { vl::MakeFingerprint(p, fingerprint, width, height); };
  std::vector<uint8_t> row;
  auto decodeOne = [&](const std::string& p) { bareDecode(p, row); };

  std::printf("pictures: %zu (%zu JPEG), %d not fingerprinted; best of %d rounds\n", all.size(), jpegs.size(),
              failed, rounds);
  const double allTime = bestTime(all, rounds, fingerprintOne);
  std::printf("MakeFingerprint, all pictures: %.3f s, %.1f pictures/s\n", allTime, double(all.size()) / allTime);
  if (jpegs.empty()) {
    benchVerifiedScans(all, rounds);
    return 0;
  }
  double fpTime = 1e300, bareTime = 1e300;
  for (int r = 0; r < rounds; ++r) {  // interleaved, so that both see the same machine load
    fpTime = std::min(fpTime, bestTime(jpegs, 1, fingerprintOne));
    bareTime = std::min(bareTime, bestTime(jpegs, 1, decodeOne));
  }
  const double n = double(jpegs.size());
  std::printf("MakeFingerprint, JPEG: %.3f s, %.1f pictures/s\n", fpTime, n / fpTime);
  std::printf("bare libjpeg greyscale decode at the same scale, JPEG: %.3f s, %.1f pictures/s\n", bareTime,
              n / bareTime);
  std::printf("ratio MakeFingerprint / bare decode: %.3f (target <= 1.15)\n", fpTime / bareTime);
  benchScanReading(all);
  benchVerifiedScans(all, rounds);
  return 0;
}

// bench_fingerprint FOLDER [ROUNDS [LIMIT]]: fingerprints the pictures below a folder (at most
// LIMIT of them) and compares the JPEG time with libjpeg's bare greyscale decode of the same
// files at the same scale; then reads them as a scan does with one job and with every core,
// and from a fresh fingerprint cache, cold and again unchanged.
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
  if (jpegs.empty()) return 0;
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
  return 0;
}

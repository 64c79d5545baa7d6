// Peak memory, time and cancel latency of fingerprinting small files that declare huge pictures, and large JPEG XL pictures.
//
// bench_decode_memory [FOLDER]: writes 30 crafted pictures into FOLDER (default a
// temporary folder; kept between runs), six of each kind (see crafted_pictures.h),
// and a lossless WebP of the same size beside them, then measures, each in a fresh
// process whose peak resident memory getrusage gives:
//   - one picture of each kind fingerprinted, decoded whole as before (baseline: no
//     shared budget, any size kept whole) and as scans now decode it;
//   - JPEG XL pictures of a camera's size (lossless, with and without alpha, and
//     lossy), both ways, against the memory the decoder reserves for libjxl;
//   - the reading pass of a scan over the folder with two jobs, both ways;
//   - how long a one-job reading pass goes on after its cancel flag is set, against
//     the longest single decode (what a check between pictures alone would give).
// Targets: the folder in under 600 MB and a minute; a cancel obeyed within a second.
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "bench/crafted_pictures.h"
#include "core/components/cancel_token.h"
#include "core/fingerprint/fingerprint.h"
#include "core/fingerprint/pixel_sink.h"
#include "core/scan/read_images.h"
#include "core/settings/settings.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

constexpr int PerKind = 6;

double secondsSince(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

// The measured process's cancel token.
vl::CancelToken& cancelToken() {
  static vl::CancelToken token;
  return token;
}

// How a measured process decodes: as before (whole bitmaps, no shared budget) or as now.
vl::DecodeControl controlFor(const std::string& way) {
  vl::DecodeControl control;
  control.cancel = &cancelToken().flag();
  if (way == "whole") {
    control.budget = nullptr;
    control.wholePixels = vl::MaxWorkPixels;
    control.maxDecodeBytes = UINT64_MAX;
  }
  return control;
}

vl::ScanList listOf(const std::vector<std::string>& paths) {
  vl::ScanList list;
  for (const std::string& path : paths) {
    auto entry = std::make_unique<vl::TScanEntry>();
    entry->Path = path;
    list.push_back(std::move(entry));
  }
  return list;
}

std::vector<std::string> picturesIn(const std::string& folder) {
  std::vector<std::string> paths;
  for (const auto& item : std::filesystem::directory_iterator(folder))
    if (item.is_regular_file() && item.path().extension() != ".part") paths.push_back(item.path().string());
  std::sort(paths.begin(), paths.end());
  return paths;
}

// ---- What the measured processes do ----

int fingerprintOne(const std::string& path, const std::string& way) {
  vl::TFingerprint fingerprint;
  int32_t width = 0, height = 0;
  const bool ok = vl::MakeFingerprint(path, fingerprint, width, height, nullptr, nullptr, controlFor(way));
  return ok ? 0 : 1;
}

// The reading pass of an image scan over the folder, as `velloran-cli scan` runs it.
size_t readFolder(const std::string& folder, int jobs, const std::string& way, vl::ScanList& list) {
  vl::NoProgress quiet;
  vl::FingerprintOptions options;
  options.jobs = jobs;
  options.decoding = controlFor(way);
  list = listOf(picturesIn(folder));
  vl::ReadImages(list, nullptr, quiet, options);
  return size_t(std::count_if(list.begin(), list.end(), [](const auto& e) { return bool(e->Fingerprint); }));
}

int scanFolder(const std::string& folder, int jobs, const std::string& way) {
  vl::ScanList list;
  const size_t done = readFolder(folder, jobs, way, list);
  return done == list.size() ? 0 : 1;
}

// Sets the cancel flag after `seconds` and prints how long the pass went on.
int cancelAfter(const std::string& folder, double seconds) {
  std::atomic<bool> finished{false};
  Clock::time_point cancelledAt;
  std::thread canceller([&] {
    const auto until = Clock::now() + std::chrono::duration<double>(seconds);
    while (!finished && Clock::now() < until) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    cancelledAt = Clock::now();
    cancelToken().cancel();
  });
  vl::ScanList list;
  const size_t done = readFolder(folder, 1, "scan", list);
  const auto stopped = Clock::now();
  finished = true;
  canceller.join();
  std::printf("  cancel after %.1f s: the pass stopped %.0f ms later, %zu of %zu pictures read\n", seconds,
              std::chrono::duration<double, std::milli>(stopped - cancelledAt).count(), done, list.size());
  return 0;
}

// ---- The measuring process ----

struct Run {
  double seconds = 0;     // wall time
  double cpuSeconds = 0;  // user and system time: the machine may be shared
  double peakMb = 0;
  bool ok = false;
};

// Runs this program with the arguments in a process of its own (spawned, so that it
// starts small) and gives its wall and processor time and peak resident memory.
Run measure(const std::vector<std::string>& arguments) {
  std::vector<std::string> all = {"/proc/self/exe"};
  all.insert(all.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (std::string& a : all) argv.push_back(a.data());
  argv.push_back(nullptr);
  std::fflush(stdout);  // the process writes to the same output
  const auto start = Clock::now();
  pid_t pid = 0;
  Run run;
  if (posix_spawn(&pid, "/proc/self/exe", nullptr, nullptr, argv.data(), environ) != 0) return run;
  int status = 0;
  rusage usage{};
  if (wait4(pid, &status, 0, &usage) != pid) return run;
  run.seconds = secondsSince(start);
  const auto seconds = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
  run.cpuSeconds = seconds(usage.ru_utime) + seconds(usage.ru_stime);
  run.peakMb = double(usage.ru_maxrss) / 1024.0;
  run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
  return run;
}

void printRun(const char* what, const Run& run) {
  std::printf("  %-14s %8.1f MB  %7.2f s wall  %7.2f s processor%s\n", what, run.peakMb, run.seconds, run.cpuSeconds,
              run.ok ? "" : "  (FAILED)");
}

void printRatio(const Run& baseline, const Run& now) {
  std::printf("  %-14s %8.3f     %7.3f         %7.3f\n", "now / before", now.peakMb / baseline.peakMb,
              now.seconds / baseline.seconds, now.cpuSeconds / baseline.cpuSeconds);
}

// Takes the layout a decoder announces and refuses the picture, so nothing large is decoded.
class LayoutSink final : public vl::PixelSink {
 public:
  bool begin(const vl::PictureLayout& layout) override {
    libraryBytes = layout.libraryBytes;
    return false;
  }
  void put(int, int, int, const uint32_t*, int) override {}
  uint64_t libraryBytes = 0;
};

double megabytes(uint64_t bytes) { return double(bytes) / double(1 << 20); }

// What DecodeJxl reserves for libjxl for the picture in the file, in MB.
double jxlEstimateMb(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  const std::vector<uint8_t> data{std::istreambuf_iterator<char>(file), {}};
  LayoutSink sink;
  vl::DecodeFullColour(data.data(), data.size(), vl::PictureType::Jxl, sink, vl::DecodeControl{});
  return megabytes(sink.libraryBytes);
}

// The large JPEG XL pictures, each fingerprinted both ways; the peak above a tiny
// picture's, less the file read whole, against what the decoder reserves.
void measureJxl(const std::string& folder) {
  const vl::bench::JxlPictures jxl = vl::bench::WriteJxlPictures(folder + "/jxl");
  std::printf("JPEG XL, %d x %d, fingerprinted in a process of its own, against the decoder's estimate\n",
              vl::bench::JxlWidth, vl::bench::JxlHeight);
  const Run small = measure({"--one", jxl.small, "scan"});
  printRun("64 x 48", small);
  for (const std::string& path : {jxl.opaque, jxl.alpha, jxl.lossy}) {
    const uint64_t bytes = std::filesystem::file_size(path);
    std::printf(" %s, %ju bytes\n", path.c_str(), uintmax_t(bytes));
    const Run before = measure({"--one", path, "whole"}), now = measure({"--one", path, "scan"});
    printRun("before", before);
    printRun("now", now);
    const double above = now.peakMb - small.peakMb - megabytes(bytes), estimate = jxlEstimateMb(path);
    std::printf("  now above the 64 x 48 picture, less the file: %.1f MB; estimate %.1f MB; ratio %.2f\n", above,
                estimate, above / estimate);
  }
}

int orchestrate(const std::string& folder) {
  std::printf("writing %d crafted pictures into %s (kept between runs)\n", 5 * PerKind, folder.c_str());
  if (!measure({"--write", folder}).ok) return 1;
  std::printf("one picture, fingerprinted in a process of its own (before: decoded whole)\n");
  std::vector<std::string> singles;
  for (const char* kind : {".png", ".webp", ".tif", ".bmp", ".jpg"}) singles.push_back(folder + "/crafted0" + kind);
  singles.push_back(folder + "/single/lossless.webp");
  double longest = 0;
  for (const std::string& path : singles) {
    std::printf(" %s, %ju bytes\n", path.c_str(), uintmax_t(std::filesystem::file_size(path)));
    const Run before = measure({"--one", path, "whole"}), now = measure({"--one", path, "scan"});
    printRun("before", before);
    printRun("now", now);
    printRatio(before, now);
    if (path.find("/single/") == std::string::npos) longest = std::max(longest, now.seconds);
  }
  measureJxl(folder);
  std::printf("reading pass of a scan of the %d pictures, two jobs (targets: < 600 MB, < 60 s)\n", 5 * PerKind);
  const Run before = measure({"--scan", folder, "2", "whole"}), now = measure({"--scan", folder, "2", "scan"});
  printRun("before", before);
  printRun("now", now);
  printRatio(before, now);
  std::printf("cancel latency, one job (target: < 1 s; a check between pictures alone: up to %.2f s)\n", longest);
  for (const char* seconds : {"0.4", "1.3", "2.2", "3.1", "4.0", "4.9", "5.8", "6.7", "7.6"})
    measure({"--cancel", folder, seconds});
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() == 2 && args[0] == "--write") {
    vl::bench::WriteLosslessWebp(args[1] + "/single");
    vl::bench::WriteJxlPictures(args[1] + "/jxl");
    return vl::bench::WriteCraftedPictures(args[1], PerKind).empty();
  }
  if (args.size() == 3 && args[0] == "--one") return fingerprintOne(args[1], args[2]);
  if (args.size() == 4 && args[0] == "--scan") return scanFolder(args[1], std::atoi(args[2].c_str()), args[3]);
  if (args.size() == 3 && args[0] == "--cancel") return cancelAfter(args[1], std::atof(args[2].c_str()));
  const std::string folder =
      !args.empty() ? args[0] : (std::filesystem::temp_directory_path() / "velloran-bench-decode-memory").string();
  return orchestrate(folder);
}

// How long a scan keeps the window from handling events: the longest gap between two event pumps.
//
// bench_responsiveness [FOLDER [COUNT]]: fills FOLDER (default a temporary folder)
// with COUNT (default 10,000) small generated JPEG pictures unless it already holds
// them, then scans it in image mode and in content mode, once with one job and once
// with every core, and prints the longest and the 99th-percentile gap between the
// host's processEvents calls. A window is frozen for at most that long.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "core/results/results_model.h"
#include "core/results/deleted_list.h"
#include "core/scan/scan_driver.h"
#include "core/settings/settings.h"
#include "bench/timing_host.h"
#include "tests/support/image_writer.h"

namespace {

using Clock = std::chrono::steady_clock;

using vl::bench::TimingHost;

// Pictures in groups of four near-copies (the same blocks, one block recoloured), so pairing has work.
void writePictures(const std::string& folder, int count) {
  std::filesystem::create_directories(folder);
  for (int i = 0; i < count; ++i) {
    const std::string path = folder + "/p" + std::to_string(i) + ".jpg";
    if (std::filesystem::exists(path)) continue;
    vl::test::Picture picture =
        vl::test::BlockPicture(160, 120, 16, {vl::test::Rgb(230, 40, 20), vl::test::Rgb(10, 10, 60),
                                              vl::test::Rgb(120, 200, 90), vl::test::White},
                               static_cast<uint32_t>(i / 4));
    picture.fill((i % 4) * 16, 0, (i % 4) * 16 + 16, 16, vl::test::Black);
    vl::test::WriteJpeg(path, picture);
  }
}

void measure(const std::string& folder, vl::ScanMode scanMode, const char* modeName, int jobs) {
  vl::ResultsModel results;
  vl::DeletedList deletedList;
  TimingHost host;
  vl::ScanTuning tuning;
  tuning.jobs = jobs;
  tuning.useCache = false;  // every picture decoded, as in a first scan
  tuning.useCache = false;
  vl::ScanDriver driver(results, deletedList, host, tuning);
  const auto start = Clock::now();
  const vl::ScanResult result = driver.StartScan(scanMode, "*.jpg", {}, {folder});
  const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
  host.processEvents();
  std::vector<double> gaps = host.gapsMs;
  std::sort(gaps.begin(), gaps.end());
  const double worst = gaps.empty() ? 0 : gaps.back();
  const double p99 = gaps.empty() ? 0 : gaps[gaps.size() * 99 / 100];
  std::printf("%-8s jobs %-2d  %6.2f s  %7zu pumps  longest gap %7.1f ms  99%% %6.1f ms  (target <= 100 ms)  %d dups\n",
              modeName, jobs, seconds, gaps.size(), worst, p99, result.duplicates);
}

}  // namespace

int main(int argc, char** argv) {
  const std::string folder =
      argc > 1 ? argv[1] : (std::filesystem::temp_directory_path() / "velloran-bench-responsiveness").string();
  const int count = argc > 2 ? std::atoi(argv[2]) : 10000;
  std::printf("writing %d pictures to %s (existing ones are kept)\n", count, folder.c_str());
  writePictures(folder, count);
  vl::LoadSettings();
  vl::UseDeletedList = false;
  vl::FuzzFactor = 30;
  for (int jobs : {1, 0}) {
    measure(folder, vl::ScanMode::Images, "images", jobs);
    measure(folder, vl::ScanMode::Contents, "contents", jobs);
  }
  return 0;
}

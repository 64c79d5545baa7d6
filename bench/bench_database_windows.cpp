// The database windows on large archives: loading a database into the explorer, and the window's freezes during New Database.
//
// bench_database_windows [RECORDS [PICTURES]]: writes a database of RECORDS (default
// 200,000) records in 2,000 folders on an absent disc, in shuffled order, and loads
// it into the explorer offscreen three times: read, sort, tree and first folder shown,
// each timed, against the 2 s target. Then builds a database of PICTURES (default
// 2,000) small generated JPEGs with every core and with one job, as a job beside
// the window's thread, and prints the longest and the 99th-percentile gap of a
// 10 ms timer on that thread.
#include <QApplication>
#include <QTreeWidget>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "app/database/database_explorer.h"
#include "core/database/database_builder.h"
#include "core/database/database_file.h"
#include "app/components/job_runner.h"
#include "bench/window_gaps.h"
#include "tests/support/image_writer.h"

namespace {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

std::string writeArchive(const std::string& folder, int records) {
  vl::ScanList list;
  for (int i = 0; i < records; ++i) {
    auto entry = std::make_unique<vl::TScanEntry>();
    entry->Path = "/media/me/ARCHIVE1/Photos/" + std::to_string(2000 + i % 20) + "/Roll " +
                  std::to_string(i % 2000 / 20) + "/IMG_" + std::to_string(i) + ".JPG";
    entry->Volume = "ARCHIVE1";
    entry->Size = 1000000 + i;
    entry->FileDate = 40000 + i % 3000;
    entry->Width = 3000;
    entry->Height = 2000;
    entry->Fingerprint = std::make_unique<vl::TFingerprint>();
    list.push_back(std::move(entry));
  }
  std::shuffle(list.begin(), list.end(), std::mt19937(7));
  const std::string file = folder + "/archive.VDB";
  vl::WriteDatabase(file, list);
  return file;
}

void timeExplorerLoads(const std::string& database, int records) {
  std::printf("explorer load of %d records (read + sort + tree + first folder shown):\n", records);
  vl::gui::DatabaseExplorer explorer;
  explorer.resize(1000, 700);
  explorer.show();
  QApplication::processEvents();
  auto* tree = explorer.findChild<QTreeWidget*>("TreeView1");
  for (int round = 0; round < 3; ++round) {
    const auto start = Clock::now();
    explorer.loadFile(database);
    QApplication::processEvents();
    const double loaded = secondsSince(start);
    QTreeWidgetItem* first = tree->topLevelItem(0);
    while (first->childCount() > 0) first = first->child(0);
    explorer.showFolder(first);
    QApplication::processEvents();
    const double total = secondsSince(start);
    std::printf("  round %d: %.3f s loaded, %.3f s with the first folder (%d rows): %.2f of the 2 s target\n",
                round + 1, loaded, total, explorer.listModel().rowCount(), total / 2.0);
  }
  vl::ExplorerData data;
  auto start = Clock::now();
  data.load(database);
  const double read = secondsSince(start);
  start = Clock::now();
  data.sortByPath();
  const double sort = secondsSince(start);
  start = Clock::now();
  data.buildTree();
  const double build = secondsSince(start);
  std::printf("  phases: read %.3f s, sort %.3f s, tree %.3f s (%zu folders)\n", read, sort, build,
              data.tree().Nodes.size());
}

void timeNewDatabase(const std::string& folder, int pictures) {
  const std::string pics = folder + "/pictures";
  std::filesystem::create_directories(pics);
  for (int i = 0; i < pictures; ++i)
    vl::test::WriteJpeg(pics + "/p" + std::to_string(i) + ".jpg",
                        vl::test::BlockPicture(320, 240, 16, {vl::test::Black, vl::test::White, vl::test::Rgb(200, 40, 30)},
                                               static_cast<uint32_t>(i)));
  std::printf("New Database of %d pictures (320 x 240 JPEG) as the dialog runs it, a 10 ms timer on the window's "
              "thread:\n", pictures);
  for (int jobs : {0, 1}) {
    vl::DatabaseRequest request;
    request.fileName = folder + "/built.VDB";
    request.folders = {pics};
    request.jobs = jobs;
    request.useCache = false;
    vl::gui::JobRunner runner;
    vl::bench::TimerGaps gaps;
    const auto start = Clock::now();
    gaps.start();
    runner.start([&request](const vl::CancelToken& cancel, vl::ProgressSink& sink) {
      vl::NewDatabase(request, cancel, sink);
    });
    gaps.runUntil([&runner] { return !runner.running(); });
    gaps.stop();
    std::printf("  %s: %.2f s, %zu ticks, longest gap %.1f ms, 99th percentile %.1f ms\n",
                jobs == 0 ? "all cores" : "one job", secondsSince(start), gaps.ticks(), gaps.longestMs(),
                gaps.percentileMs(0.99));
  }
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const int records = argc > 1 ? std::atoi(argv[1]) : 200000;
  const int pictures = argc > 2 ? std::atoi(argv[2]) : 2000;
  const std::string folder = (std::filesystem::temp_directory_path() / "velloran-bench-db").string();
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  ::setenv("VELLORAN_APPDIR", folder.c_str(), 1);
  timeExplorerLoads(writeArchive(folder, records), records);
  timeNewDatabase(folder, pictures);
  std::filesystem::remove_all(folder);
  return 0;
}

// How the window fares while a scan runs as a job: its longest freeze, the Cancel latency, filling the lists.
//
// bench_responsiveness [FOLDER [COUNT]]: fills FOLDER (default a temporary folder)
// with COUNT (default 10,000) small generated JPEG pictures unless it holds them,
// then, in the main window (offscreen unless a display is set):
//  - a cold image scan (empty fingerprint cache): the longest and 99th-percentile gap
//    of a 10 ms timer on the window's thread, against the same job run without a
//    window (the baseline);
//  - a scan cancelled half-way (at half the cold scan's time): the time from Cancel
//    to the window being idle;
//  - the lists filled with 50,000 groups at once, against building those groups.
// bench_responsiveness --versus-cli FOLDER: a cold scan of every picture below FOLDER
// from the window and by velloran-cli (the baseline), each in a process of its own:
// wall time and peak memory, and their ratios.
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QListWidget>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "app/components/app_settings.h"
#include "app/dialogs/folders_dialog.h"
#include "app/results/result_lists.h"
#include "app/shell/main_window.h"
#include "bench/window_gaps.h"
#include "core/scan/gather.h"
#include "core/scan/scan_driver.h"
#include "core/settings/ini_file.h"
#include "tests/support/image_writer.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

// Pictures in groups of four near-copies (the same blocks, one block recoloured), so pairing has work.
void writePictures(const std::string& folder, int count) {
  fs::create_directories(folder);
  for (int i = 0; i < count; ++i) {
    const std::string path = folder + "/p" + std::to_string(i) + ".jpg";
    if (fs::exists(path)) continue;
    vl::test::Picture picture =
        vl::test::BlockPicture(160, 120, 16, {vl::test::Rgb(230, 40, 20), vl::test::Rgb(10, 10, 60),
                                              vl::test::Rgb(120, 200, 90), vl::test::White},
                               static_cast<uint32_t>(i / 4));
    picture.fill((i % 4) * 16, 0, (i % 4) * 16 + 16, 16, vl::test::Black);
    vl::test::WriteJpeg(path, picture);
  }
}

// A settings folder without the start-up wizard and the deleted-file list, and an
// empty fingerprint cache: every scan in this process starts cold.
void freshSettingsAndCache(const std::string& root) {
  fs::remove_all(root);
  fs::create_directories(root + "/cache");
  ::setenv("VELLORAN_APPDIR", root.c_str(), 1);
  ::setenv("XDG_CACHE_HOME", (root + "/cache").c_str(), 1);
  vl::ResetAppPaths();
  vl::IniFile ini(vl::AppIniFileName());
  ini.writeString("TfWizard", "ShowWiz", "0");
  ini.writeString("Tfconfigure", "cbUseDeletedList_Checked", "False");
  vl::gui::CurrentSettings().setValues(vl::LoadSettings());
}

void emptyCache(const std::string& root) {
  fs::remove_all(root + "/cache");
  fs::create_directories(root + "/cache");
}

// The main window with its folders dialog, shown, its lists set to the folder and every folder below.
struct Window {
  explicit Window(const std::string& folder) {
    folders = new vl::gui::FoldersDialog(&main);
    main.setFoldersDialog(folders);
    folders->setLists({}, vl::ExpandFolderEntries({folder}));
    main.show();
    QApplication::processEvents();
  }
  // Starts an image scan and runs the event loop until it has ended; gives its wall time.
  double scan(vl::bench::TimerGaps& gaps) {
    const auto start = Clock::now();
    gaps.start();
    main.scanCommands().startScan(0, "*.jpg");
    gaps.runUntil([this] { return !main.isScanning(); });
    gaps.stop();
    return secondsSince(start);
  }

  vl::gui::MainWindow main;
  vl::gui::FoldersDialog* folders = nullptr;
};

// The same scan as the window's, run by the job on this thread without a window.
double jobAlone(const std::string& folder) {
  vl::ScanRequest request = vl::ScanRequestFromSettings(vl::gui::CurrentSettings().values());
  request.mask = "*.jpg";
  request.compareEntries = vl::ExpandFolderEntries({folder});
  vl::DeletedList deletedList;
  vl::CancelToken cancel;
  vl::NoProgress sink;
  const auto start = Clock::now();
  vl::RunScanJob(request, deletedList, cancel, sink);
  return secondsSince(start);
}

void measureScan(const std::string& root, const std::string& folder) {
  emptyCache(root);
  const double alone = jobAlone(folder);
  emptyCache(root);
  Window window(folder);
  vl::bench::TimerGaps gaps;
  const double seconds = window.scan(gaps);
  std::printf("cold image scan: job alone %.2f s, from the window %.2f s (ratio %.2f); timer gaps: longest %.1f ms, "
              "99%% %.1f ms over %zu ticks (target: longest <= 50 ms)\n",
              alone, seconds, seconds / alone, gaps.longestMs(), gaps.percentileMs(0.99), gaps.ticks());

  emptyCache(root);
  std::optional<Clock::time_point> cancelledAt;
  QTimer::singleShot(int(seconds * 500), &window.main, [&] {
    cancelledAt = Clock::now();
    window.main.findChild<QAction*>(QStringLiteral("aCancel"))->trigger();
  });
  window.scan(gaps);
  if (!cancelledAt) {
    std::printf("cancel half-way: the scan ended before Cancel\n");
    return;
  }
  std::printf("cancel half-way through a cold scan (%.2f s): idle %.0f ms after Cancel (target <= 1000 ms)\n",
              seconds / 2, std::chrono::duration<double, std::milli>(Clock::now() - *cancelledAt).count());
}

// Groups of a base and one duplicate each, as a scan's outcome holds them.
vl::ResultsModel groupsOf(int count) {
  vl::ResultsModel model;
  for (int i = 0; i < count; ++i) {
    const std::string folder = "/photos/" + std::to_string(i / 1000) + "/";
    auto base = std::make_unique<vl::TResultEntry>();
    base->Path = folder + "p" + std::to_string(i) + ".jpg";
    vl::TResultEntry* head = model.appendEntry(std::move(base));
    auto copy = std::make_unique<vl::TResultEntry>();
    copy->Path = folder + "copy of p" + std::to_string(i) + ".jpg";
    copy->Base = head;
    head->Next = model.appendEntry(std::move(copy));
    model.appendGroup(vl::GroupCaption(*head, 1), head);
  }
  return model;
}

void measureFilling(const std::string& folder, int groups) {
  auto start = Clock::now();
  vl::ResultsModel model = groupsOf(groups);
  const double build = secondsSince(start);
  Window window(folder);
  start = Clock::now();
  window.main.results().adopt(std::move(model));
  window.main.lists().showFirstGroup();
  QApplication::processEvents();
  window.main.findChild<QListWidget*>(QStringLiteral("lbBaseFiles"))->viewport()->repaint();
  const double fill = secondsSince(start);
  std::printf("filling the lists with %d groups: %.3f s (target < 1 s); building them %.3f s (ratio %.2f)\n", groups,
              fill, build, fill / build);
}

// ---- --versus-cli: a process for each side ----

struct Run {
  double seconds = 0;
  double peakMb = 0;
  bool ok = false;
};

// Runs the program with the arguments in a process of its own, its standard output
// dropped when `quiet`; gives its wall time and peak resident memory.
Run spawnAndMeasure(std::vector<std::string> all, bool quiet) {
  std::vector<char*> argv;
  for (std::string& a : all) argv.push_back(a.data());
  argv.push_back(nullptr);
  std::fflush(stdout);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  if (quiet) posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  const auto start = Clock::now();
  pid_t pid = 0;
  Run run;
  const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) return run;
  int status = 0;
  rusage usage{};
  if (wait4(pid, &status, 0, &usage) != pid) return run;
  run.seconds = secondsSince(start);
  run.peakMb = double(usage.ru_maxrss) / 1024.0;
  run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
  return run;
}

int windowScan(const std::string& root, const std::string& folder) {
  freshSettingsAndCache(root);
  Window window(folder);
  vl::bench::TimerGaps gaps;
  const double seconds = window.scan(gaps);
  std::printf("  window: %zu groups, longest timer gap %.1f ms\n", window.main.results().FBaseGroups().size(),
              gaps.longestMs());
  return seconds > 0 ? 0 : 1;
}

int versusCli(const std::string& root, const std::string& folder) {
  const std::string self = fs::read_symlink("/proc/self/exe").string();
  const std::string cliPath = (fs::path(self).parent_path().parent_path() / "cli" / "velloran-cli").string();
  freshSettingsAndCache(root);
  const Run baseline = spawnAndMeasure({cliPath, "scan", "--subfolders", "--mask", "*.jpg", "--compare", folder,
                                        "--format", "tsv"}, true);
  freshSettingsAndCache(root);
  const Run window = spawnAndMeasure({self, "--window-scan", root, folder}, false);
  std::printf("cold scan of %s: velloran-cli %.2f s, %.1f MB%s; window %.2f s, %.1f MB%s\n", folder.c_str(),
              baseline.seconds, baseline.peakMb, baseline.ok ? "" : " (FAILED)", window.seconds, window.peakMb,
              window.ok ? "" : " (FAILED)");
  std::printf("window / velloran-cli: wall %.2f (target <= 1.2), peak memory %.2f (target <= 2)\n",
              window.seconds / baseline.seconds, window.peakMb / baseline.peakMb);
  return baseline.ok && window.ok ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (std::getenv("DISPLAY") == nullptr && std::getenv("QT_QPA_PLATFORM") == nullptr)
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  const std::vector<std::string> args(argv + 1, argv + argc);
  const std::string root = (fs::temp_directory_path() / "velloran-bench-window").string();
  if (args.size() == 3 && args[0] == "--window-scan") return windowScan(args[1], args[2]);
  if (args.size() == 2 && args[0] == "--versus-cli") {
    const int status = versusCli(root, args[1]);
    fs::remove_all(root);
    return status;
  }
  const std::string folder =
      !args.empty() ? args[0] : (fs::temp_directory_path() / "velloran-bench-responsiveness").string();
  const int count = args.size() > 1 ? std::atoi(args[1].c_str()) : 10000;
  std::printf("writing %d pictures to %s (existing ones are kept)\n", count, folder.c_str());
  writePictures(folder, count);
  freshSettingsAndCache(root);
  measureScan(root, folder);
  measureFilling(folder, 50000);
  fs::remove_all(root);
  return 0;
}

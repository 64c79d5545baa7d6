// How fast the preview panes follow the duplicate list: selection to painted picture, and the longest stall while browsing.
//
// bench_previews FOLDER [LINES]: puts the JPEG files of FOLDER (photographs; 12 to
// 24 megapixels is what the figures are for) into a first group of LINES duplicate
// lines (default 201) in the real main window, offscreen. The files are repeated
// in turn under names of their own (hard links in a temporary folder), so that no
// line finds its picture decoded for another. Measures for full-size and
// stretched panes:
//   next line   - Down to the next line after the previews of the current one and
//                 its prefetches are done: time to the picture painted;
//   random jump - a line far from the current one: time to the first view (a 1/8
//                 stand-in for a large JPEG) and to the picture itself;
//   hold Down   - Down pressed every 33 ms (keyboard auto-repeat) through 200
//                 lines: the longest time the event loop did not run;
//   next group  - through 16 more groups of four lines: the next group selected
//                 after the current group's pictures and prefetches are done: time
//                 to both panes painted with a picture (first view) and with their
//                 pictures themselves.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QListView>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <random>
#include <unistd.h>
#include <vector>

#include "app/preview/preview_controller.h"
#include "app/components/preview_image.h"
#include "app/results/result_lists.h"
#include "app/shell/main_window.h"
#include "core/settings/ini_file.h"
#include "core/settings/settings.h"

namespace {

using vl::gui::PreviewController;

struct Figures {
  std::vector<double> firstMs;
  std::vector<double> finalMs;
};

double median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

double worst(const std::vector<double>& values) {
  return values.empty() ? 0 : *std::max_element(values.begin(), values.end());
}

void pumpFor(int milliseconds) {
  QElapsedTimer timer;
  timer.start();
  while (timer.elapsed() < milliseconds) QCoreApplication::processEvents(QEventLoop::AllEvents, 2);
}

class Bench {
 public:
  Bench(vl::gui::MainWindow& window) : window_(window), previews_(window.previews()) {
    dupes_ = window.findChild<QListView*>(QStringLiteral("lbDupes"));
    bases_ = window.findChild<QListWidget*>(QStringLiteral("lbBaseFiles"));
    QObject::connect(&previews_, &PreviewController::pictureShown, [this](int pane) {
      previews_.image(PreviewController::Pane(pane))->repaint();
      if (pane == PreviewController::DupePane && firstShownMs_ < 0) firstShownMs_ = clock_.nsecsElapsed() / 1e6;
    });
  }

  // Selects the row and waits for its picture; returns (first view, picture) in ms.
  std::pair<double, double> select(int row) {
    firstShownMs_ = -1;
    clock_.start();
    dupes_->setCurrentIndex(dupes_->model()->index(row, 0));
    while (previews_.isLoading(PreviewController::DupePane) && clock_.elapsed() < 20000)
      QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    const double finalMs = clock_.nsecsElapsed() / 1e6;
    return {firstShownMs_ < 0 ? finalMs : firstShownMs_, finalMs};
  }

  Figures nextLines(int samples) {
    Figures figures;
    for (int i = 0; i < samples; ++i) {
      const int row = 1 + (i * 7) % (rows() - 2);
      select(row);
      pumpFor(1500);  // the prefetches of the neighbours
      const auto [first, final] = select(row + 1);
      figures.firstMs.push_back(first);
      figures.finalMs.push_back(final);
    }
    return figures;
  }

  Figures randomJumps(int samples) {
    Figures figures;
    std::mt19937 random(7);
    int row = 1;
    for (int i = 0; i < samples; ++i) {
      const int jump = 5 + int(random() % unsigned(rows() / 2));
      row = 1 + (row - 1 + jump) % (rows() - 1);
      pumpFor(300);
      const auto [first, final] = select(row);
      figures.firstMs.push_back(first);
      figures.finalMs.push_back(final);
    }
    return figures;
  }

  // Down every 33 ms through `lines` lines; the longest gap between two runs of a 1 ms timer.
  double holdDown(int lines) {
    select(1);
    pumpFor(300);
    QElapsedTimer gapClock;
    double longest = 0;
    QTimer ticker;
    ticker.setInterval(1);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
      longest = std::max(longest, gapClock.nsecsElapsed() / 1e6);
      gapClock.restart();
    });
    int pressed = 0;
    QTimer repeat;
    repeat.setInterval(33);
    QEventLoop loop;
    QObject::connect(&repeat, &QTimer::timeout, [&] {
      QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
      QApplication::sendEvent(dupes_, &down);
      if (++pressed == lines) loop.quit();
    });
    gapClock.start();
    ticker.start();
    repeat.start();
    loop.exec();
    return longest;
  }

  int rows() const { return dupes_->model()->rowCount(); }

  // Shows each group after `first` in turn, its predecessor settled first; then the first group again.
  Figures nextGroups(int first, int samples) {
    Figures figures;
    for (int row = first; row < first + samples && row + 1 < bases_->count(); ++row) {
      bases_->setCurrentRow(row);
      pumpFor(1500);  // the pictures and the prefetches of this group
      clock_.start();
      bases_->setCurrentRow(row + 1);
      double firstMs = -1;
      while (clock_.elapsed() < 20000) {
        const bool painted = bothHavePictures();
        if (painted && firstMs < 0) firstMs = clock_.nsecsElapsed() / 1e6;
        if (painted && !previews_.isLoading(PreviewController::BasePane) &&
            !previews_.isLoading(PreviewController::DupePane))
          break;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
      }
      figures.firstMs.push_back(firstMs);
      figures.finalMs.push_back(clock_.nsecsElapsed() / 1e6);
    }
    bases_->setCurrentRow(0);
    pumpFor(500);
    return figures;
  }

 private:
  bool bothHavePictures() const {
    return previews_.image(PreviewController::BasePane)->hasPicture() &&
           previews_.image(PreviewController::DupePane)->hasPicture();
  }

  vl::gui::MainWindow& window_;
  PreviewController& previews_;
  QListView* dupes_ = nullptr;
  QListWidget* bases_ = nullptr;
  QElapsedTimer clock_;
  double firstShownMs_ = -1;
};

// LINES paths over the files, each line a name of its own.
QStringList linkedPaths(const QStringList& files, int lines, const QString& folder) {
  QStringList paths;
  for (int line = 0; line < lines; ++line) {
    const QString& file = files[line % files.size()];
    const QString path = QStringLiteral("%1/%2-%3").arg(folder).arg(line).arg(QFileInfo(file).fileName());
    if (::link(file.toLocal8Bit().constData(), path.toLocal8Bit().constData()) != 0 && !QFile::link(file, path))
      return {};
    paths << path;
  }
  return paths;
}

void fillGroup(vl::ResultsModel& results, const QStringList& paths) {
  auto entryFor = [](const QString& path, vl::TResultEntry* base) {
    auto entry = std::make_unique<vl::TResultEntry>();
    entry->Path = path.toStdString();
    entry->Volume = "bench";
    entry->Base = base;
    return entry;
  };
  vl::TResultEntry* base = results.appendEntry(entryFor(paths[0], nullptr));
  vl::TResultEntry* previous = base;
  const int lines = int(paths.size());
  for (int line = 1; line < lines; ++line) {
    vl::TResultEntry* entry = results.appendEntry(entryFor(paths[line], base));
    entry->Errors = uint8_t(line % 30);
    previous->Next = entry;
    previous = entry;
  }
  results.appendGroup(vl::GroupCaption(*base, lines - 1), base);
}

void print(const char* what, const Figures& figures) {
  std::printf("  %-12s first view median %7.1f ms  worst %7.1f ms | picture median %7.1f ms  worst %7.1f ms\n", what,
              median(figures.firstMs), worst(figures.firstMs), median(figures.finalMs), worst(figures.finalMs));
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: bench_previews FOLDER [LINES]\n");
    return 2;
  }
  QStringList files;
  const QDir folder(QString::fromLocal8Bit(argv[1]));
  for (const QString& name : folder.entryList({"*.jpg", "*.JPG", "*.jpeg"}, QDir::Files, QDir::Name))
    files << folder.filePath(name);
  const int lines = argc > 2 ? std::max(20, std::atoi(argv[2])) : 201;
  if (files.size() < 2) {
    std::fprintf(stderr, "bench_previews: %s holds fewer than two JPEG files\n", argv[1]);
    return 1;
  }
  QTemporaryDir appDir;
  qputenv("VELLORAN_APPDIR", appDir.path().toLocal8Bit());
  qputenv("XDG_CACHE_HOME", (appDir.path() + QStringLiteral("/cache")).toLocal8Bit());
  vl::ResetAppPaths();
  vl::LoadSettings();
  vl::IniFile(vl::AppIniFileName()).writeString("TfWizard", "ShowWiz", "0");

  vl::gui::MainWindow window;
  window.resize(1280, 800);
  window.show();
  pumpFor(500);
  QTemporaryDir linkDir;
  const QStringList paths = linkedPaths(files, lines, linkDir.path());
  if (paths.isEmpty()) {
    std::fprintf(stderr, "bench_previews: cannot link the files into %s\n", qPrintable(linkDir.path()));
    return 1;
  }
  fillGroup(window.results(), paths);
  QTemporaryDir groupDir;
  constexpr int Groups = 16, GroupLines = 4;
  const QStringList groupPaths = linkedPaths(files, Groups * GroupLines, groupDir.path());
  for (int group = 0; group < Groups && !groupPaths.isEmpty(); ++group)
    fillGroup(window.results(), groupPaths.mid(group * GroupLines, GroupLines));
  window.showFirstGroup();
  Bench bench(window);
  std::printf("%d lines over %lld JPEG files of %s\n", bench.rows(), qlonglong(files.size()), argv[1]);
  QAction* fullSize = window.findChild<QAction*>(QStringLiteral("tbFullSize"));
  for (bool full : {true, false}) {
    if (fullSize->isChecked() != full) fullSize->trigger();
    pumpFor(500);
    std::printf("%s panes:\n", full ? "full-size" : "stretched");
    print("next line", bench.nextLines(15));
    print("random jump", bench.randomJumps(15));
    std::printf("  %-12s longest stall %7.1f ms holding Down through %d lines\n", "hold Down", bench.holdDown(200), 200);
    print("next group", bench.nextGroups(1, Groups - 1));
  }
  return 0;
}

// The preview panes of the main window: which picture each pane shows, the view toggles, panning and the file panes' commands.
#pragma once

#include <QCursor>
#include <QObject>
#include <QPoint>
#include <QTimer>
#include <functional>
#include <utility>
#include <string>
#include <vector>

#include "app/components/main_actions.h"
#include "app/components/preview_loader.h"
#include "app/preview/file_panes.h"

class QAction;
class QLabel;
class QListWidget;
class QMenu;
class QScrollArea;

namespace vl {
struct DupeLine;
struct TResultEntry;
}

namespace vl::gui {

class ActionSet;
class PreviewImage;

// The controls the preview panes drive, each pair base pane first.
struct PreviewWidgets {
  QScrollArea* areas[2];      // sbBase, sbThumbs
  PreviewImage* images[2];    // ImageBase, ImageThumbs
  QLabel* infos[2];           // lbBaseInfo, lbThumbsInfo
  QListWidget* filePanes[2];  // lvBase, lvThumbs
  QWidget* imagesPanel;       // pImages
  QWidget* filesPanel;        // pFiles
  QMenu* viewMenu;            // View1, which gets the Full Size toggle
};

// What the panes read of the result lists: the selected duplicate (or null), the
// lines of the shown group and the next group's base and first duplicate (or
// nulls), for decoding ahead.
struct PreviewSelection {
  std::function<const TResultEntry*()> selectedEntry;
  std::function<const std::vector<DupeLine>&()> dupeLines;
  std::function<std::pair<const TResultEntry*, const TResultEntry*>()> nextGroup;
};

// Shows the shown group's base in sbBase and the selected duplicate in sbThumbs
// (LoadPreview), lists their folders in the file panes (ShowFolderOf), carries out
// the view toggles tbFullSize, tbSideBySide, tbShowFiles and tbScrollInUnison, the
// View menu's JPEG options, panning by dragging a picture, and the pmFiles
// commands. It is handed its widgets, and takes its actions from the window's
// action set; the window passes on the lists' groupShown and dupeShown.
// Pictures are decoded on a worker thread: a pane keeps its old picture until
// the new one (or a quick stand-in) arrives; the neighbours of the selected
// duplicate are decoded ahead. Ctrl + wheel over a picture zooms it about the
// pointer, "+", "-" and "0" (fit) while its pane has focus; with "Scroll Images in
// Unison" both panes zoom together. A label under each pane (lbBaseInfo,
// lbThumbsInfo) gives the picture's dimensions, file size and date.
class PreviewController : public QObject {
  Q_OBJECT
 public:
  enum Pane { BasePane = 0, DupePane = 1 };

  PreviewController(QWidget* window, const PreviewWidgets& widgets, const ActionSet& actions,
                    PreviewSelection selection);
  ~PreviewController() override;

  // Shows fileName in the pane at the given scroll position. True when the file
  // exists and is named as a picture (its picture is shown or on its way); a
  // missing file shows a notice, an undecodable one an error and an empty pane.
  bool LoadPreview(const std::string& fileName, const std::string& volumeLabel, Pane pane, int horzPos,
                   int vertPos);
  // Points the file pane at fileName's folder, while file panes are shown.
  void ShowFolderOf(const std::string& fileName, Pane pane);
  // Empties both previews (no picture, 1 x 1).
  void clearPreviews();
  // The first show: full size, side by side, file panes, in that order.
  void applyViewToggles();

  PreviewImage* image(Pane pane) const { return images_[pane]; }
  QScrollArea* area(Pane pane) const { return areas_[pane]; }
  FilePanes& filePanes() { return files_; }
  PreviewLoader& loader() { return loader_; }
  // True while a pane waits for its picture.
  bool isLoading(Pane pane) const { return tickets_[pane] != 0; }
  // Multiplies the pane's drawing scale by factor (within MinZoom to MaxZoom),
  // keeping the picture point at `anchor` (viewport coordinates) in place; the other
  // pane follows while scrolling in unison.
  void zoomBy(Pane pane, double factor, QPoint anchor);
  // Fits the pane's picture (and in unison the other's) into its pane.
  void zoomToFit(Pane pane);
  QLabel* info(Pane pane) const { return infos_[pane]; }
  // The lists now show the group of base (null: none), or the duplicate entry.
  void showGroup(const TResultEntry* base);
  void showDupe(const TResultEntry* entry);

  static constexpr double ZoomStep = 1.25;
  static constexpr double MinZoom = 1.0 / 32;
  static constexpr double MaxZoom = 16;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 signals:
  // A pane now shows a picture (a stand-in included), for measuring.
  void pictureShown(int pane);

 private:
  struct Shown {
    std::string path;
    std::string volume;
  };

  QAction* action(MainAction key) const;
  void connectActions(QMenu* view);
  JpegPreviewOptions optionsFor(Pane pane) const;
  void prefetchNeighbours();
  // Adds the job for the entry's picture in the pane, unless there is none.
  void addJob(std::vector<PreviewJob>& jobs, const TResultEntry* entry, Pane pane) const;
  void onReady(int pane, quint64 ticket, const DecodedPreview& preview);
  void showPicture(Pane pane, const DecodedPreview& preview);
  void showNotice(Pane pane, const std::string& fileName, const std::string& volumeLabel);
  void emptyPane(Pane pane);
  void scrollTo(Pane pane, int horzPos, int vertPos);
  QPoint basePosition() const;
  void reload(Pane pane);
  void reloadBoth();
  void applyFullSize(bool fullSize);
  void applySideBySide(bool sideBySide);
  void applyShowFiles(bool showFiles);
  void paneResized();
  void refreshFiles();
  bool pan(Pane pane, QEvent* event);
  bool zoomEvent(Pane pane, QEvent* event);
  void zoomOne(Pane pane, double factor, QPoint anchor);
  void fitOne(Pane pane);
  void applyScrolling(Pane pane);
  void showInfo(Pane pane, const DecodedPreview& preview);
  void followPan(Pane pane);
  bool hasDupeRows() const;

  QWidget* window_;
  const ActionSet& actions_;
  PreviewSelection selection_;
  FilePanes files_;
  PreviewLoader loader_;
  QScrollArea* areas_[2] = {};
  // The areas' viewports, taken at construction: the event filter must not ask an
  // area for its viewport while the area is being destroyed.
  QWidget* viewports_[2] = {};
  PreviewImage* images_[2] = {};
  QLabel* infos_[2] = {};
  QWidget* pImages_ = nullptr;
  QWidget* pFiles_ = nullptr;
  QAction* tbFullSize_ = nullptr;
  QAction* tbSideBySide_ = nullptr;
  QAction* tbScrollInUnison_ = nullptr;
  QAction* tbShowFiles_ = nullptr;
  Shown shown_[2];
  std::vector<PreviewJob> groupAhead_;  // the next group's base and first duplicate
  quint64 tickets_[2] = {0, 0};
  QPoint wanted_[2];
  bool panning_[2] = {false, false};
  QPoint panStart_[2];
  QCursor savedCursor_;
  QTimer resizeTimer_;
};

}  // namespace vl::gui

// The preview panes of the main window: which picture each pane shows, the view toggles, panning and the file panes' commands.
#include "app/preview/preview_controller.h"

#include <QAction>
#include <QDateTime>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

#include "app/components/action_set.h"
#include "app/components/app_settings.h"
#include "app/components/preview_image.h"
#include "core/database/missing_notice.h"
#include "core/fingerprint/scan_entry.h"
#include "core/results/results_model.h"

namespace vl::gui {
namespace {

// A resize is served once the pane has kept its size this long.
constexpr int ResizeSettleMs = 120;
constexpr MainAction ScaleActions[4] = {MainAction::Scale1To1, MainAction::Scale1To2, MainAction::Scale1To4,
                                        MainAction::Scale1To8};
constexpr int ScaleDenominators[4] = {1, 2, 4, 8};

QString fromPath(const std::string& path) { return QString::fromStdString(path); }

// The other pane's position for this pane's position, in proportion to both ranges.
int proportional(int position, int range, int otherRange) {
  return static_cast<int>(std::nearbyint(double(position) / range * otherRange));
}

}  // namespace

PreviewController::PreviewController(QWidget* window, const PreviewWidgets& widgets, const ActionSet& actions,
                                     PreviewSelection selection)
    : QObject(window),
      window_(window),
      actions_(actions),
      selection_(std::move(selection)),
      files_(widgets.filePanes[BasePane], widgets.filePanes[DupePane], window),
      pImages_(widgets.imagesPanel),
      pFiles_(widgets.filesPanel) {
  for (Pane pane : {BasePane, DupePane}) {
    areas_[pane] = widgets.areas[pane];
    images_[pane] = widgets.images[pane];
    infos_[pane] = widgets.infos[pane];
    areas_[pane]->horizontalScrollBar()->setSingleStep(1);
    areas_[pane]->verticalScrollBar()->setSingleStep(1);
    images_[pane]->installEventFilter(this);
    viewports_[pane] = areas_[pane]->viewport();
    viewports_[pane]->installEventFilter(this);
    areas_[pane]->installEventFilter(this);
  }
  pImages_->installEventFilter(this);
  resizeTimer_.setSingleShot(true);
  resizeTimer_.setInterval(ResizeSettleMs);
  connect(&resizeTimer_, &QTimer::timeout, this, &PreviewController::paneResized);
  connect(&loader_, &PreviewLoader::ready, this, &PreviewController::onReady);
  connectActions(widgets.viewMenu);
}

PreviewController::~PreviewController() = default;

QAction* PreviewController::action(MainAction key) const { return actions_.action(key); }

void PreviewController::connectActions(QMenu* view) {
  tbFullSize_ = action(MainAction::FullSize);
  tbSideBySide_ = action(MainAction::SideBySide);
  tbScrollInUnison_ = action(MainAction::ScrollInUnison);
  tbShowFiles_ = action(MainAction::ShowFiles);
  // Full size is a toggle a user can see and use: toolbar button and View menu item.
  tbFullSize_->setVisible(true);
  tbFullSize_->setEnabled(true);
  if (view != nullptr) {
    QAction* first = view->actions().value(0);
    view->insertAction(first, tbFullSize_);
    view->insertSeparator(first);
  }
  connect(tbFullSize_, &QAction::toggled, this, &PreviewController::applyFullSize);
  connect(tbSideBySide_, &QAction::toggled, this, &PreviewController::applySideBySide);
  connect(tbShowFiles_, &QAction::toggled, this, &PreviewController::applyShowFiles);
  for (MainAction key : {MainAction::Scale1To1, MainAction::Scale1To2, MainAction::Scale1To4, MainAction::Scale1To8,
                         MainAction::BestQuality, MainAction::BestSpeed})
    connect(action(key), &QAction::triggered, this, &PreviewController::reloadBoth);
  for (MainAction key : {MainAction::ExecuteFile, MainAction::ExploreToFile, MainAction::RefreshFiles})
    action(key)->setEnabled(true);
  connect(action(MainAction::ExecuteFile), &QAction::triggered, this,
          [this] { files_.execute(files_.menuPane()); });
  connect(action(MainAction::ExploreToFile), &QAction::triggered, this, [this] { files_.explore(files_.menuPane()); });
  connect(action(MainAction::RefreshFiles), &QAction::triggered, this, &PreviewController::refreshFiles);
}

JpegPreviewOptions PreviewController::optionsFor(Pane pane) const {
  JpegPreviewOptions options;
  for (int i = 0; i < 4; ++i) {
    if (action(ScaleActions[i])->isChecked()) {
      options.scaleDenominator = ScaleDenominators[i];
      break;
    }
  }
  options.fast = !action(MainAction::BestQuality)->isChecked() && action(MainAction::BestSpeed)->isChecked();
  if (!tbFullSize_->isChecked() && images_[pane]->zoom() == 0) {
    // The fit box in device pixels, so that a 2x screen gets a picture of its own sharpness.
    const QSize box = (QSizeF(areas_[pane]->viewport()->size()) * areas_[pane]->devicePixelRatioF()).toSize();
    options.fitWidth = std::max(1, box.width());
    options.fitHeight = std::max(1, box.height());
  }
  return options;
}

bool PreviewController::LoadPreview(const std::string& fileName, const std::string& volumeLabel, Pane pane,
                                    int horzPos, int vertPos) {
  scrollTo(pane, horzPos, vertPos);
  const bool samePicture = shown_[pane].path == fileName && images_[pane]->hasPicture();
  shown_[pane] = {fileName, volumeLabel};
  const QString path = fromPath(fileName);
  if (!QFileInfo::exists(path)) {
    showNotice(pane, fileName, volumeLabel);
    return false;
  }
  if (!IsPictureName(fileName, CurrentSettings().values().modernImageFormats)) {
    emptyPane(pane);
    return false;
  }
  const PreviewJob job = MakePreviewJob(path, optionsFor(pane));
  if (std::optional<DecodedPreview> cached = loader_.cached(job)) {
    loader_.cancel(pane);
    tickets_[pane] = 0;
    showPicture(pane, *cached);
    return true;
  }
  // Another file's picture never stays beside the new one's name while it loads.
  if (!samePicture) {
    infos_[pane]->clear();
    images_[pane]->setPlaceholder(QFileInfo(path).fileName());
  }
  tickets_[pane] = loader_.request(pane, job);
  return true;
}

void PreviewController::ShowFolderOf(const std::string& fileName, Pane pane) {
  if (!tbShowFiles_->isChecked()) return;
  files_.ShowFolderOf(fileName, pane == BasePane ? FilePanes::BasePane : FilePanes::DupePane, !hasDupeRows());
}

void PreviewController::clearPreviews() {
  for (Pane pane : {BasePane, DupePane}) {
    shown_[pane] = {};
    emptyPane(pane);
  }
}

void PreviewController::applyViewToggles() {
  applyFullSize(tbFullSize_->isChecked());
  applySideBySide(tbSideBySide_->isChecked());
  applyShowFiles(tbShowFiles_->isChecked());
}

// Another group starts at the mode's own size; a zoom holds while its duplicates are compared.
void PreviewController::showGroup(const TResultEntry* base) {
  for (Pane pane : {BasePane, DupePane}) {
    images_[pane]->setZoom(0);
    applyScrolling(pane);
  }
  groupAhead_.clear();
  if (base == nullptr) {
    shown_[BasePane] = {};
    emptyPane(BasePane);
    return;
  }
  LoadPreview(base->Path, base->Volume, BasePane, 0, 0);
  ShowFolderOf(base->Path, BasePane);
  // Found once per group (its lines are built for it) and kept as jobs: a deletion may free the entries.
  const auto [nextBase, nextDupe] = selection_.nextGroup();
  addJob(groupAhead_, nextBase, BasePane);
  addJob(groupAhead_, nextDupe, DupePane);
}

void PreviewController::showDupe(const TResultEntry* entry) {
  if (entry == nullptr) {
    shown_[DupePane] = {};
    emptyPane(DupePane);
    return;
  }
  const QPoint at = basePosition();
  LoadPreview(entry->Path, entry->Volume, DupePane, at.x(), at.y());
  ShowFolderOf(entry->Path, DupePane);
  prefetchNeighbours();
}

void PreviewController::addJob(std::vector<PreviewJob>& jobs, const TResultEntry* entry, Pane pane) const {
  if (entry != nullptr && IsPictureName(entry->Path, CurrentSettings().values().modernImageFormats))
    jobs.push_back(MakePreviewJob(fromPath(entry->Path), optionsFor(pane)));
}

// The next line first (the usual direction), then the next group's base and first
// duplicate (the next group to be shown), then the line after next and the one before.
void PreviewController::prefetchNeighbours() {
  const std::vector<DupeLine>& lines = selection_.dupeLines();
  const TResultEntry* selected = selection_.selectedEntry();
  const auto found = std::find_if(lines.begin(), lines.end(), [&](const DupeLine& line) { return line.entry == selected; });
  const int row = found == lines.end() ? -1 : static_cast<int>(found - lines.begin());
  const auto line = [&](int offset) -> const TResultEntry* {
    const int neighbour = row + offset;
    return row < 0 || neighbour < 1 || neighbour >= int(lines.size()) ? nullptr : lines[size_t(neighbour)].entry;
  };
  std::vector<PreviewJob> jobs;
  addJob(jobs, line(1), DupePane);
  jobs.insert(jobs.end(), groupAhead_.begin(), groupAhead_.end());
  addJob(jobs, line(2), DupePane);
  addJob(jobs, line(-1), DupePane);
  loader_.prefetch(std::move(jobs));
}

void PreviewController::onReady(int pane, quint64 ticket, const DecodedPreview& preview) {
  if (ticket == 0 || ticket != tickets_[pane]) return;
  const Pane which = Pane(pane);
  if (!preview.standIn) tickets_[pane] = 0;
  if (preview.ok) {
    showPicture(which, preview);
    return;
  }
  emptyPane(which);
  QMessageBox::critical(window_, tr("Error"), tr("Error in reading image file."));
}

void PreviewController::showPicture(Pane pane, const DecodedPreview& preview) {
  images_[pane]->setPicture(preview.image, preview.displaySize);
  scrollTo(pane, wanted_[pane].x(), wanted_[pane].y());
  showInfo(pane, preview);
  emit pictureShown(pane);
}

// "1600 × 1200 pixels, 2.4 MB, 08/12/2026 10:15" from the decode and the file now.
void PreviewController::showInfo(Pane pane, const DecodedPreview& preview) {
  const QFileInfo file(fromPath(shown_[pane].path));
  const QLocale locale;
  infos_[pane]->setText(tr("%1 × %2 pixels, %3, %4")
                            .arg(preview.fullSize.width())
                            .arg(preview.fullSize.height())
                            .arg(locale.formattedDataSize(file.size(), 1, QLocale::DataSizeTraditionalFormat),
                                 locale.toString(file.lastModified(), QLocale::ShortFormat)));
}

void PreviewController::showNotice(Pane pane, const std::string& fileName, const std::string& volumeLabel) {
  loader_.cancel(pane);
  tickets_[pane] = 0;
  const MissingFileNotice notice = MissingFileNoticeFor(fileName, volumeLabel);
  infos_[pane]->clear();
  images_[pane]->setNotice(NoticeImage(fromPath(notice.line1), fromPath(notice.line2), window_->font(),
                                       areas_[pane]->palette().color(QPalette::Base)));
}

void PreviewController::emptyPane(Pane pane) {
  loader_.cancel(pane);
  tickets_[pane] = 0;
  infos_[pane]->clear();
  images_[pane]->clearPicture();
}

void PreviewController::scrollTo(Pane pane, int horzPos, int vertPos) {
  wanted_[pane] = QPoint(horzPos, vertPos);
  areas_[pane]->horizontalScrollBar()->setValue(horzPos);
  areas_[pane]->verticalScrollBar()->setValue(vertPos);
}

// The base pane's scroll position, or the one it is about to take.
QPoint PreviewController::basePosition() const {
  if (isLoading(BasePane)) return wanted_[BasePane];
  return {areas_[BasePane]->horizontalScrollBar()->value(), areas_[BasePane]->verticalScrollBar()->value()};
}

void PreviewController::reload(Pane pane) {
  if (shown_[pane].path.empty()) return;
  const Shown shown = shown_[pane];
  const QPoint at = pane == DupePane ? basePosition()
                                     : QPoint(areas_[pane]->horizontalScrollBar()->value(),
                                              areas_[pane]->verticalScrollBar()->value());
  LoadPreview(shown.path, shown.volume, pane, at.x(), at.y());
}

void PreviewController::reloadBoth() {
  reload(BasePane);
  reload(DupePane);
}

void PreviewController::applyFullSize(bool fullSize) {
  for (Pane pane : {BasePane, DupePane}) {
    images_[pane]->setZoom(0);
    images_[pane]->setStretched(!fullSize);
    applyScrolling(pane);
  }
  reloadBoth();
}

// Scroll bars and a picture of its own size at full size or zoomed; else the picture fills the pane.
void PreviewController::applyScrolling(Pane pane) {
  const bool scrolls = tbFullSize_->isChecked() || images_[pane]->zoom() > 0;
  const Qt::ScrollBarPolicy policy = scrolls ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff;
  areas_[pane]->setHorizontalScrollBarPolicy(policy);
  areas_[pane]->setVerticalScrollBarPolicy(policy);
  areas_[pane]->setWidgetResizable(!scrolls);
}

void PreviewController::zoomBy(Pane pane, double factor, QPoint anchor) {
  zoomOne(pane, factor, anchor);
  if (!tbScrollInUnison_->isChecked()) return;
  const Pane other = pane == BasePane ? DupePane : BasePane;
  zoomOne(other, factor, areas_[other]->viewport()->rect().center());
  followPan(pane);
}

void PreviewController::zoomOne(Pane pane, double factor, QPoint anchor) {
  PreviewImage* image = images_[pane];
  if (!image->hasPicture() || image->isNotice() || !areas_[pane]->isVisible()) return;
  const bool wasZoomed = image->zoom() > 0;
  const double before = image->drawnScale();
  const double after = std::clamp(before * factor, MinZoom, MaxZoom);
  const QPointF point = QPointF(image->mapFrom(areas_[pane]->viewport(), anchor) - image->pictureRect().topLeft()) / before;
  image->setZoom(after);
  applyScrolling(pane);
  const int horz = qRound(point.x() * after) - anchor.x(), vert = qRound(point.y() * after) - anchor.y();
  scrollTo(pane, horz, vert);
  // A picture decoded to fit its pane is decoded again at its full size.
  if (!wasZoomed && !tbFullSize_->isChecked()) LoadPreview(shown_[pane].path, shown_[pane].volume, pane, horz, vert);
}

void PreviewController::zoomToFit(Pane pane) {
  fitOne(pane);
  if (tbScrollInUnison_->isChecked()) fitOne(pane == BasePane ? DupePane : BasePane);
}

void PreviewController::fitOne(Pane pane) {
  PreviewImage* image = images_[pane];
  if (!image->hasPicture() || image->isNotice()) return;
  if (tbFullSize_->isChecked()) {
    const QSize box = areas_[pane]->maximumViewportSize();
    const QSize picture = image->shownSize();
    image->setZoom(std::min(double(box.width()) / picture.width(), double(box.height()) / picture.height()));
  } else {
    image->setZoom(0);
  }
  applyScrolling(pane);
  scrollTo(pane, 0, 0);
}

void PreviewController::applySideBySide(bool sideBySide) {
  infos_[BasePane]->setVisible(sideBySide);
  areas_[BasePane]->setVisible(sideBySide);
  files_.pane(FilePanes::BasePane)->setVisible(sideBySide);
  if (!sideBySide) return;
  if (!tbFullSize_->isChecked()) reload(BasePane);
  reload(DupePane);
  if (hasDupeRows()) ShowFolderOf(shown_[BasePane].path, BasePane);
}

// A settled resize re-runs side by side; a stretched picture is fitted anew.
void PreviewController::paneResized() {
  if (tbSideBySide_->isChecked())
    applySideBySide(true);
  else if (!tbFullSize_->isChecked())
    reload(DupePane);
}

void PreviewController::applyShowFiles(bool showFiles) {
  pFiles_->setVisible(showFiles);
  if (!showFiles) return;
  if (tbSideBySide_->isChecked() && hasDupeRows()) ShowFolderOf(shown_[BasePane].path, BasePane);
  if (const TResultEntry* selected = selection_.selectedEntry()) ShowFolderOf(selected->Path, DupePane);
}

void PreviewController::refreshFiles() {
  if (files_.menuPane() == FilePanes::BasePane) {
    if (hasDupeRows()) ShowFolderOf(shown_[BasePane].path, BasePane);
  } else if (const TResultEntry* selected = selection_.selectedEntry()) {
    ShowFolderOf(selected->Path, DupePane);
  }
}

bool PreviewController::hasDupeRows() const { return !selection_.dupeLines().empty(); }

bool PreviewController::eventFilter(QObject* watched, QEvent* event) {
  if (watched == pImages_) {
    if (event->type() == QEvent::Resize) resizeTimer_.start();
    return false;
  }
  for (Pane pane : {BasePane, DupePane}) {
    if (watched != images_[pane] && watched != viewports_[pane] && watched != areas_[pane]) continue;
    if (zoomEvent(pane, event)) return true;
    return watched == images_[pane] && pan(pane, event);
  }
  return false;
}

// Ctrl + wheel over a pane's picture or viewport, and "+", "-", "0" on the focused
// pane, for an event of one of the pane's widgets; false for every other event.
bool PreviewController::zoomEvent(Pane pane, QEvent* event) {
  QWidget* viewport = viewports_[pane];
  if (event->type() == QEvent::Wheel) {
    const auto* wheel = static_cast<QWheelEvent*>(event);
    if (!(wheel->modifiers() & Qt::ControlModifier)) return false;
    const QPoint anchor = viewport->mapFromGlobal(wheel->globalPosition()).toPoint();
    zoomBy(pane, std::pow(ZoomStep, wheel->angleDelta().y() / 120.0), anchor);
    return true;
  }
  if (event->type() != QEvent::KeyPress || !areas_[pane]->hasFocus()) return false;
  switch (static_cast<QKeyEvent*>(event)->key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal:
      zoomBy(pane, ZoomStep, viewport->rect().center());
      return true;
    case Qt::Key_Minus:
      zoomBy(pane, 1 / ZoomStep, viewport->rect().center());
      return true;
    case Qt::Key_0:
      zoomToFit(pane);
      return true;
    default:
      return false;
  }
}

// Dragging a picture in full-size mode scrolls it with the mouse.
bool PreviewController::pan(Pane pane, QEvent* event) {
  const auto at = [event] { return static_cast<QMouseEvent*>(event)->position().toPoint(); };
  switch (event->type()) {
    case QEvent::MouseButtonPress:
      areas_[pane]->setFocus(Qt::MouseFocusReason);
      if (!tbFullSize_->isChecked() && images_[pane]->zoom() == 0) return false;
      panning_[pane] = true;
      panStart_[pane] = at();
      savedCursor_ = images_[pane]->cursor();
      images_[pane]->setCursor(Qt::PointingHandCursor);
      return true;
    case QEvent::MouseMove: {
      if (!panning_[pane]) return false;
      const QPoint moved = at() - panStart_[pane];
      QScrollBar* horizontal = areas_[pane]->horizontalScrollBar();
      QScrollBar* vertical = areas_[pane]->verticalScrollBar();
      horizontal->setValue(horizontal->value() - moved.x());
      vertical->setValue(vertical->value() - moved.y());
      if (tbScrollInUnison_->isChecked()) followPan(pane);
      return true;
    }
    case QEvent::MouseButtonRelease:
      if (!panning_[pane]) return false;
      panning_[pane] = false;
      images_[pane]->setCursor(savedCursor_);
      return true;
    default:
      return false;
  }
}

// Moves the other pane to the same proportion of its ranges: horizontally first;
// nothing follows when this pane cannot scroll sideways, only the horizontal
// position when it cannot scroll up and down.
void PreviewController::followPan(Pane pane) {
  const Pane other = pane == BasePane ? DupePane : BasePane;
  const QScrollBar* horizontal = areas_[pane]->horizontalScrollBar();
  const QScrollBar* vertical = areas_[pane]->verticalScrollBar();
  QScrollBar* otherHorizontal = areas_[other]->horizontalScrollBar();
  QScrollBar* otherVertical = areas_[other]->verticalScrollBar();
  if (horizontal->maximum() <= 0) return;
  otherHorizontal->setValue(proportional(horizontal->value(), horizontal->maximum(), otherHorizontal->maximum()));
  if (vertical->maximum() <= 0) return;
  otherVertical->setValue(proportional(vertical->value(), vertical->maximum(), otherVertical->maximum()));
}

}  // namespace vl::gui

// The main window's layout, status bar, stored column widths, view toggles, scan hooks and closing rules.
#include "app/shell/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QDate>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QStandardItemModel>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QStyle>
#include <QTabBar>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "app/components/action_set.h"
#include "app/components/app_settings.h"
#include "app/components/dialog_provider.h"
#include "app/components/form_property_store.h"
#include "app/components/job_status.h"
#include "app/components/locale_date.h"
#include "app/components/thumbnail_cache.h"
#include "app/components/widget_helpers.h"
#include "app/database/database_dialog.h"
#include "app/dialogs/folders_dialog.h"
#include "app/preview/preview_controller.h"
#include "app/components/preview_decoder.h"
#include "app/components/preview_image.h"
#include "app/preview/file_pane_transfers.h"
#include "app/results/dupe_list_delegate.h"
#include "app/results/export_command.h"
#include "app/results/file_commands.h"
#include "app/results/mark_rule_commands.h"
#include "app/results/not_duplicate_commands.h"
#include "app/results/result_lists.h"
#include "app/results/results_file_commands.h"
#include "app/results/undo_command.h"
#include "app/shell/action_table.h"
#include "app/components/help.h"
#include "core/results/mark_rules.h"
#include "core/settings/ini_file.h"

namespace vl::gui {
namespace {

// Without a window manager (a bare X server) the window is never activated: the
// first show opens the start-up wizard after this long instead.
constexpr int WizardFallbackMs = 400;
constexpr int SplitterHandleWidth = 3;
constexpr int BasePanelWidth = 142;
constexpr int DupePanelHeight = 149;
constexpr int FilePanelHeight = 65;
constexpr int MaxColumnWidth = 4000;
constexpr int MinDupeLines = 10;
constexpr int BaseNameChars = 32;  // "IMG_20240101_123456789.jpg (12)" in full
constexpr int PanelWidths[3] = {200, 200, 125};
constexpr int ProgressBarWidth = 220;
//: Column headers of the duplicate list; "Del" is the column that shows a file's deletion mark.
const char* const ColumnCaptions[8] = {
    QT_TRANSLATE_NOOP("vl::gui::MainWindow", "Del"),
    QT_TRANSLATE_NOOP("vl::gui::MainWindow", "Difference"),
    QT_TRANSLATE_NOOP("vl::gui::MainWindow", "Path"),
    QT_TRANSLATE_NOOP("vl::gui::MainWindow", "Size"),
    QT_TRANSLATE_NOOP("vl::gui::MainWindow", "Width"),
    QT_TRANSLATE_NOOP("vl::gui::MainWindow", "Height"),
    QT_TRANSLATE_NOOP("vl::gui::MainWindow", "Date"),
    QT_TRANSLATE_NOOP("vl::gui::MainWindow", "Volume")};
const bool CentredColumns[8] = {false, true, false, true, true, true, false, false};

QWidget* makePane(const char* objectName, QLayout* layout) {
  auto* pane = new QWidget;
  pane->setObjectName(QLatin1String(objectName));
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  pane->setLayout(layout);
  return pane;
}

QSplitter* makeSplitter(const char* objectName, Qt::Orientation orientation) {
  auto* splitter = new QSplitter(orientation);
  splitter->setObjectName(QLatin1String(objectName));
  splitter->setHandleWidth(SplitterHandleWidth);
  splitter->setChildrenCollapsible(false);
  return splitter;
}

QScrollArea* makePreviewArea(const char* objectName, const char* imageName) {
  auto* area = new QScrollArea;
  area->setObjectName(QLatin1String(objectName));
  area->setBackgroundRole(QPalette::Base);
  auto* image = new PreviewImage;
  image->setObjectName(QLatin1String(imageName));
  area->setWidget(image);
  return area;
}

// The line under a preview pane: the picture's dimensions, file size and date.
QLabel* makeInfoLabel(const char* objectName) {
  auto* label = new QLabel;
  label->setObjectName(QLatin1String(objectName));
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
  label->setMinimumHeight(label->fontMetrics().height() + 2);
  return label;
}

QListWidget* makeFilePane(const char* objectName) {
  auto* pane = new QListWidget;
  pane->setObjectName(QLatin1String(objectName));
  pane->setViewMode(QListView::ListMode);
  pane->setFlow(QListView::TopToBottom);
  pane->setWrapping(true);
  pane->setSelectionMode(QAbstractItemView::ExtendedSelection);
  pane->setEditTriggers(QAbstractItemView::NoEditTriggers);
  pane->setSortingEnabled(true);
  return pane;
}

// A first start writes what a new user starts with (verified matching, the default
// rule) into the new settings file, so that it outlives the first save of other
// settings. When that fails it still holds while the file is missing, and the first
// save of settings reports the failure.
void createSettingsFileAtFirstStart() {
  try {
    StoreNewSettingsFile();
  } catch (const IniWriteError&) {
  }
}

}  // namespace

MainWindow::MainWindow() : host_(this) {
  createSettingsFileAtFirstStart();
  setObjectName(QStringLiteral("fmain"));
  setWindowTitle(QStringLiteral("Velloran"));
  thumbnails_ = new ThumbnailCache(DecodeThumbnailPicture, this);
  createLayout();
  actions_ = std::make_unique<ActionSet>(this, MainWindowActions());
  createMenus();
  createToolBar();
  createPopupMenus();
  createStatusBar();
  connectWindowCommands();
  scan_ = new ScanCommands(*actions_, results_, deletedList_, host_, *this, *jobStatus_, this);
  connect(scan_, &ScanCommands::closeWhenDone, this, &QWidget::close);
  lists_ = new ResultLists(results_, {lbBaseFiles_, lbDupes_, lbDupesHead_, tabSet_}, *actions_, this);
  previews_ = new PreviewController(this, previewWidgets(), *actions_,
                                    {[this] { return lists_->selectedEntry(); },
                                     [this]() -> const std::vector<DupeLine>& { return lists_->dupeModel().lines(); },
                                     [this] { return lists_->nextGroup(); }});
  connect(lists_, &ResultLists::groupShown, previews_, &PreviewController::showGroup);
  connect(lists_, &ResultLists::dupeShown, previews_, &PreviewController::showDupe);
  resultsFile_ = new ResultsFileCommands(results_, deletedList_, *lists_, host_, *actions_, this);
  undo_ = new UndoCommand(results_, deletedList_, *lists_, host_, *actions_, this);
  connect(menuBar()->findChild<QMenu*>(QStringLiteral("Edit1")), &QMenu::aboutToShow, undo_, &UndoCommand::refresh);
  connect(undo_, &UndoCommand::statusMessage, this, &MainWindow::showStatusMessage);
  auto* files = new FileCommands(results_, deletedList_, *lists_, host_, *actions_,
                                 {lbBaseFiles_, lbDupes_, {lvBase_, lvThumbs_}}, *undo_, this);
  connect(files, &FileCommands::statusMessage, this, &MainWindow::showStatusMessage);
  new FilePaneTransfers(previews_->filePanes(), this);
  new MarkRuleCommands(*actions_, results_, *lists_, this);
  new ExportCommand(*actions_, results_, this);
  new NotDuplicateCommands(*lists_, *actions_, this);
  readColumnWidths();
  SetHelpContext(this, HelpMainWindow);

  placeAtFirstStart();
  store_ = std::make_unique<FormPropertyStore>(
      this, QStringLiteral("Tfmain"), true,
      QStringList{QStringLiteral("Panel2.Width"), QStringLiteral("pDupes.Height"),
                  QStringLiteral("Removewhennoduplicates2.Checked"), QStringLiteral("pFiles.Height"),
                  QStringLiteral("N113.Checked"), QStringLiteral("N123.Checked"), QStringLiteral("N143.Checked"),
                  QStringLiteral("N183.Checked"), QStringLiteral("BestQuality3.Checked"),
                  QStringLiteral("BestSpeed3.Checked"), QStringLiteral("tbFullSize.Down"),
                  QStringLiteral("tbScrollInUnison.Down"), QStringLiteral("tbShowFiles.Down"),
                  QStringLiteral("tbSideBySide.Down")});
}

MainWindow::~MainWindow() {
  lists_->clearDupeList();
  results_.ClearResults();
  saveDeletedList();
  writeColumnWidths();
}

void MainWindow::createLayout() {
  auto* rxSplitter1 = makeSplitter("RxSplitter1", Qt::Horizontal);
  rxSplitter1->addWidget(createBasePanel());
  auto* rxSplitter3 = makeSplitter("RxSplitter3", Qt::Vertical);
  rxSplitter3->addWidget(createDupePanel());
  rxSplitter3->addWidget(createImagePanel());
  rxSplitter3->setStretchFactor(0, 0);
  rxSplitter3->setStretchFactor(1, 1);
  rxSplitter3->setSizes({DupePanelHeight, 408 - DupePanelHeight});
  QWidget* panel1 = makePane("Panel1", new QVBoxLayout);
  panel1->layout()->addWidget(rxSplitter3);
  rxSplitter1->addWidget(panel1);
  rxSplitter1->setStretchFactor(0, 0);
  rxSplitter1->setStretchFactor(1, 1);
  rxSplitter1->setSizes({BasePanelWidth, 574 - BasePanelWidth});
  setCentralWidget(rxSplitter1);
}

void MainWindow::placeAtFirstStart() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
  const QSize size(std::max(574, available.width() * 4 / 5), std::max(408, available.height() * 4 / 5));
  setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size, available));
  const int lineHeight = lbDupes_->fontMetrics().height() + 2;
  const int dupeHeight = MinDupeLines * lineHeight + lbDupesHead_->height() + 2 * lbDupes_->frameWidth() +
                         style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  const int baseWidth = std::max(BasePanelWidth, lbBaseFiles_->fontMetrics().averageCharWidth() * BaseNameChars);
  findChild<QSplitter*>(QStringLiteral("RxSplitter3"))->setSizes({dupeHeight, size.height() - dupeHeight});
  findChild<QSplitter*>(QStringLiteral("RxSplitter1"))->setSizes({baseWidth, size.width() - baseWidth});
}

QWidget* MainWindow::createBasePanel() {
  auto* layout = new QVBoxLayout;
  QWidget* panel2 = makePane("Panel2", layout);
  auto* caption = new QLabel(tr("Base Files"));
  caption->setObjectName(QStringLiteral("Panel3"));
  caption->setAlignment(Qt::AlignCenter);
  caption->setFrameStyle(QFrame::Panel | QFrame::Raised);
  caption->setFixedHeight(ScaledBarHeight(this, 17));
  lbBaseFiles_ = new QListWidget;
  lbBaseFiles_->setObjectName(QStringLiteral("lbBaseFiles"));
  lbBaseFiles_->setSelectionMode(QAbstractItemView::SingleSelection);
  lbBaseFiles_->setUniformItemSizes(true);
  lbBaseFiles_->setItemDelegate(new ThumbnailItemDelegate(*thumbnails_, lbBaseFiles_));
  connect(thumbnails_, &ThumbnailCache::ready, lbBaseFiles_->viewport(), qOverload<>(&QWidget::update));
  SetHint(lbBaseFiles_, tr("|The base images that have possible duplicates."));
  tabSet_ = new QTabBar;
  tabSet_->setObjectName(QStringLiteral("TabSet1"));
  tabSet_->setShape(QTabBar::RoundedSouth);
  tabSet_->setExpanding(false);
  tabSet_->setDrawBase(false);
  // Both tabs fit the base panel's default 142 pixels at the system font.
  tabSet_->setStyleSheet(QStringLiteral("QTabBar::tab { padding: 2px 7px; }"));
  tabSet_->addTab(tr("All Dupes"));
  tabSet_->addTab(tr("Marked"));
  layout->addWidget(caption);
  layout->addWidget(lbBaseFiles_, 1);
  layout->addWidget(tabSet_);
  return panel2;
}

QWidget* MainWindow::createDupePanel() {
  auto* layout = new QVBoxLayout;
  QWidget* pDupes = makePane("pDupes", layout);
  auto* columns = new QStandardItemModel(0, 8, this);
  for (int column = 0; column < 8; ++column) {
    columns->setHeaderData(column, Qt::Horizontal, tr(ColumnCaptions[column]));
    columns->setHeaderData(column, Qt::Horizontal,
                           int((CentredColumns[column] ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter),
                           Qt::TextAlignmentRole);
  }
  columns->setHeaderData(1, Qt::Horizontal,
                         tr("How much the picture differs from the group's base: 0 for the base and "
                            "for the same picture, more for a picture that looks less alike"),
                         Qt::ToolTipRole);
  lbDupesHead_ = new QHeaderView(Qt::Horizontal);
  lbDupesHead_->setObjectName(QStringLiteral("lbDupesHead"));
  lbDupesHead_->setModel(columns);
  lbDupesHead_->setSectionsClickable(true);
  lbDupesHead_->setHighlightSections(false);
  lbDupesHead_->setStretchLastSection(false);
  lbDupesHead_->setSectionResizeMode(QHeaderView::Interactive);
  lbDupesHead_->setMinimumSectionSize(4);
  lbDupesHead_->setFixedHeight(std::max(ScaledBarHeight(this, 17), lbDupesHead_->sizeHint().height()));
  lbDupes_ = new QListView;
  lbDupes_->setObjectName(QStringLiteral("lbDupes"));
  lbDupes_->setUniformItemSizes(true);
  lbDupes_->setSelectionMode(QAbstractItemView::SingleSelection);
  lbDupes_->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  lbDupes_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  lbDupes_->setItemDelegate(new DupeListDelegate(lbDupesHead_, thumbnails_, lbDupes_));
  connect(thumbnails_, &ThumbnailCache::ready, lbDupes_->viewport(), qOverload<>(&QWidget::update));
  connect(lbDupes_->horizontalScrollBar(), &QScrollBar::valueChanged, lbDupesHead_, &QHeaderView::setOffset);
  connect(lbDupesHead_, &QHeaderView::sectionResized, lbDupes_->viewport(), qOverload<>(&QWidget::update));
  layout->addWidget(lbDupesHead_);
  layout->addWidget(lbDupes_, 1);
  return pDupes;
}

QWidget* MainWindow::createImagePanel() {
  auto* previewLayout = new QHBoxLayout;
  QWidget* previews = makePane("pPreviews", previewLayout);
  previews->setMinimumHeight(28);
  sbBase_ = makePreviewArea("sbBase", "ImageBase");
  sbThumbs_ = makePreviewArea("sbThumbs", "ImageThumbs");
  // Each pane over its picture's line; a column whose widgets are hidden takes no room.
  for (auto [area, info] : {std::pair{sbBase_, &lbBaseInfo_}, std::pair{sbThumbs_, &lbThumbsInfo_}}) {
    *info = makeInfoLabel(area == sbBase_ ? "lbBaseInfo" : "lbThumbsInfo");
    auto* column = new QVBoxLayout;
    column->setSpacing(0);
    column->addWidget(area, 1);
    column->addWidget(*info);
    previewLayout->addLayout(column, 1);
  }
  auto* fileLayout = new QHBoxLayout;
  pFiles_ = makePane("pFiles", fileLayout);
  pFiles_->setMinimumHeight(2);
  lvBase_ = makeFilePane("lvBase");
  lvThumbs_ = makeFilePane("lvThumbs");
  fileLayout->addWidget(lvBase_, 1);
  fileLayout->addWidget(lvThumbs_, 1);
  auto* rxSplitter2 = makeSplitter("RxSplitter2", Qt::Vertical);
  rxSplitter2->addWidget(previews);
  rxSplitter2->addWidget(pFiles_);
  rxSplitter2->setStretchFactor(0, 1);
  rxSplitter2->setStretchFactor(1, 0);
  rxSplitter2->setSizes({200, FilePanelHeight});
  pImages_ = makePane("pImages", new QVBoxLayout);
  pImages_->setMinimumHeight(26);
  pImages_->layout()->addWidget(rxSplitter2);
  return pImages_;
}

PreviewWidgets MainWindow::previewWidgets() const {
  const auto imageOf = [](QScrollArea* area) { return static_cast<PreviewImage*>(area->widget()); };
  return {{sbBase_, sbThumbs_},
          {imageOf(sbBase_), imageOf(sbThumbs_)},
          {lbBaseInfo_, lbThumbsInfo_},
          {lvBase_, lvThumbs_},
          pImages_,
          pFiles_,
          viewMenu_};
}

void MainWindow::createStatusBar() {
  statusBar()->setObjectName(QStringLiteral("StatusBar1"));
  const QString texts[3] = {QStringLiteral(" "), tr("Ready To Scan"), QStringLiteral(" ")};
  for (int panel = 0; panel < 3; ++panel) {
    panels_[panel] = new QLabel(texts[panel]);
    panels_[panel]->setObjectName(QStringLiteral("StatusPanel%1").arg(panel));
    panels_[panel]->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    panels_[panel]->setMinimumWidth(0);
  }
  panels_[0]->setMinimumWidth(1);
  panels_[0]->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  statusBar()->addWidget(panels_[0], 1);
  for (int panel = 1; panel < 3; ++panel) {
    panels_[panel]->setFixedWidth(PanelWidths[panel]);
    statusBar()->addPermanentWidget(panels_[panel]);
  }
  progressBar_ = new QProgressBar;
  progressBar_->setObjectName(QStringLiteral("ScanProgress"));
  progressBar_->setFixedWidth(ProgressBarWidth);
  statusBar()->addPermanentWidget(progressBar_);
  jobStatus_ = new JobStatus(panels_[1], panels_[2], progressBar_, this);
  host_.showStatusIn(panels_[1], panels_[2]);
}

QString MainWindow::sampleDateText() {
  const double day = double(QDate(1899, 12, 30).daysTo(QDate(2026, 12, 28)));
  return QString::fromStdString(LocaleDateText(day + (23 * 3600 + 58 * 60 + 58) / 86400.0));
}

void MainWindow::readColumnWidths() {
  const IniFile ini(AppIniFileName());
  QStringList captions;
  for (const char* caption : ColumnCaptions) captions << tr(caption);
  const std::array<int, 8> defaults =
      DefaultDupeColumnWidths(lbDupes_->fontMetrics(), sampleDateText(), captions, lbDupesHead_->fontMetrics());
  for (int column = 0; column < 8; ++column) {
    const int width = ini.readInteger("ColWidths", "Col" + std::to_string(column), defaults[column]);
    lbDupesHead_->resizeSection(column, std::clamp(width, 0, MaxColumnWidth));
  }
}

void MainWindow::writeColumnWidths() {
  try {
    IniFile ini(AppIniFileName());
    for (int column = 0; column < 8; ++column)
      ini.writeString("ColWidths", "Col" + std::to_string(column), std::to_string(lbDupesHead_->sectionSize(column)));
  } catch (const std::exception& error) {
    host_.showMessage(MessageKind::Error, error.what());
  }
}

void MainWindow::saveDeletedList() {
  if (!CurrentSettings().values().useDeletedList) return;
  try {
    deletedList_.SaveChanges();
  } catch (const std::exception& error) {
    host_.showMessage(MessageKind::Error, error.what());
  }
}

void MainWindow::showStatusMessage(const QString& text) {
  lastStatus_ = text;
  panels_[0]->setText(text);
}

bool MainWindow::mayCloseWithMarks() {
  if (!results_.marksEdited()) return true;
  switch (CurrentDialogProvider().askYesNoCancel(
      this, tr("The marks were changed since the results were last saved.\n\nSave the results before closing?")
                .toStdString())) {
    case YesNoCancel::Yes:
      return resultsFile_->saveResults();
    case YesNoCancel::No:
      return true;
    case YesNoCancel::Cancel:
      break;
  }
  return false;
}

void MainWindow::setFoldersDialog(FoldersDialog* folders) {
  scan_->setFoldersDialog(folders);
  // Like the action, the button does nothing while a scan runs.
  connect(folders, &FoldersDialog::databaseManagementRequested, folders, [this, folders] {
    if (actions_->action(MainAction::DatabaseManagement)->isEnabled()) OpenDatabaseManagement(folders);
  });
}

bool MainWindow::isScanning() const { return scan_->isRunning(); }

void MainWindow::resultsCleared() { lists_->clearDupeList(); }

void MainWindow::scanRunning(bool running) {
  actions_->enableGroup(CommandGroup::ScanIdle, !running);
  actions_->enableGroup(CommandGroup::ScanRunning, running);
  lists_->setScanRunning(running);
  undo_->setScanRunning(running);
  if (running) showStatusMessage(QString());
}

void MainWindow::showFirstGroup() { lists_->showFirstGroup(); }

bool MainWindow::event(QEvent* event) {
  switch (event->type()) {
    case QEvent::StatusTip: {
      const QString tip = static_cast<QStatusTipEvent*>(event)->tip();
      panels_[0]->setText(tip.isEmpty() ? lastStatus_ : tip);
      return true;
    }
    case QEvent::WindowActivate:
      scan_->openWizardOnce();
      break;
    default:
      break;
  }
  return QMainWindow::event(event);
}

void MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (firstShowDone_) return;
  firstShowDone_ = true;
  QTimer::singleShot(WizardFallbackMs, scan_, &ScanCommands::openWizardOnce);
  previews_->applyViewToggles();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (scan_->isRunning()) {
    scan_->cancel(true);
    event->ignore();
    return;
  }
  if (!mayCloseWithMarks()) {
    event->ignore();
    return;
  }
  event->accept();
}

}  // namespace vl::gui

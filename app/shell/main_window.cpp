#include "app/shell/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
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
#include <stdexcept>

#include "app/dialogs/configure_dialog.h"
#include "app/dialogs/folders_dialog.h"
#include "app/dialogs/scan_options_dialog.h"
#include "app/dialogs/scan_wizard.h"
#include "app/components/widget_helpers.h"
#include "app/results/dupe_list_delegate.h"
#include "app/results/lists_busy.h"
#include "app/results/result_lists.h"
#include "app/shell/about_box.h"
#include "app/components/form_property_store.h"
#include "app/components/help.h"
#include "core/scan/scan_driver.h"
#include "core/settings/ini_file.h"
#include "core/settings/settings.h"

namespace vl::gui {
namespace {

constexpr int SplitterHandleWidth = 3;
constexpr int BasePanelWidth = 142;
constexpr int DupePanelHeight = 149;
constexpr int FilePanelHeight = 65;
constexpr int MaxColumnWidth = 4000;
constexpr int PanelWidths[3] = {200, 200, 125};
const char* const ColumnCaptions[8] = {"Del", "Ers", "Path", "Size", "Width", "Height", "Date", "Volume"};
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
  auto* image = new QLabel;
  image->setObjectName(QLatin1String(imageName));
  image->resize(1, 1);
  area->setWidget(image);
  return area;
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

}  // namespace

MainWindow::MainWindow() : host_(this, this) {
  setObjectName(QStringLiteral("fmain"));
  setWindowTitle(QStringLiteral("Velloran"));
  ListsBusy = true;
  createLayout();
  createActions();
  createMenus();
  createToolBar();
  createPopupMenus();
  createStatusBar();
  lists_ = new ResultLists(results_, lbBaseFiles_, lbDupes_, lbDupesHead_, this);
  connect(tabSet_, &QTabBar::currentChanged, this,
          [this](int tab) { lists_->showView(tab == 1 ? BaseView::Marked : BaseView::AllDupes); });
  readColumnWidths();
  SetHelpContext(this, HelpMainWindow);
  qApp->installEventFilter(this);

  resize(574, 408 + menuBar()->sizeHint().height());
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), screen->availableGeometry()));
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
  qApp->removeEventFilter(this);
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

QWidget* MainWindow::createBasePanel() {
  auto* layout = new QVBoxLayout;
  QWidget* panel2 = makePane("Panel2", layout);
  auto* caption = new QLabel(QStringLiteral("Base Files"));
  caption->setObjectName(QStringLiteral("Panel3"));
  caption->setAlignment(Qt::AlignCenter);
  caption->setFrameStyle(QFrame::Panel | QFrame::Raised);
  caption->setFixedHeight(ScaledBarHeight(this, 17));
  lbBaseFiles_ = new QListWidget;
  lbBaseFiles_->setObjectName(QStringLiteral("lbBaseFiles"));
  lbBaseFiles_->setSelectionMode(QAbstractItemView::SingleSelection);
  SetHint(lbBaseFiles_, QStringLiteral("|The base images that have possible duplicates."));
  tabSet_ = new QTabBar;
  tabSet_->setObjectName(QStringLiteral("TabSet1"));
  tabSet_->setShape(QTabBar::RoundedSouth);
  tabSet_->setExpanding(false);
  tabSet_->setDrawBase(false);
  // Both tabs fit the base panel's default 142 pixels at the system font.
  tabSet_->setStyleSheet(QStringLiteral("QTabBar::tab { padding: 2px 7px; }"));
  tabSet_->addTab(QStringLiteral("All Dupes"));
  tabSet_->addTab(QStringLiteral("Marked"));
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
    columns->setHeaderData(column, Qt::Horizontal, QLatin1String(ColumnCaptions[column]));
    columns->setHeaderData(column, Qt::Horizontal,
                           int((CentredColumns[column] ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter),
                           Qt::TextAlignmentRole);
  }
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
  lbDupes_->setItemDelegate(new DupeListDelegate(lbDupesHead_, lbDupes_));
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
  previewLayout->addWidget(sbBase_, 1);
  previewLayout->addWidget(sbThumbs_, 1);
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
  QWidget* pImages = makePane("pImages", new QVBoxLayout);
  pImages->setMinimumHeight(26);
  pImages->layout()->addWidget(rxSplitter2);
  return pImages;
}

void MainWindow::createStatusBar() {
  statusBar()->setObjectName(QStringLiteral("StatusBar1"));
  const char* const texts[3] = {" ", "Ready To Scan", " "};
  for (int panel = 0; panel < 3; ++panel) {
    panels_[panel] = new QLabel(QLatin1String(texts[panel]));
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
  host_.showStatusIn(panels_[1], panels_[2]);
}

void MainWindow::readColumnWidths() {
  const IniFile ini(AppIniFileName());
  for (int column = 0; column < 8; ++column) {
    const int width = ini.readInteger("ColWidths", "Col" + std::to_string(column), DefaultColumnWidths[column]);
    lbDupesHead_->resizeSection(column, std::clamp(width, 0, MaxColumnWidth));
  }
}

void MainWindow::writeColumnWidths() {
  try {
    IniFile ini(AppIniFileName());
    for (int column = 0; column < 8; ++column)
      ini.writeString("ColWidths", "Col" + std::to_string(column), std::to_string(lbDupesHead_->sectionSize(column)));
  } catch (const std::exception& error) {
    showError(QString::fromStdString(error.what()));
  }
}

void MainWindow::saveDeletedList() {
  // A list never loaded in this run is empty in memory: writing it would wipe the file.
  if (!UseDeletedList || deletedList_.entries().empty()) return;
  try {
    deletedList_.SaveDeletedList();
  } catch (const std::exception& error) {
    showError(QString::fromStdString(error.what()));
  }
}

void MainWindow::applyViewToggles() {
  applyFullSize(tbFullSize_->isChecked());
  applySideBySide(tbSideBySide_->isChecked());
  applyShowFiles(tbShowFiles_->isChecked());
}

void MainWindow::applyFullSize(bool fullSize) {
  for (QScrollArea* area : {sbBase_, sbThumbs_}) {
    const Qt::ScrollBarPolicy policy = fullSize ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff;
    area->setHorizontalScrollBarPolicy(policy);
    area->setVerticalScrollBarPolicy(policy);
    area->setWidgetResizable(!fullSize);
    if (auto* image = qobject_cast<QLabel*>(area->widget())) image->setScaledContents(!fullSize);
  }
}

void MainWindow::applySideBySide(bool sideBySide) {
  sbBase_->setVisible(sideBySide);
  lvBase_->setVisible(sideBySide);
}

void MainWindow::applyShowFiles(bool showFiles) { pFiles_->setVisible(showFiles); }

void MainWindow::openFoldersDialog() {
  if (folders_ != nullptr) folders_->exec();
}

void MainWindow::resultsCleared() { lists_->clearDupeList(); }

void MainWindow::scanRunning(bool running) {
  scanning_ = running;
  aScan_->setEnabled(!running);
  aScanWizard_->setEnabled(!running);
  aCancel_->setEnabled(running);
  if (running) tabSet_->setCurrentIndex(0);
  tabSet_->setEnabled(!running);
}

void MainWindow::showFirstGroup() { lists_->showFirstGroup(); }

void MainWindow::startScan(int scanMode, const std::string& mask) {
  if (scanning_ || folders_ == nullptr) return;
  try {
    ScanDriver driver(results_, deletedList_, host_, ScanTuning{FingerprintJobs, UseFingerprintCache});
    driver.StartScan(static_cast<ScanMode>(scanMode), mask, folders_->baseList(), folders_->compareList());
  } catch (const std::exception& error) {
    showError(QString::fromStdString(error.what()));
  }
  if (scanning_) scanRunning(false);
  while (host_.cursorDepth() > 0) host_.popCursor();
}

void MainWindow::aScanExecute() {
  int scanMode = 0;
  std::string mask;
  {
    ScanOptionsDialog options(this);
    if (options.exec() != QDialog::Accepted) return;
    scanMode = options.scanMode();
    mask = options.mask();
  }
  startScan(scanMode, mask);
}

void MainWindow::scanWizardExecute() {
  if (folders_ == nullptr) return;
  int scanMode = 0;
  std::string mask;
  {
    ScanWizard wizard(*folders_, this);
    if (wizard.exec() != QDialog::Accepted) return;
    scanMode = wizard.scanMode();
    mask = wizard.mask();
  }
  startScan(scanMode, mask);
}

void MainWindow::aConfigureExecute() {
  {
    ConfigureDialog configure(this);
    configure.exec();
  }
  tbDellist_->setChecked(UseDeletedList);
}

void MainWindow::aboutExecute() {
  AboutBox about(this);
  about.exec();
}

void MainWindow::showError(const QString& text) { QMessageBox::critical(this, tr("Error"), text); }

void MainWindow::openWizardOnce() {
  if (wizardShown_) return;
  wizardShown_ = true;
  QTimer::singleShot(0, this, &MainWindow::openWizardAtStartup);
}

void MainWindow::openWizardAtStartup() {
  if (IniFile(AppIniFileName()).readInteger("TfWizard", "ShowWiz", 1) != 0) scanWizardExecute();
}

bool MainWindow::event(QEvent* event) {
  switch (event->type()) {
    case QEvent::StatusTip:
      panels_[0]->setText(static_cast<QStatusTipEvent*>(event)->tip());
      return true;
    case QEvent::WindowActivate:
      openWizardOnce();
      break;
    default:
      break;
  }
  return QMainWindow::event(event);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress || QApplication::activeModalWidget() != nullptr) return false;
  auto* widget = qobject_cast<QWidget*>(watched);
  if (widget == nullptr || widget->window() != this || QApplication::activePopupWidget() != nullptr) return false;
  const auto* key = static_cast<QKeyEvent*>(event);
  if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
  return lists_->runKeyCommand(ListKeyCommandFor(key->key(), NavigateWithArrows));
}

void MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (firstShowDone_) return;
  firstShowDone_ = true;
  // Without a window manager (a bare X server) the window is never activated.
  QTimer::singleShot(WizardFallbackMs, this, &MainWindow::openWizardOnce);
  applyViewToggles();
  ListsBusy = false;
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (scanning_) {
    ScanCancelled = true;
    event->ignore();
    return;
  }
  ListsBusy = true;
  event->accept();
}

}  // namespace vl::gui

// The database explorer: loading a database into its tree, listing folders and search results, showing and panning pictures.
#include "app/database/database_explorer.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QHeaderView>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <exception>

#include "app/components/app_settings.h"
#include "app/components/dialog_provider.h"
#include "app/components/form_property_store.h"
#include "app/components/help.h"
#include "app/components/widget_helpers.h"
#include "app/components/preview_image.h"
#include "core/database/missing_notice.h"
#include "core/files/paths.h"
#include "core/settings/ini_file.h"
#include "core/settings/settings.h"

namespace vl::gui {
namespace {

//: File type filter: "Name|patterns"; translate the name only.
const char* const DatabaseFilter = QT_TRANSLATE_NOOP("vl::gui::DatabaseExplorer", "VL Database (*.VDB)|*.VDB");
const char* const ColumnSection = "ExploreColWidths";
constexpr int MaxColumnWidth = 4000;
constexpr int NodeRole = Qt::UserRole;

bool hasDatabaseExtension(const std::string& fileName) {
  const size_t dot = fileName.rfind('.');
  return dot != std::string::npos && fileName.find('/', dot) == std::string::npos &&
         UpperAscii(fileName.substr(dot)) == ".VDB";
}

class WaitCursor {
 public:
  WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~WaitCursor() { QApplication::restoreOverrideCursor(); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace

DatabaseExplorer::DatabaseExplorer(QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::WindowMinMaxButtonsHint) {
  setObjectName("fDBExplore");
  setWindowTitle(tr("Database Explorer"));
  SetHelpContext(this, HelpDatabaseExplorer);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(makeToolBar());
  layout->addWidget(makePanes(), 1);
  resize(720, 520);
  connect(&loader_, &PreviewLoader::ready, this, &DatabaseExplorer::onReady);
  readColumnWidths();
  store_ = std::make_unique<FormPropertyStore>(this, "TfDBExplore", true,
                                               QStringList{"TreeView1.Width", "ListView1.Height", "eFind.Text"});
}

DatabaseExplorer::~DatabaseExplorer() {
  store_.reset();
  writeColumnWidths();
}

QWidget* DatabaseExplorer::makeToolBar() {
  auto* bar = new QToolBar(this);
  bar->setObjectName("ToolBar1");
  auto* load = new QToolButton(bar);
  load->setObjectName("tbLoad");
  load->setIcon(QIcon::fromTheme("document-open", style()->standardIcon(QStyle::SP_DialogOpenButton)));
  SetHint(load, tr("Load a VL Database."));
  connect(load, &QToolButton::clicked, this, &DatabaseExplorer::loadDatabase);
  eFind_ = new QLineEdit(bar);
  eFind_->setObjectName("eFind");
  eFind_->setMaximumWidth(200);
  connect(eFind_, &QLineEdit::returnPressed, this, &DatabaseExplorer::search);
  auto* find = new QToolButton(bar);
  find->setObjectName("tbSearch");
  find->setIcon(QIcon::fromTheme("edit-find", style()->standardIcon(QStyle::SP_FileDialogContentsView)));
  SetHint(find, tr("Find Next Matching File."));
  connect(find, &QToolButton::clicked, this, &DatabaseExplorer::search);
  bar->addWidget(load);
  bar->addSeparator();
  bar->addWidget(eFind_);
  bar->addWidget(find);
  return bar;
}

QWidget* DatabaseExplorer::makePanes() {
  auto* split = new QSplitter(Qt::Horizontal, this);
  split->setObjectName("Splitter1");
  tree_ = new QTreeWidget(split);
  tree_->setObjectName("TreeView1");
  tree_->setHeaderHidden(true);
  tree_->setUniformRowHeights(true);
  connect(tree_, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) { showFolder(item); });
  auto* right = new QSplitter(Qt::Vertical, split);
  right->setObjectName("Splitter2");
  list_ = new QTreeView(right);
  list_->setObjectName("ListView1");
  list_->setRootIsDecorated(false);
  list_->setUniformRowHeights(true);
  list_->setItemsExpandable(false);
  list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->setModel(&model_);
  list_->header()->setStretchLastSection(false);
  connect(list_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          [this](const QItemSelection& selected) {
            if (!selected.isEmpty()) showRow(selected.indexes().front().row());
          });
  scrollBox_ = new QScrollArea(right);
  scrollBox_->setObjectName("ScrollBox1");
  scrollBox_->setBackgroundRole(QPalette::Base);
  scrollBox_->horizontalScrollBar()->setSingleStep(1);
  image_ = new PreviewImage;
  image_->setObjectName("Image1");
  image_->move(1, 1);
  image_->installEventFilter(this);
  scrollBox_->setWidget(image_);
  split->setSizes({180, 540});
  right->setSizes({200, 300});
  return split;
}

void DatabaseExplorer::loadDatabase() {
  const std::vector<std::string> chosen =
      CurrentDialogProvider().openFiles(this, tr(DatabaseFilter).toStdString(), false);
  if (!chosen.empty()) loadFile(chosen.front());
}

void DatabaseExplorer::loadFile(const std::string& fileName) {
  clearExplorer();
  if (hasDatabaseExtension(fileName)) {
    try {
      WaitCursor wait;
      const DatabaseOutcome outcome = data_.load(fileName);
      if (outcome == DatabaseOutcome::Invalid)
        QMessageBox::critical(this, tr("Error"), QString::fromStdString(InvalidDatabaseMessage(fileName)));
      if (outcome == DatabaseOutcome::WrongVersion)
        QMessageBox::critical(this, tr("Error"), QString::fromStdString(DatabaseVersionMessage(fileName)));
      data_.sortByPath();
      data_.buildTree();
      fillTree();
    } catch (const std::exception& error) {
      QMessageBox::critical(this, tr("Error"), QString::fromStdString(fileName + "\n\n" + error.what()));
    }
  }
  tree_->expandAll();
}

// Mirrors the folder tree into the tree control in one batched update.
void DatabaseExplorer::fillTree() {
  const FolderTree& folders = data_.tree();
  std::vector<QTreeWidgetItem*> items(folders.nodes.size(), nullptr);
  QList<QTreeWidgetItem*> topLevel;
  for (size_t node = 0; node < folders.nodes.size(); ++node) {
    const FolderNode& folder = folders.nodes[node];
    auto* item = new QTreeWidgetItem(QStringList(QString::fromStdString(folder.text)));
    item->setData(0, NodeRole, static_cast<int>(node));
    items[node] = item;
    if (folder.parent >= 0) items[size_t(folder.parent)]->addChild(item);
  }
  for (int node : folders.topLevel) topLevel.append(items[size_t(node)]);
  tree_->setUpdatesEnabled(false);
  tree_->addTopLevelItems(topLevel);
  tree_->setUpdatesEnabled(true);
}

void DatabaseExplorer::clearExplorer() {
  WaitCursor wait;
  data_.clear();
  model_.clear();
  tree_->clear();
  loader_.cancel(0);
  ticket_ = 0;
  image_->clearPicture();
}

void DatabaseExplorer::showFolder(QTreeWidgetItem* item) {
  if (item == nullptr) return;
  model_.setRows(&data_, data_.itemsOf(item->data(0, NodeRole).toInt()));
  if (model_.rowCount() > 0) {
    list_->setCurrentIndex(model_.index(0, 0));
  } else {
    loader_.cancel(0);
    ticket_ = 0;
    image_->clearPicture();
  }
}

void DatabaseExplorer::search() {
  data_.search(eFind_->text().toStdString());
  if (tree_->topLevelItemCount() == 0) return;
  QTreeWidgetItem* last = tree_->topLevelItem(tree_->topLevelItemCount() - 1);
  while (last->childCount() > 0) last = last->child(last->childCount() - 1);
  tree_->setCurrentItem(last);
  if (last->data(0, NodeRole).toInt() == data_.searchNode()) showFolder(last);
}

void DatabaseExplorer::showRow(int row) {
  if (const ExplorerItem* item = model_.item(row)) showPicture(item->path, item->volumeLabel);
}

void DatabaseExplorer::showPicture(const std::string& path, const std::string& volumeLabel) {
  scrollBox_->horizontalScrollBar()->setValue(0);
  scrollBox_->verticalScrollBar()->setValue(0);
  loader_.cancel(0);
  ticket_ = 0;
  const QString file = QString::fromStdString(path);
  if (!QFileInfo::exists(file)) {
    const MissingFileNotice notice = MissingFileNoticeFor(path, volumeLabel);
    image_->setNotice(NoticeImage(QString::fromStdString(notice.line1), QString::fromStdString(notice.line2), font(),
                                  scrollBox_->palette().color(QPalette::Base)));
    return;
  }
  if (!IsPictureName(path, CurrentSettings().values().modernImageFormats)) {
    image_->clearPicture();
    return;
  }
  const PreviewJob job = MakePreviewJob(file, JpegPreviewOptions{});
  if (std::optional<DecodedPreview> cached = loader_.cached(job)) {
    image_->setPicture(cached->image, cached->displaySize);
  } else {
    image_->setPlaceholder(QFileInfo(file).fileName());  // never the last record's picture meanwhile
    ticket_ = loader_.request(0, job);
  }
}

void DatabaseExplorer::onReady(int slot, quint64 ticket, const DecodedPreview& preview) {
  if (slot != 0 || ticket == 0 || ticket != ticket_) return;
  if (!preview.standIn) ticket_ = 0;
  if (preview.ok) {
    image_->setPicture(preview.image, preview.displaySize);
    return;
  }
  image_->clearPicture();
  QMessageBox::critical(this, tr("Error"), tr("Error in reading image file."));
}

bool DatabaseExplorer::eventFilter(QObject* watched, QEvent* event) {
  if (watched == image_ && pan(event)) return true;
  return QDialog::eventFilter(watched, event);
}

// Drags the picture: the scroll position follows the mouse from where it went down.
bool DatabaseExplorer::pan(QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove && type != QEvent::MouseButtonRelease) return false;
  const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
  if (type == QEvent::MouseButtonPress) {
    dragging_ = true;
    dragStart_ = at;
    QApplication::setOverrideCursor(Qt::PointingHandCursor);
  } else if (type == QEvent::MouseMove && dragging_) {
    QScrollBar* horizontal = scrollBox_->horizontalScrollBar();
    QScrollBar* vertical = scrollBox_->verticalScrollBar();
    horizontal->setValue(horizontal->value() - (at.x() - dragStart_.x()));
    vertical->setValue(vertical->value() - (at.y() - dragStart_.y()));
  } else if (type == QEvent::MouseButtonRelease && dragging_) {
    dragging_ = false;
    QApplication::restoreOverrideCursor();
  }
  return true;
}

void DatabaseExplorer::readColumnWidths() {
  const IniFile ini(AppIniFileName());
  for (int column = 0; column < ExplorerListModel::ColumnCount; ++column) {
    const int width =
        ini.readInteger(ColumnSection, "Col" + std::to_string(column), ExplorerListModel::DefaultWidths[column]);
    list_->header()->resizeSection(column, std::clamp(width, 0, MaxColumnWidth));
  }
}

void DatabaseExplorer::writeColumnWidths() {
  try {
    IniFile ini(AppIniFileName());
    ini.beginBatch();
    for (int column = 0; column < ExplorerListModel::ColumnCount; ++column)
      ini.writeString(ColumnSection, "Col" + std::to_string(column),
                      std::to_string(list_->header()->sectionSize(column)));
    ini.commitBatch();
  } catch (const std::exception& error) {
    QMessageBox::critical(nullptr, tr("Error"), QString::fromStdString(error.what()));
  }
}

}  // namespace vl::gui

// The "Database Explorer": a database's folder tree, the records of a folder, their pictures and a file-name search.
#pragma once

#include <QCursor>
#include <QDialog>
#include <QPoint>

#include <memory>
#include <string>

#include "app/database/explorer_list_model.h"
#include "app/components/preview_loader.h"
#include "core/database/explorer_items.h"

class QLineEdit;
class QScrollArea;
class QSplitter;
class QToolButton;
class QTreeView;
class QTreeWidget;
class QTreeWidgetItem;

namespace vl::gui {

class FormPropertyStore;
class PreviewImage;

// Only reads databases. Loading replaces everything shown; a click on a folder lists
// the records that lie directly in it and shows the first one's picture (or the
// notice of a missing file or absent disk); the search lists every record whose
// file name matches under "Search Results". The picture pans by dragging. Column
// widths are kept in section "ExploreColWidths", the tree width, list height and
// search text in section "TfDBExplore".
class DatabaseExplorer : public QDialog {
  Q_OBJECT

 public:
  explicit DatabaseExplorer(QWidget* parent = nullptr);
  ~DatabaseExplorer() override;

  // tbLoad: asks for a database and loads it.
  void loadDatabase();
  // Loads fileName in place of what is shown; nothing is loaded for a name without
  // the ".VDB" extension (any case) and after the invalid and other-version messages.
  void loadFile(const std::string& fileName);
  // tbSearch: lists the matches of the search text under "Search Results".
  void search();
  // Empties records, tree, list and picture.
  void clearExplorer();
  // What a click on the tree item does: lists its records.
  void showFolder(QTreeWidgetItem* item);

  const ExplorerData& data() const { return data_; }
  const ExplorerListModel& listModel() const { return model_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* makeToolBar();
  QWidget* makePanes();
  void fillTree();
  void showRow(int row);
  void showPicture(const std::string& path, const std::string& volumeLabel);
  void onReady(int slot, quint64 ticket, const DecodedPreview& preview);
  bool pan(QEvent* event);
  void readColumnWidths();
  void writeColumnWidths();

  ExplorerData data_;
  ExplorerListModel model_;
  PreviewLoader loader_;
  quint64 ticket_ = 0;
  QLineEdit* eFind_ = nullptr;
  QTreeWidget* tree_ = nullptr;
  QTreeView* list_ = nullptr;
  QScrollArea* scrollBox_ = nullptr;
  PreviewImage* image_ = nullptr;
  bool dragging_ = false;
  QPoint dragStart_;
  std::unique_ptr<FormPropertyStore> store_;
};

}  // namespace vl::gui

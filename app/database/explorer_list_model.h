// The explorer's record list: seven columns of the records of one folder, texts made only for the rows on screen.
#pragma once

#include <QAbstractTableModel>

#include <vector>

#include "core/database/explorer_items.h"

namespace vl::gui {

// Rows are indexes into the explorer's records; a cell's text is made when the view
// asks for it, so a folder (or a search) of any size fills in O(rows) plus the sort.
class ExplorerListModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  static constexpr int ColumnCount = 7;
  static constexpr int DefaultWidths[ColumnCount] = {200, 30, 50, 50, 50, 50, 50};

  explicit ExplorerListModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

  // Shows `rows` of data's records sorted by path, letter case significant, by the
  // user's locale (each path collated once). `data` must outlive the rows.
  void setRows(const ExplorerData* data, std::vector<int> rows);
  void clear();
  // The record shown at row, or nullptr.
  const ExplorerItem* item(int row) const;

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  const ExplorerData* data_ = nullptr;
  std::vector<int> rows_;
};

// A date-time double in the locale's short date and long time format; the time is
// left out when it is exactly midnight.
QString ExplorerDateText(double dateTime);

}  // namespace vl::gui

// The explorer's record list model: sorting the shown rows and the texts of their seven columns.
#include "app/database/explorer_list_model.h"

#include <QDate>
#include <QLocale>

#include <algorithm>
#include <cmath>

#include "app/components/locale_date.h"
#include "core/components/sorter.h"

namespace vl::gui {
namespace {

//: Column headers of the database explorer's file list; "Del" shows whether the file was deleted.
const char* const Captions[ExplorerListModel::ColumnCount] = {
    QT_TRANSLATE_NOOP("vl::gui::ExplorerListModel", "Path"),  QT_TRANSLATE_NOOP("vl::gui::ExplorerListModel", "Del"),
    QT_TRANSLATE_NOOP("vl::gui::ExplorerListModel", "Volume"),
    QT_TRANSLATE_NOOP("vl::gui::ExplorerListModel", "Filesize"),
    QT_TRANSLATE_NOOP("vl::gui::ExplorerListModel", "Date"),  QT_TRANSLATE_NOOP("vl::gui::ExplorerListModel", "Width"),
    QT_TRANSLATE_NOOP("vl::gui::ExplorerListModel", "Height")};

QString text(const std::string& bytes) { return QString::fromStdString(bytes); }

}  // namespace

QString ExplorerDateText(double dateTime) {
  if (dateTime != std::trunc(dateTime) || !(dateTime >= -693593.0 && dateTime < 2958466.0))
    return text(LocaleDateText(dateTime));
  return QLocale().toString(QDate(1899, 12, 30).addDays(static_cast<qint64>(dateTime)), QLocale::ShortFormat);
}

void ExplorerListModel::setRows(const ExplorerData* data, std::vector<int> rows) {
  std::vector<std::pair<std::string, int>> keyed;
  keyed.reserve(rows.size());
  for (int row : rows) keyed.emplace_back(CollationKey(data->items()[size_t(row)].path, stWinCase), row);
  std::sort(keyed.begin(), keyed.end());
  beginResetModel();
  data_ = data;
  rows_.clear();
  rows_.reserve(keyed.size());
  for (const auto& entry : keyed) rows_.push_back(entry.second);
  endResetModel();
}

void ExplorerListModel::clear() {
  beginResetModel();
  data_ = nullptr;
  rows_.clear();
  endResetModel();
}

const ExplorerItem* ExplorerListModel::item(int row) const {
  if (data_ == nullptr || row < 0 || row >= static_cast<int>(rows_.size())) return nullptr;
  return &data_->items()[size_t(rows_[size_t(row)])];
}

int ExplorerListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int ExplorerListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant ExplorerListModel::data(const QModelIndex& index, int role) const {
  const ExplorerItem* shown = item(index.row());
  if (role != Qt::DisplayRole || shown == nullptr) return {};
  switch (index.column()) {
    case 0: return text(shown->path);
    case 1: return QString(shown->flag != 0 ? "T" : "F");
    case 2: return text(shown->volumeLabel);
    case 3: return QString::number(shown->size);
    case 4: return ExplorerDateText(shown->date);
    case 5: return QString::number(shown->width);
    case 6: return QString::number(shown->height);
    default: return {};
  }
}

QVariant ExplorerListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= ColumnCount) return {};
  return tr(Captions[section]);
}

}  // namespace vl::gui

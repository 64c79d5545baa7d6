// The duplicate list's rows: a line's fields for display, and finding the row of an entry.
#include "app/results/dupe_list_model.h"

namespace vl::gui {

QStringList DupeLineFields(const std::string& lineText) {
  QStringList fields;
  for (const std::string& field : SplitDupeLine(lineText)) fields << QString::fromStdString(field);
  return fields;
}

int DupeListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(lines_.size());
}

QVariant DupeListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const DupeLine& line = lines_[static_cast<size_t>(index.row())];
  switch (role) {
    case Qt::DisplayRole:
      return DupeLineFields(line.text).join(QStringLiteral("  "));
    case FieldsRole:
      return DupeLineFields(line.text);
    case Qt::ToolTipRole:
      return line.entry != nullptr ? QString::fromStdString(line.entry->Path) : QVariant();
    case IsBaseRole:
      return line.entry != nullptr && line.entry->Base == nullptr;
    default:
      return {};
  }
}

void DupeListModel::setLines(std::vector<DupeLine> lines) {
  beginResetModel();
  lines_ = std::move(lines);
  endResetModel();
}

void DupeListModel::clear() { setLines({}); }

void DupeListModel::lineChanged(int row) {
  const QModelIndex changed = index(row);
  emit dataChanged(changed, changed);
}

int DupeListModel::rowOf(const TResultEntry* entry) const {
  for (size_t row = 0; row < lines_.size(); ++row)
    if (lines_[row].entry == entry) return static_cast<int>(row);
  return -1;
}

}  // namespace vl::gui

// The duplicate list's rows: a line's fields for display, and finding the row of an entry.
#include "app/results/dupe_list_model.h"

#include <QCoreApplication>

#include <QLocale>
#include <algorithm>

#include "core/database/volume_table.h"

namespace vl::gui {
namespace {

constexpr int SizeField = 3;
constexpr int VolumeField = 7;

bool isSerialNumber(const std::string& label) {
  return !label.empty() && std::all_of(label.begin(), label.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

QStringList ShownDupeFields(QStringList fields, const std::map<std::string, std::string>& serialRoots) {
  bool isNumber = false;
  const qint64 bytes = fields.value(SizeField).toLongLong(&isNumber);
  if (isNumber) fields[SizeField] = QLocale().formattedDataSize(bytes, 1, QLocale::DataSizeTraditionalFormat);
  if (fields.size() > VolumeField) {
    const auto root = serialRoots.find(fields[VolumeField].toStdString());
    if (root != serialRoots.end()) fields[VolumeField] = QString::fromStdString(root->second);
  }
  return fields;
}

QString EntryNote(const TResultEntry& entry) {
  if (entry.almostUniform)
    return QCoreApplication::translate("vl::gui::DupeListModel",
                                       "Almost uniform picture: check before deleting.");
  if (entry.unverifiedPair)
    return QCoreApplication::translate("vl::gui::DupeListModel",
                                       "Paired by fingerprints alone, not verified: check before deleting.");
  return {};
}

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
    case ShownFieldsRole:
      return ShownDupeFields(DupeLineFields(line.text), serialRoots_);
    case Qt::ToolTipRole:
      if (line.entry != nullptr && !EntryNote(*line.entry).isEmpty())
        return QString::fromStdString(line.entry->Path) + QLatin1Char('\n') + EntryNote(*line.entry);
      [[fallthrough]];
    case PathRole:
      return line.entry != nullptr ? QString::fromStdString(line.entry->Path) : QVariant();
    case NoteRole:
      return line.entry != nullptr ? EntryNote(*line.entry) : QString();
    case IsBaseRole:
      return line.entry != nullptr && line.entry->Base == nullptr;
    default:
      return {};
  }
}

void DupeListModel::setLines(std::vector<DupeLine> lines) {
  beginResetModel();
  lines_ = std::move(lines);
  serialRoots_.clear();
  for (const VolumeEntry& volume : VolumeTable())
    if (isSerialNumber(volume.volumeLabel)) serialRoots_.emplace(volume.volumeLabel, volume.root);
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

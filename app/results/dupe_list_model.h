// The item model behind the duplicate list: the engine's lines of the shown group.
#pragma once

#include <QAbstractListModel>
#include <vector>

#include "core/results/results_model.h"

namespace vl::gui {

// Holds the DupeLines of one group (built and sorted by the results model) and
// hands them to the view. The line texts are never parsed here except for display.
class DupeListModel : public QAbstractListModel {
  Q_OBJECT
 public:
  enum Role {
    FieldsRole = Qt::UserRole + 1,  // QStringList: the eight fields of the line
    IsBaseRole,                     // bool: the line of the group's base entry
  };

  using QAbstractListModel::QAbstractListModel;

  int rowCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;

  void setLines(std::vector<DupeLine> lines);
  void clear();
  const std::vector<DupeLine>& lines() const { return lines_; }
  // The line at row for changing it in place; call lineChanged(row) afterwards.
  DupeLine& line(int row) { return lines_.at(static_cast<size_t>(row)); }
  void lineChanged(int row);
  // The row whose line carries entry, or -1. O(rows).
  int rowOf(const TResultEntry* entry) const;

 private:
  std::vector<DupeLine> lines_;
};

// The eight fields of a line as display texts (the paths are UTF-8).
QStringList DupeLineFields(const std::string& lineText);

}  // namespace vl::gui

// The item model behind the duplicate list: the engine's lines of the shown group.
#pragma once

#include <QAbstractListModel>
#include <map>
#include <string>
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
    PathRole,                       // QString: the entry's path
    ShownFieldsRole,                // QStringList: the fields as the list shows them (ShownDupeFields)
    NoteRole,                       // QString: what to heed before deleting the file (EntryNote)
  };

  using QAbstractListModel::QAbstractListModel;

  int rowCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;

  // Takes the lines; learns the mount points of the volumes present now. O(lines + volumes).
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
  std::map<std::string, std::string> serialRoots_;  // a volume known by its serial number: its mount point
};

// What the list says about an entry beyond its fields: that it is an almost uniform
// picture, or that a verifying scan paired it by fingerprints alone; "" otherwise.
QString EntryNote(const TResultEntry& entry);

// The eight fields of a line as display texts (the paths are UTF-8).
QStringList DupeLineFields(const std::string& lineText);

// The fields as the list shows them: the size in the locale's units ("1.8 MB"), and
// a volume label that is a serial number replaced by the mount point serialRoots
// gives for it.
QStringList ShownDupeFields(QStringList fields, const std::map<std::string, std::string>& serialRoots);

}  // namespace vl::gui

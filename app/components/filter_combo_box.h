// A combo box of file types built from a filter text, giving the mask of the chosen type.
#pragma once

#include <QComboBox>
#include <QStringList>

#include <string>

namespace vl::gui {

// The filter text "Name|mask|Name|mask..." is split at "|" into pairs; the box
// lists the names in the user's language (a trailing name without mask is dropped).
// The text, names in English, is the property "filter", so a property store can keep it.
class FilterComboBox : public QComboBox {
  Q_OBJECT
  Q_PROPERTY(QString filter READ filter WRITE setFilter)

 public:
  explicit FilterComboBox(QWidget* parent = nullptr);

  QString filter() const { return filter_; }
  // Replaces the entries and selects the first. O(length of text).
  void setFilter(const QString& filter);

  // The selected entry's mask; the last entry's with none selected; "*.*" when
  // there are no entries.
  std::string mask() const;

 private:
  QString filter_;
  QStringList masks_;
};

}  // namespace vl::gui

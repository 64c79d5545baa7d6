// Splitting the filter text into names and masks.
#include "app/components/filter_combo_box.h"

namespace vl::gui {

FilterComboBox::FilterComboBox(QWidget* parent) : QComboBox(parent) {}

void FilterComboBox::setFilter(const QString& filter) {
  filter_ = filter;
  clear();
  masks_.clear();
  const QStringList fields = filter.split('|');
  for (qsizetype i = 0; i + 1 < fields.size(); i += 2) {
    addItem(tr(fields[i].toUtf8().constData()));
    masks_ << fields[i + 1];
  }
  setCurrentIndex(count() > 0 ? 0 : -1);
}

std::string FilterComboBox::mask() const {
  if (masks_.isEmpty()) return "*.*";
  const qsizetype index = currentIndex() >= 0 ? currentIndex() : masks_.size() - 1;
  return masks_[index].toStdString();
}

}  // namespace vl::gui

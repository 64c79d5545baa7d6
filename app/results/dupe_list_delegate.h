// Draws the lines of the duplicate list in the cells of its header's sections.
#pragma once

#include <QStyledItemDelegate>

class QHeaderView;

namespace vl::gui {

// Paints one line as eight cells laid out by the header: the base line on the
// button-face colour, a red Del cell for a marked file, texts aligned as their
// section (left when they do not fit) and clipped to their cell. O(sections) per line.
class DupeListDelegate : public QStyledItemDelegate {
  Q_OBJECT
 public:
  DupeListDelegate(QHeaderView* header, QObject* parent);

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  // As wide as all sections, one text line plus 2 pixels high.
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

 private:
  Qt::Alignment sectionAlignment(int section) const;

  QHeaderView* header_;
};

}  // namespace vl::gui

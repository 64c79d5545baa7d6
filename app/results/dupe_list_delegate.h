// Draws the lines of the duplicate list in the cells of its header's sections.
#pragma once

#include <QStyledItemDelegate>
#include <array>

class QHeaderView;

namespace vl::gui {

// The columns' widths given for an 8-point interface font (13-pixel lines).
inline constexpr std::array<int, 8> DupeColumnWidthsAt8Points{30, 30, 250, 50, 50, 50, 120, 120};

// The default column widths at a font: the 8-point widths grown with the line
// height, and never too narrow for a 10-digit size, 5-digit dimensions, the
// sample date and time, or a 13-character volume label.
std::array<int, 8> DefaultDupeColumnWidths(const QFontMetrics& metrics, const QString& sampleDate);

// The field of column `section` as it fits a cell `width` pixels wide: whole when
// it fits; else a path elided in the middle, another text at its end, and a number
// replaced by "#" marks.
QString FittedCellText(const QString& field, int section, const QFontMetrics& metrics, int width);

// Paints one line as eight cells laid out by the header: the base line on the
// button-face colour, a red Del cell for a marked file, texts aligned as their
// section (left when they do not fit). A text too long for its cell is elided, a
// path in the middle so that its file name shows; a number too long is shown as
// "#" marks, never cut to other digits. O(sections) per line.
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

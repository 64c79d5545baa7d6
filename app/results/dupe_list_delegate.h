// Draws the lines of the duplicate list in the cells of its header's sections.
#pragma once

#include <QStyledItemDelegate>
#include <array>

class QHeaderView;

namespace vl::gui {

class ThumbnailCache;

// The side of the thumbnails in the lists, in the font's line heights.
inline constexpr int ListThumbnailLines = 2;

// Draws the file's thumbnail (asking the cache for it) fitted and centred in box;
// nothing while the cache has none.
void DrawListThumbnail(QPainter* painter, ThumbnailCache& thumbnails, const QString& path, const QRect& box);

// The columns' widths given for an 8-point interface font (13-pixel lines).
inline constexpr std::array<int, 8> DupeColumnWidthsAt8Points{30, 30, 250, 50, 50, 50, 120, 120};

// The default column widths at a font: the 8-point widths grown with the line
// height, and never too narrow for a size of a thousand megabytes, 5-digit
// dimensions, the sample date and time, a 13-character volume label, or the
// column's caption (in the header's font).
std::array<int, 8> DefaultDupeColumnWidths(const QFontMetrics& metrics, const QString& sampleDate,
                                           const QStringList& captions, const QFontMetrics& headerMetrics);

// The field of column `section` as it fits a cell `width` pixels wide: whole when
// it fits; else a path elided in the middle, another text at its end, and a number
// replaced by "#" marks.
QString FittedCellText(const QString& field, int section, const QFontMetrics& metrics, int width);

// Paints one line as eight cells laid out by the header: the base line on the
// button-face colour, a red Del cell for a marked file, texts aligned as their
// section (left when they do not fit). A text too long for its cell is elided, a
// path in the middle so that its file name shows; a number too long is shown as
// "#" marks, never cut to other digits. With a thumbnail cache, the Path cell
// starts with the file's thumbnail and lines are two text lines high; a line with a
// note (EntryNote) ends its Path cell with a warning sign. O(sections) per line.
class DupeListDelegate : public QStyledItemDelegate {
  Q_OBJECT
 public:
  DupeListDelegate(QHeaderView* header, ThumbnailCache* thumbnails, QObject* parent);

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  // Tooltips by cell: the exact byte count over Size, what the number means over
  // Difference, the full path and the line's note elsewhere.
  bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                 const QModelIndex& index) override;
  // As wide as all sections, one text line (two with thumbnails) plus 2 pixels high.
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

 private:
  Qt::Alignment sectionAlignment(int section) const;
  int sectionAt(int x) const;

  QHeaderView* header_;
  ThumbnailCache* thumbnails_;
};

// Puts the thumbnail of the file an item's tooltip names before its text (the
// base list), two text lines high; the space stays while it is being made.
class ThumbnailItemDelegate : public QStyledItemDelegate {
  Q_OBJECT
 public:
  ThumbnailItemDelegate(ThumbnailCache& thumbnails, QObject* parent);

 protected:
  void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

 private:
  ThumbnailCache& thumbnails_;
};

}  // namespace vl::gui

// Painting a duplicate line field by field in the header's sections: base lines shaded, marked lines flagged red.
#include "app/results/dupe_list_delegate.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHeaderView>
#include <QHelpEvent>
#include <QIcon>
#include <QLocale>
#include <QPainter>
#include <QStyle>
#include <QToolTip>

#include "app/components/thumbnail_cache.h"
#include "app/results/dupe_list_model.h"

namespace vl::gui {
namespace {

constexpr int DifferenceColumn = 1;
constexpr int PathColumn = 2;
constexpr int SizeColumn = 3;
constexpr int CellPadding = 8;
constexpr int LineHeightAt8Points = 13;

bool isNumberColumn(int section) { return section == 1 || (section >= 3 && section <= 5); }

// A warning sign at the right end of the cell when the line has a note (the tooltip
// says it), taking its width from the cell's text. One icon draw.
void drawNoteMark(QPainter* painter, const QString& note, QRect& cell) {
  if (note.isEmpty() || cell.width() < 2 * cell.height()) return;
  const int side = std::min(cell.height() - 2, 16);
  const QRect mark(cell.right() - side, cell.center().y() - side / 2, side, side);
  QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning).paint(painter, mark);
  cell.setRight(mark.left() - CellPadding / 2);
}

int thumbnailSide(const QFontMetrics& metrics) { return ListThumbnailLines * metrics.height(); }

}  // namespace

void DrawListThumbnail(QPainter* painter, ThumbnailCache& thumbnails, const QString& path, const QRect& box) {
  const QImage thumbnail = thumbnails.thumbnail(path);
  if (thumbnail.isNull()) return;
  const QSize fitted = thumbnail.size().scaled(box.size(), Qt::KeepAspectRatio);
  const QRect target(box.x() + (box.width() - fitted.width()) / 2, box.y() + (box.height() - fitted.height()) / 2,
                     fitted.width(), fitted.height());
  painter->save();
  painter->setRenderHint(QPainter::SmoothPixmapTransform);
  painter->drawImage(target, thumbnail);
  painter->restore();
}

QString FittedCellText(const QString& field, int section, const QFontMetrics& metrics, int width) {
  if (metrics.horizontalAdvance(field) <= width) return field;
  if (isNumberColumn(section)) return QString(std::max(1, width / metrics.horizontalAdvance(QLatin1Char('#'))), '#');
  return metrics.elidedText(field, section == PathColumn ? Qt::ElideMiddle : Qt::ElideRight, width);
}

std::array<int, 8> DefaultDupeColumnWidths(const QFontMetrics& metrics, const QString& sampleDate,
                                           const QStringList& captions, const QFontMetrics& headerMetrics) {
  const QString samples[8] = {{},
                              QStringLiteral("255"),
                              {},
                              QLocale().formattedDataSize(qint64(1023) << 20, 1, QLocale::DataSizeTraditionalFormat),
                              QStringLiteral("99999"),
                              QStringLiteral("99999"),
                              sampleDate,
                              QString(13, QLatin1Char('X'))};
  std::array<int, 8> widths{};
  for (size_t column = 0; column < widths.size(); ++column) {
    const int scaled = DupeColumnWidthsAt8Points[column] * metrics.height() / LineHeightAt8Points;
    const int needed = samples[column].isEmpty() ? 0 : metrics.horizontalAdvance(samples[column]) + CellPadding;
    const int caption = headerMetrics.horizontalAdvance(captions.value(int(column))) + 2 * CellPadding;
    widths[column] = std::max({DupeColumnWidthsAt8Points[column], scaled, needed, caption});
  }
  return widths;
}

DupeListDelegate::DupeListDelegate(QHeaderView* header, ThumbnailCache* thumbnails, QObject* parent)
    : QStyledItemDelegate(parent), header_(header), thumbnails_(thumbnails) {
  connect(header_, &QHeaderView::sectionResized, this, [this] { emit sizeHintChanged(QModelIndex()); });
}

Qt::Alignment DupeListDelegate::sectionAlignment(int section) const {
  const QVariant alignment = header_->model()->headerData(section, Qt::Horizontal, Qt::TextAlignmentRole);
  return alignment.isValid() ? Qt::Alignment(alignment.toInt()) & Qt::AlignHorizontal_Mask : Qt::AlignLeft;
}

void DupeListDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
  const bool selected = option.state.testFlag(QStyle::State_Selected);
  const bool isBase = index.data(DupeListModel::IsBaseRole).toBool();
  const QPalette& palette = option.palette;
  const QColor background = selected ? palette.color(QPalette::Highlight)
                            : isBase ? palette.color(QPalette::Button)
                                     : palette.color(QPalette::Base);
  const QColor foreground = selected ? palette.color(QPalette::HighlightedText)
                            : isBase ? palette.color(QPalette::ButtonText)
                                     : palette.color(QPalette::Text);
  painter->save();
  painter->fillRect(option.rect, background);
  painter->setFont(option.font);
  painter->setPen(foreground);
  const QStringList fields = index.data(DupeListModel::ShownFieldsRole).toStringList();
  const QFontMetrics metrics(option.font);
  int x = option.rect.left();
  for (int section = 0; section < header_->count(); ++section) {
    const int width = header_->sectionSize(section);
    QRect cell(x + 1, option.rect.top() + 1, width - 2, option.rect.height() - 1);
    if (section == PathColumn && thumbnails_ != nullptr && cell.width() > cell.height()) {
      const QRect box(cell.topLeft(), QSize(cell.height() - 1, cell.height() - 1));
      DrawListThumbnail(painter, *thumbnails_, index.data(DupeListModel::PathRole).toString(), box);
      cell.setLeft(box.right() + 1 + CellPadding / 2);
    }
    if (section == PathColumn) drawNoteMark(painter, index.data(DupeListModel::NoteRole).toString(), cell);
    const QString field = FittedCellText(section < fields.size() ? fields[section] : QString(), section, metrics, cell.width());
    if (section == 0) {
      if (field == QLatin1String("*")) painter->fillRect(cell, QColor(255, 0, 0));
    } else if (cell.width() > 0) {
      const Qt::Alignment alignment =
          metrics.horizontalAdvance(field) <= cell.width() ? sectionAlignment(section) : Qt::AlignLeft;
      painter->setClipRect(cell);
      painter->drawText(cell, int(alignment | Qt::AlignVCenter) | Qt::TextSingleLine, field);
      painter->setClipping(false);
    }
    x += width;
  }
  painter->restore();
}

// The section under x pixels from the line's left, as paint lays them out; -1 past the last.
int DupeListDelegate::sectionAt(int x) const {
  for (int section = 0; section < header_->count(); ++section) {
    x -= header_->sectionSize(section);
    if (x < 0) return section;
  }
  return -1;
}

bool DupeListDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) {
  if (event->type() != QEvent::ToolTip || !index.isValid()) return QStyledItemDelegate::helpEvent(event, view, option, index);
  const int section = sectionAt(event->pos().x() - option.rect.left());
  QString tip = index.data(Qt::ToolTipRole).toString();
  if (section == SizeColumn) {
    const QString bytes = index.data(DupeListModel::FieldsRole).toStringList().value(SizeColumn);
    tip = tr("%1 bytes").arg(QLocale().toString(bytes.toLongLong()));
  } else if (section == DifferenceColumn) {
    tip = header_->model()->headerData(section, Qt::Horizontal, Qt::ToolTipRole).toString();
  }
  QToolTip::showText(event->globalPos(), tip, view);
  return true;
}

QSize DupeListDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const {
  const QFontMetrics metrics(option.font);
  return {header_->length(), (thumbnails_ != nullptr ? thumbnailSide(metrics) : metrics.height()) + 2};
}

ThumbnailItemDelegate::ThumbnailItemDelegate(ThumbnailCache& thumbnails, QObject* parent)
    : QStyledItemDelegate(parent), thumbnails_(thumbnails) {}

void ThumbnailItemDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const {
  QStyledItemDelegate::initStyleOption(option, index);
  const int side = thumbnailSide(option->fontMetrics);
  const QImage thumbnail = thumbnails_.thumbnail(index.data(Qt::ToolTipRole).toString());
  option->features |= QStyleOptionViewItem::HasDecoration;
  option->decorationSize = QSize(side, side);
  option->icon = thumbnail.isNull() ? QIcon() : QIcon(QPixmap::fromImage(thumbnail));
}

}  // namespace vl::gui

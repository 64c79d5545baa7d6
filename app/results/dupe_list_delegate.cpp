// Painting a duplicate line field by field in the header's sections: base lines shaded, marked lines flagged red.
#include "app/results/dupe_list_delegate.h"

#include <QHeaderView>
#include <QPainter>

#include "app/results/dupe_list_model.h"

namespace vl::gui {
namespace {

constexpr int PathColumn = 2;
constexpr int CellPadding = 8;
constexpr int LineHeightAt8Points = 13;

bool isNumberColumn(int section) { return section == 1 || (section >= 3 && section <= 5); }

}  // namespace

QString FittedCellText(const QString& field, int section, const QFontMetrics& metrics, int width) {
  if (metrics.horizontalAdvance(field) <= width) return field;
  if (isNumberColumn(section)) return QString(std::max(1, width / metrics.horizontalAdvance(QLatin1Char('#'))), '#');
  return metrics.elidedText(field, section == PathColumn ? Qt::ElideMiddle : Qt::ElideRight, width);
}

std::array<int, 8> DefaultDupeColumnWidths(const QFontMetrics& metrics, const QString& sampleDate) {
  const QString samples[8] = {{}, QStringLiteral("255"), {}, QStringLiteral("4294967295"), QStringLiteral("99999"),
                              QStringLiteral("99999"), sampleDate, QString(13, QLatin1Char('X'))};
  std::array<int, 8> widths{};
  for (size_t column = 0; column < widths.size(); ++column) {
    const int scaled = DupeColumnWidthsAt8Points[column] * metrics.height() / LineHeightAt8Points;
    const int needed = samples[column].isEmpty() ? 0 : metrics.horizontalAdvance(samples[column]) + CellPadding;
    widths[column] = std::max({DupeColumnWidthsAt8Points[column], scaled, needed});
  }
  return widths;
}

DupeListDelegate::DupeListDelegate(QHeaderView* header, QObject* parent)
    : QStyledItemDelegate(parent), header_(header) {
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
  const QStringList fields = index.data(DupeListModel::FieldsRole).toStringList();
  const QFontMetrics metrics(option.font);
  int x = option.rect.left();
  for (int section = 0; section < header_->count(); ++section) {
    const int width = header_->sectionSize(section);
    const QRect cell(x + 1, option.rect.top() + 1, width - 2, option.rect.height() - 1);
    const QString field = FittedCellText(section < fields.size() ? fields[section] : QString(), section, metrics, cell.width());
    if (section == 0) {
      if (field == QLatin1String("*")) painter->fillRect(cell, QColor(255, 0, 0));
    } else if (cell.width() > 0) {
      const Qt::Alignment alignment =
          metrics.horizontalAdvance(field) <= cell.width() ? sectionAlignment(section) : Qt::AlignLeft;
      painter->setClipRect(cell);
      painter->drawText(cell, int(alignment | Qt::AlignTop) | Qt::TextSingleLine, field);
      painter->setClipping(false);
    }
    x += width;
  }
  painter->restore();
}

QSize DupeListDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const {
  return {header_->length(), QFontMetrics(option.font).height() + 2};
}

}  // namespace vl::gui

// The picture control of a preview pane: a picture shown unscaled (sizing itself to it) or fitted into its bounds.
#include "app/components/preview_image.h"

#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>

namespace vl::gui {

PreviewImage::PreviewImage(QWidget* parent) : QWidget(parent) { resize(1, 1); }

void PreviewImage::setPicture(const QImage& picture, QSize displaySize) {
  picture_ = picture;
  placeholder_.clear();
  displaySize_ = displaySize;
  notice_ = false;
  fitted_ = QPixmap();
  fitToPicture();
  update();
}

void PreviewImage::setNotice(const QImage& notice) {
  setPicture(notice, notice.size());
  notice_ = true;
  fitToPicture();
}

void PreviewImage::setPlaceholder(const QString& text) {
  clearPicture();
  placeholder_ = text;
  fitToPicture();
}

void PreviewImage::clearPicture() {
  picture_ = QImage();
  placeholder_.clear();
  displaySize_ = QSize(1, 1);
  notice_ = false;
  fitted_ = QPixmap();
  fitToPicture();
  update();
}

void PreviewImage::setStretched(bool stretched) {
  stretched_ = stretched;
  fitted_ = QPixmap();
  fitToPicture();
  update();
}

void PreviewImage::setZoom(double scale) {
  zoom_ = scale;
  fitted_ = QPixmap();
  fitToPicture();
  update();
}

QSize PreviewImage::shownSize() const {
  if (notice_) return displaySize_;
  const qreal ratio = devicePixelRatioF();
  return {std::max(1, qRound(displaySize_.width() / ratio)), std::max(1, qRound(displaySize_.height() / ratio))};
}

double PreviewImage::drawnScale() const {
  const QSize shown = shownSize();
  return shown.width() > 0 ? double(pictureRect().width()) / shown.width() : 1.0;
}

void PreviewImage::fitToPicture() {
  if (picture_.isNull())
    resize(!placeholder_.isEmpty() && parentWidget() != nullptr ? parentWidget()->size() : QSize(1, 1));
  else if (zoom_ > 0 && !notice_)
    resize(std::max(1, qRound(shownSize().width() * zoom_)), std::max(1, qRound(shownSize().height() * zoom_)));
  else if (!stretched_ || notice_)
    resize(shownSize());
}

QRect PreviewImage::pictureRect() const {
  if (zoom_ > 0 && !notice_) return rect();
  if (!stretched_ || notice_) return QRect(QPoint(0, 0), shownSize());
  const QSize fitted = displaySize_.scaled(size(), Qt::KeepAspectRatio);
  return QRect(QPoint((width() - fitted.width()) / 2, (height() - fitted.height()) / 2), fitted);
}

void PreviewImage::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.fillRect(event->rect(), palette().color(QPalette::Base));
  if (picture_.isNull()) {
    painter.setPen(palette().color(QPalette::PlaceholderText));
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextSingleLine,
                     fontMetrics().elidedText(placeholder_, Qt::ElideMiddle, width() - 20));
    return;
  }
  const QRect target = pictureRect();
  if (target.isEmpty()) return;
  const qreal ratio = devicePixelRatioF();
  if (picture_.size() == (QSizeF(target.size()) * ratio).toSize()) {
    // One picture pixel per device pixel: only the exposed part, unscaled.
    const QRect area = event->rect() & target;
    painter.drawImage(QRectF(area), picture_,
                      QRectF(QPointF(area.topLeft() - target.topLeft()) * ratio, QSizeF(area.size()) * ratio));
    return;
  }
  if (zoom_ > 0 && !notice_) {
    // Only the exposed part, taken from the matching part of the picture.
    const QRectF area = event->rect() & target;
    const double sx = double(picture_.width()) / target.width(), sy = double(picture_.height()) / target.height();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, zoom_ < 1);
    painter.drawImage(area, picture_, QRectF(area.x() * sx, area.y() * sy, area.width() * sx, area.height() * sy));
    return;
  }
  if (!stretched_ || notice_) {
    painter.drawImage(target, picture_);
    return;
  }
  const QSize devicePixels = (QSizeF(target.size()) * ratio).toSize();
  if (fitted_.size() != devicePixels) {
    fitted_ = QPixmap::fromImage(picture_.scaled(devicePixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    fitted_.setDevicePixelRatio(ratio);
  }
  painter.drawPixmap(target.topLeft(), fitted_);
}

void PreviewImage::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (stretched_) fitted_ = QPixmap();
}

QImage NoticeImage(const QString& line1, const QString& line2, const QFont& font, const QColor& background) {
  const QFontMetrics metrics(font);
  const int lineHeight = metrics.height();
  QImage notice(std::max(metrics.horizontalAdvance(line1), metrics.horizontalAdvance(line2)) + 20,
                2 * lineHeight + 30, QImage::Format_RGB32);
  notice.fill(background);
  QPainter painter(&notice);
  painter.setFont(font);
  painter.drawText(QRect(10, 10, notice.width(), lineHeight), Qt::AlignLeft | Qt::AlignTop, line1);
  painter.drawText(QRect(10, lineHeight + 20, notice.width(), lineHeight), Qt::AlignLeft | Qt::AlignTop, line2);
  return notice;
}

}  // namespace vl::gui

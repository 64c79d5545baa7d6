// The picture control of a preview pane: a picture shown unscaled (sizing itself to it) or fitted into its bounds.
#include "app/preview/preview_image.h"

#include <QPaintEvent>
#include <QPainter>

namespace vl::gui {

PreviewImage::PreviewImage(QWidget* parent) : QWidget(parent) { resize(1, 1); }

void PreviewImage::setPicture(const QImage& picture, QSize displaySize) {
  picture_ = picture;
  displaySize_ = displaySize;
  notice_ = false;
  fitted_ = QPixmap();
  fitToPicture();
  update();
}

void PreviewImage::setNotice(const QImage& notice) {
  setPicture(notice, notice.size());
  notice_ = true;
}

void PreviewImage::clearPicture() {
  picture_ = QImage();
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

void PreviewImage::fitToPicture() {
  if (!stretched_) resize(picture_.isNull() ? QSize(1, 1) : displaySize_);
}

QRect PreviewImage::pictureRect() const {
  if (!stretched_ || notice_) return QRect(QPoint(0, 0), displaySize_);
  const QSize fitted = displaySize_.scaled(size(), Qt::KeepAspectRatio);
  return QRect(QPoint((width() - fitted.width()) / 2, (height() - fitted.height()) / 2), fitted);
}

void PreviewImage::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.fillRect(event->rect(), palette().color(QPalette::Base));
  if (picture_.isNull()) return;
  const QRect target = pictureRect();
  if (target.isEmpty()) return;
  if (picture_.size() == target.size()) {
    const QRect area = event->rect() & target;
    painter.drawImage(area, picture_, area.translated(-target.topLeft()));
    return;
  }
  if (!stretched_ || notice_) {
    painter.drawImage(target, picture_);
    return;
  }
  if (fitted_.size() != target.size())
    fitted_ = QPixmap::fromImage(picture_.scaled(target.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
  painter.drawPixmap(target.topLeft(), fitted_);
}

void PreviewImage::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (stretched_) fitted_ = QPixmap();
}

}  // namespace vl::gui

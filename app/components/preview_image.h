// The picture control of a preview pane: a picture shown unscaled (sizing itself to it) or fitted into its bounds.
#pragma once

#include <QImage>
#include <QPixmap>
#include <QWidget>

namespace vl::gui {

// Shows one picture. Unscaled, the control takes the picture's display size at one
// picture pixel per device pixel (half as many points on a 2x screen; its scroll
// area scrolls it); stretched, the picture fills the control as far as its
// aspect ratio allows, centred on the window background. A notice is always drawn
// unscaled at the top left. Without a picture the control is 1 x 1 pixel.
// Stretched drawing scales once per picture and size, to device pixels, not on
// every paint. A zoom
// overrides both modes: the picture is drawn at a chosen scale of its display size,
// the control sized to it; a paint scales only the part it exposes.
class PreviewImage : public QWidget {
  Q_OBJECT
 public:
  explicit PreviewImage(QWidget* parent = nullptr);

  // The picture, standing for a picture of displaySize (a smaller stand-in is drawn enlarged).
  void setPicture(const QImage& picture, QSize displaySize);
  void setNotice(const QImage& notice);
  // No picture: the text (a file name) centred in the pane's grey placeholder colour
  // while the picture loads.
  void setPlaceholder(const QString& text);
  void clearPicture();
  void setStretched(bool stretched);
  // Draws the picture at `scale` times its display size (kept for the next
  // pictures); 0 returns to the mode's own size.
  void setZoom(double scale);
  double zoom() const { return zoom_; }
  // The scale the picture is drawn at now: its drawn width over its display width.
  double drawnScale() const;

  bool hasPicture() const { return !picture_.isNull(); }
  bool isNotice() const { return notice_; }
  const QImage& picture() const { return picture_; }
  QSize displaySize() const { return displaySize_; }
  // The display size in the control's own coordinates (see the class comment).
  QSize shownSize() const;
  // Where the picture is drawn in the control.
  QRect pictureRect() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void fitToPicture();

  QImage picture_;
  QSize displaySize_;
  bool notice_ = false;
  QString placeholder_;
  bool stretched_ = false;
  double zoom_ = 0;
  QPixmap fitted_;  // the picture scaled to pictureRect() while stretched
};

// The notice drawn for a missing file: two lines in the font, on the window
// background, 10 pixels in from the edges.
QImage NoticeImage(const QString& line1, const QString& line2, const QFont& font, const QColor& background);

}  // namespace vl::gui

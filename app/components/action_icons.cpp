// The icons of the main window's actions: theme icons where the desktop has them, else glyphs drawn here.
#include "app/components/action_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace vl::gui {
namespace {

// Glyphs are drawn on a 32 x 32 grid and scaled to the pixmap size.
constexpr int Grid = 32;

const QColor Ink(0x33, 0x3b, 0x45);
const QColor Blue(0x2a, 0x6f, 0xc9);
const QColor Green(0x2e, 0x9e, 0x44);
const QColor Red(0xd7, 0x26, 0x26);
const QColor Amber(0xe8, 0xa3, 0x17);
const QColor Paper(0xfa, 0xfa, 0xf7);

const char* themeName(ActionGlyph glyph) {
  switch (glyph) {
    case ActionGlyph::ScanWizard: return "tools-wizard";
    case ActionGlyph::EditFolders: return "folder-open";
    case ActionGlyph::Database: return "drive-harddisk";
    case ActionGlyph::Configure: return "preferences-system";
    case ActionGlyph::Scan: return "system-search";
    case ActionGlyph::Cancel: return "process-stop";
    case ActionGlyph::DeleteFile: return "edit-delete";
    case ActionGlyph::LoadResults: return "document-open";
    case ActionGlyph::SaveResults: return "document-save";
    case ActionGlyph::Help: return "help-contents";
    case ActionGlyph::About: return "help-about";
    case ActionGlyph::Exit: return "application-exit";
    default: return nullptr;  // program-specific glyphs: always built in
  }
}

void drawStar(QPainter& p, QPointF centre, qreal radius, const QColor& colour) {
  p.setPen(QPen(colour, radius / 2.2, Qt::SolidLine, Qt::RoundCap));
  for (int i = 0; i < 3; ++i) {
    QTransform turn;
    turn.translate(centre.x(), centre.y()).rotate(60.0 * i);
    p.drawLine(turn.map(QPointF(0, -radius)), turn.map(QPointF(0, radius)));
  }
}

void drawPage(QPainter& p, QRectF box) {
  p.setPen(QPen(Ink, 1.5));
  p.setBrush(Paper);
  p.drawRect(box);
}

void drawPicture(QPainter& p, QRectF box, const QColor& sky) {
  p.setPen(QPen(Ink, 1.5));
  p.setBrush(sky);
  p.drawRect(box);
  QPainterPath hill;
  hill.moveTo(box.left(), box.bottom());
  hill.lineTo(box.left() + box.width() * 0.4, box.top() + box.height() * 0.45);
  hill.lineTo(box.right(), box.bottom());
  p.setBrush(Green);
  p.drawPath(hill);
}

void drawBin(QPainter& p, QRectF box) {
  p.setPen(QPen(Ink, 1.5));
  p.setBrush(QColor(0xc9, 0xd1, 0xd9));
  p.drawRect(QRectF(box.left() + 2, box.top() + 4, box.width() - 4, box.height() - 4));
  p.drawLine(QPointF(box.left(), box.top() + 3), QPointF(box.right(), box.top() + 3));
  p.drawRect(QRectF(box.center().x() - 3, box.top(), 6, 3));
  for (qreal x = box.left() + 6; x < box.right() - 3; x += 4)
    p.drawLine(QPointF(x, box.top() + 7), QPointF(x, box.bottom() - 3));
}

void drawArrow(QPainter& p, QPointF from, QPointF to, const QColor& colour) {
  p.setPen(QPen(colour, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawLine(from, to);
  const QLineF shaft(to, from);
  for (const qreal angle : {30.0, -30.0}) {
    QLineF barb = shaft;
    barb.setLength(6);
    barb.setAngle(shaft.angle() + angle);
    p.drawLine(barb);
  }
}

void drawLines(QPainter& p, QRectF box, int count) {
  p.setPen(QPen(Blue, 2));
  for (int i = 0; i < count; ++i) {
    const qreal y = box.top() + (i + 0.5) * box.height() / count;
    p.drawLine(QPointF(box.left(), y), QPointF(box.right(), y));
  }
}

void drawGlyph(QPainter& p, ActionGlyph glyph) {
  switch (glyph) {
    case ActionGlyph::ScanWizard:
      p.setPen(QPen(Ink, 3, Qt::SolidLine, Qt::RoundCap));
      p.drawLine(QPointF(5, 27), QPointF(19, 13));
      drawStar(p, QPointF(23, 9), 6, Amber);
      break;
    case ActionGlyph::EditFolders:
      p.setPen(QPen(Ink, 1.5));
      p.setBrush(Amber);
      p.drawRect(QRectF(3, 9, 26, 18));
      p.drawRect(QRectF(3, 6, 10, 3));
      break;
    case ActionGlyph::Database:
      p.setPen(QPen(Ink, 1.5));
      p.setBrush(QColor(0x9c, 0xc3, 0xef));
      for (const qreal top : {20.0, 13.0, 6.0}) p.drawEllipse(QRectF(5, top, 22, 8));
      break;
    case ActionGlyph::Configure:
      p.setPen(QPen(Ink, 4, Qt::SolidLine, Qt::RoundCap));
      for (int i = 0; i < 4; ++i) {
        QTransform turn;
        turn.translate(16, 16).rotate(45.0 * i);
        p.drawLine(turn.map(QPointF(0, -12)), turn.map(QPointF(0, 12)));
      }
      p.setPen(QPen(Ink, 1.5));
      p.setBrush(QColor(0xc9, 0xd1, 0xd9));
      p.drawEllipse(QPointF(16, 16), 8, 8);
      p.setBrush(Paper);
      p.drawEllipse(QPointF(16, 16), 3, 3);
      break;
    case ActionGlyph::Scan:
      drawPicture(p, QRectF(3, 3, 17, 14), QColor(0x9c, 0xc3, 0xef));
      p.setPen(QPen(Ink, 2.5));
      p.setBrush(QColor(255, 255, 255, 120));
      p.drawEllipse(QPointF(17, 17), 7, 7);
      p.setPen(QPen(Ink, 4, Qt::SolidLine, Qt::RoundCap));
      p.drawLine(QPointF(22, 22), QPointF(28, 28));
      break;
    case ActionGlyph::Cancel:
      p.setPen(Qt::NoPen);
      p.setBrush(Red);
      p.drawEllipse(QRectF(3, 3, 26, 26));
      p.setPen(QPen(Qt::white, 3.5, Qt::SolidLine, Qt::RoundCap));
      p.drawLine(QPointF(11, 11), QPointF(21, 21));
      p.drawLine(QPointF(21, 11), QPointF(11, 21));
      break;
    case ActionGlyph::DeletedList:
      drawPage(p, QRectF(5, 3, 20, 26));
      drawLines(p, QRectF(9, 6, 12, 14), 4);
      p.setPen(QPen(Red, 3, Qt::SolidLine, Qt::RoundCap));
      p.drawLine(QPointF(17, 19), QPointF(27, 29));
      p.drawLine(QPointF(27, 19), QPointF(17, 29));
      break;
    case ActionGlyph::DeleteFile:
      drawBin(p, QRectF(6, 4, 20, 25));
      break;
    case ActionGlyph::MarkFile:
      drawPage(p, QRectF(5, 3, 20, 26));
      drawStar(p, QPointF(19, 20), 7, Red);
      break;
    case ActionGlyph::DeleteMarked:
      drawBin(p, QRectF(2, 6, 18, 23));
      drawStar(p, QPointF(24, 9), 6, Red);
      break;
    case ActionGlyph::DeleteAllMarked:
      drawBin(p, QRectF(2, 8, 18, 21));
      drawStar(p, QPointF(25, 7), 5, Red);
      drawStar(p, QPointF(25, 21), 5, Red);
      break;
    case ActionGlyph::FullSize:
      drawPicture(p, QRectF(8, 8, 16, 16), QColor(0x9c, 0xc3, 0xef));
      drawArrow(p, QPointF(8, 8), QPointF(2, 2), Ink);
      drawArrow(p, QPointF(24, 24), QPointF(30, 30), Ink);
      break;
    case ActionGlyph::SideBySide:
      drawPicture(p, QRectF(2, 8, 13, 16), QColor(0x9c, 0xc3, 0xef));
      drawPicture(p, QRectF(17, 8, 13, 16), QColor(0xf3, 0xc7, 0x8f));
      break;
    case ActionGlyph::ScrollInUnison:
      drawArrow(p, QPointF(9, 28), QPointF(9, 4), Blue);
      drawArrow(p, QPointF(23, 28), QPointF(23, 4), Blue);
      break;
    case ActionGlyph::ShowFiles:
      drawPage(p, QRectF(4, 3, 24, 26));
      drawLines(p, QRectF(8, 6, 16, 20), 5);
      break;
    case ActionGlyph::LoadResults:
      drawPage(p, QRectF(4, 3, 20, 26));
      drawArrow(p, QPointF(28, 16), QPointF(14, 16), Green);
      break;
    case ActionGlyph::SaveResults:
      drawPage(p, QRectF(8, 3, 20, 26));
      drawArrow(p, QPointF(2, 16), QPointF(18, 16), Blue);
      break;
    case ActionGlyph::Help:
    case ActionGlyph::About:
      p.setPen(Qt::NoPen);
      p.setBrush(Blue);
      p.drawEllipse(QRectF(3, 3, 26, 26));
      p.setPen(Qt::white);
      p.setFont(QFont(QStringLiteral("Sans"), 16, QFont::Bold));
      p.drawText(QRectF(3, 3, 26, 26), Qt::AlignCenter,
                 glyph == ActionGlyph::Help ? QStringLiteral("?") : QStringLiteral("i"));
      break;
    case ActionGlyph::Exit:
      p.setPen(QPen(Ink, 1.5));
      p.setBrush(QColor(0xc9, 0xd1, 0xd9));
      p.drawRect(QRectF(4, 3, 14, 26));
      drawArrow(p, QPointF(12, 16), QPointF(29, 16), Red);
      break;
  }
}

QPixmap renderGlyph(ActionGlyph glyph, int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(qreal(size) / Grid, qreal(size) / Grid);
  drawGlyph(painter, glyph);
  return pixmap;
}

}  // namespace

QIcon BuiltInActionIcon(ActionGlyph glyph) {
  QIcon icon;
  for (const int size : {16, 24, 32, 48, 64}) icon.addPixmap(renderGlyph(glyph, size));
  return icon;
}

QIcon ActionIcon(ActionGlyph glyph) {
  const char* name = themeName(glyph);
  if (name == nullptr || !QIcon::hasThemeIcon(QLatin1String(name))) return BuiltInActionIcon(glyph);
  // A theme of SVG icons without Qt's SVG plug-in gives icons that draw nothing.
  const QIcon themed = QIcon::fromTheme(QLatin1String(name));
  return themed.pixmap(16).isNull() ? BuiltInActionIcon(glyph) : themed;
}

}  // namespace vl::gui

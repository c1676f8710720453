// Draws the window's own small pictures: button icons, drag cursors, icon.
#include "ui/icon_art.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include "ui/palette.h"

namespace kestrel {

namespace {

// One 16 x 16 icon at (x, y) of the sheet; grey draws the disabled look.
void DrawContinueIcon(QPainter& p, int x, int y, bool grey) {
  const QColor ink = grey ? PaletteColour(8) : PaletteColour(0);
  const QColor paper = grey ? PaletteColour(7) : PaletteColour(15);
  // A sheet of paper with a folded top-right corner and a few lines of text.
  QPolygon sheet;
  sheet << QPoint(x + 3, y + 1) << QPoint(x + 10, y + 1) << QPoint(x + 13, y + 4)
        << QPoint(x + 13, y + 14) << QPoint(x + 3, y + 14);
  p.setPen(ink);
  p.setBrush(paper);
  p.drawPolygon(sheet);
  p.drawLine(x + 10, y + 1, x + 10, y + 4);
  p.drawLine(x + 10, y + 4, x + 13, y + 4);
  for (int row = 6; row <= 12; row += 2) p.drawLine(x + 5, y + row, x + 11, y + row);
}

void DrawAutoplayIcon(QPainter& p, int x, int y, bool grey) {
  // A small card back: navy with a dark-yellow border.
  p.setPen(grey ? PaletteColour(8) : PaletteColour(0));
  p.setBrush(grey ? PaletteColour(7) : PaletteColour(1));
  p.drawRect(x + 3, y + 1, 9, 13);
  p.setPen(grey ? PaletteColour(8) : PaletteColour(6));
  p.setBrush(Qt::NoBrush);
  p.drawRect(x + 4, y + 2, 7, 11);
  p.drawLine(x + 5, y + 4, x + 9, y + 11);
  p.drawLine(x + 9, y + 4, x + 5, y + 11);
}

void DrawAutoscoreIcon(QPainter& p, int x, int y, bool grey) {
  // Two pegs standing on a strip of board.
  p.setPen(grey ? PaletteColour(8) : PaletteColour(0));
  p.setBrush(grey ? PaletteColour(7) : PaletteColour(6));
  p.drawRect(x + 1, y + 11, 13, 3);
  for (int px : {x + 3, x + 9}) {
    p.setBrush(grey ? PaletteColour(7) : PaletteColour(10));
    p.drawEllipse(px, y + 2, 4, 4);
    p.setBrush(grey ? PaletteColour(8) : PaletteColour(2));
    p.drawRect(px + 1, y + 6, 2, 5);
  }
}

// The white, black-outlined figure of a drag icon, 32 x 32, in its lower half.
QImage DragIcon(bool peg) {
  QImage image(32, 32, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setPen(QPen(Qt::black, 1));
  p.setBrush(Qt::white);
  if (!peg) {
    QPolygon triangle;
    triangle << QPoint(16, 16) << QPoint(23, 29) << QPoint(9, 29);
    p.drawPolygon(triangle);
  } else {
    QPainterPath path;
    path.addEllipse(QRectF(13, 16, 6, 5));
    path.addEllipse(QRectF(12, 20, 8, 5));
    path.addRect(QRectF(10, 25, 12, 4));
    p.drawPath(path.simplified());
  }
  return image;
}

}  // namespace

QImage ButtonIconSheet() {
  QImage sheet(48, 32, QImage::Format_RGB32);
  sheet.fill(PaletteColour(7));
  QPainter p(&sheet);
  for (int row = 0; row < 2; ++row) {
    const bool grey = row == 1;
    DrawContinueIcon(p, 0, 16 * row, grey);
    DrawAutoplayIcon(p, 16, 16 * row, grey);
    DrawAutoscoreIcon(p, 32, 16 * row, grey);
  }
  return sheet;
}

QImage NormalDragIcon() { return DragIcon(false); }
QImage HintDragIcon() { return DragIcon(true); }

QCursor NormalDragCursor() { return QCursor(QPixmap::fromImage(NormalDragIcon()), 16, 16); }
QCursor HintDragCursor() { return QCursor(QPixmap::fromImage(HintDragIcon()), 16, 16); }

QImage ThreeCardsImage(int size) {
  QImage image(size, size, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(size / 32.0, size / 32.0);
  const QColor inks[3] = {Qt::black, QColor(200, 0, 0), Qt::black};
  for (int k = 0; k < 3; ++k) {
    p.save();
    p.translate(16, 30);
    p.rotate(-25 + 25 * k);
    p.setPen(QPen(Qt::black, 1.0));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(-7, -26, 14, 20), 2, 2);
    p.setBrush(inks[k]);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QRectF(-3, -19, 6, 6));
    p.restore();
  }
  return image;
}

QIcon ThreeCardsIcon() { return QIcon(QPixmap::fromImage(ThreeCardsImage(32))); }

}  // namespace kestrel

// Drawing the peg board, the pegs and the start arrow.
#include "ui/peg_board_art.h"

#include "game/peg_board_geometry.h"
#include "ui/palette.h"

#include <QPainter>

namespace kestrel {

namespace {

// Filled box, both corners included.
void FillBox(QImage& image, int x1, int y1, int x2, int y2, QRgb colour) {
  for (int y = y1; y <= y2; ++y) {
    for (int x = x1; x <= x2; ++x) image.setPixel(x, y, colour);
  }
}

// A line stops one pixel short of its end point.
void HLine(QImage& image, int x1, int x2, int y, QRgb colour) {
  for (int x = x1; x < x2; ++x) image.setPixel(x, y, colour);
}
void VLine(QImage& image, int x, int y1, int y2, QRgb colour) {
  for (int y = y1; y < y2; ++y) image.setPixel(x, y, colour);
}

// A hole: a circle of radius 2, outlined black and filled light grey.
void Hole(QImage& image, int cx, int cy, QRgb outline, QRgb fill) {
  static const char* const kHole[5] = {".KKK.", "KFFFK", "KFFFK", "KFFFK", ".KKK."};
  for (int y = 0; y < 5; ++y) {
    for (int x = 0; x < 5; ++x) {
      const char ch = kHole[y][x];
      if (ch != '.') image.setPixel(cx - 2 + x, cy - 2 + y, ch == 'K' ? outline : fill);
    }
  }
}

}  // namespace

namespace {

// The board's shapes, the same at any size: `box` fills whole board pixels
// (x, y, width, height), `hole` draws the hole centred on a pixel.
template <class Box, class HoleAt>
void BoardShapes(QColor table, Box box, HoleAt hole) {
  const int w = kBoardWidth;
  const QColor black = PaletteColour(0);
  box(0, 0, w, kBoardHeight, PaletteColour(6));
  box(0, 0, w - 1, 1, black);   // lines stop one pixel short of their end
  box(0, 23, w - 1, 1, black);  // between the two sides' tracks
  box(0, 46, w, 4, black);
  box(0, 0, 1, 49, black);
  box(13, 0, 1, 49, black);   // closes the start column
  box(265, 0, 1, 50, black);  // the divider between the halves
  box(517, 0, 5, 50, black);  // right edge
  for (int column = 0; column < kBoardColumns; ++column) {
    if (IsGapColumn(column)) continue;
    for (int row : kHoleRows) hole(HoleColumnX(column), row);
  }
  for (int x : {1, 12, 14, 264, 266, 516}) {
    box(x, 1, 1, 1, black);
    box(x, 45, 1, 1, black);
  }
  // Cut the outer corners; the bottom and right edges become a shadow.
  static const int kTablePixels[][2] = {{0, 0},   {13, 0},  {265, 0}, {517, 0}, {0, 46},
                                        {4, 49},  {17, 49}, {269, 49}, {521, 49}, {521, 3}};
  for (const auto& p : kTablePixels) box(p[0], p[1], 1, 1, table);
  box(0, 47, 4, 3, table);
  box(518, 0, 4, 3, table);
}

}  // namespace

QImage DrawBoard(QColor table) {
  QImage board(kBoardWidth, kBoardHeight, QImage::Format_RGB32);
  const QRgb black = PaletteColour(0).rgb();
  const QRgb grey = PaletteColour(7).rgb();
  BoardShapes(
      table, [&](int x, int y, int w, int h, QColor c) { FillBox(board, x, y, x + w - 1, y + h - 1, c.rgb()); },
      [&](int cx, int cy) { Hole(board, cx, cy, black, grey); });
  return board;
}

void PaintBoard(QPainter& painter, QColor table) {
  painter.save();
  painter.setPen(Qt::NoPen);
  BoardShapes(
      table,
      [&](int x, int y, int w, int h, QColor c) {
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.fillRect(QRectF(x, y, w, h), c);
      },
      [&](int cx, int cy) {
        // A round hole of the same size: black rim, light grey inside.
        painter.setRenderHint(QPainter::Antialiasing, true);
        const QPointF centre(cx + 0.5, cy + 0.5);
        painter.setBrush(PaletteColour(0));
        painter.drawEllipse(centre, 2.5, 2.5);
        painter.setBrush(PaletteColour(7));
        painter.drawEllipse(centre, 1.6, 1.6);
      });
  painter.restore();
}

void PaintPeg(QPainter& painter, QPointF topLeft, PegColour colour) {
  // The peg of the picture as round shapes: a black shadow down and to the
  // right, the dark body and the bright top at the upper left.
  const QColor bright = colour == PegColour::Red ? QColor(255, 0, 0) : QColor(0, 255, 0);
  const QColor dark = colour == PegColour::Red ? QColor(128, 0, 0) : QColor(0, 128, 0);
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setPen(Qt::NoPen);
  painter.setBrush(PaletteColour(0));
  painter.drawEllipse(topLeft + QPointF(4.4, 4.4), 2.6, 2.6);
  painter.setBrush(dark);
  painter.drawEllipse(topLeft + QPointF(3.3, 3.3), 2.6, 2.6);
  painter.setBrush(bright);
  painter.drawEllipse(topLeft + QPointF(2.0, 2.0), 1.6, 1.6);
  painter.restore();
}

QImage PegPicture(PegColour colour) {
  static const char* const kPeg[7] = {"BBBOOOO", "BBBDKOO", "BBBDDKO", "ODDDDKO",
                                      "OKDDDKK", "OOKKKKK", "OOOOKKK"};
  const QRgb bright = colour == PegColour::Red ? qRgb(255, 0, 0) : qRgb(0, 255, 0);
  const QRgb dark = colour == PegColour::Red ? qRgb(128, 0, 0) : qRgb(0, 128, 0);
  QImage peg(kPegSize, kPegSize, QImage::Format_RGB32);
  for (int y = 0; y < kPegSize; ++y) {
    for (int x = 0; x < kPegSize; ++x) {
      switch (kPeg[y][x]) {
        case 'B': peg.setPixel(x, y, bright); break;
        case 'D': peg.setPixel(x, y, dark); break;
        case 'K': peg.setPixel(x, y, PaletteColour(0).rgb()); break;
        default: peg.setPixel(x, y, PaletteColour(6).rgb()); break;
      }
    }
  }
  return peg;
}

QImage DrawStartArrow(QColor table) {
  QImage arrow(16, 10, QImage::Format_RGB32);
  arrow.fill(table);
  const QRgb black = PaletteColour(0).rgb();
  HLine(arrow, 0, 4, 0, black);
  VLine(arrow, 0, 0, 6, black);
  HLine(arrow, 0, 14, 6, black);
  HLine(arrow, 11, 13, 5, black);
  HLine(arrow, 11, 13, 7, black);
  arrow.setPixel(11, 4, black);
  arrow.setPixel(11, 8, black);
  return arrow;
}

}  // namespace kestrel

// Drawing the peg board, the pegs and the start arrow.
#include "ui/peg_board_art.h"

#include "game/peg_board_geometry.h"
#include "ui/palette.h"

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

QImage DrawBoard(QColor table) {
  const int w = kBoardWidth;
  QImage board(w, kBoardHeight, QImage::Format_RGB32);
  board.fill(PaletteColour(6));
  const QRgb black = PaletteColour(0).rgb();
  const QRgb grey = PaletteColour(7).rgb();
  const QRgb tableRgb = table.rgb();

  HLine(board, 0, w - 1, 0, black);
  HLine(board, 0, w - 1, 23, black);  // between the two sides' tracks
  FillBox(board, 0, 46, w - 1, 49, black);
  VLine(board, 0, 0, 49, black);
  VLine(board, 13, 0, 49, black);  // closes the start column
  FillBox(board, 265, 0, 265, 49, black);  // the divider between the halves
  FillBox(board, 517, 0, 521, 49, black);  // right edge
  for (int column = 0; column < kBoardColumns; ++column) {
    if (IsGapColumn(column)) continue;
    for (int row : kHoleRows) Hole(board, HoleColumnX(column), row, black, grey);
  }
  for (int x : {1, 12, 14, 264, 266, 516}) {
    board.setPixel(x, 1, black);
    board.setPixel(x, 45, black);
  }
  // Cut the outer corners; the bottom and right edges become a shadow.
  static const int kTablePixels[][2] = {{0, 0},   {13, 0},  {265, 0}, {517, 0}, {0, 46},
                                        {4, 49},  {17, 49}, {269, 49}, {521, 49}, {521, 3}};
  for (const auto& p : kTablePixels) board.setPixel(p[0], p[1], tableRgb);
  FillBox(board, 0, 47, 3, 49, tableRgb);
  FillBox(board, 518, 0, 521, 2, tableRgb);
  return board;
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

// art_preview: writes a contact sheet (PNG) of the 52 faces on the three
// table colours, the backs of every style, the dog-ear marks and back
// animation phases, the corner pieces, the cursor bars and the peg board
// with pegs, enlarged with nearest-neighbour sampling for review.
//   art_preview OUT.png [SCALE [X Y W H]]   (run with QT_QPA_PLATFORM=offscreen)
// X Y W H crop the sheet (1x pixels) before it is enlarged.
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "ui/card_renderer.h"
#include "ui/palette.h"
#include "ui/peg_board.h"
#include "ui/peg_board_art.h"

using namespace kestrel;

namespace {

std::string Code(char letter, int card) { return std::string{letter, static_cast<char>(card)}; }

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: art_preview OUT.png [SCALE]\n");
    return 2;
  }
  const int scale = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;

  CardRenderer renderer;
  renderer.SetMarkedCards(std::string{7, 23, 30, 40});

  const int step = 40, rowStep = 52;
  const int sheetWidth = 8 + 13 * step + 8;
  QImage sheet(sheetWidth, 4 * rowStep + 12 + 3 * (rowStep + 6) + 60 + 70, QImage::Format_RGB32);
  sheet.fill(TableColour(0));
  QPainter painter(&sheet);

  // The deck view: 13 columns, a row per suit.
  for (int card = 0; card < 52; ++card) {
    painter.drawImage(8 + step * (card % 13), 8 + rowStep * (card / 13), renderer.RenderCard(Code('F', card)));
  }

  // Per table colour: the dog-ear marks face up and face down, every back,
  // the animation phases and the cursor bars.
  int y = 8 + 4 * rowStep + 6;
  for (int16_t table = 0; table < 3; ++table) {
    painter.fillRect(0, y - 4, sheetWidth, rowStep + 6, TableColour(table));
    renderer.SetTableColour(table);
    int x = 8;
    auto put = [&](const QImage& image) {
      painter.drawImage(x, y, image);
      x += image.width() + 4;
    };
    renderer.SetDeckStyle(kDeckDefault);
    renderer.SetBackAnimation(0);
    put(renderer.RenderCard(Code('B', 7)));
    renderer.SetDeckStyle(kDeckDogEar);
    put(renderer.RenderCard(Code('F', 7)));
    put(renderer.RenderCard(Code('F', 23)));
    put(renderer.RenderCard(Code('B', 7)));
    put(renderer.RenderCard(Code('B', 8)));
    for (int16_t phase = 0; phase < 4; ++phase) {
      renderer.SetBackAnimation(static_cast<int16_t>(kBackAnimationSpeckled | phase));
      put(renderer.RenderCard(Code('B', 30)));
    }
    renderer.SetBackAnimation(0);
    // A custom back: a striped picture with a transparent middle.
    QImage custom(20, 30, QImage::Format_ARGB32);
    custom.fill(Qt::transparent);
    for (int cy = 0; cy < 30; ++cy)
      for (int cx = 0; cx < 20; ++cx)
        if (cx < 4 || cx > 15 || cy < 4 || cy > 25) custom.setPixel(cx, cy, (cx + cy) % 4 < 2 ? qRgb(200, 0, 0) : qRgb(255, 255, 255));
    renderer.SetCustomBack(custom);
    renderer.SetDeckStyle(kDeckCustom);
    put(renderer.RenderCard(Code('B', 7)));
    renderer.SetDeckStyle(kDeckDogEar);
    // Cursor bars beside a marked face and a marked back.
    painter.drawImage(x, y, renderer.RenderCard("P0", QSize(2, 49), Code('F', 7)));
    x += 6;
    painter.drawImage(x, y, renderer.RenderCard("P0", QSize(36, 2), Code('F', 7)));
    painter.drawImage(x, y + 6, renderer.RenderCard("P0", QSize(36, 2), Code('B', 7)));
    x += 40;
    put(renderer.CornerSheet());
    put(renderer.DefaultBack());
    y += rowStep + 6;
  }

  // The board on each table colour, with pegs and the start arrow.
  painter.fillRect(0, y, sheetWidth, 130, TableColour(0));
  PegBoard board;
  board.SetTableColour(TableColour(0));
  board.PlacePeg(PegElement::Red0, 58);
  board.PlacePeg(PegElement::Red1, 64);
  board.PlacePeg(PegElement::Green0, 0);
  board.PlacePeg(PegElement::Green1, 17);
  board.PlacePeg(PegElement::Target, 23);
  const QImage snap = board.Snapshot();
  painter.drawImage(4, y + 4, snap.copy(0, 0, 270, 50));
  painter.drawImage(4, y + 60, snap.copy(260, 0, 262, 50));
  painter.drawImage(8, y + 60 + 53, DrawStartArrow(TableColour(0)));
  painter.end();

  if (argc > 6) sheet = sheet.copy(std::atoi(argv[3]), std::atoi(argv[4]), std::atoi(argv[5]), std::atoi(argv[6]));
  const QImage big = sheet.scaled(sheet.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
  if (!big.save(QString::fromLocal8Bit(argv[1]))) {
    std::fprintf(stderr, "cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}

// The card faces and the default back.
#include "ui/card_faces.h"

#include <QPainter>
#include <string_view>

#include "ui/card_art.h"
#include "ui/palette.h"

namespace kestrel {

namespace {

// Pips of ace to ten: one letter per pip, code - 65 gives column (mod 3)
// and row (div 3 + 1).
constexpr std::string_view kPipLayout = "NBZBNZACY[ACNY[ACMOY[ACHMOY[ACHMOTY[ACJLNPRY[ACEJLPRWY[";
constexpr int kPipColumnX[3] = {7, 14, 21};
constexpr int kPipRowY[9] = {5, 10, 13, 15, 20, 26, 28, 31, 36};
// Lengths of the hatching strokes of the default back.
constexpr std::string_view kHatching = "1713 9 7 5 4 3 2 1 1 1 1";

QImage Turned(const QImage& image) { return image.mirrored(true, true); }

// Outline of a box, both corners included.
void Box(QImage& image, int x1, int y1, int x2, int y2, QRgb colour) {
  for (int x = x1; x <= x2; ++x) {
    image.setPixel(x, y1, colour);
    image.setPixel(x, y2, colour);
  }
  for (int y = y1; y <= y2; ++y) {
    image.setPixel(x1, y, colour);
    image.setPixel(x2, y, colour);
  }
}

void DrawBack(QImage& image) {
  const QRgb yellow = PaletteColour(6).rgb();
  Box(image, 0, 0, 34, 47, yellow);
  Box(image, 1, 1, 33, 46, yellow);
  Box(image, 1, 10, 27, 46, yellow);
  Box(image, 7, 1, 33, 37, yellow);
  for (int k = 0; k < 12; ++k) {
    int d = 0;
    for (char ch : kHatching.substr(2 * k, 2)) {
      if (ch >= '0' && ch <= '9') d = 10 * d + (ch - '0');
    }
    const int i = 2 * k + 1;
    // A stroke stops one pixel short of its end point.
    for (int x = 8; x < 8 + d; ++x) image.setPixel(x, i + 11, yellow);
    for (int x = 27 - d; x < 27; ++x) image.setPixel(x, 36 - i, yellow);
  }
}

void DrawCardPicture(QImage& image, const CardArt& art, int card) {
  const int rank = card % 13;
  const int suit = card / 13;
  QPainter painter(&image);
  const QImage& rankGlyph = art.RankGlyph(rank, suit);
  const QImage& suitGlyph = art.SuitGlyph(suit);
  painter.drawImage(1, 2, rankGlyph);
  painter.drawImage(1, 10, suitGlyph);
  painter.drawImage(34 - rankGlyph.width(), 46 - rankGlyph.height(), Turned(rankGlyph));
  painter.drawImage(29, 33, Turned(suitGlyph));

  if (card == 0) {
    const QImage& ace = art.AceOfSpades();
    painter.drawImage((35 - ace.width()) / 2, (48 - ace.height()) / 2, ace);
  } else if (rank <= 9) {
    const std::string_view layout = kPipLayout.substr(rank * (rank + 1) / 2, rank + 1);
    const QImage& pip = art.Pip(suit);
    const QImage turnedPip = Turned(pip);
    for (char letter : layout) {
      const int code = letter - 65;
      const int x = kPipColumnX[code % 3];
      const int y = kPipRowY[code / 3];
      painter.drawImage(x, y, y >= 23 ? turnedPip : pip);
    }
  } else {
    const QImage& court = art.CourtPicture(rank, suit);
    painter.drawImage(6, 5, court);
    painter.drawImage(6, 24, Turned(court));
  }
}

}  // namespace

QImage DrawFace(const CardArt& art, int card) {
  QImage image(kCardWidth, kCardHeight, QImage::Format_RGB32);
  image.fill(card < 0 ? PaletteColour(1) : PaletteColour(15));
  const QRgb black = PaletteColour(0).rgb();
  for (int x = 0; x < 35; ++x) image.setPixel(x, 48, black);
  for (int y = 0; y < 48; ++y) image.setPixel(35, y, black);
  image.setPixel(35, 48, black);
  image.setPixel(0, 48, PaletteColour(2).rgb());
  image.setPixel(35, 0, PaletteColour(2).rgb());
  if (card < 0) {
    DrawBack(image);
  } else if (card <= 51) {
    DrawCardPicture(image, art, card);
  }
  return image;
}

}  // namespace kestrel

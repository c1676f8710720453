// Loading and colouring the card artwork.
#include "ui/card_art.h"

#include <QPainter>

namespace kestrel {

namespace {

// Garment colours of the court pictures per suit: main, second.
const QRgb kCourtColours[4][2] = {
    {qRgb(0, 0, 160), qRgb(200, 0, 0)},    // spades: blue robe, red sleeves
    {qRgb(0, 112, 0), qRgb(0, 0, 160)},    // clubs: green and blue
    {qRgb(200, 0, 0), qRgb(0, 0, 160)},    // hearts: red and blue
    {qRgb(200, 0, 0), qRgb(0, 112, 0)},    // diamonds: red and green
};
const QRgb kMainKey = qRgb(255, 0, 255);
const QRgb kSecondKey = qRgb(0, 255, 255);

// Every opaque black pixel takes the colour.
QImage Recolour(const QImage& glyph, QColor colour) {
  QImage out = glyph.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < out.height(); ++y) {
    for (int x = 0; x < out.width(); ++x) {
      const QRgb p = out.pixel(x, y);
      if (qAlpha(p) == 255 && (p & 0xFFFFFF) == 0) out.setPixel(x, y, colour.rgb());
    }
  }
  return out;
}

QImage Cell(const QImage& strip, int x, int w, int h) {
  return strip.copy(x, 0, w, h).convertToFormat(QImage::Format_ARGB32);
}

}  // namespace

QColor CardArt::SuitColour(int suit) { return IsRedSuit(suit) ? QColor(224, 0, 0) : QColor(0, 0, 0); }

QImage CardArt::Load(const char* name) {
  QImage image(QStringLiteral(":/art/%1.xpm").arg(QLatin1String(name)));
  if (image.isNull()) complete_ = false;
  return image.convertToFormat(QImage::Format_ARGB32);
}

CardArt::CardArt() {
  const QImage rankStrip = Load("ranks");
  const QImage suitStrip = Load("suits");
  const QImage pipStrip = Load("pips");
  const QImage courtTemplates[3] = {Load("court_jack"), Load("court_queen"), Load("court_king")};
  ace_ = Load("ace_spades");
  dogEarBack_ = Load("dogear_back").convertToFormat(QImage::Format_RGB32);
  if (!complete_) {
    // Keep every picture usable, if blank, so that drawing never fails.
    ace_ = QImage(19, 19, QImage::Format_ARGB32);
    ace_.fill(Qt::transparent);
    dogEarBack_ = QImage(36, 49, QImage::Format_RGB32);
    dogEarBack_.fill(QColor(128, 0, 0));
  }

  for (int suit = 0; suit < 4; ++suit) {
    const QColor colour = SuitColour(suit);
    suits_[suit] = Recolour(Cell(suitStrip, 6 * suit, 5, 5), colour);
    pips_[suit] = Recolour(Cell(pipStrip, 8 * suit, 7, 7), colour);
    for (int rank = 0; rank < 13; ++rank) {
      const bool wide = rank >= 9;
      ranks_[rank][suit] = Recolour(Cell(rankStrip, 7 * rank, wide ? 6 : 5, wide ? 7 : 6), colour);
    }
    for (int court = 0; court < 3; ++court) {
      QImage picture = courtTemplates[court].isNull() ? QImage(23, 19, QImage::Format_ARGB32)
                                                      : courtTemplates[court];
      if (courtTemplates[court].isNull()) picture.fill(Qt::transparent);
      for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
          const QRgb p = picture.pixel(x, y);
          if (p == (kMainKey | 0xFF000000u)) picture.setPixel(x, y, kCourtColours[suit][0]);
          if (p == (kSecondKey | 0xFF000000u)) picture.setPixel(x, y, kCourtColours[suit][1]);
        }
      }
      QPainter painter(&picture);
      painter.drawImage(2, 2, suits_[suit]);
      painter.end();
      courts_[court][suit] = picture;
    }
  }
}

const QImage& CardArt::RankGlyph(int rank, int suit) const { return ranks_[rank % 13][suit & 3]; }
const QImage& CardArt::SuitGlyph(int suit) const { return suits_[suit & 3]; }
const QImage& CardArt::Pip(int suit) const { return pips_[suit & 3]; }
const QImage& CardArt::CourtPicture(int rank, int suit) const {
  return courts_[(rank - 10 + 3) % 3][suit & 3];
}

}  // namespace kestrel

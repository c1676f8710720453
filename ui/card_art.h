// The card artwork kept as XPM text under ui/art: index glyphs, pips, court
// pictures, the large spade of the ace and the dog-ear back, loaded from the
// resources and coloured for each suit.
#pragma once

#include <QColor>
#include <QImage>
#include <array>

namespace kestrel {

class CardArt {
 public:
  CardArt();

  // Red for hearts and diamonds (suits 2 and 3), black for the others.
  static bool IsRedSuit(int suit) { return suit == 2 || suit == 3; }
  static QColor SuitColour(int suit);

  // Rank r (0 ace .. 12 king): 5 x 6 for ace to nine, 6 x 7 for ten to king.
  const QImage& RankGlyph(int rank, int suit) const;
  // 5 x 5 index suit glyph.
  const QImage& SuitGlyph(int suit) const;
  // 7 x 7 pip.
  const QImage& Pip(int suit) const;
  // 23 x 19 upper half of a court card (rank 10, 11 or 12).
  const QImage& CourtPicture(int rank, int suit) const;
  // The large spade of the ace of the first suit.
  const QImage& AceOfSpades() const { return ace_; }
  // The 36 x 49 back of the dog-ear deck.
  const QImage& DogEarBack() const { return dogEarBack_; }

  // False when a picture could not be read from the resources.
  bool Complete() const { return complete_; }

 private:
  QImage Load(const char* name);

  std::array<std::array<QImage, 4>, 13> ranks_;
  std::array<QImage, 4> suits_;
  std::array<QImage, 4> pips_;
  std::array<std::array<QImage, 4>, 3> courts_;
  QImage ace_;
  QImage dogEarBack_;
  bool complete_ = true;
};

}  // namespace kestrel

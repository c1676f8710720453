// Drawing the 36 x 49 card faces and the default back, pixel by pixel.
#pragma once

#include <QImage>

namespace kestrel {

class CardArt;

inline constexpr int kCardWidth = 36;
inline constexpr int kCardHeight = 49;

// The face of card 0..51 on white, or the default back for card -1 (navy
// with the dark-yellow frame and hatching). The bottom and right edges are
// black; the two cut-corner pixels (0, 48) and (35, 0) are green (palette 2)
// until a card is rendered on its table.
QImage DrawFace(const CardArt& art, int card);

}  // namespace kestrel

// The program's 16-colour palette numbers and the three table colours.
#pragma once

#include <QColor>
#include <cstdint>

namespace kestrel {

// Palette number 0..15 as RGB (the classic 16-colour set).
QColor PaletteColour(int number);

// The table colour for the Background Color choice: 0 green, 1 cyan,
// 2 grey; anything else is green.
QColor TableColour(int16_t backgroundIndex);

// The choice 0..2 that TableColour uses (out-of-range values give 0).
int TableColourIndex(int16_t backgroundIndex);

}  // namespace kestrel

// Palette numbers to colours.
#include "ui/palette.h"

namespace kestrel {

QColor PaletteColour(int number) {
  static const QRgb kPalette[16] = {
      qRgb(0, 0, 0),       qRgb(0, 0, 128),   qRgb(0, 128, 0),   qRgb(0, 128, 128),
      qRgb(128, 0, 0),     qRgb(128, 0, 128), qRgb(128, 128, 0), qRgb(192, 192, 192),
      qRgb(128, 128, 128), qRgb(0, 0, 255),   qRgb(0, 255, 0),   qRgb(0, 255, 255),
      qRgb(255, 0, 0),     qRgb(255, 0, 255), qRgb(255, 255, 0), qRgb(255, 255, 255)};
  return QColor(kPalette[number & 15]);
}

int TableColourIndex(int16_t backgroundIndex) {
  return backgroundIndex >= 0 && backgroundIndex <= 2 ? backgroundIndex : 0;
}

QColor TableColour(int16_t backgroundIndex) {
  static const int kTablePalette[3] = {2, 3, 7};
  return PaletteColour(kTablePalette[TableColourIndex(backgroundIndex)]);
}

}  // namespace kestrel

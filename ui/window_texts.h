// Texts the window builds: the four texts of the About panel, and the font
// every text element uses.
#pragma once

#include <QFont>
#include <QStringList>
#include <QString>

namespace kestrel {

struct AboutTexts {
  QString top, left, right, bottom;
};
// twipsX and twipsY: the display's twips per pixel (1440 / logical DPI).
AboutTexts BuildAboutTexts(int twipsX, int twipsY);

// The window's sans font at 13 pixels (9.75 points at 96 DPI), preferring
// faces with the narrow metrics the fixed layout was drawn for.
QFont TextFont(bool bold = false, bool underline = false);

// The scoring details' font: the same face at 11 pixels. The show's longest
// details (both hands and the crib, each at its longest breakdown) need five
// lines, and five lines of it fit the 67-pixel label, as four lines of the
// original face did.
QFont DetailsFont();

// The display-scale line of the About panel.
QString DisplayScaleLine(int twipsX, int twipsY);

}  // namespace kestrel

// Texts the window builds: the four texts of the About panel.
#pragma once

#include <QString>

namespace kestrel {

struct AboutTexts {
  QString top, left, right, bottom;
};
// twipsX and twipsY: the display's twips per pixel (1440 / logical DPI).
AboutTexts BuildAboutTexts(int twipsX, int twipsY);

// The display-scale line of the About panel.
QString DisplayScaleLine(int twipsX, int twipsY);

}  // namespace kestrel

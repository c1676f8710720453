// Small pictures the window draws for itself: the button strip's icon sheet,
// the two 32 x 32 peg drag cursors and the three-cards window icon.
#pragma once

#include <QColor>
#include <QCursor>
#include <QIcon>
#include <QImage>

namespace kestrel {

// The 48 x 32 icon sheet of the button: columns 0 to 2 are Continue (a white
// sheet), Autoplay (a small card back) and Autoscore (green pegs); row 0 is
// the enabled look, row 1 the greyed look.
QImage ButtonIconSheet();

// The back peg's normal drag cursor: a white, black-outlined upward triangle
// in the lower half of a 32 x 32 icon.
QImage NormalDragIcon();
// The hint cursor: a white, black-outlined peg (two bulbs on a base) in the
// lower half of a 32 x 32 icon.
QImage HintDragIcon();
// Cursors built from the two icons, hot spot at the top of the figure.
QCursor NormalDragCursor();
QCursor HintDragCursor();

// Three fanned playing cards, 32 x 32; the same picture painted at any size
// (the application icons of the desktop theme).
QIcon ThreeCardsIcon();
QImage ThreeCardsImage(int size);

}  // namespace kestrel

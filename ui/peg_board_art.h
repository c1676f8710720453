// Pictures of the peg board: the empty board, the two peg colours and the
// start arrow, drawn pixel by pixel at 1x.
#pragma once

#include <QColor>
#include <QImage>

namespace kestrel {

enum class PegColour { Red, Green };

// The empty 522 x 50 board; its cut-off corners and shadow edges show the
// table colour.
QImage DrawBoard(QColor table);

// A 7 x 7 peg on the board colour.
QImage PegPicture(PegColour colour);

// The 16 x 10 start arrow on the table colour.
QImage DrawStartArrow(QColor table);

}  // namespace kestrel

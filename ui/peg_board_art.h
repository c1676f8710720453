// Pictures of the peg board: the empty board, the two peg colours and the
// start arrow, drawn pixel by pixel at 1x; on a scaled table the board and
// the pegs are drawn as shapes at the painter's size instead.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>

namespace kestrel {

enum class PegColour { Red, Green };

// The empty 522 x 50 board; its cut-off corners and shadow edges show the
// table colour.
QImage DrawBoard(QColor table);

// The same board drawn with the painter in board pixels, at whatever scale
// the painter has: lines and edges as whole board pixels, holes round.
void PaintBoard(QPainter& painter, QColor table);
// A peg drawn as shapes in the 7 x 7 square at topLeft.
void PaintPeg(QPainter& painter, QPointF topLeft, PegColour colour);

// A 7 x 7 peg on the board colour.
QImage PegPicture(PegColour colour);

// The 16 x 10 start arrow on the table colour.
QImage DrawStartArrow(QColor table);

}  // namespace kestrel

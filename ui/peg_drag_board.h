// The peg board as the player uses it: the back peg can be dragged during a
// scoring prompt, with the normal or the hint drag cursor, and a drop is
// turned into one of the outcomes the match controller understands (on the
// target, on a green peg, on a board hole); drops in the computer's half and
// on anything else are ignored. The pointer over the correct hole shows the
// hint cursor without dragging as well.
#pragma once

#include "ui/peg_board.h"

namespace kestrel {

class PegDragBoard : public PegBoard {
  Q_OBJECT
 public:
  explicit PegDragBoard(QWidget* parent = nullptr);

  // Drags of the back peg start only while this is set.
  void SetBackPegDraggable(bool draggable);
  bool BackPegDraggable() const { return draggable_; }
  // The hint cursors follow Options > Hints.
  void SetHintsEnabled(bool on) { hints_ = on; }
  bool Dragging() const { return dragging_; }
  // The drag and hint cursors grow with the table's scale.
  void SetCursorScale(qreal scale) { cursorScale_ = scale; }
  qreal CursorScale() const { return cursorScale_; }

  // What a drop at a board point does, without doing it: the outcome and,
  // for a drop on the board, the hole the back peg is put in.
  enum class Drop { Ignored, OnTarget, OnGreenPeg, OnBoard };
  Drop DropOutcome(QPoint point, int* hole);

 signals:
  void DroppedOnTarget();
  void DroppedOnGreenPeg();
  void DroppedOnBoard(int hole);

 protected:
  void mousePressEvent(QMouseEvent*) override;
  void mouseMoveEvent(QMouseEvent*) override;
  void mouseReleaseEvent(QMouseEvent*) override;

 private:
  void EndDrag();

  bool draggable_ = false;
  bool hints_ = true;
  bool dragging_ = false;
  bool hintShown_ = false;
  bool hoverHint_ = false;
  qreal cursorScale_ = 1.0;
};

}  // namespace kestrel

// Pegging by hand with the mouse.
#include "ui/peg_drag_board.h"

#include <QGuiApplication>
#include <QMouseEvent>

#include "ui/icon_art.h"

namespace kestrel {

PegDragBoard::PegDragBoard(QWidget* parent) : PegBoard(parent) { setMouseTracking(true); }

void PegDragBoard::SetBackPegDraggable(bool draggable) {
  draggable_ = draggable;
  if (!draggable && dragging_) EndDrag();
}

PegDragBoard::Drop PegDragBoard::DropOutcome(QPoint point, int* hole) {
  if (!rect().contains(point)) return Drop::Ignored;  // a card, the table: nothing
  const std::optional<PegElement> at = ElementAt(point);
  if (at == PegElement::Target) return Drop::OnTarget;
  if (at == PegElement::Green0 || at == PegElement::Green1) return Drop::OnGreenPeg;
  if (at) return Drop::Ignored;  // a red peg
  if (point.y() <= 23) return Drop::Ignored;  // the computer's half
  // The peg's top-left corner goes to the drop point; the nearest hole on
  // that row band is the claim. The controller turns the front peg's own
  // hole into the one behind it.
  if (hole) *hole = PegScoreAtPlace(point.x(), point.y());
  return Drop::OnBoard;
}

void PegDragBoard::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !draggable_) return;
  if (ElementAt(event->position().toPoint()) != PegElement::Green0) return;
  dragging_ = true;
  hintShown_ = false;
  QGuiApplication::setOverrideCursor(NormalDragCursor(cursorScale_));
}

void PegDragBoard::mouseMoveEvent(QMouseEvent* event) {
  const QPoint point = event->position().toPoint();
  const bool overTarget = hints_ && rect().contains(point) && ElementAt(point) == PegElement::Target;
  if (dragging_) {
    if (overTarget != hintShown_) {
      hintShown_ = overTarget;
      QGuiApplication::changeOverrideCursor(overTarget ? HintDragCursor(cursorScale_) : NormalDragCursor(cursorScale_));
    }
    return;
  }
  // Without a drag the pointer over the correct hole shows the hint.
  if (overTarget != hoverHint_) {
    hoverHint_ = overTarget;
    if (overTarget) setCursor(HintDragCursor(cursorScale_));
    else unsetCursor();
  }
}

void PegDragBoard::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !dragging_) return;
  EndDrag();
  int hole = 0;
  switch (DropOutcome(event->position().toPoint(), &hole)) {
    case Drop::OnTarget:
      SetPegPosition(PegElement::Green0, PegPosition(PegElement::Target));
      emit DroppedOnTarget();
      break;
    case Drop::OnGreenPeg: emit DroppedOnGreenPeg(); break;
    case Drop::OnBoard:
      PlacePeg(PegElement::Green0, hole);
      emit DroppedOnBoard(hole);
      break;
    case Drop::Ignored: break;
  }
}

void PegDragBoard::EndDrag() {
  dragging_ = false;
  hintShown_ = false;
  QGuiApplication::restoreOverrideCursor();
}

}  // namespace kestrel

// The peg board widget.
#include "ui/peg_board.h"

#include <QPainter>
#include <algorithm>

#include "ui/palette.h"
#include "ui/peg_board_art.h"

namespace kestrel {

namespace {
size_t Index(PegElement element) { return static_cast<size_t>(element); }
}  // namespace

PegBoard::PegBoard(QWidget* parent)
    : QWidget(parent),
      order_{PegElement::Target, PegElement::Red0, PegElement::Red1, PegElement::Green1, PegElement::Green0} {
  setFixedSize(kBoardWidth, kBoardHeight);
  SetTableColour(TableColour(0));
  for (PegElement element : order_) PlacePeg(element, 0);
  pegs_[Index(PegElement::Target)].visible = true;
}

void PegBoard::SetTableColour(QColor table) {
  table_ = table;
  board_ = DrawBoard(table);
  update();
}

PegSide PegBoard::SideOf(PegElement element) {
  return (element == PegElement::Red0 || element == PegElement::Red1) ? PegSide::Computer : PegSide::Player;
}

void PegBoard::PlacePeg(PegElement element, int score) {
  const PegPlace place = PegPlaceForScore(SideOf(element), score);
  SetPegPosition(element, QPoint(place.left, place.top));
}

void PegBoard::PlaceAllPegs(int computerBackPeg, int computerScore, int playerBackPeg, int playerScore) {
  PlacePeg(PegElement::Red0, computerBackPeg);
  PlacePeg(PegElement::Red1, computerScore);
  PlacePeg(PegElement::Green0, playerBackPeg);
  PlacePeg(PegElement::Green1, playerScore);
}

int PegBoard::PegScoreAt(PegElement element) const {
  const QPoint p = PegPosition(element);
  return PegScoreAtPlace(p.x(), p.y());
}

QPoint PegBoard::PegPosition(PegElement element) const { return pegs_[Index(element)].place; }

void PegBoard::SetPegPosition(PegElement element, QPoint topLeft) {
  pegs_[Index(element)].place = topLeft;
  update();
}

void PegBoard::SetPegVisible(PegElement element, bool visible) {
  pegs_[Index(element)].visible = visible;
  update();
}

bool PegBoard::PegVisible(PegElement element) const { return pegs_[Index(element)].visible; }

void PegBoard::BringToFront(PegElement element) {
  auto it = std::find(order_.begin(), order_.end(), element);
  std::rotate(it, it + 1, order_.end());
  update();
}

void PegBoard::SendToBack(PegElement element) {
  auto it = std::find(order_.begin(), order_.end(), element);
  std::rotate(order_.begin(), it, it + 1);
  update();
}

std::optional<PegElement> PegBoard::ElementAt(QPoint point) const {
  for (auto it = order_.rbegin(); it != order_.rend(); ++it) {
    const Peg& peg = pegs_[Index(*it)];
    if (peg.visible && QRect(peg.place, QSize(kPegSize, kPegSize)).contains(point)) return *it;
  }
  return std::nullopt;
}

QImage PegBoard::PegImage(PegElement element) {
  if (element == PegElement::Target) return {};
  return PegPicture(SideOf(element) == PegSide::Computer ? PegColour::Red : PegColour::Green);
}

void PegBoard::PaintOn(QPainter& painter) const {
  painter.drawImage(QRect(0, 0, kBoardWidth, kBoardHeight), board_);
  for (PegElement element : order_) {
    const Peg& peg = pegs_[Index(element)];
    if (!peg.visible || element == PegElement::Target) continue;
    painter.drawImage(QRect(peg.place, QSize(kPegSize, kPegSize)), PegImage(element));
  }
}

QImage PegBoard::Snapshot() const {
  QImage image = board_.copy();
  QPainter painter(&image);
  PaintOn(painter);
  return image;
}

void PegBoard::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  // At its own size the board is the pixel picture; on a scaled table (or a
  // high-density screen) its holes and pegs are drawn at the scaled size.
  if (painter.deviceTransform().m11() < 1.01) {
    PaintOn(painter);
    return;
  }
  PaintBoard(painter, table_);
  for (PegElement element : order_) {
    const Peg& peg = pegs_[Index(element)];
    if (!peg.visible || element == PegElement::Target) continue;
    PaintPeg(painter, peg.place, SideOf(element) == PegSide::Computer ? PegColour::Red : PegColour::Green);
  }
}

}  // namespace kestrel

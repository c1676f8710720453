// The peg board: hole geometry, peg placement and the back peg's drag.
#include "ui/board_view.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "ui/icon_art.h"

namespace kestrel {

namespace {

// The 7 x 7 peg picture: B bright, D dark, K black, O board colour.
QImage PegPicture(bool green) {
  static const char* kRows[7] = {"BBBOOOO", "BBBDKOO", "BBBDDKO", "ODDDDKO",
                                 "OKDDDKK", "OOKKKKK", "OOOOKKK"};
  const QColor bright = green ? QColor(0, 255, 0) : QColor(255, 0, 0);
  const QColor dark = green ? QColor(0, 128, 0) : QColor(128, 0, 0);
  QImage image(7, 7, QImage::Format_RGB32);
  for (int y = 0; y < 7; ++y)
    for (int x = 0; x < 7; ++x) {
      const char c = kRows[y][x];
      const QColor col = c == 'B' ? bright : c == 'D' ? dark : c == 'K' ? QColor(Qt::black)
                                                                        : QColor(128, 128, 0);
      image.setPixelColor(x, y, col);
    }
  return image;
}

}  // namespace

PegImage::PegImage(Kind kind, int index, BoardView* board)
    : QWidget(board), board_(board), kind_(kind), index_(index) {
  resize(7, 7);
  if (kind != kTarget) picture_ = PegPicture(kind == kGreen);
}

void PegImage::SetPicture(const QImage& picture) {
  picture_ = picture;
  update();
}

void PegImage::paintEvent(QPaintEvent*) {
  if (picture_.isNull()) return;  // the target has no picture
  QPainter p(this);
  p.drawImage(rect(), picture_);
}

void PegImage::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  if (kind_ == kGreen && index_ == 0 && board_->BackPegDraggable()) board_->BeginDrag();
}

void PegImage::mouseMoveEvent(QMouseEvent* event) {
  if (board_->Dragging()) board_->DragMoved(mapTo(board_, event->position().toPoint()));
}

void PegImage::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && board_->Dragging())
    board_->DragDropped(mapTo(board_, event->position().toPoint()));
}

BoardView::BoardView(QWidget* parent) : QWidget(parent) {
  resize(522, 50);
  imgPegTarget = new PegImage(PegImage::kTarget, 0, this);
  for (int k = 0; k < 2; ++k) {
    imgRed[k] = new PegImage(PegImage::kRed, k, this);
    imgGreen[k] = new PegImage(PegImage::kGreen, k, this);
  }
  imgPegTarget->lower();
  PlacePeg(imgRed[0], -1);
  PlacePeg(imgRed[1], 0);
  PlacePeg(imgGreen[0], -1);
  PlacePeg(imgGreen[1], 0);
  PlacePeg(imgPegTarget, 0);
  SetHintsEnabled(true);
}

QPoint BoardView::PegPosition(bool player, int score) {
  if (score < 0 || score > 120) score = 121;
  const int top = player ? (score <= 60 ? 36 : 27) : (score <= 60 ? 4 : 13);
  const int s = score >= 61 ? 121 - score : score;
  const int column = s + (s + 4) / 5;
  return QPoint(7 * column + 3, top);
}

int BoardView::ScoreAtPosition(QPoint topLeft) {
  const int x = (topLeft.x() - 3) - 3;
  int c = static_cast<int>(std::nearbyint(x / 7.0));
  if (c < 0) c = 0;
  if (c > 72) c = 72;
  if ((c - 1) % 6 == 0) c = x > 7 * c ? c + 1 : c - 1;
  const int s = c - (c + 4) / 6;
  const int y = topLeft.y() - 3;
  return (y >= 8 && y < 32) ? 121 - s : s;
}

void BoardView::PlacePeg(PegImage* peg, int score) {
  peg->move(PegPosition(peg->PegKind() != PegImage::kRed, score));
}

int BoardView::PegScoreAt(const PegImage* peg) const { return ScoreAtPosition(peg->pos()); }

void BoardView::SetBoardPicture(const QImage& picture) {
  board_ = picture;
  update();
}

void BoardView::DrawBoard(const QColor& table) {
  const int W = 522;
  QImage img(W, 50, QImage::Format_RGB32);
  img.fill(PaletteColor(6));
  QPainter p(&img);
  p.setPen(Qt::black);
  p.drawLine(0, 0, W - 2, 0);
  p.drawLine(0, 23, W - 2, 23);
  p.fillRect(QRect(QPoint(0, 46), QPoint(W - 1, 49)), Qt::black);
  p.drawLine(0, 0, 0, 48);
  p.drawLine(13, 0, 13, 48);
  p.fillRect(QRect(QPoint(265, 0), QPoint(265, 49)), Qt::black);
  p.fillRect(QRect(QPoint(517, 0), QPoint(521, 49)), Qt::black);
  p.setBrush(PaletteColor(7));
  for (int i = 0; i <= 72; ++i) {
    if (i >= 1 && (i - 1) % 6 == 0) continue;
    for (int y : {7, 16, 30, 39}) p.drawEllipse(QPoint(7 * i + 6, y), 2, 2);
  }
  for (int x : {1, 12, 14, 264, 266, 516})
    for (int y : {1, 45}) img.setPixelColor(x, y, Qt::black);
  for (QPoint pt : {QPoint(0, 0), QPoint(13, 0), QPoint(265, 0), QPoint(517, 0), QPoint(0, 46),
                    QPoint(4, 49), QPoint(17, 49), QPoint(269, 49), QPoint(521, 49), QPoint(521, 3)})
    img.setPixelColor(pt, table);
  p.fillRect(QRect(QPoint(0, 47), QPoint(3, 49)), table);
  p.fillRect(QRect(QPoint(518, 0), QPoint(521, 2)), table);
  p.end();
  SetBoardPicture(img);
}

void BoardView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (!board_.isNull()) p.drawImage(0, 0, board_);
}

void BoardView::SetBackPegDraggable(bool draggable) {
  draggable_ = draggable;
  if (!draggable && dragging_) {
    dragging_ = false;
    QGuiApplication::restoreOverrideCursor();
    if (hintCursorShown_) QGuiApplication::restoreOverrideCursor();
    hintCursorShown_ = false;
  }
}

void BoardView::SetHintsEnabled(bool on) {
  hints_ = on;
  // Without dragging, the pointer over the correct hole shows the hint.
  if (on) imgPegTarget->setCursor(HintDragCursor());
  else imgPegTarget->unsetCursor();
}

void BoardView::SetPegHint(bool targetInFront) {
  if (targetInFront) imgPegTarget->raise();
  else imgPegTarget->lower();
  imgGreen[0]->raise();
}

QWidget* BoardView::ElementAt(QPoint boardPos) const {
  if (!rect().contains(boardPos)) return nullptr;
  QWidget* w = childAt(boardPos);
  return w ? w : const_cast<BoardView*>(this);
}

void BoardView::BeginDrag() {
  dragging_ = true;
  hintCursorShown_ = false;
  QGuiApplication::setOverrideCursor(NormalDragCursor());
}

void BoardView::DragMoved(QPoint boardPos) {
  const bool overTarget = ElementAt(boardPos) == imgPegTarget && hints_;
  if (overTarget != hintCursorShown_) {
    hintCursorShown_ = overTarget;
    QGuiApplication::changeOverrideCursor(overTarget ? HintDragCursor() : NormalDragCursor());
  }
}

void BoardView::DragDropped(QPoint boardPos) {
  QWidget* at = ElementAt(boardPos);
  dragging_ = false;
  hintCursorShown_ = false;
  QGuiApplication::restoreOverrideCursor();
  PegImage* back = imgGreen[0];
  if (at == imgPegTarget) {
    back->move(imgPegTarget->pos());  // exactly the correct hole
  } else if (at == imgGreen[0] || at == imgGreen[1]) {
    // Left where it was: the claim reads from the old place.
  } else if (at == this) {
    if (boardPos.y() <= 23) return;  // the computer's half: ignored, the wait goes on
    back->move(boardPos);
    const int s1 = PegScoreAt(back);
    const int s2 = PegScoreAt(imgGreen[1]);
    PlacePeg(back, s1 == s2 ? s1 - 1 : s1);
  } else {
    return;  // a red peg or anything off the board: nothing
  }
  emit BackPegSettled(PegScoreAt(back));
}

}  // namespace kestrel

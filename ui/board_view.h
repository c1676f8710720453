// The peg board surface (picBoard) with its four pegs, the invisible target
// hole, and pegging by hand with the mouse: the back peg is dragged only
// during a scoring prompt and a drop is turned into a hole.
#pragma once

#include <QCursor>
#include <QImage>
#include <QWidget>

namespace kestrel {

class BoardView;

// A 7 x 7 peg (or the invisible target) on the board.
class PegImage : public QWidget {
  Q_OBJECT
 public:
  enum Kind { kRed, kGreen, kTarget };
  PegImage(Kind kind, int index, BoardView* board);
  Kind PegKind() const { return kind_; }
  int Index() const { return index_; }
  void SetPicture(const QImage& picture);

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent*) override;
  void mouseMoveEvent(QMouseEvent*) override;
  void mouseReleaseEvent(QMouseEvent*) override;

 private:
  BoardView* board_;
  Kind kind_;
  int index_;
  QImage picture_;
};

class BoardView : public QWidget {
  Q_OBJECT
 public:
  explicit BoardView(QWidget* parent);

  // The four pegs and the target.
  PegImage* imgRed[2];
  PegImage* imgGreen[2];
  PegImage* imgPegTarget;

  // Hole geometry: the top-left corner of a peg standing in a score's hole,
  // and the score of the hole nearest to a peg's top-left corner.
  static QPoint PegPosition(bool player, int score);
  static int ScoreAtPosition(QPoint topLeft);

  void PlacePeg(PegImage* peg, int score);
  int PegScoreAt(const PegImage* peg) const;

  // The board picture, drawn for a table colour.
  void DrawBoard(const QColor& table);
  void SetBoardPicture(const QImage& picture);

  // Drags of the back peg start only while this is set.
  void SetBackPegDraggable(bool draggable);
  bool BackPegDraggable() const { return draggable_; }
  // The hint cursor follows this (Options > Hints).
  void SetHintsEnabled(bool on);
  // Brings the target in front of the pegs or sends it behind them, then the
  // back peg to the very front.
  void SetPegHint(bool targetInFront);
  bool Dragging() const { return dragging_; }

  // The drag of the back peg, driven by the peg's mouse events; positions are
  // in board coordinates.
  void BeginDrag();
  void DragMoved(QPoint boardPos);
  void DragDropped(QPoint boardPos);

 signals:
  // The back peg was put down where the player claims; the wait is answered.
  void BackPegSettled(int hole);

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  QWidget* ElementAt(QPoint boardPos) const;

  QImage board_;
  bool draggable_ = false;
  bool hints_ = true;
  bool dragging_ = false;
  bool hintCursorShown_ = false;
};

}  // namespace kestrel

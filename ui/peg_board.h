// The peg board element picBoard: a 522 x 50 widget that paints the board
// and the four pegs, places pegs by score, reads a peg's score back, and
// tells which peg (or the invisible target) lies under a point.
#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QWidget>
#include <array>
#include <optional>

#include "game/peg_board_geometry.h"

namespace kestrel {

// The five elements on the board, as the window names them.
enum class PegElement { Red0, Red1, Green0, Green1, Target };

class PegBoard : public QWidget {
  Q_OBJECT

 public:
  explicit PegBoard(QWidget* parent = nullptr);

  // DrawBoard: repaints the board for a table colour.
  void SetTableColour(QColor table);

  // Moves a peg (or the target) to the hole of a score on its side's track;
  // Green0, Green1 and Target run on the player's track.
  void PlacePeg(PegElement element, int score);
  // Shows all four pegs: the computer's back peg and score, then the
  // player's back peg and score.
  void PlaceAllPegs(int computerBackPeg, int computerScore, int playerBackPeg, int playerScore);
  // The score of the hole nearest to the element's present place.
  int PegScoreAt(PegElement element) const;

  // Top-left pixel of an element, and moving it there directly (a drop).
  QPoint PegPosition(PegElement element) const;
  void SetPegPosition(PegElement element, QPoint topLeft);

  // Pegs can be hidden (before a match) and shown.
  void SetPegVisible(PegElement element, bool visible);
  bool PegVisible(PegElement element) const;

  // Stacking order for hit testing: the target in front of the pegs or
  // behind them, the back peg to the very front.
  void BringToFront(PegElement element);
  void SendToBack(PegElement element);

  // The front-most visible element whose 7 x 7 square holds the point
  // (board pixels); the target counts though it is not drawn. Empty when
  // the point is on the bare board.
  std::optional<PegElement> ElementAt(QPoint point) const;

  // The picture of an element's peg (the target has none: a null image).
  static QImage PegImage(PegElement element);
  static PegSide SideOf(PegElement element);

  // The board as drawn (without the pegs), for the window and for tests.
  const QImage& BoardImage() const { return board_; }
  // Board and pegs together at 1x.
  QImage Snapshot() const;

  QSize sizeHint() const override { return {kBoardWidth, kBoardHeight}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  struct Peg {
    QPoint place;
    bool visible = true;
  };
  void PaintOn(QPainter& painter) const;

  QImage board_;
  QColor table_;
  std::array<Peg, 5> pegs_;
  std::array<PegElement, 5> order_;  // back to front
};

}  // namespace kestrel

// The peg board widget: pegs by score, reading them back, hit testing,
// and the board, peg and start arrow pictures.
#include <gtest/gtest.h>

#include <QApplication>

#include "ui/palette.h"
#include "ui/peg_board.h"
#include "ui/peg_board_art.h"

using namespace kestrel;

namespace {

void EnsureApp() {
  static int argc = 1;
  static char name[] = "ui_tests";
  static char* argv[] = {name, nullptr};
  if (!QApplication::instance()) new QApplication(argc, argv);
}

QRgb At(const QImage& image, int x, int y) { return image.pixel(x, y) | 0xFF000000u; }

const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kBoard = qRgb(128, 128, 0);
const QRgb kHole = qRgb(192, 192, 192);

class PegBoardTest : public ::testing::Test {
 protected:
  void SetUp() override { EnsureApp(); }
};

TEST_F(PegBoardTest, EveryPegReadsBackItsScore) {
  PegBoard board;
  EXPECT_EQ(board.size(), QSize(522, 50));
  for (PegElement element : {PegElement::Red0, PegElement::Red1, PegElement::Green0, PegElement::Green1,
                             PegElement::Target}) {
    for (int score = -1; score <= 121; ++score) {
      board.PlacePeg(element, score);
      EXPECT_EQ(board.PegScoreAt(element), score < 0 ? 121 : score) << score;
    }
  }
  board.PlaceAllPegs(-1, 0, 118, 121);
  EXPECT_EQ(board.PegScoreAt(PegElement::Red0), 121);
  EXPECT_EQ(board.PegScoreAt(PegElement::Red1), 0);
  EXPECT_EQ(board.PegScoreAt(PegElement::Green0), 118);
  EXPECT_EQ(board.PegScoreAt(PegElement::Green1), 121);
  // Red pegs run on the top half, green pegs and the target on the bottom.
  board.PlacePeg(PegElement::Red1, 10);
  board.PlacePeg(PegElement::Green1, 10);
  board.PlacePeg(PegElement::Target, 70);
  EXPECT_EQ(board.PegPosition(PegElement::Red1).y(), 4);
  EXPECT_EQ(board.PegPosition(PegElement::Green1).y(), 36);
  EXPECT_EQ(board.PegPosition(PegElement::Target).y(), 27);
}

TEST_F(PegBoardTest, ADroppedPegReadsTheNearestHole) {
  PegBoard board;
  board.SetPegPosition(PegElement::Green0, QPoint(265, 36));
  EXPECT_EQ(board.PegScoreAt(PegElement::Green0), 30);
  board.SetPegPosition(PegElement::Green0, QPoint(7 * 2 + 6, 30));
  EXPECT_EQ(board.PegScoreAt(PegElement::Green0), 120);
}

TEST_F(PegBoardTest, HitTestingFollowsTheStackingOrder) {
  PegBoard board;
  board.PlacePeg(PegElement::Green0, 5);
  board.PlacePeg(PegElement::Green1, 5);
  board.PlacePeg(PegElement::Target, 5);
  board.PlacePeg(PegElement::Red0, 0);
  board.PlacePeg(PegElement::Red1, 1);
  const QPoint hole = board.PegPosition(PegElement::Green0) + QPoint(3, 3);
  EXPECT_EQ(board.ElementAt(hole), PegElement::Green0);  // the back peg starts in front
  board.BringToFront(PegElement::Target);
  EXPECT_EQ(board.ElementAt(hole), PegElement::Target);
  board.SendToBack(PegElement::Target);
  board.BringToFront(PegElement::Green1);
  EXPECT_EQ(board.ElementAt(hole), PegElement::Green1);
  board.SetPegVisible(PegElement::Green1, false);
  EXPECT_EQ(board.ElementAt(hole), PegElement::Green0);
  EXPECT_EQ(board.ElementAt(QPoint(200, 20)), std::nullopt);
  EXPECT_EQ(board.ElementAt(board.PegPosition(PegElement::Red1)), PegElement::Red1);
}

TEST_F(PegBoardTest, BoardPictureOnEachTable) {
  for (int16_t index = 0; index < 3; ++index) {
    const QRgb table = TableColour(index).rgb();
    const QImage board = DrawBoard(TableColour(index));
    ASSERT_EQ(board.size(), QSize(522, 50));
    // Cut corners and the shadowed bottom and right edges.
    for (QPoint p : {QPoint(0, 0), QPoint(13, 0), QPoint(265, 0), QPoint(517, 0), QPoint(0, 46), QPoint(4, 49),
                     QPoint(521, 49), QPoint(521, 3), QPoint(2, 48), QPoint(520, 1)})
      EXPECT_EQ(At(board, p.x(), p.y()), table) << p.x() << "," << p.y();
    for (QPoint p : {QPoint(1, 1), QPoint(12, 45), QPoint(100, 0), QPoint(100, 23), QPoint(100, 47), QPoint(0, 20),
                     QPoint(13, 20), QPoint(265, 20), QPoint(519, 20), QPoint(5, 49)})
      EXPECT_EQ(At(board, p.x(), p.y()), kBlack) << p.x() << "," << p.y();
    // Holes: grey inside a black ring; none in the gap columns.
    for (int row : {7, 16, 30, 39}) {
      EXPECT_EQ(At(board, 6, row), kHole);
      EXPECT_EQ(At(board, 4, row), kBlack);
      EXPECT_EQ(At(board, 7 * 72 + 6, row), kHole);
      EXPECT_EQ(At(board, 7 * 7 + 6, row), kBoard);
      EXPECT_EQ(At(board, 7 * 13 + 6, row), kBoard);
    }
    EXPECT_EQ(At(board, 30, 11), kBoard);
  }
}

TEST_F(PegBoardTest, PegsAndStartArrow) {
  const QImage red = PegPicture(PegColour::Red);
  const QImage green = PegPicture(PegColour::Green);
  ASSERT_EQ(red.size(), QSize(7, 7));
  EXPECT_EQ(At(red, 0, 0), qRgb(255, 0, 0));
  EXPECT_EQ(At(red, 3, 2), qRgb(128, 0, 0));
  EXPECT_EQ(At(green, 0, 0), qRgb(0, 255, 0));
  EXPECT_EQ(At(green, 2, 4), qRgb(0, 128, 0));
  EXPECT_EQ(At(green, 6, 6), kBlack);
  EXPECT_EQ(At(green, 6, 0), kBoard);
  EXPECT_TRUE(PegBoard::PegImage(PegElement::Target).isNull());

  const QImage arrow = DrawStartArrow(TableColour(1));
  ASSERT_EQ(arrow.size(), QSize(16, 10));
  for (QPoint p : {QPoint(0, 0), QPoint(3, 0), QPoint(0, 5), QPoint(13, 6), QPoint(11, 4), QPoint(11, 8),
                   QPoint(12, 5), QPoint(12, 7)})
    EXPECT_EQ(At(arrow, p.x(), p.y()), kBlack) << p.x() << "," << p.y();
  for (QPoint p : {QPoint(4, 0), QPoint(14, 6), QPoint(15, 9), QPoint(5, 3)})
    EXPECT_EQ(At(arrow, p.x(), p.y()), TableColour(1).rgb()) << p.x() << "," << p.y();
}

TEST_F(PegBoardTest, SnapshotShowsThePegsButNotTheTarget) {
  PegBoard board;
  board.SetTableColour(TableColour(2));
  board.PlacePeg(PegElement::Red0, 3);
  board.PlacePeg(PegElement::Red1, 8);
  board.PlacePeg(PegElement::Green0, 2);
  board.PlacePeg(PegElement::Green1, 6);
  board.PlacePeg(PegElement::Target, 40);
  const QImage snap = board.Snapshot();
  const QPoint red = board.PegPosition(PegElement::Red1);
  EXPECT_EQ(At(snap, red.x(), red.y()), qRgb(255, 0, 0));
  const QPoint green = board.PegPosition(PegElement::Green0);
  EXPECT_EQ(At(snap, green.x(), green.y()), qRgb(0, 255, 0));
  const QPoint target = board.PegPosition(PegElement::Target);
  EXPECT_EQ(At(snap, target.x() + 3, target.y() + 3), kHole);
  EXPECT_EQ(At(snap, 521, 49), TableColour(2).rgb());
}

}  // namespace

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

}  // namespace

// The peg board widget: pegs placed by score read back their score, and hit
// testing follows the stacking order.
#include <gtest/gtest.h>

#include "tests/ui/window_rig.h"
#include "ui/peg_board.h"

namespace kestrel::testing {
namespace {

TEST(PegBoard, EveryPegReadsBackItsScore) {
  EnsureApplication();
  PegBoard board;
  const PegElement pegs[] = {PegElement::Red0, PegElement::Red1, PegElement::Green0, PegElement::Green1};
  for (PegElement element : {pegs[0], pegs[1], pegs[2], pegs[3], PegElement::Target}) {
    for (int score = -1; score <= 121; ++score) {
      board.PlacePeg(element, score);
      EXPECT_EQ(board.PegScoreAt(element), score < 0 ? 121 : score) << score;
    }
  }
  board.PlaceAllPegs(-1, 0, 118, 120);
  const int expected[] = {121, 0, 118, 120};
  for (int k = 0; k < 4; ++k) EXPECT_EQ(board.PegScoreAt(pegs[k]), expected[k]) << "peg " << k;
}

TEST(PegBoard, HitTestingFollowsTheStackingOrder) {
  EnsureApplication();
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
}  // namespace kestrel::testing

// The peg board widget: each peg placed by score reads it back from its own
// half of the board (the geometry itself is the board geometry's test), and
// hit testing follows the stacking order.
#include <gtest/gtest.h>

#include "tests/ui/window_rig.h"
#include "ui/peg_board.h"

namespace kestrel::testing {
namespace {

TEST(PegBoard, PegsReadBackTheirScoresAndHitTestingFollowsTheStackingOrder) {
  EnsureApplication();
  PegBoard board;
  board.PlaceAllPegs(-1, 7, 5, 120);
  board.PlacePeg(PegElement::Target, 5);
  const std::pair<PegElement, int> pegs[] = {
      {PegElement::Red0, 121}, {PegElement::Red1, 7}, {PegElement::Green0, 5}, {PegElement::Green1, 120},
      {PegElement::Target, 5}};
  for (const auto& [peg, score] : pegs) EXPECT_EQ(board.PegScoreAt(peg), score) << static_cast<int>(peg);
  EXPECT_LT(board.PegPosition(PegElement::Red1).y(), board.PegPosition(PegElement::Green0).y());

  board.PlacePeg(PegElement::Green1, 5);
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

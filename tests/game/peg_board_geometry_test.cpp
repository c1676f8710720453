// Score to board place and back.
#include <gtest/gtest.h>

#include "game/peg_board_geometry.h"

using namespace kestrel;

TEST(PegBoardGeometry, EveryScoreRoundTripsOnBothSides) {
  for (PegSide side : {PegSide::Computer, PegSide::Player}) {
    for (int score = -1; score <= 121; ++score) {
      const PegPlace p = PegPlaceForScore(side, score);
      const int expected = score < 0 ? 121 : score;
      EXPECT_EQ(PegScoreAtPlace(p.left, p.top), expected) << "score " << score;
      EXPECT_FALSE(IsGapColumn((p.left - 3) / 7)) << "score " << score;
      EXPECT_GE(p.left, 0);
      EXPECT_LE(p.left + kPegSize, kBoardWidth);
    }
  }
}

TEST(PegBoardGeometry, DropsReadTheNearestHole) {
  // (A peg on a hole reads that hole: the round trip above.)
  // On the divider (a gap column) the tie goes to the lower column.
  EXPECT_EQ(PegScoreAtPlace(265, 36), 30);
  EXPECT_EQ(PegScoreAtPlace(266, 36), 31);
  // Far off either end clamps to the end columns.
  EXPECT_EQ(PegScoreAtPlace(-40, 36), 0);
  EXPECT_EQ(PegScoreAtPlace(900, 36), 60);
  EXPECT_EQ(PegScoreAtPlace(900, 27), 61);
  // The row band: y = top - 3 in [8, 32) is a back row.
  EXPECT_EQ(PegScoreAtPlace(3, 10), 0);
  EXPECT_EQ(PegScoreAtPlace(3, 11), 121);
  EXPECT_EQ(PegScoreAtPlace(3, 34), 121);
  EXPECT_EQ(PegScoreAtPlace(3, 35), 0);
}

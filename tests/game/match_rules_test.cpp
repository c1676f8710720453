// Pure rules of the match: match points by weighting, the caption, and the
// wording of a hand's score.
#include <gtest/gtest.h>

#include "game/match_controller.h"

namespace kestrel {
namespace {

TEST(MatchRules, MatchPointsForEveryWeighting) {
  // Loser above 90, skunked (61..90), double skunked (60 or less).
  const int expected[4][3] = {{2, 3, 4}, {2, 4, 6}, {2, 3, 3}, {2, 4, 4}};
  for (int w = 0; w < 4; ++w) {
    EXPECT_EQ(MatchPointsFor(91, w), expected[w][0]) << w;
    EXPECT_EQ(MatchPointsFor(120, w), expected[w][0]) << w;
    EXPECT_EQ(MatchPointsFor(90, w), expected[w][1]) << w;
    EXPECT_EQ(MatchPointsFor(61, w), expected[w][1]) << w;
    EXPECT_EQ(MatchPointsFor(60, w), expected[w][2]) << w;
    EXPECT_EQ(MatchPointsFor(0, w), expected[w][2]) << w;
  }
  // A stored weighting out of range is read as the nearest one.
  EXPECT_EQ(MatchPointsFor(50, 9), 4);
}

TEST(MatchRules, CaptionShowsTheMatchOnceAGameIsFinished) {
  GameState s;
  EXPECT_EQ(MatchCaption(s, false), "Kestrel");
  s.intGamesPlayed = 1;
  s.intPlayerMatchPoints = 2;
  s.intPointDifferential = 37;
  EXPECT_EQ(MatchCaption(s, false), "Kestrel  -  Games: 1   Match Score:  2/0   Point Differential:  +37");
  EXPECT_EQ(MatchCaption(s, true), "Kestrel");
  s.intPointDifferential = 0;
  EXPECT_NE(MatchCaption(s, false).find("Differential:  +0"), std::string::npos);
  s.intPointDifferential = -12;
  EXPECT_NE(MatchCaption(s, false).find("Differential:  -12"), std::string::npos);
  // A long unattended run: totals beyond 16 bits are shown as they are, and
  // clamped (not wrapped) only for a 16-bit stored field.
  s.intGamesPlayed = 40000;
  s.intPlayerMatchPoints = 32766 + 4;
  s.intComputerMatchPoints = 70000;
  EXPECT_NE(MatchCaption(s, false).find("Games: 40000   Match Score:  32770/70000"), std::string::npos);
  EXPECT_EQ(StoredInt16(s.intPlayerMatchPoints), 32767);
  EXPECT_EQ(StoredInt16(-40000), -32768);
  EXPECT_EQ(StoredInt16(1234), 1234);
}

// The wording of a hand's score from the engine's packed breakdown.
TEST(HandBreakdown, EveryKindOfCombinationAndTotals) {
  struct Case {
    int runs, pairs, fifteens;
    bool flush, five, nobs;
    int total;
    const char* text;
  } cases[] = {
      {0, 0, 0, false, false, false, 0, "no points."},
      {0, 0, 0, true, false, false, 4, "a flush for 4."},
      {0, 0, 3, false, false, false, 6, "three fifteens for 6."},
      {0, 2, 0, false, false, false, 4, "two pair for 4."},
      {4, 0, 0, false, false, false, 4, "a run of four for 4."},
      {5, 0, 0, false, false, false, 5, "a run of five for 5."},
      {6, 1, 0, false, false, false, 8, "a pair for 2 and two runs of three for 6 -- total 8 points."},
      {9, 3, 0, false, false, false, 15, "three of a kind for 6 and three runs of three for 9 -- total 15 points."},
      {12, 2, 0, false, false, false, 16, "two pair for 4 and four runs of three for 12 -- total 16 points."},
      {8, 1, 0, false, false, false, 10, "a pair for 2 and two runs of four for 8 -- total 10 points."},
      {0, 1, 2, false, false, false, 6, "two fifteens for 4 and a pair for 2 -- total 6 points."},
      // A full house counts as two combinations; the last comma becomes "and".
      {0, 4, 1, false, false, false, 10,
       "one fifteen for 2, a pair for 2 and three-of-a-kind for 6 -- total 10 points."},
      // 5-5-5-J with the fifth five as starter, the jack of its suit.
      {0, 6, 8, false, false, true, 29,
       "nobs for 1, eight fifteens for 16 and four of a kind for 12 -- total 29 points."},
      {3, 0, 1, true, true, true, 11,
       "nobs for 1, a flush for 5, one fifteen for 2 and a run of three for 3 -- total 11 points."},
  };
  for (const Case& c : cases) {
    const int word = c.runs | c.pairs << 4 | c.fifteens << 7 | (c.five ? 1 << 11 : 0) | (c.flush ? 1 << 12 : 0) |
                     (c.nobs ? 1 << 13 : 0);
    EXPECT_EQ(HandBreakdownText(word, c.total), c.text);
  }
}

}  // namespace
}  // namespace kestrel

// Pure rules of the match: match points by weighting, the caption, moving
// discards, and the wording of a hand's score.
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

TEST(MatchRules, DiscardsMoveToTheEndKeepingOrder) {
  std::string hand = "ABCDEF";
  MoveDiscardsToEnd(hand, 4, 1);
  EXPECT_EQ(hand, "ACDFBE");
  hand = "ABCDEF";
  MoveDiscardsToEnd(hand, 0, 5);
  EXPECT_EQ(hand, "BCDEAF");
  hand = "ABCDEF";
  MoveDiscardsToEnd(hand, 2, 2);  // not two cards: unchanged
  EXPECT_EQ(hand, "ABCDEF");
}

int Word(int runs, int pairs, int fifteens, bool flush, bool five, bool nobs) {
  return runs | pairs << 4 | fifteens << 7 | (five ? 1 << 11 : 0) | (flush ? 1 << 12 : 0) | (nobs ? 1 << 13 : 0);
}

TEST(HandBreakdown, SingleCombinations) {
  EXPECT_EQ(HandBreakdownText(0, 0), "no points.");
  EXPECT_EQ(HandBreakdownText(Word(0, 0, 0, false, false, true), 1), "nobs for 1.");
  EXPECT_EQ(HandBreakdownText(Word(0, 0, 0, true, false, false), 4), "a flush for 4.");
  EXPECT_EQ(HandBreakdownText(Word(0, 0, 0, true, true, false), 5), "a flush for 5.");
  EXPECT_EQ(HandBreakdownText(Word(0, 0, 1, false, false, false), 2), "one fifteen for 2.");
  EXPECT_EQ(HandBreakdownText(Word(0, 0, 3, false, false, false), 6), "three fifteens for 6.");
  EXPECT_EQ(HandBreakdownText(Word(0, 1, 0, false, false, false), 2), "a pair for 2.");
  EXPECT_EQ(HandBreakdownText(Word(0, 2, 0, false, false, false), 4), "two pair for 4.");
  EXPECT_EQ(HandBreakdownText(Word(0, 3, 0, false, false, false), 6), "three of a kind for 6.");
  EXPECT_EQ(HandBreakdownText(Word(0, 6, 0, false, false, false), 12), "four of a kind for 12.");
  EXPECT_EQ(HandBreakdownText(Word(3, 0, 0, false, false, false), 3), "a run of three for 3.");
  EXPECT_EQ(HandBreakdownText(Word(4, 0, 0, false, false, false), 4), "a run of four for 4.");
  EXPECT_EQ(HandBreakdownText(Word(5, 0, 0, false, false, false), 5), "a run of five for 5.");
}

TEST(HandBreakdown, MultipleRunsAndTotals) {
  EXPECT_EQ(HandBreakdownText(Word(6, 1, 0, false, false, false), 8),
            "a pair for 2 and two runs of three for 6 -- total 8 points.");
  EXPECT_EQ(HandBreakdownText(Word(9, 3, 0, false, false, false), 15),
            "three of a kind for 6 and three runs of three for 9 -- total 15 points.");
  EXPECT_EQ(HandBreakdownText(Word(12, 2, 0, false, false, false), 16),
            "two pair for 4 and four runs of three for 12 -- total 16 points.");
  EXPECT_EQ(HandBreakdownText(Word(8, 1, 0, false, false, false), 10),
            "a pair for 2 and two runs of four for 8 -- total 10 points.");
  EXPECT_EQ(HandBreakdownText(Word(0, 1, 2, false, false, false), 6),
            "two fifteens for 4 and a pair for 2 -- total 6 points.");
  // A full house counts as two combinations; the last comma becomes "and".
  EXPECT_EQ(HandBreakdownText(Word(0, 4, 1, false, false, false), 10),
            "one fifteen for 2, a pair for 2 and three-of-a-kind for 6 -- total 10 points.");
  // 5-5-5-J with the fifth five as starter, the jack of its suit.
  EXPECT_EQ(HandBreakdownText(Word(0, 6, 8, false, false, true), 29),
            "nobs for 1, eight fifteens for 16 and four of a kind for 12 -- total 29 points.");
  EXPECT_EQ(HandBreakdownText(Word(3, 0, 1, true, true, true), 11),
            "nobs for 1, a flush for 5, one fifteen for 2 and a run of three for 3 -- total 11 points.");
}

}  // namespace
}  // namespace kestrel

// Per-hand tallies and the game-end buckets.
#include <gtest/gtest.h>

#include "stats/statistics.h"

namespace kestrel {
namespace {

TEST(Statistics, GameEndBuckets) {
  EXPECT_EQ(WinMarginIndex(false, 90), 7);   // won by 31: the "-35" column
  EXPECT_EQ(WinMarginIndex(true, 120), 14);  // the computer by 1: its "1-5" column
  EXPECT_EQ(WinMarginIndex(false, 61), 12);  // 56-60
  EXPECT_EQ(WinMarginIndex(false, 60), 13);  // 61 or more
  EXPECT_EQ(WinMarginIndex(true, 0), 26);
  EXPECT_EQ(HandsPerGameIndex(false, 5), 1);
  EXPECT_EQ(HandsPerGameIndex(false, 6), 2);
  EXPECT_EQ(HandsPerGameIndex(false, 12), 8);
  EXPECT_EQ(HandsPerGameIndex(true, 13), 18);
  EXPECT_EQ(HandsPerGameIndex(true, 40), 18);
  Statistics stats;
  RecordGameEnd(stats, false, 90, 5);
  RecordGameEnd(stats, true, 120, 13);
  EXPECT_EQ(stats.winMargins[7], 1);
  EXPECT_EQ(stats.winMargins[14], 1);
  EXPECT_EQ(stats.handsPerGame[1], 1);
  EXPECT_EQ(stats.handsPerGame[18], 1);
  ResetStatistics(stats);
  EXPECT_EQ(stats.winMargins[7], 0);
}

TEST(Statistics, TalliesByCategoryAndRole) {
  Statistics s;
  StartHandTallies(s, true);
  EXPECT_EQ(s.playerTally[kTallyDealt], 1);
  EXPECT_EQ(s.computerTally[kTallyPone], 1);
  TallyPoints(s, true, true, 2, kScoreHeels, 0);
  TallyPoints(s, true, true, 3, kScorePlay, 0);
  TallyPoints(s, true, true, 1, kScoreGo, 0);
  TallyPoints(s, true, true, 8, kScoreHand, -4);
  TallyPoints(s, true, true, 5, kScoreCrib, 0);
  TallyPoints(s, true, false, 4, kScorePenalty, 0);
  TallyPoints(s, true, false, 2, kScorePlay, 0);
  TallyPoints(s, true, false, 12, kScoreHand, 0);
  EXPECT_EQ(s.playerTally[kTallyPegAsDealer], 6);
  EXPECT_EQ(s.playerTally[kTallyHandAsDealer], 8);
  EXPECT_EQ(s.playerTally[kTallyCrib], 5);
  EXPECT_EQ(s.playerTally[kTallyMissedOrReceived], -4);
  EXPECT_EQ(s.computerTally[kTallyPegAsPone], 2);
  EXPECT_EQ(s.computerTally[kTallyHandAsPone], 12);
  EXPECT_EQ(s.computerTally[kTallyMissedOrReceived], 4);
  CommitHandTallies(s);
  CommitHandTallies(s);
  EXPECT_EQ(s.playerTotals[kTallyDealt], 2);
  EXPECT_EQ(s.computerTotals[kTallyHandAsPone], 24);
}

}  // namespace
}  // namespace kestrel

// Pegging scoring through ScorePegPlay: the points the last card of the
// current count earns.
#include <gtest/gtest.h>

#include <string>

#include "engine/osprey32.h"
#include "tests/support/card_string.h"

using kestrel::test::CardString;

namespace {

int Peg(const char* cards) {
  const std::string s = CardString(cards);
  return ScorePegPlay(reinterpret_cast<const unsigned char*>(s.data()), static_cast<int16_t>(s.size()));
}

TEST(PegScore, FifteenAndThirtyOne) {
  EXPECT_EQ(Peg("7s 8c"), 2);
  EXPECT_EQ(Peg("Ks Qc Th As"), 2);
  EXPECT_EQ(Peg("7s 7c"), 2);      // a pair only, count 14
  EXPECT_EQ(Peg("7s 6c 2h"), 2);   // fifteen, no run
  EXPECT_EQ(Peg("Ks Qc 9h"), 0);
}

TEST(PegScore, PairsTakePrecedenceOverRuns) {
  EXPECT_EQ(Peg("9s Ks 6c 6h"), 4);       // 31 and a pair
  EXPECT_EQ(Peg("5s 5c 5h"), 8);          // pair royal on 15
  EXPECT_EQ(Peg("5s 5c 5h 5d"), 12);      // double pair royal on 20
  EXPECT_EQ(Peg("3s 4c 4h"), 2);          // the pair, not a run
  EXPECT_EQ(Peg("3s 4c 5h 4d"), 0);       // no pair (a 5 between), no run (repeated rank)
  EXPECT_EQ(Peg("4s 4c 5h 6d"), 3);       // the run 4-5-6 behind a pair
}

TEST(PegScore, RunsInAnyOrder) {
  EXPECT_EQ(Peg("4s 2c 3h"), 3);
  EXPECT_EQ(Peg("4s 2c 3h 5d 6s"), 5);
  EXPECT_EQ(Peg("4s 5c 6h"), 5);          // run of three on 15
  EXPECT_EQ(Peg("9s 5c 4h 6d"), 3);       // the unrelated 9 is not part of it
  EXPECT_EQ(Peg("7h As 3c 2h 5d 4s 6c"), 7);
  EXPECT_EQ(Peg("Qs Kc Ah"), 0);          // Ace low only
  EXPECT_EQ(Peg("Ah Qs Kc Jd"), 5);       // 31 and the run J-Q-K, not the Ace
}

TEST(PegScore, FewerThanTwoCardsScoreNothing) {
  EXPECT_EQ(Peg(""), 0);
  EXPECT_EQ(Peg("5s"), 0);
  EXPECT_EQ(ScorePegPlay(nullptr, 0), 0);
}

}  // namespace

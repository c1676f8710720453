// Scoring through the exports, each case worked out by hand: hands at the
// show through ScoreHand and ParseHand (the breakdown word must agree with
// the total), and the points the last card of a count earns through
// ScorePegPlay.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "engine/osprey32.h"
#include "engine/scoring.h"
#include "tests/support/card_string.h"

using kestrel::test::CardString;

namespace {

struct Expected {
  const char* cards;  // four hand cards, then the starter
  int hand;           // ScoreHand as a hand
  int crib;           // ScoreHand as the crib
  int runPoints, pairs, fifteens;
  bool fiveFlush, flush, nobs;  // as a hand
};

void PrintTo(const Expected& e, std::ostream* os) { *os << e.cards; }

int Score(const std::string& s, bool crib) {
  return ScoreHand(reinterpret_cast<const unsigned char*>(s.data()), crib ? 1 : 0);
}
int Parse(const std::string& s, bool crib) {
  return ParseHand(reinterpret_cast<const unsigned char*>(s.data()), crib ? 1 : 0);
}

class HandScore : public ::testing::TestWithParam<Expected> {};

TEST_P(HandScore, TotalAndBreakdown) {
  const Expected& e = GetParam();
  const std::string s = CardString(e.cards);
  EXPECT_EQ(Score(s, false), e.hand);
  EXPECT_EQ(Score(s, true), e.crib);
  const int word = Parse(s, false);
  EXPECT_EQ(osprey::BreakdownRunPoints(word), e.runPoints);
  EXPECT_EQ(osprey::BreakdownPairs(word), e.pairs);
  EXPECT_EQ(osprey::BreakdownFifteens(word), e.fifteens);
  EXPECT_EQ(osprey::BreakdownFiveFlush(word), e.fiveFlush);
  EXPECT_EQ(osprey::BreakdownFlush(word), e.flush);
  EXPECT_EQ(osprey::BreakdownNobs(word), e.nobs);
  EXPECT_EQ(word & 0xC000, 0);
  EXPECT_EQ(osprey::BreakdownTotal(word), e.hand);
  EXPECT_EQ(osprey::BreakdownTotal(Parse(s, true)), e.crib);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Hands, HandScore, ::testing::Values(
    // The best hand: eight fifteens, a double pair royal, his nobs.
    Expected{"5s 5c 5h Jd 5d", 29, 29, 0, 6, 8, false, false, true},
    // Nothing at all: all pips even, no pair, no run.
    Expected{"2s 4c 6h 8d Ts", 0, 0, 0, 0, 0, false, false, false},
    // Fifteens: the five with each of four ten-cards, and a run of four.
    Expected{"5s Tc Jh Qd Ks", 12, 12, 4, 0, 4, false, false, false},
    // Four-card flush counts in the hand only; with the starter it is five in both.
    Expected{"2h 4h 6h 8h Ks", 4, 0, 0, 0, 0, false, true, false},
    Expected{"2h 4h 6h 8h Kh", 5, 5, 0, 0, 0, true, true, false},
    // Runs: double run of three, double run of four, triple run, quadruple runs.
    Expected{"9s 9c Th Jd 2s", 8, 8, 6, 1, 0, false, false, false},
    Expected{"9s 9c Th Jd Qs", 10, 10, 8, 1, 0, false, false, false},
    Expected{"9s 9c 9h Td Js", 15, 15, 9, 3, 0, false, false, false},
    Expected{"9s 9c Th Td Js", 16, 16, 12, 2, 0, false, false, false},
    Expected{"3s 3c 4h 4d 5s", 20, 20, 12, 2, 2, false, false, false},
    // Ace is low only: Q-K-A-2-3 holds just the run A-2-3; A-2-3 with two Kings.
    Expected{"Qs Kc Ah 2d 3s", 7, 7, 3, 0, 2, false, false, false},
    Expected{"As 2c 3h Ks Kd", 9, 9, 3, 1, 2, false, false, false},
    // His nobs: the Jack of the starter's suit in the hand, not another suit's.
    Expected{"Jh 3s 6c Qd 2h", 5, 5, 0, 0, 2, false, false, true},
    Expected{"Jh 3s 6c Qd 2s", 4, 4, 0, 0, 2, false, false, false},
    // The starter Jack never gives nobs, even with a five-card flush.
    Expected{"2h 3h 6h Qh Jh", 9, 9, 0, 0, 2, true, true, false},
    // Byte 0 (the Ace of spades) is an ordinary card.
    Expected{"As 4c Th 5d 5s", 10, 10, 0, 1, 4, false, false, false}));
// clang-format on

TEST(HandScoreInternal, EmptySlotNeverScores) {
  // An empty slot in place of a card adds no fifteen, pair, run or flush.
  const osprey::CardByte hand[5] = {osprey::CardByteOf(4), osprey::CardByteOf(17),
                                    osprey::CardByteOf(30), osprey::kEmptySlot,
                                    osprey::CardByteOf(43)};  // 5s 5c 5h -- 5d
  EXPECT_EQ(osprey::ScoreShowTotal(hand, false), 20);  // four fifteens of three fives, six pairs
  const osprey::CardByte flush[5] = {osprey::CardByteOf(27), osprey::CardByteOf(29),
                                     osprey::CardByteOf(31), osprey::kEmptySlot,
                                     osprey::CardByteOf(33)};  // 2h 4h 6h -- 8h
  EXPECT_EQ(osprey::ScoreShowTotal(flush, false), 0);
}

struct PegCase {
  const char* cards;  // the current count, oldest first
  int points;
  const char* why;
};

TEST(PegScore, LastCardOfTheCount) {
  const PegCase cases[] = {
      {"7s 8c", 2, "fifteen"},
      {"Ks Qc Th As", 2, "thirty-one"},
      {"7s 7c", 2, "a pair only, count 14"},
      {"7s 6c 2h", 2, "fifteen, no run"},
      {"Ks Qc 9h", 0, "nothing"},
      {"9s Ks 6c 6h", 4, "31 and a pair"},
      {"5s 5c 5h", 8, "pair royal on 15"},
      {"5s 5c 5h 5d", 12, "double pair royal on 20"},
      {"3s 4c 4h", 2, "the pair, not a run"},
      {"3s 4c 5h 4d", 0, "no pair (a 5 between), no run (repeated rank)"},
      {"4s 4c 5h 6d", 3, "the run 4-5-6 behind a pair"},
      {"4s 2c 3h", 3, "a run in any order"},
      {"4s 2c 3h 5d 6s", 5, "a run of five"},
      {"4s 5c 6h", 5, "run of three on 15"},
      {"9s 5c 4h 6d", 3, "the unrelated 9 is not part of it"},
      {"7h As 3c 2h 5d 4s 6c", 7, "a run of seven"},
      {"Qs Kc Ah", 0, "Ace low only"},
      {"Ah Qs Kc Jd", 5, "31 and the run J-Q-K, not the Ace"},
      {"", 0, "no card"},
      {"5s", 0, "one card"},
  };
  for (const PegCase& c : cases) {
    const std::string s = CardString(c.cards);
    EXPECT_EQ(ScorePegPlay(reinterpret_cast<const unsigned char*>(s.data()), static_cast<int16_t>(s.size())),
              c.points)
        << c.cards << ": " << c.why;
  }
  EXPECT_EQ(ScorePegPlay(nullptr, 0), 0);
}

}  // namespace

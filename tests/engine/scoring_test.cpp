// Scoring through the exports, each case worked out by hand: the fields of
// ParseHand's breakdown word (the totals of every deal are checked by the
// hand distribution long test, which sees only the sum of the fields), and
// the points the last card of a count earns through ScorePegPlay.
#include <gtest/gtest.h>

#include <string>

#include "engine/osprey32.h"
#include "engine/scoring.h"
#include "tests/support/card_string.h"

using kestrel::test::CardString;

namespace {

TEST(HandScore, BreakdownFields) {
  const struct {
    const char* cards;  // four hand cards, then the starter
    int runPoints, pairs, fifteens;
    bool fiveFlush, flush, nobs;
  } cases[] = {
      // The best hand: eight fifteens, a double pair royal, his nobs.
      {"5s 5c 5h Jd 5d", 0, 6, 8, false, false, true},
      // A four-card flush, and with the starter of its suit a five-card one.
      {"2h 4h 6h 8h Ks", 0, 0, 0, false, true, false},
      {"2h 4h 6h 8h Kh", 0, 0, 0, true, true, false},
      // A triple run and a double double run.
      {"9s 9c 9h Td Js", 9, 3, 0, false, false, false},
      {"3s 3c 4h 4d 5s", 12, 2, 2, false, false, false},
      // His nobs: the Jack of the starter's suit in the hand; the starter Jack never.
      {"Jh 3s 6c Qd 2h", 0, 0, 2, false, false, true},
      {"2h 3h 6h Qh Jh", 0, 0, 2, true, true, false},
  };
  for (const auto& c : cases) {
    const std::string s = CardString(c.cards);
    const int word = ParseHand(reinterpret_cast<const unsigned char*>(s.data()), 0);
    EXPECT_EQ(osprey::BreakdownRunPoints(word), c.runPoints) << c.cards;
    EXPECT_EQ(osprey::BreakdownPairs(word), c.pairs) << c.cards;
    EXPECT_EQ(osprey::BreakdownFifteens(word), c.fifteens) << c.cards;
    EXPECT_EQ(osprey::BreakdownFiveFlush(word), c.fiveFlush) << c.cards;
    EXPECT_EQ(osprey::BreakdownFlush(word), c.flush) << c.cards;
    EXPECT_EQ(osprey::BreakdownNobs(word), c.nobs) << c.cards;
  }
}

TEST(PegScore, LastCardOfTheCount) {
  const struct {
    const char* cards;  // the current count, oldest first
    int points;
    const char* why;
  } cases[] = {
      {"9s Ks 6c 6h", 4, "31 and a pair"},
      {"5s 5c 5h", 8, "pair royal on 15"},
      {"5s 5c 5h 5d", 12, "double pair royal on 20"},
      {"3s 4c 4h", 2, "the pair, not a run"},
      {"3s 4c 5h 4d", 0, "no pair (a 5 between), no run (repeated rank)"},
      {"4s 4c 5h 6d", 3, "the run 4-5-6 behind a pair"},
      {"4s 2c 3h 5d 6s", 5, "a run of five"},
      {"9s 5c 4h 6d", 3, "the unrelated 9 is not part of it"},
      {"7h As 3c 2h 5d 4s 6c", 7, "a run of seven"},
      {"Qs Kc Ah", 0, "Ace low only"},
      {"Ah Qs Kc Jd", 5, "31 and the run J-Q-K, not the Ace"},
  };
  for (const auto& c : cases) {
    const std::string s = CardString(c.cards);
    EXPECT_EQ(ScorePegPlay(reinterpret_cast<const unsigned char*>(s.data()), static_cast<int16_t>(s.size())),
              c.points)
        << c.cards << ": " << c.why;
  }
  EXPECT_EQ(ScorePegPlay(nullptr, 0), 0);
}

}  // namespace

// The engine's choice rules below its exports. The discard: the position
// weight and its fixed-point power, the sure-count, widest-spread and tie
// rules. The pegging card: the opponent model and the aggression. (Known
// decisions and the invariants over random hands and positions are in
// decision_library_test.)
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "engine/crib_tables.h"
#include "engine/fixed_point.h"
#include "engine/opponent_hands.h"
#include "engine/osprey32.h"
#include "engine/peg_choice.h"
#include "engine/peg_history.h"
#include "engine/peg_rank_weights.h"
#include "engine/peg_search.h"
#include "engine/position_weight.h"
#include "engine/scoring.h"
#include "tests/support/card_string.h"
#include "tests/support/guarded_bytes.h"
#include "tests/support/random_pegging.h"

using kestrel::test::CardString;

namespace {

// The engine's discard word for six card numbers placed at a page edge.
int CallDiscard(const std::string& hand, int dealerScore, int poneScore) {
  static kestrel::test::GuardedBytes guard;
  return static_cast<uint16_t>(
      Discard(guard.Place(hand), static_cast<int16_t>(dealerScore), static_cast<int16_t>(poneScore)));
}

// Engine card bytes of written cards.
std::basic_string<uint8_t> Bytes(const std::string& written) {
  std::basic_string<uint8_t> out;
  for (char c : CardString(written)) out.push_back(osprey::CardByteOf(static_cast<unsigned char>(c)));
  return out;
}

int Spread(const std::string& hand, int choice) {
  int ranks[4], n = 0;
  for (int k = 0; k < 6; ++k)
    if (k != (choice & 15) && k != (choice >> 4)) ranks[n++] = hand[k] % 13;
  int spread = 0;
  for (int a = 0; a < 4; ++a)
    for (int b = a + 1; b < 4; ++b) spread += std::min(std::abs(ranks[a] - ranks[b]), 4);
  return spread;
}

}  // namespace

TEST(PositionWeight, MeetsTheReferenceValues) {
  struct {
    int dealer, pone;
    int w;
  } const refs[] = {{0, 0, 0x968D},     {60, 60, 0xAC04},   {0, 60, 0xAC04},  {100, 100, 0x84B9},
                    {110, 100, 0xD9C2}, {100, 110, 0xD262}, {90, 60, 0x190E}, {115, 115, 0x1523},
                    {119, 119, 0x02E7}, {120, 100, 0x1C37}};
  for (const auto& r : refs) {
    const int w = static_cast<int>(osprey::PositionWeight(r.dealer, r.pone));
    EXPECT_NEAR(w, r.w, 2) << r.dealer << "-" << r.pone;
  }
}

TEST(PositionWeight, SharpeningExponentFallsWithTheNeed) {
  // 5.953 at 0, 5.391 at 10, 4.613 at 30, 3.832 at 61, 2.941 at 121 (Fix8.8).
  EXPECT_EQ(osprey::SharpenExponent(0), 1524u);
  EXPECT_EQ(osprey::SharpenExponent(10), 1380u);
  EXPECT_EQ(osprey::SharpenExponent(30), 1181u);
  EXPECT_EQ(osprey::SharpenExponent(61), 981u);
  EXPECT_EQ(osprey::SharpenExponent(121), 753u);
}

TEST(PositionWeight, StaysInRangeForEveryPairOfScores) {
  for (int d = 0; d <= 120; ++d)
    for (int p = 0; p <= 120; ++p) {
      const uint32_t w = osprey::PositionWeight(d, p);
      ASSERT_LE(w, 0xFFFFu) << d << "-" << p;
      ASSERT_GE(osprey::OtherSideWeight(w), 1u);
      ASSERT_LE(osprey::OtherSideWeight(w), 0xFFFFu);
    }
  // The other side of a certain loss is a near certain win, not a wrap to 0.
  EXPECT_EQ(osprey::OtherSideWeight(0), 0xFFFFu);
  EXPECT_EQ(osprey::OtherSideWeight(0x8000), 0x8000u);
}

TEST(FixedPoint, PowerFollowsTheRealPower) {
  EXPECT_EQ(osprey::FixPow(0x1234, 0), 0xFFFFu);
  EXPECT_EQ(osprey::FixPow(0, 0x300), 0u);
  for (uint32_t x = 0x0800; x <= 0xFFFF; x += 0x0777) {
    for (uint32_t e = 0x40; e <= 0x700; e += 0x3B) {
      const double want = 65536.0 * std::pow(x / 65536.0, e / 256.0);
      // Small fractions of the exponent use a linear approximation, good to 0.1%.
      EXPECT_NEAR(static_cast<double>(osprey::FixPow(x, e)), want, 4.0 + want * 1e-3)
          << std::hex << x << " ^ " << e;
    }
  }
}

TEST(FixedPoint, LogarithmAndExponentialInverseEachOther) {
  for (uint32_t m = 0x8000; m <= 0xFFFF; m += 0x123) {
    const double want = -std::log2(m / 65536.0) * 65536.0;
    // The 16-bit step tables carry rounding of up to half a unit per step.
    EXPECT_NEAR(static_cast<double>(osprey::NegLog2Mantissa(m)), want, 8.0) << m;
    EXPECT_NEAR(static_cast<double>(osprey::Exp2Neg(osprey::NegLog2Mantissa(m))), m, 8.0) << m;
  }
}

TEST(Discard, DealerAt120KeepsTheWidestSpread) {
  // Threshold 0: every candidate qualifies, so the kept four with the widest
  // rank spread is chosen (the earliest of equals).
  kestrel::test::PegRandom random(17);
  for (int n = 0; n < 300; ++n) {
    const std::string hand = kestrel::test::RandomSixCards(random);
    const int dealerChoice = CallDiscard(hand, 120, random.Below(121)) >> 8;
    int best = -1, bestChoice = 0;
    for (int i = 0; i < 5; ++i)
      for (int j = i + 1; j < 6; ++j)
        if (Spread(hand, i + 16 * j) > best) {
          best = Spread(hand, i + 16 * j);
          bestChoice = i + 16 * j;
        }
    ASSERT_EQ(dealerChoice, bestChoice) << n;
  }
}

TEST(Discard, PoneNearTheEndPrefersASureCountToTheBestMean) {
  // Pone at 115 needs 6. Keeping 5-5-T-J (6 points with any starter) against
  // the better mean of 5-5-5-T: both sure, so the wider spread wins.
  const std::string hand = CardString("5s 5h 5d Tc Jc 2s");
  const int pone = CallDiscard(hand, 60, 115) & 0xFF;
  int best = -1, widest = 0;
  for (int i = 0; i < 5; ++i)
    for (int j = i + 1; j < 6; ++j) {
      // Sure six for these cards: keep at least two fives and a ten-card, or three fives.
      const int c = i + 16 * j;
      int fives = 0, tens = 0;
      for (int k = 0; k < 6; ++k)
        if (k != i && k != j) {
          fives += hand[k] % 13 == 4;
          tens += hand[k] % 13 >= 9;
        }
      const bool sure = (fives >= 2 && tens >= 1) || fives == 3;
      if (sure && Spread(hand, c) > best) {
        best = Spread(hand, c);
        widest = c;
      }
    }
  EXPECT_EQ(pone, widest);
}

TEST(Discard, EqualCandidatesGoToTheEarlierPositions) {
  // Hands made of three ranks in spades and clubs are their own mirror image
  // when spades and clubs swap places: a candidate and its mirror value the
  // same, and the earlier of the two must be chosen.
  kestrel::test::PegRandom random(5);
  const auto mirror = [](int choice) {
    const int i = (choice & 15) ^ 1, j = (choice >> 4) ^ 1;
    return i < j ? i + 16 * j : j + 16 * i;
  };
  for (int n = 0; n < 200; ++n) {
    int ranks[3];
    ranks[0] = random.Below(13);
    do ranks[1] = random.Below(13);
    while (ranks[1] == ranks[0]);
    do ranks[2] = random.Below(13);
    while (ranks[2] == ranks[0] || ranks[2] == ranks[1]);
    std::string hand;
    for (int r : ranks) {
      hand.push_back(static_cast<char>(r));       // spade
      hand.push_back(static_cast<char>(13 + r));  // club
    }
    const int word = CallDiscard(hand, random.Below(121), random.Below(121));
    for (int choice : {word >> 8, word & 0xFF}) {
      const auto order = [](int c) { return (c & 15) * 16 + (c >> 4); };
      ASSERT_LE(order(choice), order(mirror(choice))) << n;
    }
  }
}

TEST(OpponentModel, PlayedRanksSelectTheMultisetsThatContainThem) {
  // Only K-K-5-5 weighs: after a played 5 it adds twice to K and once to 5.
  static uint16_t table[osprey::kRankMultisets];
  table[osprey::RankMultisetIndex(13, 13, 5, 5)] = 7;
  table[osprey::RankMultisetIndex(13, 13, 13, 13)] = 1000;  // holds no 5
  uint32_t sums[16] = {};
  const int played[] = {5};
  osprey::AddKeptRankSums(table, played, 1, sums);
  EXPECT_EQ(sums[13], 14u);
  EXPECT_EQ(sums[5], 7u);
  for (int r = 1; r <= 12; ++r) {
    if (r != 5) {
      EXPECT_EQ(sums[r], 0u) << r;
    }
  }
}

TEST(OpponentModel, ThreeOfASuitHalvesTheRanksWhoseCardOfThatSuitIsKnown) {
  // The same ranks, once all hearts and once mixed; the mover dealt.
  const auto weights = [](const std::string& written) {
    const auto cards = Bytes(written);
    const auto h = osprey::ReplayPegging(cards.data(), static_cast<int>(cards.size()), 2, true, false);
    std::array<uint8_t, 16> w{};
    osprey::OpponentRankWeights(cards.data(), static_cast<int>(cards.size()), h, true, w.data());
    return w;
  };
  // Opponent (pone) plays 2, 9, 4; the mover played K, 3 in between (28).
  const auto flush = weights("Ks 3s Qd 6c Jc Ts 8h 2h 9h 4h");
  const auto mixed = weights("Ks 3s Qd 6c Jc Ts 8h 2c 9d 4h");
  // Known hearts: 8, and the played 2, 9, 4 (whose weights the plays
  // themselves change afterwards, so they are left out here).
  for (int r = 1; r <= 13; ++r) {
    if (r == 2 || r == 9 || r == 4) continue;
    if (r == 8) {
      EXPECT_EQ(flush[r], (mixed[r] + 1) / 2) << r;
    } else {
      EXPECT_EQ(flush[r], mixed[r]) << r;
    }
  }
}

TEST(OpponentModel, FirstPlayedRankWeighsMore) {
  // Against the same table without plays, the rank of the opponent's lead
  // gains (times 38/16, at most 255).
  const auto cards = Bytes("Ks 3d 6c Qd Jc Ts 8h 7h");
  const auto h = osprey::ReplayPegging(cards.data(), 8, 0, true, false);
  uint8_t w[16];
  osprey::OpponentRankWeights(cards.data(), 8, h, true, w);
  uint32_t sums[16] = {};
  const int played[] = {7};
  osprey::AddKeptRankSums(osprey::kPoneKeeps, played, 1, sums);
  uint32_t largest = 0;
  for (int r = 1; r <= 13; ++r) largest = std::max(largest, sums[r]);
  const uint32_t s7 = sums[7] << __builtin_clz(largest);
  const uint32_t base = (s7 >> 24) + ((s7 >> 23) & 1);
  EXPECT_EQ(w[7], std::min<uint32_t>(255, base * 38 / 16));
}

TEST(Aggression, EndGameRulesAndTheNeutralPosition) {
  const auto cards = Bytes("Ks 3d 6c Qd Jc Ts 8h 7h");
  // The dealer one card short of 121 with four to play: the opponent's points do not matter.
  EXPECT_EQ(osprey::PegAggression(cards.data(), 8, 0, true, 117, 50), 0);
  // The opponent close to home: every point of its counts.
  EXPECT_EQ(osprey::PegAggression(cards.data(), 8, 0, true, 50, 106), 255);
  // A weak dealer's estimate below 0 is taken as 0, not as a score past 121:
  // scores 0 and 8 give the same estimate (0) and the same aggression.
  const auto weak = Bytes("Ks 2d 7c 9d Jc Ts Ah 8h");  // no points with the starter
  ASSERT_EQ(osprey::ScoreShowTotal(std::array<uint8_t, 5>{weak[0], weak[1], weak[2], weak[3], weak[6]}.data(), false), 0);
  EXPECT_EQ(osprey::PegAggression(weak.data(), 8, 0, true, 0, 40),
            osprey::PegAggression(weak.data(), 8, 0, true, 8, 40));
  EXPECT_GT(osprey::PegAggression(weak.data(), 8, 0, true, 0, 40), 0);
  // Likewise the opponent's estimate (its score less its played cards).
  const auto two = Bytes("Ks 2d 7c 9d Jc Ts Ah 8h 6h");
  EXPECT_EQ(osprey::PegAggression(two.data(), 9, 0, true, 40, 0),
            osprey::PegAggression(two.data(), 9, 0, true, 40, 2));
}

TEST(PegSearch, AModelWithoutWeightStillGivesAValue) {
  // Every rank weight 0: the reply average has no weight at all.
  uint8_t unseen[16], weights[16] = {}, buffer[osprey::kPlayBufferSize] = {};
  for (auto& u : unseen) u = 3;
  const auto cards = Bytes("3s 4d 9c Qd");
  osprey::SearchContext context;
  context.unseen = unseen;
  context.weights = weights;
  context.buffer = buffer;
  context.cards = cards.data();
  context.aggression = 64;
  osprey::SearchRecord r;
  r.context = &context;
  r.held = 0xF;
  r.unknown = 4;
  r.count = 0;
  uint8_t best = 0;
  const int v = osprey::MoverTurn(r, &best);
  EXPECT_GE(v, 0);
  EXPECT_LE(v, 255);
  EXPECT_NE(best, 0);
}


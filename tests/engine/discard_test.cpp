// The discard choice: the position weight and its fixed-point power, the
// known decisions, the sure-count and tie rules, and invariants over many
// random hands read from buffers of exactly six bytes.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <memory>
#include <string>

#include "engine/crib_tables.h"
#include "engine/fixed_point.h"
#include "engine/osprey32.h"
#include "engine/position_weight.h"
#include "tests/support/card_string.h"
#include "tests/support/random_pegging.h"

using kestrel::test::CardString;

namespace {

// Calls the export with the hand in a heap buffer of exactly six bytes.
int CallDiscard(const std::string& hand, int dealerScore, int poneScore) {
  auto bytes = std::make_unique<unsigned char[]>(6);
  std::memcpy(bytes.get(), hand.data(), 6);
  return static_cast<uint16_t>(
      Discard(bytes.get(), static_cast<int16_t>(dealerScore), static_cast<int16_t>(poneScore)));
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

TEST(Discard, ReferenceDecisions) {
  EXPECT_EQ(CallDiscard(CardString("3h Th Jd 4h Kd 7h"), 120, 90), 0x3142);
  EXPECT_EQ(CallDiscard(CardString("Qs 7h 5h 2d Ad Kd"), 30, 118), 0x4330);
  EXPECT_EQ(CallDiscard(CardString("3d 5c Ah Th 6s 7d"), 100, 110), 0x3232);
  EXPECT_EQ(CallDiscard(CardString("Kc 7s 6c Qc 5s 2s"), 0, 90), 0x3030);
  EXPECT_EQ(CallDiscard(CardString("5d Qc 5h Kh 6s Ah"), 0, 30), 0x5454);
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

TEST(Discard, RandomHandsGiveValidRepeatableChoices) {
  kestrel::test::PegRandom random(2024);
  for (int n = 0; n < 3000; ++n) {
    const std::string hand = kestrel::test::RandomSixCards(random);
    const int dealer = random.Below(121), pone = random.Below(121);
    const int word = CallDiscard(hand, dealer, pone);
    for (int choice : {word >> 8, word & 0xFF}) {
      const int i = choice & 15, j = choice >> 4;
      ASSERT_LT(i, j) << n;
      ASSERT_LE(j, 5) << n;
    }
    ASSERT_EQ(CallDiscard(hand, dealer, pone), word) << n;
  }
}

// The engine's choice rules below its exports. The discard: the position
// weight and its fixed-point power, the sure-count, widest-spread and tie
// rules. The pegging card: the opponent model and the aggression. (Known
// decisions and the invariants over random hands and positions are in
// decision_library_test.)
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "engine/fixed_point.h"
#include "engine/opponent_hands.h"
#include "engine/osprey32.h"
#include "engine/peg_choice.h"
#include "engine/peg_history.h"
#include "engine/peg_rank_weights.h"
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

TEST(FixedPoint, PowerOfAWholeExponentAndOfZero) {
  // A whole exponent takes no fraction step; the table values are checked by
  // the position weight's reference values.
  EXPECT_EQ(osprey::FixPow(0x1234, 0), 0xFFFFu);
  EXPECT_EQ(osprey::FixPow(0, 0x300), 0u);
}

TEST(Discard, PoneNearTheEndPrefersASureCountToTheBestMean) {
  // Pone at 115 needs 6. Two fives and a ten-card are six with any starter,
  // and so are three fives (the better mean); of the sure keeps 5-5-J-2 and
  // 5-5-T-2 have the widest spread, and the earlier pair to lay away wins:
  // 5s and Tc (positions 0 and 3).
  EXPECT_EQ(CallDiscard(CardString("5s 5h 5d Tc Jc 2s"), 60, 115) & 0xFF, 0x30);
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

TEST(Aggression, EndGameRules) {
  const auto cards = Bytes("Ks 3d 6c Qd Jc Ts 8h 7h");
  // The dealer one card short of 121 with four to play: the opponent's points do not matter.
  EXPECT_EQ(osprey::PegAggression(cards.data(), 8, 0, true, 117, 50), 0);
  // The opponent close to home: every point of its counts.
  EXPECT_EQ(osprey::PegAggression(cards.data(), 8, 0, true, 50, 106), 255);
}

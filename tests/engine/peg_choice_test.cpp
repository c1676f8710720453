// The pegging choice: the known decisions, the immediate rules, the suit
// tie-break, the opponent model, the aggression and invariants over many
// random legal positions read from buffers of exactly the given length.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <string>

#include "engine/opponent_hands.h"
#include "engine/osprey32.h"
#include "engine/peg_choice.h"
#include "engine/peg_history.h"
#include "engine/peg_rank_weights.h"
#include "engine/peg_search.h"
#include "engine/scoring.h"
#include "tests/support/card_string.h"
#include "tests/support/random_pegging.h"

using kestrel::test::CardString;

namespace {

// Calls the export with the string in a heap buffer of exactly its length.
int CallPeg(const std::string& cards, int held, bool moverIsDealer, bool countIsEmpty,
            int moverScore, int opponentScore) {
  auto bytes = std::make_unique<unsigned char[]>(cards.size());
  std::memcpy(bytes.get(), cards.data(), cards.size());
  return MakePegPlay(bytes.get(), static_cast<int16_t>(cards.size()), static_cast<int16_t>(held),
                     moverIsDealer ? 1 : 0, countIsEmpty ? 1 : 0,
                     static_cast<int16_t>(moverScore), static_cast<int16_t>(opponentScore));
}

std::basic_string<uint8_t> Bytes(const std::string& written) {
  std::basic_string<uint8_t> out;
  for (char c : CardString(written)) out.push_back(osprey::CardByteOf(static_cast<unsigned char>(c)));
  return out;
}

}  // namespace

TEST(PegChoice, ReferenceDecisions) {
  EXPECT_EQ(CallPeg(CardString("Qs 5c Jd Qc Js 5s As 9s Ad 3h"), 2, true, true, 40, 110), 4);
  EXPECT_EQ(CallPeg(CardString("5d 2d Ac Qs 6d Ks Ts 2s 7c"), 3, true, false, 110, 110), 3);
  EXPECT_EQ(CallPeg(CardString("Kh As 5d 7d 9c 5s 4d 5h 7c"), 3, true, false, 0, 115), 4);
  EXPECT_EQ(CallPeg(CardString("As 8h 6d Ks Js 2s 9c 2c 5h"), 2, false, false, 100, 0), 4);
}

TEST(PegChoice, ImmediateRules) {
  // The pone led 7s, the dealer a 4 (11): the pone's 4h makes 15 and a pair
  // (4 points). At 118 it needs 3 and plays it at once; at 117 it needs 4,
  // which the 4h still gives.
  const std::string fifteenAndPair = CardString("7s Kd 4h 9c 2s 3s Qd 4c");
  EXPECT_EQ(CallPeg(fifteenAndPair, 3, false, false, 118, 50), 3);
  EXPECT_EQ(CallPeg(fifteenAndPair, 3, false, false, 117, 50), 3);
  // Pone Ts, dealer Qs (20), pone 5c (25), dealer Ac (26): of Kd and 4h only
  // the 4h fits, and it is played without a search.
  EXPECT_EQ(CallPeg(CardString("Ts 5c Kd 4h 2s 3s 6d Qs Ac"), 2, false, false, 0, 0), 4);
  // Nothing fits on 26 from Kd and 9c: 0.
  EXPECT_EQ(CallPeg(CardString("Ts 5c Kd 9c 2s 3s 6d Qs Ac"), 2, false, false, 0, 0), 0);
}

TEST(PegChoice, EqualCardsGoToTheMoversLongerSuit) {
  // Pone Kh, dealer Qd, pone 2c, dealer Ad (23): the pone holds two sevens,
  // worth the same, so the suit decides: the suit the mover holds more of,
  // then the suit of its first card, then the earlier card.
  EXPECT_EQ(CallPeg(CardString("Kh 2c 7s 7h 5c 3c 9d Qd Ad"), 2, false, false, 60, 60), 4);
  EXPECT_EQ(CallPeg(CardString("Ks 2c 7s 7h 5c 3c 9d Qd Ad"), 2, false, false, 60, 60), 3);
  EXPECT_EQ(CallPeg(CardString("Kc 2d 7s 7h 5c 3c 9d Qd Ad"), 2, false, false, 60, 60), 3);
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

TEST(PegChoice, RandomPositionsGiveAFittingHeldCardOrZero) {
  kestrel::test::PegRandom random(99);
  int searched = 0, zeros = 0;
  for (int n = 0; n < 6000; ++n) {
    const auto pos = n % 8 == 0 ? kestrel::test::RandomLeadPosition(random)
                                : kestrel::test::RandomPeggingPosition(random);
    const int played = 4 - pos.held;
    bool anyFits = false;
    for (int i = played; i < 4; ++i)
      anyFits |= pos.count + osprey::Pip(osprey::CardByteOf(static_cast<unsigned char>(pos.cards[i]))) <= 31;
    const int r = CallPeg(pos.cards, pos.held, pos.moverIsDealer, pos.countIsEmpty, pos.moverScore,
                          pos.opponentScore);
    ASSERT_NE(r, -1) << n;
    if (!anyFits) {
      ASSERT_EQ(r, 0) << n;
      ++zeros;
      continue;
    }
    ASSERT_GT(r, played) << n;
    ASSERT_LE(r, 4) << n;
    const int pip = osprey::Pip(osprey::CardByteOf(static_cast<unsigned char>(pos.cards[r - 1])));
    ASSERT_LE(pos.count + pip, 31) << n;
    ASSERT_EQ(CallPeg(pos.cards, pos.held, pos.moverIsDealer, pos.countIsEmpty, pos.moverScore,
                      pos.opponentScore),
              r)
        << n;
    ++searched;
  }
  // The positions cover both outcomes in quantity.
  EXPECT_GT(searched, 3000);
  EXPECT_GT(zeros, 100);
}

// The discard choice: every one of the 15 ways to lay away two of six cards
// is valued for the dealer and for the pone from the kept cards' hand scores
// over all starters, the crib value of the discards, small keeping bonuses and
// a risk term, all weighted by the game position; near the end of a game a
// sure count decides instead.
#include "engine/discard.h"

#include "engine/crib_tables.h"
#include "engine/decisions.h"
#include "engine/scoring.h"
#include "engine/position_weight.h"

namespace osprey {
namespace {

constexpr int kRankBonus[14] = {0, 10, 9, 9, 12, 15, 8, 7, 6, 5, 2, 1, 1, 1};

}  // namespace

KeptStats KeptHandStats(const uint8_t* kept, const uint8_t* dealt) {
  // The score without flush and nobs depends on the starter's rank alone, so
  // it is found once per rank with a suit-less starter; the fifth flush card
  // and his nobs are added per suit.
  uint8_t five[5] = {kept[0], kept[1], kept[2], kept[3], 0};
  const int flushSuit = kept[0] & kept[1] & kept[2] & kept[3] & 0xF0;
  int nobsSuits = 0;
  for (int i = 0; i < 4; ++i)
    if ((kept[i] & 15) == 11) nobsSuits |= kept[i] & 0xF0;
  KeptStats s;
  int sum = 0;
  for (int suit = 0x10; suit <= 0x80; suit <<= 1) {
    for (int rank = 13; rank >= 1; --rank) {
      const uint8_t starter = uint8_t(suit | rank);
      bool dealtCard = false;
      for (int k = 0; k < 6; ++k) dealtCard |= dealt[k] == starter;
      if (dealtCard) continue;
      five[4] = uint8_t(rank);
      int pts = ScoreShowTotal(five, false);
      if (flushSuit & suit) pts += 1;
      if (nobsSuits & suit) pts += 1;
      sum += pts;
      if (pts < s.minimum) s.minimum = pts;
      if (pts > s.maximum) s.maximum = pts;
    }
  }
  s.mean = (sum / 46) * 256 + (sum % 46) * 256 / 46;
  return s;
}

int KeptBonus(const uint8_t* kept) {
  int bonus = 0;
  for (int i = 0; i < 4; ++i) {
    bonus += kRankBonus[kept[i] & 15];
    for (int j = i + 1; j < 4; ++j)
      if (kept[i] & kept[j] & 0xF0) ++bonus;
  }
  return bonus;
}

int KeptSpread(const uint8_t* kept) {
  int spread = 0;
  for (int i = 0; i < 4; ++i)
    for (int j = i + 1; j < 4; ++j) {
      int d = (kept[i] & 15) - (kept[j] & 15);
      if (d < 0) d = -d;
      spread += d < 4 ? d : 4;
    }
  return spread;
}

int Blend(int A, int c, uint32_t w, int lo, int hi, bool ownCrib) {
  const int64_t crib = int64_t(c) * w / 32768;
  int64_t risk;
  if (w >= 0x8000)
    risk = int64_t(lo) * 256 * (2 * int64_t(w) - 0x10000) / 65536;
  else
    risk = int64_t(hi) * 256 * (0x10000 - 2 * int64_t(w)) / 65536;
  return int(A + (ownCrib ? crib : -crib) + risk);
}

int16_t ChooseDiscard(const CardByte cards[6], int dealerScore, int poneScore) {
  const int needDealer = dealerScore >= 121 ? 0 : 121 - dealerScore;
  const int needPone = poneScore >= 121 ? 0 : 121 - poneScore;
  const uint32_t W = PositionWeight(dealerScore, poneScore);
  const uint32_t poneW = OtherSideWeight(W);

  int bestDealer = 0, bestDealerValue = 0, bestPone = 0, bestPoneValue = 0;
  bool haveDealer = false, havePone = false;
  int sureDealer = -1, sureDealerSpread = -1, surePone = -1, surePoneSpread = -1;
  for (int i = 0; i < 5; ++i) {
    for (int j = i + 1; j < 6; ++j) {
      uint8_t kept[4];
      int n = 0;
      for (int k = 0; k < 6; ++k)
        if (k != i && k != j) kept[n++] = cards[k];
      const KeptStats stats = KeptHandStats(kept, cards);
      const int A = stats.mean + KeptBonus(kept);
      const int spread = KeptSpread(kept);
      const CribPairValue crib = CribValue(cards[i], cards[j]);
      const int choice = i + 16 * j;

      const int dealerLo = stats.minimum + 2 * crib.flag;
      const int dealerValue = Blend(A, crib.own, W, dealerLo, stats.maximum, true);
      const int poneValue = Blend(A, crib.opponent, poneW, stats.minimum, stats.maximum, false);

      if (!haveDealer || dealerValue > bestDealerValue) {
        bestDealer = choice;
        bestDealerValue = dealerValue;
        haveDealer = true;
      }
      if (!havePone || poneValue > bestPoneValue) {
        bestPone = choice;
        bestPoneValue = poneValue;
        havePone = true;
      }
      if (dealerLo >= needDealer - 1 && spread > sureDealerSpread) {
        sureDealer = choice;
        sureDealerSpread = spread;
      }
      if (stats.minimum >= needPone && spread > surePoneSpread) {
        surePone = choice;
        surePoneSpread = spread;
      }
    }
  }
  const int dealerChoice = sureDealer >= 0 ? sureDealer : bestDealer;
  const int poneChoice = surePone >= 0 ? surePone : bestPone;
  return int16_t(dealerChoice << 8 | poneChoice);
}

}  // namespace osprey

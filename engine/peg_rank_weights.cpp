// Opponent rank weights: table sums over the rank multisets consistent with
// the opponent's plays, normalised to bytes, then the flush rule and the
// inference from how the opponent played.
#include "engine/peg_rank_weights.h"

#include "engine/scoring.h"
#include "engine/opponent_hands.h"

namespace osprey {
namespace {

// Weight multiplier (in sixteenths) for the rank of the opponent's k-th play.
constexpr uint32_t kPlayFactor[4] = {38, 25, 16, 0};

uint8_t HalfUp(uint8_t w) { return uint8_t((w + 1) / 2); }

}  // namespace

void AddKeptRankSums(const uint16_t* table, const int* playedRanks, int nPlayed,
                     uint32_t sums[16]) {
  int n = 0;
  for (int a = 1; a <= 13; ++a)
    for (int b = 1; b <= a; ++b)
      for (int c = 1; c <= b; ++c)
        for (int d = 1; d <= c; ++d, ++n) {
          const uint32_t weight = table[n];
          if (weight == 0) continue;
          int ranks[4] = {a, b, c, d};
          bool contains = true;
          for (int p = 0; p < nPlayed && contains; ++p) {
            contains = false;
            for (int &r : ranks)
              if (r == playedRanks[p]) {
                r = 0;
                contains = true;
                break;
              }
          }
          if (!contains) continue;
          for (int r : ranks)
            if (r) sums[r] += weight;
        }
}

void OpponentRankWeights(const uint8_t* cards, int length, const PegHistory& history,
                         bool opponentIsPone, uint8_t weights[16]) {
  for (int r = 0; r < 16; ++r) weights[r] = 0;
  const int oppPlayed = length - 7;
  if (oppPlayed >= 4) return;
  const uint8_t* opp = cards + 7;
  const uint16_t* table = opponentIsPone ? kPoneKeeps : kDealerKeeps;

  uint32_t sums[16] = {};
  int ranks[4];
  for (int k = 0; k < oppPlayed; ++k) ranks[k] = opp[k] & 15;
  if (oppPlayed == 3) {
    const int pairs[3][2] = {{ranks[0], ranks[1]}, {ranks[2], ranks[1]}, {ranks[2], ranks[0]}};
    for (const auto& pair : pairs) AddKeptRankSums(table, pair, 2, sums);
  } else {
    AddKeptRankSums(table, ranks, oppPlayed, sums);
  }

  // Normalise: shift all sums together until the largest fills 32 bits; a
  // weight is the top byte, rounded by the next bit.
  uint32_t largest = 0;
  for (int r = 1; r <= 13; ++r)
    if (sums[r] > largest) largest = sums[r];
  if (largest == 0) {
    // No kept hand of the table agrees with the plays: weigh all ranks alike.
    for (int r = 1; r <= 13; ++r) weights[r] = 255;
  } else {
    const int shift = __builtin_clz(largest);
    for (int r = 1; r <= 13; ++r) {
      const uint32_t s = sums[r] << shift;
      const uint32_t w = (s >> 24) + ((s >> 23) & 1);
      weights[r] = uint8_t(w > 255 ? 255 : w);
    }
  }

  // Three plays of one suit suggest a flush: ranks whose card of that suit is
  // known cannot complete it.
  if (oppPlayed == 3) {
    const int suit = opp[0] & opp[1] & opp[2] & 0xF0;
    if (suit) {
      for (int r = 1; r <= 13; ++r) {
        bool known = false;
        for (int k = 0; k < length; ++k) known |= cards[k] == uint8_t(suit | r);
        if (known) weights[r] = HalfUp(weights[r]);
      }
    }
  }

  // The opponent's plays: a rank played early is likely held twice; a quiet
  // play suggests it held no card that would have scored in its place.
  uint8_t series[kPlayBufferSize];
  int count = 0, len = 0, nth = 0;
  for (int k = 0; k < history.played; ++k) {
    const uint8_t card = history.buffer[k];
    const int pip = PegPip(card);
    const bool fits = count + pip <= 31;
    if (!history.byMover[k] && nth < 4) {
      const int rank = card & 15;
      const uint32_t w = weights[rank] * kPlayFactor[nth] / 16;
      weights[rank] = uint8_t(w > 255 ? 255 : w);
      ++nth;
      if (fits) {
        series[len] = card;
        if (ScorePegCount(series, len + 1) == 0) {
          for (int j = 1; j <= 13; ++j) {
            if (j == rank || count + (j > 10 ? 10 : j) > 31) continue;
            series[len] = uint8_t(j);
            if (ScorePegCount(series, len + 1) > 0) weights[j] = HalfUp(weights[j]);
          }
        }
      }
    }
    // Advance the series as the play went.
    if (!fits) {
      count = 0;
      len = 0;
    }
    series[len++] = card;
    count += pip;
    if (count == 31) {
      count = 0;
      len = 0;
    }
  }
}

}  // namespace osprey

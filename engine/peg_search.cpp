// Mover and opponent turns of the pegging look-ahead.
#include "engine/peg_search.h"

#include "engine/scoring.h"
#include "engine/peg_history.h"

namespace osprey {
namespace {

// p (a weight share in 1/256) raised to the n-th power, rounding each step.
int SharePower(int p, int n) {
  int v = p;
  for (int k = 1; k < n; ++k) v = (v * p + 128) >> 8;
  return v;
}

int Share(uint32_t part, uint32_t total) {
  const uint64_t p = (512 * uint64_t(part) + total) / (2 * uint64_t(total));
  return p >= 256 ? 255 : static_cast<int>(p);
}

int Mean(uint32_t sum, uint32_t weight) {
  if (weight == 0) return 0;
  const uint64_t m = (2 * uint64_t(sum) + weight) / (2 * uint64_t(weight));
  return m > 255 ? 255 : static_cast<int>(m);
}

void EndSeries(SearchRecord& r) {
  r.seriesStart += r.length;
  r.count = 0;
  r.length = 0;
  r.flags = 0;
}

}  // namespace

int MoverTurn(SearchRecord r, uint8_t* bestCards) {
  const SearchContext& ctx = *r.context;
  r.flags &= uint8_t(~2);
  int best = 0;
  uint8_t set = 0;
  bool played = false;
  // The search sees ranks only, so a second card of a rank already tried
  // has that card's value.
  int rankValue[16];
  uint16_t ranksTried = 0;
  for (int i = 0; i < 4; ++i) {
    const uint8_t bit = uint8_t(8 >> i);
    if (!(r.held & bit) || r.count + PegPip(ctx.cards[i]) > 31) continue;
    played = true;
    const int rank = ctx.cards[i] & 15;
    int v;
    if (ranksTried & (1u << rank)) {
      v = rankValue[rank];
    } else {
      ctx.buffer[r.seriesStart + r.length] = ctx.cards[i];
      SearchRecord child = r;
      child.held &= uint8_t(~bit);
      v = OpponentTurn(child);
      rankValue[rank] = v;
      ranksTried |= uint16_t(1u << rank);
    }
    if (v > best) {
      best = v;
      set = bit;
    } else if (v == best) {
      set |= bit;
    }
  }
  if (!played) {
    r.flags |= 2;
    best = OpponentTurn(r);
  }
  if (bestCards) *bestCards = set;
  return best;
}

int OpponentTurn(SearchRecord r) {
  SearchContext& ctx = *r.context;
  int base;
  if (!(r.flags & 2)) {
    r.count = uint8_t(r.count + PegPip(ctx.buffer[r.seriesStart + r.length]));
    ++r.length;
    base = 128 + 8 * ScorePegCount(ctx.buffer + r.seriesStart, r.length);
  } else {
    base = (r.flags & 1) ? 136 : 128;  // a go after the opponent's go earns the go point
  }
  if ((r.flags & 3) == 3 || r.count == 31) EndSeries(r);

  if (r.held == 0 && r.unknown == 0) {
    if (r.count == 0) return base;
    return (r.flags & 2) ? base - ctx.aggression / 8 : base + 8;  // the last card
  }
  if ((r.flags & 1) || r.unknown == 0 || r.floor + r.count > 31) {
    r.flags |= 1;
    return ClampValue(base + MoverTurn(r));
  }
  if (r.horizon == 0) return base;

  // Near 31 the opponent may have to say go.
  int goValue = 0;
  bool goPossible = false;
  if (r.count > 21) {
    SearchRecord go = r;
    go.flags |= 1;
    if (32 - r.count > go.floor) go.floor = uint8_t(32 - r.count);
    goValue = MoverTurn(go);
    goPossible = true;
  }

  const int n = r.unknown;
  r.flags &= uint8_t(~1);
  --r.horizon;
  --r.unknown;
  uint32_t noPlayWeight = 0, quietWeight = 0, quietSum = 0, scoringWeight = 0, scoringSum = 0;
  for (int k = r.floor; k <= 13; ++k) {
    const uint32_t w = (uint32_t(ctx.unseen[k]) * ctx.weights[k] + 2) / 4;
    if (w == 0) continue;
    const int pip = k > 10 ? 10 : k;
    if (r.count + pip > 31) {
      noPlayWeight += w;
      continue;
    }
    SearchRecord child = r;
    ctx.buffer[child.seriesStart + child.length] = uint8_t(k);
    ++child.length;
    child.count = uint8_t(child.count + pip);
    const int s = ScorePegCount(ctx.buffer + child.seriesStart, child.length);
    if (child.count == 31) EndSeries(child);
    if (s != 0) ++child.horizon;
    --ctx.unseen[k];
    int v = MoverTurn(child);
    ++ctx.unseen[k];
    if (s == 0) {
      quietWeight += w;
      quietSum += uint32_t(v) * w;
    } else {
      int cost = ctx.aggression * s / 4;
      while (cost > 255) {
        v = v > 128 ? v - 128 : 0;
        cost -= 256;
      }
      v = ClampValue(v + 128 - cost / 2);
      scoringWeight += w;
      scoringSum += uint32_t(v) * w;
    }
  }

  const uint32_t total = noPlayWeight + quietWeight + scoringWeight;
  int expected;
  if (total == 0) {
    // The model leaves the opponent no card: take the go line if there is one.
    expected = goPossible ? goValue : 128;
  } else {
    const int pGo = SharePower(Share(noPlayWeight, total), n);
    const int pQuiet = SharePower(Share(noPlayWeight + quietWeight, total), n);
    const int sum = pGo * (goPossible ? goValue : 0) + (pQuiet - pGo) * Mean(quietSum, quietWeight) +
                    (255 - pQuiet) * Mean(scoringSum, scoringWeight);
    expected = (sum + 128) >> 8;
  }
  return ClampValue(base + expected);
}

}  // namespace osprey

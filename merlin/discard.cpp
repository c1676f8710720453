// The Expert discard: every one of the 15 ways to lay away two of six cards
// is valued exactly over the 46 possible starters: the kept hand's points,
// the crib's expected points given the starter and how the other side
// throws, and a small pegging value of the kept cards. In the middle of a
// game points are worth the same to both sides, so the expected points
// decide; near the end the chance of winning the game decides, worked out
// from the scores, who counts first and how many points each side still
// makes in the hand.
#include <cmath>

#include "merlin/merlin.h"
#include "merlin/merlin_tables.h"

namespace merlin {
namespace {

constexpr double kP16 = 1.0 / 65536.0;

// Pegging value of four kept cards, in points, from what helps in the play:
// pairs (a pair royal answers a pair), low cards that slip in under 31, and
// for the pone the risk of fives and of cards that make fifteen with a ten.
double PegEstimate(const CardByte kept[4], bool dealer) {
  double v = 0;
  for (int i = 0; i < 4; ++i) {
    const int r = osprey::Rank(kept[i]);
    if (r <= 4) v += 0.12;
    if (r == 5 && !dealer) v -= 0.1;
    for (int j = i + 1; j < 4; ++j)
      if (osprey::Rank(kept[j]) == r) v += 0.25;
  }
  return v;
}

// Win chance of the side about to deal, `dealer` and `pone` points; either
// side at 121 or more has won.
double DealerWins(int dealer, int pone) {
  if (dealer >= 121) return 1.0;
  if (pone >= 121) return 0.0;
  return kDealerWins[dealer][pone] / 65535.0;
}

// Distributions used for the rest of the hand, in probabilities.
struct HandModel {
  double ponePeg[16], dealerPeg[16], poneHand[30], dealerHand[30];
  HandModel() {
    for (int n = 0; n < 16; ++n) {
      ponePeg[n] = kPegPoints[0][n] * kP16;
      dealerPeg[n] = kPegPoints[1][n] * kP16;
    }
    for (int n = 0; n < 30; ++n) {
      poneHand[n] = kHandPoints[0][n] * kP16;
      dealerHand[n] = kHandPoints[1][n] * kP16;
    }
  }
};

constexpr int kPegCut = 12;   // pegging points beyond this are left out (p < 1e-4)
constexpr int kHandCut = 30;

// The dealer's chance when its hand and crib together make `t` points: the
// pegging, then the pone's show, then the dealer's.
double DealerChanceWithShow(const HandModel& m, int a, int b, int t) {
  double v = 0;
  for (int pd = 0; pd < kPegCut; ++pd)
    for (int pp = 0; pp < kPegCut; ++pp) {
      const double p = m.dealerPeg[pd] * m.ponePeg[pp];
      if (p < 1e-7) continue;
      const int a1 = a + pd, b1 = b + pp;
      if (a1 >= 121 && b1 >= 121) { v += 0.5 * p; continue; }
      if (a1 >= 121) { v += p; continue; }
      if (b1 >= 121) continue;
      double s = 0;
      for (int hp = 0; hp < kHandCut; ++hp) {
        const int b2 = b1 + hp;
        if (b2 >= 121 || m.poneHand[hp] == 0) continue;
        s += m.poneHand[hp] * (a1 + t >= 121 ? 1.0 : 1.0 - DealerWins(b2, a1 + t));
      }
      v += p * s;
    }
  return v;
}

// The pone's chance when its hand makes `h` and the dealer's crib `c`.
double PoneChanceWithShow(const HandModel& m, int a, int b, int h, int c) {
  double v = 0;
  for (int pp = 0; pp < kPegCut; ++pp)
    for (int pd = 0; pd < kPegCut; ++pd) {
      const double p = m.dealerPeg[pd] * m.ponePeg[pp];
      if (p < 1e-7) continue;
      const int a1 = a + pp, b1 = b + pd;
      if (a1 >= 121 && b1 >= 121) { v += 0.5 * p; continue; }
      if (a1 >= 121) { v += p; continue; }
      if (b1 >= 121) continue;
      if (a1 + h >= 121) { v += p; continue; }
      double s = 0;
      for (int hd = 0; hd < kHandCut; ++hd) {
        if (m.dealerHand[hd] == 0) continue;
        s += m.dealerHand[hd] * DealerWins(a1 + h, b1 + hd + c);
      }
      v += p * s;
    }
  return v;
}

}  // namespace

double DealerWinChance(int dealer, int pone) { return DealerWins(dealer, pone); }

int16_t ChooseDiscard(const CardByte six[6], int dealerScore, int poneScore) {
  return ChooseDiscardTuned(six, dealerScore, poneScore, DiscardTuning{});
}

int16_t ChooseDiscardTuned(const CardByte six[6], int dealerScore, int poneScore, const DiscardTuning& tuning) {
  // Hand points of every candidate with every starter, and the starters.
  int pairs[15][2];
  int handPoints[15][46];
  CardByte starters[46];
  int nStarters = 0;
  for (int suit = 0x10; suit <= 0x80; suit <<= 1)
    for (int rank = 1; rank <= 13; ++rank) {
      const CardByte c = CardByte(suit | rank);
      bool dealt = false;
      for (int k = 0; k < 6; ++k) dealt |= six[k] == c;
      if (!dealt) starters[nStarters++] = c;
    }
  int n = 0;
  for (int i = 0; i < 5; ++i)
    for (int j = i + 1; j < 6; ++j, ++n) {
      pairs[n][0] = i;
      pairs[n][1] = j;
      CardByte five[5];
      int k = 0;
      for (int c = 0; c < 6; ++c)
        if (c != i && c != j) five[k++] = six[c];
      for (int s = 0; s < 46; ++s) {
        five[4] = starters[s];
        handPoints[n][s] = osprey::ScoreShowTotal(five, false);
      }
    }

  const HandModel model;
  int choice[2] = {0, 0};  // [0] dealer's choice, [1] pone's
  for (int role = 0; role < 2; ++role) {
    const bool dealer = role == 0;
    const int me = dealer ? dealerScore : poneScore, opp = dealer ? poneScore : dealerScore;
    const bool byChance = tuning.winChance && (121 - me <= tuning.winChanceNeed || 121 - opp <= tuning.winChanceNeed);
    const CribOwner owner = dealer ? kOwnCrib : kOpponentCrib;
    // Chances by integer totals, filled as needed.
    double dealerChance[64];
    double poneChance[30][40];
    bool haveDealer[64] = {};
    bool havePone[30][40] = {};
    auto dealerAt = [&](int t) {
      if (t > 63) t = 63;
      if (!haveDealer[t]) {
        dealerChance[t] = DealerChanceWithShow(model, me, opp, t);
        haveDealer[t] = true;
      }
      return dealerChance[t];
    };
    auto poneAt = [&](int h, int c) {
      if (c > 39) c = 39;
      if (!havePone[h][c]) {
        poneChance[h][c] = PoneChanceWithShow(model, me, opp, h, c);
        havePone[h][c] = true;
      }
      return poneChance[h][c];
    };

    double best = -1e9;
    for (int cand = 0; cand < 15; ++cand) {
      const CardByte d1 = six[pairs[cand][0]], d2 = six[pairs[cand][1]];
      const int pairIndex = RankPairIndex(osprey::Rank(d1), osprey::Rank(d2));
      CardByte kept[4];
      int k = 0;
      for (int c = 0; c < 6; ++c)
        if (c != pairs[cand][0] && c != pairs[cand][1]) kept[k++] = six[c];
      double sum = 0;
      for (int s = 0; s < 46; ++s) {
        const CardByte st = starters[s];
        double crib = kCribValue[owner][pairIndex][osprey::Rank(st) - 1] / 256.0;
        // His nobs in the crib from a jack laid away.
        if ((osprey::Rank(d1) == 11 && osprey::SameSuit(d1, st)) || (osprey::Rank(d2) == 11 && osprey::SameSuit(d2, st)))
          crib += 1.0;
        const int h = handPoints[cand][s];
        if (!byChance) {
          sum += dealer ? h + crib : h - crib;
        } else if (dealer) {
          const double t = h + crib;
          const int t0 = static_cast<int>(t);
          const double f = t - t0;
          sum += (1 - f) * dealerAt(t0) + f * dealerAt(t0 + 1);
        } else {
          const int c0 = static_cast<int>(crib);
          const double f = crib - c0;
          sum += (1 - f) * poneAt(h, c0) + f * poneAt(h, c0 + 1);
        }
      }
      double value = sum / 46.0;
      if (tuning.pegEstimate) value += (byChance ? 0.01 : 1.0) * PegEstimate(kept, dealer);
      if (value > best + 1e-12) {
        best = value;
        choice[role] = pairs[cand][0] + 16 * pairs[cand][1];
      }
    }
  }
  return static_cast<int16_t>(choice[0] << 8 | choice[1]);
}

}  // namespace merlin

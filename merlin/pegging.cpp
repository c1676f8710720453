// The Expert pegging choice. The opponent's unseen cards are enumerated as
// multisets of ranks (suits play no part in the pegging), each consistent
// with what the opponent has shown (a go means none of its cards fitted) and
// weighted by how many ways the unseen cards allow it and by how often a
// player in its role keeps such cards. For the most likely holdings the rest
// of the play is searched exactly, both sides playing their best, and every
// line is valued by the chance of winning the game: pegging out ends it at
// once; after the last card the pone counts first, then the dealer its hand
// and crib, and otherwise the game goes on with the deal passed.
#include <algorithm>
#include <cmath>

#include "engine/opponent_hands.h"
#include "engine/peg_history.h"
#include "merlin/merlin.h"
#include "merlin/merlin_tables.h"

namespace merlin {
namespace {

constexpr int kMaxWorlds = 1820;

int PipOfRank(int r) { return r > 10 ? 10 : r; }

int Choose(int n, int k) {
  if (k < 0 || k > n) return 0;
  int r = 1;
  for (int i = 0; i < k; ++i) r = r * (n - i) / (i + 1);
  return r;
}

// Everything that stays fixed while one holding of the opponent is searched.
struct Fixed {
  int me = 0, opp = 0;    // game scores before the rest of the play
  bool meDeals = false;
  int myShow = 0;         // my hand with the starter
  int oppShow = 0;        // the opponent's hand in this holding, by ranks
  double crib = 0;        // the dealer's expected crib
};

// One position of the rest of the play.
struct Play {
  int8_t mine[4], theirs[4];  // ranks still held, 0 = none
  int8_t series[8];           // ranks on the current count
  int8_t length = 0;          // cards on the count
  int8_t count = 0;
  int8_t last = -1;           // who played the count's last card: 0 me, 1 opponent
  int16_t myPoints = 0, oppPoints = 0;  // pegged from here on
};

double Chance(int dealer, int pone) { return DealerWinChance(dealer, pone); }

// My chance of winning once the play is over, from the show.
double AfterPlay(const Fixed& f, int myPegged, int oppPegged) {
  const int me = f.me + myPegged, opp = f.opp + oppPegged;
  const double tiny = 1e-5 * (myPegged - oppPegged);  // points still count in a decided game
  if (f.meDeals) {
    if (opp + f.oppShow >= 121) return tiny;
    const double t = me + f.myShow + f.crib;
    const int opp2 = opp + f.oppShow;
    // The crib's points are an expectation: interpolate between whole points.
    const int t0 = static_cast<int>(t);
    const double fr = t - t0;
    auto at = [&](int total) { return total >= 121 ? 1.0 : 1.0 - Chance(opp2, total); };
    return (1 - fr) * at(t0) + fr * at(t0 + 1) + tiny;
  }
  if (me + f.myShow >= 121) return 1.0 + tiny;
  const int me2 = me + f.myShow;
  const double t = opp + f.oppShow + f.crib;
  const int t0 = static_cast<int>(t);
  const double fr = t - t0;
  auto at = [&](int total) { return total >= 121 ? 0.0 : Chance(me2, total); };
  return (1 - fr) * at(t0) + fr * at(t0 + 1) + tiny;
}

bool Fits(const int8_t* hand, int count) {
  for (int i = 0; i < 4; ++i)
    if (hand[i] && count + PipOfRank(hand[i]) <= 31) return true;
  return false;
}
bool Empty(const int8_t* hand) { return !hand[0] && !hand[1] && !hand[2] && !hand[3]; }

// Pegging points of the last card on the count (ranks only).
int PegPoints(const int8_t* series, int length) {
  CardByte bytes[8];
  for (int i = 0; i < length; ++i) bytes[i] = CardByte(0x10 | series[i]);
  return osprey::ScorePegCount(bytes, length);
}

struct Search {
  const Fixed& f;
  long nodes = 0;

  // The value for me of the position with `who` to move (0 me, 1 opponent),
  // by alpha-beta within [alpha, beta].
  double Solve(Play p, int who, double alpha, double beta) {
    ++nodes;
    int8_t* hand = who == 0 ? p.mine : p.theirs;
    if (!Fits(hand, p.count)) {
      int8_t* other = who == 0 ? p.theirs : p.mine;
      if (Fits(other, p.count)) return Solve(p, 1 - who, alpha, beta);  // go: the other plays on
      // Neither can play: the last card of the count scores one.
      if (p.last >= 0 && p.count > 0) {
        if (p.last == 0) ++p.myPoints;
        else ++p.oppPoints;
        if (f.me + p.myPoints >= 121) return 1.0;
        if (f.opp + p.oppPoints >= 121) return 0.0;
      }
      if (Empty(p.mine) && Empty(p.theirs)) return AfterPlay(f, p.myPoints, p.oppPoints);
      const int next = p.last >= 0 ? 1 - p.last : who;
      p.count = 0;
      p.length = 0;
      p.last = -1;
      return Solve(p, next, alpha, beta);
    }
    double best = who == 0 ? -1.0 : 2.0;
    int tried = 0;  // ranks already tried
    for (int i = 0; i < 4; ++i) {
      const int r = hand[i];
      if (!r || p.count + PipOfRank(r) > 31 || (tried & (1 << r))) continue;
      tried |= 1 << r;
      const double v = PlayCard(p, who, i, alpha, beta);
      if (who == 0) {
        if (v > best) best = v;
        if (best > alpha) alpha = best;
      } else {
        if (v < best) best = v;
        if (best < beta) beta = best;
      }
      if (alpha >= beta) break;
    }
    return best;
  }

  double PlayCard(Play p, int who, int i, double alpha, double beta) {
    int8_t* hand = who == 0 ? p.mine : p.theirs;
    const int r = hand[i];
    hand[i] = 0;
    p.series[p.length++] = int8_t(r);
    p.count = int8_t(p.count + PipOfRank(r));
    const int pts = PegPoints(p.series, p.length);
    if (who == 0) p.myPoints = int16_t(p.myPoints + pts);
    else p.oppPoints = int16_t(p.oppPoints + pts);
    if (f.me + p.myPoints >= 121) return 1.0;
    if (f.opp + p.oppPoints >= 121) return 0.0;
    p.last = int8_t(who);
    if (p.count == 31) {
      p.count = 0;
      p.length = 0;
      p.last = -1;
      if (Empty(p.mine) && Empty(p.theirs)) return AfterPlay(f, p.myPoints, p.oppPoints);
      return Solve(p, 1 - who, alpha, beta);
    }
    if (Empty(p.mine) && Empty(p.theirs)) {
      // The last card of the hand.
      if (who == 0) ++p.myPoints;
      else ++p.oppPoints;
      if (f.me + p.myPoints >= 121) return 1.0;
      if (f.opp + p.oppPoints >= 121) return 0.0;
      return AfterPlay(f, p.myPoints, p.oppPoints);
    }
    return Solve(p, 1 - who, alpha, beta);
  }
};

struct World {
  int8_t ranks[4];
  double weight;
};

}  // namespace

int16_t ChoosePegPlay(const CardByte* cards, int length, int held, bool moverIsDealer, bool countIsEmpty,
                      int moverScore, int opponentScore) {
  return ChoosePegPlayTuned(cards, length, held, moverIsDealer, countIsEmpty, moverScore, opponentScore,
                            PegTuning{});
}

int16_t ChoosePegPlayTuned(const CardByte* cards, int length, int held, bool moverIsDealer, bool countIsEmpty,
                           int moverScore, int opponentScore, const PegTuning& tuning) {
  const int moverPlayed = 4 - held;
  const int oppPlayed = length - 7;
  const osprey::PegHistory h = osprey::ReplayPegging(cards, length, moverPlayed, moverIsDealer, countIsEmpty);

  // The held cards that fit; with one rank among them there is no choice.
  int firstFit = 0, fitRanks = 0;
  for (int i = moverPlayed; i < 4; ++i) {
    if (h.count + osprey::Pip(cards[i]) > 31) continue;
    if (!firstFit) firstFit = i + 1;
    fitRanks |= 1 << osprey::Rank(cards[i]);
  }
  if (!firstFit) return 0;
  if ((fitRanks & (fitRanks - 1)) == 0) return static_cast<int16_t>(firstFit);

  // Ranks not seen by the mover.
  int unseen[14];
  for (int r = 1; r <= 13; ++r) unseen[r] = 4;
  for (int i = 0; i < length; ++i) --unseen[osprey::Rank(cards[i])];

  Fixed f;
  f.me = moverScore;
  f.opp = opponentScore;
  f.meDeals = moverIsDealer;
  {
    const CardByte five[5] = {cards[0], cards[1], cards[2], cards[3], cards[6]};
    f.myShow = osprey::ScoreShowTotal(five, false);
  }
  {
    const CardByte d1 = cards[4], d2 = cards[5], st = cards[6];
    const CribOwner owner = moverIsDealer ? kOwnCrib : kOpponentCrib;
    f.crib = kCribValue[owner][RankPairIndex(osprey::Rank(d1), osprey::Rank(d2))][osprey::Rank(st) - 1] / 256.0;
    if ((osprey::Rank(d1) == 11 && osprey::SameSuit(d1, st)) || (osprey::Rank(d2) == 11 && osprey::SameSuit(d2, st)))
      f.crib += 1.0;
  }

  // The opponent's possible holdings: k unknown ranks, none below the floor
  // its goes have shown, weighted by the ways to hold them and by how often
  // its role keeps the four ranks they make with the cards it has played.
  const int k = 4 - oppPlayed;
  const uint16_t* keeps = moverIsDealer ? osprey::kPoneKeeps : osprey::kDealerKeeps;
  int played[4] = {0, 0, 0, 0};
  for (int i = 0; i < oppPlayed; ++i) played[i] = osprey::Rank(cards[7 + i]);
  static_assert(kMaxWorlds >= 1820);
  World worlds[kMaxWorlds];
  int nWorlds = 0;
  const int lowest = std::max(1, std::min(10, h.floor));
  int pick[4] = {0, 0, 0, 0};
  // Non-increasing rank sequences of length k.
  auto visit = [&](auto&& self, int depth, int maxRank) -> void {
    if (depth == k) {
      int used[14] = {};
      for (int i = 0; i < k; ++i) ++used[pick[i]];
      double w = 1;
      for (int r = 1; r <= 13; ++r)
        if (used[r]) w *= Choose(unseen[r], used[r]);
      if (w == 0) return;
      if (tuning.likelihood) {
        int all[4];
        for (int i = 0; i < oppPlayed; ++i) all[i] = played[i];
        for (int i = 0; i < k; ++i) all[oppPlayed + i] = pick[i];
        std::sort(all, all + 4, [](int a, int b) { return a > b; });
        int full[14] = {};
        for (int i = 0; i < 4; ++i) ++full[all[i]];
        double prior = 1;
        for (int r = 1; r <= 13; ++r)
          if (full[r]) prior *= Choose(4, full[r]);
        w *= (keeps[osprey::RankMultisetIndex(all[0], all[1], all[2], all[3])] + 1.0) / prior;
      }
      World& wd = worlds[nWorlds++];
      for (int i = 0; i < 4; ++i) wd.ranks[i] = int8_t(i < k ? pick[i] : 0);
      wd.weight = w;
      return;
    }
    for (int r = maxRank; r >= lowest; --r) {
      pick[depth] = r;
      self(self, depth + 1, r);
    }
  };
  visit(visit, 0, 13);
  std::sort(worlds, worlds + nWorlds, [](const World& a, const World& b) { return a.weight > b.weight; });
  const int searched = std::min(nWorlds, std::max(1, tuning.maxWorlds));

  // The position now.
  Play start;
  for (int i = 0; i < 4; ++i) start.mine[i] = int8_t(i >= moverPlayed ? osprey::Rank(cards[i]) : 0);
  start.length = int8_t(h.seriesLength);
  for (int i = 0; i < h.seriesLength; ++i) start.series[i] = int8_t(osprey::Rank(h.buffer[h.seriesStart + i]));
  start.count = int8_t(h.count);
  start.last = h.seriesLength > 0 ? int8_t(h.byMover[h.played - 1] ? 0 : 1) : int8_t(-1);

  double value[4] = {0, 0, 0, 0};
  long nodes = 0;
  for (int w = 0; w < searched && nodes < tuning.nodeBudget; ++w) {
    const World& wd = worlds[w];
    Play p = start;
    for (int i = 0; i < 4; ++i) p.theirs[i] = wd.ranks[i];
    Fixed fw = f;
    {
      int r[4];
      for (int i = 0; i < oppPlayed; ++i) r[i] = played[i];
      for (int i = 0; i < k; ++i) r[oppPlayed + i] = wd.ranks[i];
      const CardByte five[5] = {CardByte(r[0]), CardByte(r[1]), CardByte(r[2]), CardByte(r[3]),
                                CardByte(osprey::Rank(cards[6]))};
      fw.oppShow = osprey::ScoreShowTotal(five, false);
    }
    Search s{fw};
    int tried = 0;
    for (int i = moverPlayed; i < 4; ++i) {
      const int r = osprey::Rank(cards[i]);
      if (h.count + PipOfRank(r) > 31) continue;
      if (tried & (1 << r)) continue;
      tried |= 1 << r;
      value[i] += wd.weight * s.PlayCard(p, 0, i, -1.0, 2.0);
    }
    nodes += s.nodes;
  }

  // The best card; equal ranks share the value of the first of them.
  int best = firstFit - 1;
  double bestValue = -1e300;
  int tried = 0;
  for (int i = moverPlayed; i < 4; ++i) {
    const int r = osprey::Rank(cards[i]);
    if (h.count + PipOfRank(r) > 31 || (tried & (1 << r))) continue;
    tried |= 1 << r;
    if (value[i] > bestValue * (1 + 1e-12) + 1e-15) {
      bestValue = value[i];
      best = i;
    }
  }
  return static_cast<int16_t>(best + 1);
}

}  // namespace merlin

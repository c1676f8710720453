// Shared by the baseline decision libraries: the card facts, the replay of
// a MakePegPlay history to the current count, and plain cribbage scoring.
#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

namespace baseline {

inline int Rank(int card) { return card % 13 + 1; }
inline int Suit(int card) { return card / 13; }
inline int Value(int card) { return std::min(Rank(card), 10); }

// The cards of the current count, oldest first, rebuilt from the history
// string of MakePegPlay (mover's played, held, discards, starter, the
// opponent's played). Turns alternate from the pone; a side that cannot
// play its next recorded card says go; 31 or two gos in a row start a new
// count. A count the history leaves open may have been closed by two gos
// it cannot show; countIsEmpty says so.
inline std::vector<int> CurrentCount(const unsigned char* cards, int length, int held, bool moverIsDealer,
                                     bool countIsEmpty) {
  if (countIsEmpty) return {};
  const int played = 4 - held;
  std::vector<int> mine(cards, cards + played);
  std::vector<int> theirs(cards + 7, cards + std::max(length, 7));
  std::vector<int> seq;
  int count = 0, gos = 0;
  size_t mi = 0, oi = 0;
  bool moverTurn = !moverIsDealer;
  for (int guard = 0; guard < 64; ++guard) {
    if (moverTurn && mi == mine.size() && oi == theirs.size()) break;
    std::vector<int>& side = moverTurn ? mine : theirs;
    size_t& i = moverTurn ? mi : oi;
    if (i < side.size() && count + Value(side[i]) <= 31) {
      count += Value(side[i]);
      seq.push_back(side[i]);
      ++i;
      gos = 0;
    } else {
      ++gos;
    }
    if (count == 31 || gos > 1) {
      count = 0;
      gos = 0;
      seq.clear();
    }
    moverTurn = !moverTurn;
  }
  return seq;
}

inline int CountOf(const std::vector<int>& seq) {
  int count = 0;
  for (int c : seq) count += Value(c);
  return count;
}

// Points for the last card of a pegging count.
inline int PegPoints(const std::vector<int>& seq) {
  const int n = static_cast<int>(seq.size());
  if (n == 0) return 0;
  int points = 0;
  const int count = CountOf(seq);
  if (count == 15 || count == 31) points += 2;
  int same = 1;
  while (same < n && Rank(seq[n - 1 - same]) == Rank(seq[n - 1])) ++same;
  points += same * (same - 1);
  for (int len = n; len >= 3; --len) {
    std::vector<int> ranks;
    for (int k = n - len; k < n; ++k) ranks.push_back(Rank(seq[k]));
    std::sort(ranks.begin(), ranks.end());
    bool run = true;
    for (int k = 1; k < len && run; ++k) run = ranks[k] == ranks[k - 1] + 1;
    if (run) {
      points += len;
      break;
    }
  }
  return points;
}

// Points of four cards with a starter (no crib rules).
inline int HandPoints(const int hand[4], int starter) {
  int cards[5] = {hand[0], hand[1], hand[2], hand[3], starter};
  int points = 0;
  for (int mask = 1; mask < 32; ++mask) {
    int sum = 0;
    for (int k = 0; k < 5; ++k)
      if (mask & (1 << k)) sum += Value(cards[k]);
    if (sum == 15) points += 2;
  }
  for (int a = 0; a < 5; ++a)
    for (int b = a + 1; b < 5; ++b)
      if (Rank(cards[a]) == Rank(cards[b])) points += 2;
  int counts[15] = {};
  for (int c : cards) ++counts[Rank(c)];
  for (int start = 1; start <= 13; ++start) {
    int len = 0, ways = 1;
    while (start + len <= 13 && counts[start + len] > 0) {
      ways *= counts[start + len];
      ++len;
    }
    if (len >= 3 && (start == 1 || counts[start - 1] == 0)) points += len * ways;
  }
  if (Suit(hand[0]) == Suit(hand[1]) && Suit(hand[1]) == Suit(hand[2]) && Suit(hand[2]) == Suit(hand[3]))
    points += Suit(starter) == Suit(hand[0]) ? 5 : 4;
  for (int k = 0; k < 4; ++k)
    if (Rank(hand[k]) == 11 && Suit(hand[k]) == Suit(starter)) points += 1;
  return points;
}

}  // namespace baseline

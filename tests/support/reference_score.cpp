// Plain reference scorers.
#include "tests/support/reference_score.h"

namespace kestrel::test {
namespace {

int Rank(int c) { return c % 13 + 1; }
int Suit(int c) { return c / 13; }
int Pip(int c) { return Rank(c) > 10 ? 10 : Rank(c); }

}  // namespace

int ReferenceScore(const int cards[5], bool isCrib) {
  int points = 0;
  for (int mask = 1; mask < 32; ++mask) {
    int sum = 0;
    for (int i = 0; i < 5; ++i) {
      if (mask & (1 << i)) sum += Pip(cards[i]);
    }
    if (sum == 15) points += 2;
  }
  for (int i = 0; i < 5; ++i) {
    for (int j = i + 1; j < 5; ++j) {
      if (Rank(cards[i]) == Rank(cards[j])) points += 2;
    }
  }
  // Runs: the longest length for which some subset of distinct consecutive
  // ranks exists; every such subset of that length counts.
  for (int length = 5; length >= 3; --length) {
    int runs = 0;
    for (int mask = 1; mask < 32; ++mask) {
      if (__builtin_popcount(mask) != length) continue;
      bool seen[15] = {};
      int low = 14, high = 0;
      bool distinct = true;
      for (int i = 0; i < 5; ++i) {
        if (!(mask & (1 << i))) continue;
        const int r = Rank(cards[i]);
        if (seen[r]) distinct = false;
        seen[r] = true;
        low = r < low ? r : low;
        high = r > high ? r : high;
      }
      if (distinct && high - low == length - 1) ++runs;
    }
    if (runs > 0) {
      points += runs * length;
      break;
    }
  }
  const bool fourSuited = Suit(cards[0]) == Suit(cards[1]) && Suit(cards[1]) == Suit(cards[2]) &&
                          Suit(cards[2]) == Suit(cards[3]);
  if (fourSuited && Suit(cards[4]) == Suit(cards[0])) points += 5;
  else if (fourSuited && !isCrib) points += 4;
  for (int i = 0; i < 4; ++i) {
    if (Rank(cards[i]) == 11 && Suit(cards[i]) == Suit(cards[4])) points += 1;
  }
  return points;
}

int ReferencePegScore(const int cards[], int n) {
  if (n < 2) return 0;
  int points = 0, count = 0;
  for (int i = 0; i < n; ++i) count += Pip(cards[i]);
  if (count == 15 || count == 31) points += 2;
  int same = 1;
  while (same < n && Rank(cards[n - 1 - same]) == Rank(cards[n - 1])) ++same;
  if (same >= 2) return points + same * (same - 1);
  for (int length = n; length >= 3; --length) {
    bool seen[14] = {};
    int low = 14, high = 0;
    bool distinct = true;
    for (int i = n - length; i < n; ++i) {
      const int r = Rank(cards[i]);
      if (seen[r]) distinct = false;
      seen[r] = true;
      low = r < low ? r : low;
      high = r > high ? r : high;
    }
    if (distinct && high - low == length - 1) return points + length;
  }
  return points;
}

}  // namespace kestrel::test

// Pegging scoring: the points the card just played earns on the current count.
#include <bit>

#include "engine/scoring.h"

namespace osprey {

int ScorePegCount(const CardByte* cards, int n) {
  if (n < 2) return 0;
  int total = 0;
  for (int i = 0; i < n; ++i) total += Pip(cards[i]);
  const int base = (total == 15 || total == 31) ? 2 : 0;

  // Pairs: cards of the last card's rank directly before it.
  const int last = Rank(cards[n - 1]);
  int same = 1;
  while (same < n && last != 0 && Rank(cards[n - 1 - same]) == last) ++same;
  if (same >= 2) return base + same * (same - 1);

  // Runs: the longest window ending with the last card whose cards are all of
  // different, consecutive ranks, in any order.
  uint32_t ranks = 0;
  int best = 0;
  for (int w = 1; w <= n; ++w) {
    const uint32_t bit = 1u << Rank(cards[n - w]);
    if ((ranks & bit) || bit == 1u) break;  // a repeated rank or an empty slot ends every longer window
    ranks |= bit;
    if (w >= 3 && (ranks >> std::countr_zero(ranks)) == (1u << w) - 1) best = w;
  }
  return base + best;
}

}  // namespace osprey

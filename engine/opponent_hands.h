// Opponent-hand tables: how often a player keeps each multiset of four ranks
// after discarding, one table for the pone and one for the dealer.
#pragma once

#include <cstdint>

namespace osprey {

constexpr int kRankMultisets = 1820;

// Index of the multiset {a, b, c, d} of ranks 1..13 with a >= b >= c >= d, in
// the order: for a = 1..13, for b = 1..a, for c = 1..b, for d = 1..c.
constexpr int RankMultisetIndex(int a, int b, int c, int d) {
  return (a + 2) * (a + 1) * a * (a - 1) / 24 + (b + 1) * b * (b - 1) / 6 + c * (c - 1) / 2 +
         (d - 1);
}

// Relative frequencies (each table sums to about 6.95 million) of the ranks a
// pone keeps (used when the mover deals) and a dealer keeps.
extern const uint16_t kPoneKeeps[kRankMultisets];
extern const uint16_t kDealerKeeps[kRankMultisets];

}  // namespace osprey

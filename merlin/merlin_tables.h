// Fixed tables of the Expert decision library, made once by merlin-tables
// (tables_gen.cpp) from many simulated deals and kept as source.
#pragma once

#include <cstdint>

namespace merlin {

// Crib roles as seen by the side that discards.
enum CribOwner { kOwnCrib = 0, kOpponentCrib = 1 };

// Expected crib points (in 1/256 point) for two discards of ranks r1, r2
// (index RankPairIndex) and a starter of rank rs (1..13, index rs - 1), with
// the other side's two discards drawn from how that side throws: a pone's
// throw into the own crib, a dealer's throw into its own crib when the crib
// is the opponent's. Flushes and his nobs are left out.
extern const uint16_t kCribValue[2][91][13];

// Probability (in 1/65536) that a kept hand scores n points with the starter,
// n = 0..29, for the pone's keep [0] and the dealer's keep [1].
extern const uint16_t kHandPoints[2][30];

// Probability (in 1/65536) of n pegging points in one hand, n = 0..15, for the
// pone [0] and the dealer [1].
extern const uint16_t kPegPoints[2][16];

// Probability (in 1/65535) that the side about to deal, with `a` points,
// wins against the pone with `b` points (both 0..120).
extern const uint16_t kDealerWins[121][121];

// Index of the unordered rank pair (ranks 1..13): h * (h + 1) / 2 + l with h
// the larger and l the smaller of rank - 1.
constexpr int RankPairIndex(int r1, int r2) {
  const int h = (r1 > r2 ? r1 : r2) - 1, l = (r1 > r2 ? r2 : r1) - 1;
  return h * (h + 1) / 2 + l;
}

}  // namespace merlin

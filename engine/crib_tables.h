// The crib value of a pair of discards: two tables indexed by the unordered
// pair of ranks (one for the own crib, one for the opponent's) and a flag bit
// per rank pair.
#pragma once

#include <cstdint>

namespace osprey {

struct CribPairValue {
  int own = 0;       // Fix8.8 value of the pair in the own crib
  int opponent = 0;  // Fix8.8 value of the pair in the opponent's crib
  int flag = 0;      // 1 for the rank pairs that promise a sure point or more
};

// Index of the unordered rank pair (ranks 1..13): h * (h + 1) / 2 + l with h the
// larger and l the smaller of rank - 1; 0..90.
int CribPairIndex(int rank1, int rank2);

// Values of two discarded card bytes (rank in the low nibble, suit bit in the high).
CribPairValue CribValue(uint8_t card1, uint8_t card2);

}  // namespace osprey

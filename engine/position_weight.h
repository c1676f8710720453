// The game-position weight of the decision code: a Fix0.16 value computed
// from the two game scores, 0x8000 neutral, above it favouring the dealer.
#pragma once

#include <cstdint>

namespace osprey {

// Sharpening exponent (Fix8.8) for a folded need m (0..121).
uint32_t SharpenExponent(int m);

// Position weight W for the dealer's and the pone's game scores; scores are
// taken as points towards 121 (anything from 121 on counts as won, below 0 as 0).
uint32_t PositionWeight(int dealerScore, int poneScore);

// The other side's weight, 0x10000 - w, kept within 0..0xFFFF.
inline uint32_t OtherSideWeight(uint32_t w) { return w == 0 ? 0xFFFF : 0x10000 - w; }

}  // namespace osprey

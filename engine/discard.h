// The parts of the discard choice (ChooseDiscard in decisions.h): statistics
// and bonuses of the kept four, and the blend of a candidate's value.
#pragma once

#include <cstdint>

namespace osprey {

// Statistics of four kept cards over the 46 starters not among the six dealt.
struct KeptStats {
  int minimum = 127;
  int maximum = 0;
  int mean = 0;  // Fix8.8
};

// Hand score of kept[4] with every starter not among dealt[6] (card bytes).
KeptStats KeptHandStats(const uint8_t* kept, const uint8_t* dealt);

// Per-rank keeping bonus plus one per same-suit pair, in 1/256 point.
int KeptBonus(const uint8_t* kept);

// Sum over the six pairs of kept cards of min(|rank difference|, 4).
int KeptSpread(const uint8_t* kept);

// Value of one candidate for one side (Fix8.8): A = mean + bonus, c the crib
// value, w the side's Fix0.16 weight, lo and hi the sure minimum and the
// possible maximum, ownCrib the sign of the crib term.
int Blend(int A, int c, uint32_t w, int lo, int hi, bool ownCrib);

}  // namespace osprey

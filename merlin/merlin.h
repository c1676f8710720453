// The Expert decision library's judgement: the discard and the pegging
// card. Both take card bytes already checked by the exports (the engine's
// card byte: rank 1..13 in the low nibble, one suit bit in the high), keep
// no state and use no randomness.
#pragma once

#include <cstdint>

#include "engine/scoring.h"

namespace merlin {

using osprey::CardByte;

// Chance (0..1) that the side about to deal with `dealer` points beats the
// pone with `pone` points; a score of 121 or more has won.
double DealerWinChance(int dealer, int pone);

// The two choice bytes of Discard: high byte the discard if the holder of
// the six cards deals, low byte if it is the pone; each i + 16 * j, i < j.
int16_t ChooseDiscard(const CardByte six[6], int dealerScore, int poneScore);

// Knobs of the discard choice, for measuring variants.
struct DiscardTuning {
  bool winChance = true;   // weigh outcomes by the chance of winning near the end
  int winChanceNeed = 45;  // ... once either side needs this many points or fewer
  bool pegEstimate = true; // add the pegging value of the kept cards
};
int16_t ChooseDiscardTuned(const CardByte six[6], int dealerScore, int poneScore, const DiscardTuning& tuning);

// The 1-based position (P+1..4) of the card to play, 0 when no held card
// fits. cards: MakePegPlay's checked string as card bytes (length 7..11).
int16_t ChoosePegPlay(const CardByte* cards, int length, int held, bool moverIsDealer, bool countIsEmpty,
                      int moverScore, int opponentScore);

// Knobs of the pegging choice, for measuring variants and benchmarks.
struct PegTuning {
  int maxWorlds = 400;      // most likely opponent holdings searched ...
  long nodeBudget = 10000;  // ... until this many positions have been searched
  bool likelihood = true;   // weigh holdings by how often such cards are kept
};
int16_t ChoosePegPlayTuned(const CardByte* cards, int length, int held, bool moverIsDealer, bool countIsEmpty,
                           int moverScore, int opponentScore, const PegTuning& tuning);

}  // namespace merlin

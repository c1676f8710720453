// The computer's judgement: which two cards to lay away and which card to
// peg next. Called by the exports Discard and MakePegPlay after their
// arguments have been checked; both work on card bytes (see scoring.h), keep
// no state and use no randomness.
#pragma once

#include <cstdint>

#include "engine/scoring.h"

namespace osprey {

// ChooseDiscard: cardBytes are the six dealt cards in the caller's order,
// dealerScore and poneScore the game scores 0..120. Returns the two choice
// bytes: high byte the discard if the holder deals (its own crib), low byte
// the discard if the holder is the pone; each choice byte is i + 16 * j with
// i < j the 0-based positions of the two cards to lay away.
int16_t ChooseDiscard(const CardByte cardBytes[6], int dealerScore, int poneScore);

// ChoosePegPlay: cardBytes is MakePegPlay's string as card bytes, `length`
// of them (7..11): [0..P-1] the mover's played cards (P = 4 - held), [P..3]
// its held cards, [4..5] its discards, [6] the starter, [7..] the opponent's
// played cards. The history has already passed CheckPlayHistory. Returns the
// 1-based position (P+1..4) of the card to play, or 0 when no held card fits
// the current count.
int16_t ChoosePegPlay(const CardByte* cardBytes, int length, int held, bool moverIsDealer,
                      bool countIsEmpty, int moverScore, int opponentScore);

}  // namespace osprey

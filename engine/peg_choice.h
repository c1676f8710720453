// The computer's choice of its next pegging card.
#pragma once

#include <cstdint>

namespace osprey {

// Aggression 0..255 of the mover: the weight of the opponent's points in the
// pegging search (an opponent point costs aggression / 8, a mover point 8).
int PegAggression(const uint8_t* cards, int length, int moverPlayed, bool moverIsDealer,
                  int moverScore, int opponentScore);

// Position 1..4 of the card the mover should play next, 0 when no held card
// fits the count. cards: the checked MakePegPlay string as card bytes
// (length 7..11); moverPlayed: its cards already played (4 - held).
int ChoosePegCard(const uint8_t* cards, int length, int moverPlayed, bool moverIsDealer,
                  bool countIsEmpty, int moverScore, int opponentScore);

}  // namespace osprey

// The pegging position as the player to move sees it: the hand's plays
// replayed in order, the current series and what the plays so far reveal
// about the opponent's remaining cards.
#pragma once

#include <cstdint>

#include "engine/scoring.h"

namespace osprey {

constexpr int kPlayBufferSize = 32;

// Pip value of a played card (a real card or a suit-less rank).
inline int PegPip(uint8_t card) { return Pip(card); }

struct PegHistory {
  uint8_t buffer[kPlayBufferSize] = {};  // played cards in play order, room behind
  bool byMover[kPlayBufferSize] = {};    // who played each buffered card
  int played = 0;                        // cards in the buffer
  int seriesStart = 0;                   // first card of the current count
  int seriesLength = 0;
  int count = 0;
  int floor = 1;               // lowest pip value the opponent can still hold (1..10)
  bool opponentSaidGo = false;  // the opponent has said go in the current series
};

// Replays the plays of a checked MakePegPlay string (card bytes): cards[0..P-1]
// the mover's plays, cards[7..length-1] the opponent's. The pone leads.
PegHistory ReplayPegging(const uint8_t* cards, int length, int moverPlayed, bool moverIsDealer,
                         bool countIsEmpty);

}  // namespace osprey

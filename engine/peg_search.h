// The pegging look-ahead: the mover tries each playable card, the opponent's
// reply is averaged over the ranks it may hold, values on a byte scale
// around 128.
#pragma once

#include <cstdint>

namespace osprey {

// What every node of one search shares.
struct SearchContext {
  uint8_t* unseen = nullptr;         // per rank 1..13: cards the mover has not seen
  const uint8_t* weights = nullptr;  // per rank 1..13: opponent-hand weight 0..255
  uint8_t* buffer = nullptr;         // play buffer; hypothetical plays go behind the series
  const uint8_t* cards = nullptr;    // the mover's four card bytes
  int aggression = 0;                // each opponent point costs aggression / 8
};

// One node of the search, copied into each deeper evaluation so that changes
// below a node never leak back up. Sixteen bytes, so a copy travels in two
// registers.
struct SearchRecord {
  SearchContext* context = nullptr;
  uint8_t seriesStart = 0;  // start of the current count's cards in the buffer
  uint8_t flags = 0;        // bit 0: the opponent has said go; bit 1: the mover has
  uint8_t floor = 1;        // lowest pip value the opponent can still hold
  uint8_t held = 0;         // bit (8 >> i) while the mover holds card i
  uint8_t unknown = 0;      // cards the opponent still holds
  uint8_t count = 0;        // running count
  uint8_t length = 0;       // cards in the current series
  uint8_t horizon = 1;      // further opponent replies to explore
};

// x - 128 limited to 0..255.
inline int ClampValue(int x) {
  x -= 128;
  return x < 0 ? 0 : (x > 255 ? 255 : x);
}

// Value of the position with the mover to play; bestCards (if given)
// receives the bits (8 >> i) of the cards reaching the best value.
int MoverTurn(SearchRecord record, uint8_t* bestCards = nullptr);

// Value of the position after the mover's action (the card written at the
// series end, or a go when flags bit 1 is set).
int OpponentTurn(SearchRecord record);

}  // namespace osprey

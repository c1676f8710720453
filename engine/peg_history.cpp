// Replay of the hand's pegging and the walk over it that finds the current
// series and the opponent's floor.
#include "engine/peg_history.h"

namespace osprey {

PegHistory ReplayPegging(const uint8_t* cards, int length, int moverPlayed, bool moverIsDealer,
                         bool countIsEmpty) {
  PegHistory h;
  const uint8_t* opp = cards + 7;
  const int oppPlayed = length - 7;

  // The plays in order: the pone leads, turns alternate, a player plays its
  // next recorded card when it fits and otherwise says go; the count starts
  // again after 31 or after two goes in turn. Every two turns without a play
  // reset the count, so the loop ends; the bound only guards against misuse.
  int mi = 0, oi = 0, count = 0, goes = 0;
  bool moverTurn = !moverIsDealer;
  for (int guard = 0; guard < 64; ++guard) {
    if (moverTurn && mi == moverPlayed && oi == oppPlayed) break;
    const uint8_t* next = nullptr;
    if (moverTurn && mi < moverPlayed) next = &cards[mi];
    if (!moverTurn && oi < oppPlayed) next = &opp[oi];
    if (next && count + PegPip(*next) <= 31) {
      h.buffer[h.played] = *next;
      h.byMover[h.played] = moverTurn;
      ++h.played;
      count += PegPip(*next);
      goes = 0;
      if (moverTurn) ++mi;
      else ++oi;
    } else {
      ++goes;
    }
    if (count == 31 || goes > 1) {
      count = 0;
      goes = 0;
    }
    moverTurn = !moverTurn;
  }

  // The current series; a go by the opponent shows that none of its cards
  // fitted the count of that moment.
  int floor = 1;
  auto raiseFloor = [&floor](int f) {
    if (f > floor) floor = f;
  };
  count = 0;
  int length0 = 0, start = 0;
  for (int k = 0; k < h.played; ++k) {
    const int pip = PegPip(h.buffer[k]);
    if (k > 0 && h.byMover[k] && h.byMover[k - 1]) raiseFloor(32 - count);
    if (count + pip == 31) {
      count = 0;
      length0 = 0;
      start = k + 1;
    } else if (count + pip > 31) {
      raiseFloor(32 - count);
      start = k;
      count = pip;
      length0 = 1;
    } else {
      count += pip;
      ++length0;
    }
  }
  h.opponentSaidGo = h.played > 0 && h.byMover[h.played - 1];
  if (countIsEmpty && count != 0) {
    raiseFloor(32 - count);
    count = 0;
    length0 = 0;
    start = h.played;
    h.opponentSaidGo = false;
  }
  h.seriesStart = start;
  h.seriesLength = length0;
  h.count = count;
  h.floor = floor > 10 ? 10 : floor;
  return h;
}

}  // namespace osprey

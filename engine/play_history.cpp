// CheckPlayHistory: replays a hand's pegging from MakePegPlay's string to make
// sure the recorded plays and goes could have happened.
#include "engine/scoring.h"

namespace osprey {
namespace {

// True when any of cards[from..to-1] fits on the count.
bool AnyFits(const CardByte* cards, int from, int to, int count) {
  for (int k = from; k < to; ++k) {
    if (count + Pip(cards[k]) <= 31) return true;
  }
  return false;
}

}  // namespace

bool CheckPlayHistory(const CardByte* cards, int length, int held, bool moverIsDealer,
                      bool countIsEmpty, int* replayedCount) {
  const int moverPlayed = 4 - held;
  const int opponentRecorded = length - 7;
  int mover = 0;     // next recorded card of the mover
  int opponent = 7;  // next recorded card of the opponent
  int count = 0;
  int goes = 0;
  bool moverTurn = !moverIsDealer;  // the pone leads

  // Every two turns either a card is played or the count is reset, and a
  // reset is followed by a play, so the replay ends within a few dozen turns.
  for (int turn = 0; turn < 64; ++turn) {
    const bool moverLeft = mover < moverPlayed;
    const bool opponentLeft = opponent < length;
    if (moverTurn && !moverLeft && !opponentLeft) {
      if (replayedCount) *replayedCount = count;
      if (!countIsEmpty || count == 0) return true;
      return !AnyFits(cards, moverPlayed, 4, count);
    }
    if (moverTurn) {
      if (moverLeft && count + Pip(cards[mover]) <= 31) {
        count += Pip(cards[mover++]);
        goes = 0;
      } else {
        if (AnyFits(cards, mover, 4, count)) return false;
        ++goes;
      }
    } else {
      if (opponentLeft && count + Pip(cards[opponent]) <= 31) {
        count += Pip(cards[opponent++]);
        goes = 0;
      } else {
        if (AnyFits(cards, opponent, length, count)) return false;
        if (opponentRecorded < 4 && count <= 21) return false;  // its unknown cards would fit
        ++goes;
      }
    }
    if (count == 31 || goes > 1) {
      count = 0;
      goes = 0;
    }
    moverTurn = !moverTurn;
  }
  return false;
}

}  // namespace osprey

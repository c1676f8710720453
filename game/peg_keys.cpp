// The keyboard peg moves.
#include "game/peg_keys.h"

namespace kestrel {

int PegHoleOf(int score) { return (score < 0 || score > 120) ? 121 : score; }

int ReadPegHole(int hole, int playerScore) {
  return (hole == 121 && playerScore < 61) ? -1 : hole;
}

int PegAheadHole(int backPegHole, int playerScore) {
  const int s = ReadPegHole(backPegHole, playerScore);
  // From at or behind the front peg, jump just past it.
  return PegHoleOf(s <= playerScore ? playerScore + 1 : s + 1);
}

int PegBackHole(int backPegHole, int playerScore) {
  const int s = ReadPegHole(backPegHole, playerScore);
  // Never onto the front peg: from just past it, one hole behind it.
  return PegHoleOf(s > playerScore + 1 ? s - 1 : playerScore - 1);
}

}  // namespace kestrel

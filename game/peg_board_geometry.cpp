// Score <-> peg position on the board.
#include "game/peg_board_geometry.h"

#include <algorithm>
#include <cmath>

namespace kestrel {

PegPlace PegPlaceForScore(PegSide side, int score) {
  if (score < 0 || score > 120) score = kGameHole;
  const bool backRow = score > 60;
  PegPlace place;
  if (side == PegSide::Computer) {
    place.top = backRow ? 13 : 4;
  } else {
    place.top = backRow ? 27 : 36;
  }
  // The back row runs right to left; 121 lands on the start column.
  const int s = backRow ? kGameHole - score : score;
  place.left = 7 * ColumnOfDistance(s) + 3;
  return place;
}

int PegScoreAtPlace(int left, int top) {
  const int x = left - 6;
  // Nearest column; a half goes to the even neighbour.
  int c = static_cast<int>(std::nearbyint(x / 7.0));
  c = std::clamp(c, 0, kBoardColumns - 1);
  if (IsGapColumn(c)) c = x > 7 * c ? c + 1 : c - 1;
  const int s = c - (c + 4) / 6;
  const int y = top - 3;
  return (y >= 8 && y < 32) ? kGameHole - s : s;
}

}  // namespace kestrel

// Peg board geometry: the hole grid of the 522 x 50 board, the pixel place of a
// peg for a score and the score read back from a peg's pixel place. Plain
// arithmetic, shared by the board widget and by anything that reasons about
// where a peg stands.
#pragma once

namespace kestrel {

inline constexpr int kBoardWidth = 522;
inline constexpr int kBoardHeight = 50;
inline constexpr int kPegSize = 7;
inline constexpr int kBoardColumns = 73;           // columns 0..72
inline constexpr int kHoleRows[4] = {7, 16, 30, 39};  // computer out, computer back, player back, player out
inline constexpr int kGameHole = 121;

enum class PegSide { Computer, Player };

struct PegPlace {
  int left = 0;
  int top = 0;
  friend bool operator==(const PegPlace&, const PegPlace&) = default;
};

// x of the centre of hole column i.
constexpr int HoleColumnX(int column) { return 7 * column + 6; }
// Columns 1, 7, 13, ... 67 hold no hole (the gaps between groups of five).
constexpr bool IsGapColumn(int column) { return (column - 1) % 6 == 0; }
// The column a distance s (0..60) from the start stands in.
constexpr int ColumnOfDistance(int s) { return s + (s + 4) / 5; }

// Top-left pixel of a peg standing on a score. Scores below 0 or above 120
// stand in the game hole (121).
PegPlace PegPlaceForScore(PegSide side, int score);

// The score of the hole nearest to a peg whose top-left corner is at
// (left, top); the row band decides between the outward and the back row.
int PegScoreAtPlace(int left, int top);

}  // namespace kestrel

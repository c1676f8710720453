// The keyboard's way of pegging: "Peg Ahead" and "Peg Back" move the player's
// back peg one hole at a time, reckoned from where it stands now. Holes are
// scores; the game hole 121 shares column 0 of the back row with the start,
// so a peg there reads -1 until the player has reached 61.
#pragma once

namespace kestrel {

// The hole a peg stands in for a score: below 0 or above 120 is the game
// hole, 121.
int PegHoleOf(int score);

// The score a peg in a hole claims: 121 reads -1 while the player's score is
// below 61 (the start column of the back row).
int ReadPegHole(int hole, int playerScore);

// Where "Peg Ahead" and "Peg Back" send the back peg standing in a hole; the
// result is a hole (PegHoleOf applied).
int PegAheadHole(int backPegHole, int playerScore);
int PegBackHole(int backPegHole, int playerScore);

}  // namespace kestrel

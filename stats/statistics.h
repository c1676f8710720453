// Match statistics: per-hand tallies added into match totals, and the
// game-end buckets of win margins and hands per game. (The report and the
// stored form are built on these tables elsewhere.)
#pragma once

#include <array>
#include <cstdint>

#include "game/game_state.h"

namespace kestrel {

// Per-hand tallies, indexes 1..8 (index 0 unused).
enum TallyIndex : int {
  kTallyDealt = 1,
  kTallyPone = 2,
  kTallyHandAsDealer = 3,
  kTallyCrib = 4,
  kTallyHandAsPone = 5,
  kTallyPegAsDealer = 6,
  kTallyPegAsPone = 7,
  kTallyMissedOrReceived = 8,
};
using HandTally = std::array<int16_t, 9>;

struct Statistics {
  // The hand in play: each side's tally, added into the totals when the hand ends.
  HandTally playerTally{};
  HandTally computerTally{};
  // Match totals, index 1..8 as the per-hand tallies (index 0 unused).
  std::array<int32_t, 9> playerTotals{};
  std::array<int32_t, 9> computerTotals{};
  // Win margins 1..13 the player's wins, 14..26 the computer's.
  std::array<int16_t, 27> winMargins{};
  // Hands per game 1..9 the player's wins, 10..18 the computer's.
  std::array<int16_t, 19> handsPerGame{};
  // The card-source seed or pointer when the match began.
  int32_t initialSeed = 0;
};

// Zeroes both current-hand tallies and marks the dealer and the pone.
void StartHandTallies(Statistics& stats, bool playerDeals);
// Adds points a side scored to its current-hand tally by scoring category;
// `missed` (0 or negative) is the player's points missed.
void TallyPoints(Statistics& stats, bool playerDeals, bool isPlayer, int points, int category, int missed);
// Adds both current-hand tallies into the match totals.
void CommitHandTallies(Statistics& stats);
// Margin and hands-per-game buckets of a finished game.
int WinMarginIndex(bool computerWon, int loserScore);
int HandsPerGameIndex(bool computerWon, int handsDealt);
void RecordGameEnd(Statistics& stats, bool computerWon, int loserScore, int handsDealt);
// Zeroes totals and the game-end tables (the hand's tallies stay: the next
// deal starts them afresh).
void ResetStatistics(Statistics& stats);

}  // namespace kestrel

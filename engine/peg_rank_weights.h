// The model of the opponent's hidden cards: a weight 0..255 per rank from the
// opponent-hand table of its role, sharpened by what its plays reveal.
#pragma once

#include <cstdint>

#include "engine/peg_history.h"

namespace osprey {

// Per-rank weights (index 1..13) for the opponent's unplayed cards. cards and
// length are the checked MakePegPlay string as card bytes (the opponent's
// plays from byte 7 on); history is its replay. opponentIsPone selects the table.
void OpponentRankWeights(const uint8_t* cards, int length, const PegHistory& history,
                         bool opponentIsPone, uint8_t weights[16]);

// Sums of table weights per rank over the multisets that contain the given
// played ranks, each multiset adding once per rank beyond those played.
void AddKeptRankSums(const uint16_t* table, const int* playedRanks, int nPlayed,
                     uint32_t sums[16]);

}  // namespace osprey

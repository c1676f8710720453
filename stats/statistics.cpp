// Per-hand tallies, match totals and the game-end buckets.
#include "stats/statistics.h"

namespace kestrel {

void StartHandTallies(GameState& state) {
  state.playerTally.fill(0);
  state.computerTally.fill(0);
  HandTally& dealer = state.blnPlayerDeals ? state.playerTally : state.computerTally;
  HandTally& pone = state.blnPlayerDeals ? state.computerTally : state.playerTally;
  dealer[kTallyDealt] = 1;
  pone[kTallyPone] = 1;
}

void TallyPoints(GameState& state, bool isPlayer, int points, int category, int missed) {
  HandTally& tally = isPlayer ? state.playerTally : state.computerTally;
  const bool deals = isPlayer == state.blnPlayerDeals;
  if (isPlayer) tally[kTallyMissedOrReceived] = static_cast<int16_t>(tally[kTallyMissedOrReceived] + missed);
  int index = 0;
  switch (category) {
    case kScoreHeels:
    case kScorePlay:
    case kScoreGo: index = deals ? kTallyPegAsDealer : kTallyPegAsPone; break;
    case kScoreHand: index = deals ? kTallyHandAsDealer : kTallyHandAsPone; break;
    case kScoreCrib: index = kTallyCrib; break;
    case kScorePenalty: index = isPlayer ? 0 : kTallyMissedOrReceived; break;
    default: break;
  }
  if (index != 0) tally[index] = static_cast<int16_t>(tally[index] + points);
}

void CommitHandTallies(const GameState& state, Statistics& stats) {
  for (int i = 1; i <= 8; ++i) {
    stats.playerTotals[i] += state.playerTally[i];
    stats.computerTotals[i] += state.computerTally[i];
  }
}

int WinMarginIndex(bool computerWon, int loserScore) {
  int bucket = loserScore > 60 ? (125 - loserScore) / 5 : 13;
  if (bucket < 1) bucket = 1;  // a loser counted past 120 cannot occur; keep the index sane
  if (bucket > 13) bucket = 13;
  return bucket + (computerWon ? 13 : 0);
}

int HandsPerGameIndex(bool computerWon, int handsDealt) {
  int bucket = handsDealt < 6 ? 1 : handsDealt > 12 ? 9 : handsDealt - 4;
  return bucket + (computerWon ? 9 : 0);
}

void RecordGameEnd(Statistics& stats, bool computerWon, int loserScore, int handsDealt) {
  ++stats.winMargins[WinMarginIndex(computerWon, loserScore)];
  ++stats.handsPerGame[HandsPerGameIndex(computerWon, handsDealt)];
}

void ResetStatistics(Statistics& stats) {
  stats.playerTotals.fill(0);
  stats.computerTotals.fill(0);
  stats.winMargins.fill(0);
  stats.handsPerGame.fill(0);
}

}  // namespace kestrel

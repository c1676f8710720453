// Per-hand tallies, match totals and the game-end buckets.
#include "stats/statistics.h"

namespace kestrel {

void StartHandTallies(Statistics& stats, bool playerDeals) {
  stats.playerTally.fill(0);
  stats.computerTally.fill(0);
  HandTally& dealer = playerDeals ? stats.playerTally : stats.computerTally;
  HandTally& pone = playerDeals ? stats.computerTally : stats.playerTally;
  dealer[kTallyDealt] = 1;
  pone[kTallyPone] = 1;
}

void TallyPoints(Statistics& stats, bool playerDeals, bool isPlayer, int points, int category, int missed) {
  HandTally& tally = isPlayer ? stats.playerTally : stats.computerTally;
  const bool deals = isPlayer == playerDeals;
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

void CommitHandTallies(Statistics& stats) {
  for (int i = 1; i <= 8; ++i) {
    stats.playerTotals[i] += stats.playerTally[i];
    stats.computerTotals[i] += stats.computerTally[i];
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

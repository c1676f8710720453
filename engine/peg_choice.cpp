// The pegging choice: peg out when possible, play the only playable card,
// and otherwise search one opponent reply ahead with the opponent's hand
// modelled from its role and its plays; a suit tie-break settles equal cards.
#include "engine/peg_choice.h"

#include "engine/decisions.h"
#include "engine/scoring.h"
#include "engine/peg_history.h"
#include "engine/peg_rank_weights.h"
#include "engine/peg_search.h"
#include "engine/position_weight.h"

namespace osprey {

int PegAggression(const uint8_t* cards, int length, int moverPlayed, bool moverIsDealer,
                  int moverScore, int opponentScore) {
  const int oppPlayed = length - 7;
  const uint8_t five[5] = {cards[0], cards[1], cards[2], cards[3], cards[6]};
  const int hand = ScoreShowTotal(five, false);
  // The last card's point is expected for the player with more cards left.
  int moverEst = moverScore, oppEst = opponentScore;
  if (moverPlayed < oppPlayed) ++moverEst;
  else ++oppEst;

  if (moverIsDealer) {
    if (moverEst + (4 - moverPlayed) >= 121) return 0;
    if (oppEst >= 106) return 255;
  } else {
    if (oppEst >= 121) return 0;
    if (moverEst + hand >= 121 && oppEst + 4 - oppPlayed <= 121) return 255;
  }

  // Otherwise the position weight of the scores expected at the show. An
  // estimate below 0 counts as 0 (not as a score near 256, which would read
  // as a game already won); one past 120 needs nothing more.
  const auto atLeastZero = [](int s) { return s < 0 ? 0 : s; };
  const int moverShow = atLeastZero(moverScore - moverPlayed + hand - 8);
  const int oppShow = atLeastZero(opponentScore - oppPlayed);
  const uint32_t W = moverIsDealer ? PositionWeight(moverShow, oppShow)
                                   : PositionWeight(oppShow, moverShow);
  const uint32_t w = moverIsDealer ? W : OtherSideWeight(W);
  const uint32_t x = w < 0x8000 ? w / 2 : w / 2 + (w - 0x8000);
  return int(x >> 8);
}

int ChoosePegCard(const uint8_t* cards, int length, int moverPlayed, bool moverIsDealer,
                  bool countIsEmpty, int moverScore, int opponentScore) {
  uint8_t unseen[16];
  for (int r = 0; r < 16; ++r) unseen[r] = 4;
  for (int k = 0; k < length; ++k) --unseen[cards[k] & 15];

  PegHistory h = ReplayPegging(cards, length, moverPlayed, moverIsDealer, countIsEmpty);
  uint8_t* series = h.buffer + h.seriesStart;

  // Peg out at once when a card scores enough; play the only playable card.
  const int need = 121 - moverScore;
  int fitting = 0, onlyFit = 0;
  for (int i = moverPlayed; i < 4; ++i) {
    if (h.count + PegPip(cards[i]) > 31) continue;
    series[h.seriesLength] = cards[i];
    if (ScorePegCount(series, h.seriesLength + 1) >= need) return i + 1;
    ++fitting;
    onlyFit = i + 1;
  }
  if (fitting <= 1) return onlyFit;

  uint8_t weights[16];
  OpponentRankWeights(cards, length, h, moverIsDealer, weights);

  SearchContext context;
  context.unseen = unseen;
  context.weights = weights;
  context.buffer = h.buffer;
  context.cards = cards;
  context.aggression =
      PegAggression(cards, length, moverPlayed, moverIsDealer, moverScore, opponentScore);
  SearchRecord record;
  record.context = &context;
  record.seriesStart = uint8_t(h.seriesStart);
  record.flags = h.opponentSaidGo ? 1 : 0;
  record.floor = uint8_t(h.floor);
  for (int i = moverPlayed; i < 4; ++i) record.held |= uint8_t(8 >> i);
  record.unknown = uint8_t(4 - (length - 7));
  record.count = uint8_t(h.count);
  record.length = uint8_t(h.seriesLength);
  record.horizon = 1;
  uint8_t best = 0;
  MoverTurn(record, &best);

  // Among equally good cards prefer the suit the mover holds most of, and the
  // suit of its first card.
  int choice = 0, choiceScore = -1;
  for (int i = 0; i < 4; ++i) {
    if (!(best & (8 >> i))) continue;
    int score = 0;
    for (int k = 0; k < 4; ++k)
      if (cards[k] & cards[i] & 0xF0) score += 2;
    if (cards[0] & cards[i] & 0xF0) score += 1;
    if (score > choiceScore) {
      choice = i + 1;
      choiceScore = score;
    }
  }
  return choice;
}

int16_t ChoosePegPlay(const CardByte* cardBytes, int length, int held, bool moverIsDealer,
                      bool countIsEmpty, int moverScore, int opponentScore) {
  return int16_t(ChoosePegCard(cardBytes, length, 4 - held, moverIsDealer, countIsEmpty,
                               moverScore, opponentScore));
}

}  // namespace osprey

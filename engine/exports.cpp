// The six exported functions of libOsprey32.so: each checks its arguments,
// reports a failure and returns -1, or answers from the scoring and decision
// code. Nothing is kept between calls.
#include "engine/decisions.h"
#include "engine/osprey32.h"
#include "engine/scoring.h"

int16_t Discard(const unsigned char* hand, int16_t dealerScore, int16_t poneScore) {
  osprey::CardByte cards[6];
  if (!osprey::CheckDiscardArguments(hand, dealerScore, poneScore, cards)) {
    return osprey::ArgumentError("Discard");
  }
  return osprey::ChooseDiscard(cards, dealerScore, poneScore);
}

int16_t ScoreHand(const unsigned char* hand, int16_t isCrib) {
  osprey::CardByte cards[5];
  if (!osprey::CheckHandArguments(hand, cards)) return osprey::ArgumentError("ScoreHand");
  return static_cast<int16_t>(osprey::ScoreShowTotal(cards, isCrib != 0));
}

int16_t ParseHand(const unsigned char* hand, int16_t isCrib) {
  osprey::CardByte cards[5];
  if (!osprey::CheckHandArguments(hand, cards)) return osprey::ArgumentError("ParseHand");
  return static_cast<int16_t>(osprey::ScoreShowBreakdown(cards, isCrib != 0));
}

int16_t MakePegPlay(const unsigned char* cards, int16_t length, int16_t held, int16_t moverIsDealer,
                    int16_t countIsEmpty, int16_t moverScore, int16_t opponentScore) {
  osprey::CardByte bytes[11];
  if (!osprey::CheckMakePegPlayArguments(cards, length, held, moverIsDealer, countIsEmpty,
                                         moverScore, opponentScore, bytes)) {
    return osprey::ArgumentError("MakePegPlay");
  }
  return osprey::ChoosePegPlay(bytes, length, held, moverIsDealer != 0, countIsEmpty != 0,
                               moverScore, opponentScore);
}

int16_t ScorePegPlay(const unsigned char* sequence, int16_t length) {
  osprey::CardByte cards[8];
  if (!osprey::CheckPegPlayArguments(sequence, length, cards)) {
    return osprey::ArgumentError("ScorePegPlay");
  }
  return static_cast<int16_t>(osprey::ScorePegCount(cards, length));
}

int32_t RandSeed(int32_t state) { return osprey::NextRandom(state); }

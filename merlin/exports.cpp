// The two exports of libMerlin32.so, with the engine's argument lists,
// results and argument checks; a failed check is reported as the engine
// reports it, under this library's name, and answered with -1.
#include "engine/osprey32.h"
#include "merlin/merlin.h"

// Measured variants are built from this file with these knobs changed
// (see CMakeLists.txt); the library itself uses the defaults.
#ifndef MERLIN_WIN_CHANCE
#define MERLIN_WIN_CHANCE 1
#endif
#ifndef MERLIN_PEG_ESTIMATE
#define MERLIN_PEG_ESTIMATE 1
#endif
#ifndef MERLIN_LIKELIHOOD
#define MERLIN_LIKELIHOOD 1
#endif
#ifndef MERLIN_NODES
#define MERLIN_NODES 10000
#endif
#ifndef MERLIN_WORLDS
#define MERLIN_WORLDS 400
#endif

namespace {

constexpr merlin::DiscardTuning kDiscardTuning{MERLIN_WIN_CHANCE != 0, 45, MERLIN_PEG_ESTIMATE != 0};
constexpr merlin::PegTuning kPegTuning{MERLIN_WORLDS, MERLIN_NODES, MERLIN_LIKELIHOOD != 0};

int16_t ArgumentError(const char* exportName) { return osprey::ArgumentError(exportName, "MERLIN32.DLL"); }

}  // namespace

int16_t Discard(const unsigned char* hand, int16_t dealerScore, int16_t poneScore) {
  osprey::CardByte cards[6];
  if (!osprey::CheckDiscardArguments(hand, dealerScore, poneScore, cards)) return ArgumentError("Discard");
  return merlin::ChooseDiscardTuned(cards, dealerScore, poneScore, kDiscardTuning);
}

int16_t MakePegPlay(const unsigned char* cards, int16_t length, int16_t held, int16_t moverIsDealer,
                    int16_t countIsEmpty, int16_t moverScore, int16_t opponentScore) {
  osprey::CardByte bytes[11];
  if (!osprey::CheckMakePegPlayArguments(cards, length, held, moverIsDealer, countIsEmpty, moverScore,
                                         opponentScore, bytes)) {
    return ArgumentError("MakePegPlay");
  }
  return merlin::ChoosePegPlayTuned(bytes, length, held, moverIsDealer != 0, countIsEmpty != 0, moverScore,
                                    opponentScore, kPegTuning);
}

// The six exports of the engine library libOsprey32.so, as the program and
// any alternate decision library (libPetrel32.so) see them. Card strings are
// read for exactly the number of bytes each function prescribes; a failed
// argument check reports itself and returns -1.
#pragma once

#include <cstdint>

#if defined(OSPREY_BUILDING)
#define OSPREY_API extern "C" __attribute__((visibility("default")))
#else
#define OSPREY_API extern "C"
#endif

OSPREY_API int16_t Discard(const unsigned char* hand, int16_t dealerScore, int16_t poneScore);
OSPREY_API int16_t ScoreHand(const unsigned char* hand, int16_t isCrib);
OSPREY_API int16_t ParseHand(const unsigned char* hand, int16_t isCrib);
OSPREY_API int16_t MakePegPlay(const unsigned char* cards, int16_t length, int16_t held,
                               int16_t moverIsDealer, int16_t countIsEmpty, int16_t moverScore,
                               int16_t opponentScore);
OSPREY_API int16_t ScorePegPlay(const unsigned char* sequence, int16_t length);
OSPREY_API int32_t RandSeed(int32_t state);

// Function-pointer types used by the program when it binds the exports by name.
using DiscardFn = int16_t (*)(const unsigned char*, int16_t, int16_t);
using ScoreHandFn = int16_t (*)(const unsigned char*, int16_t);
using ParseHandFn = int16_t (*)(const unsigned char*, int16_t);
using MakePegPlayFn = int16_t (*)(const unsigned char*, int16_t, int16_t, int16_t, int16_t,
                                  int16_t, int16_t);
using ScorePegPlayFn = int16_t (*)(const unsigned char*, int16_t);
using RandSeedFn = int32_t (*)(int32_t);

// The engine reports a bad argument through this function when the host
// process provides it (found by name at the moment of the error); otherwise
// it writes the text to standard error.
extern "C" void KestrelEngineReport(const char* text, const char* caption);
using KestrelEngineReportFn = void (*)(const char*, const char*);

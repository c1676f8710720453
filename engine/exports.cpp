// The six exported functions of libOsprey32.so (placeholders until the
// engine is written).
#include "engine/osprey32.h"

int16_t Discard(const unsigned char*, int16_t, int16_t) { return 0x1010; }
int16_t ScoreHand(const unsigned char*, int16_t) { return 0; }
int16_t ParseHand(const unsigned char*, int16_t) { return 0; }
int16_t MakePegPlay(const unsigned char*, int16_t, int16_t, int16_t, int16_t, int16_t, int16_t) { return 0; }
int16_t ScorePegPlay(const unsigned char*, int16_t) { return 0; }
int32_t RandSeed(int32_t state) { return state; }

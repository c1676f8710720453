// Stand-in hand and pegging scorers used by the decision code until the shared
// scorers are merged in; same card-byte form (low nibble rank, high nibble suit bit).
#pragma once

#include <cstdint>

namespace osprey::interim {

int ScoreShowTotal(const uint8_t* cards5, bool crib);
int ScorePegCount(const uint8_t* cards, int n);

}  // namespace osprey::interim

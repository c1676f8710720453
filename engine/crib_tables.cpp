// Crib values of discard pairs, in 1/32 point per table unit over a base of
// two points, with a same-suit extra and the flag bit.
#include "engine/crib_tables.h"

namespace osprey {
namespace {

// Own crib; row = higher rank, column = lower rank, rows stored one after the other.
constexpr uint8_t kOwnCrib[91] = {
    104,                                                        // A
    70,  118,                                                   // 2
    79,  159, 125,                                              // 3
    111, 80,  92,  117,                                         // 4
    111, 110, 128, 145, 222,                                    // 5
    58,  60,  55,  60,  149, 120,                               // 6
    55,  58,  53,  56,  129, 94,  127,                          // 7
    54,  50,  59,  59,  112, 86,  147, 109,                     // 8
    42,  52,  53,  54,  111, 99,  66,  88,  99,                 // 9
    44,  48,  51,  52,  150, 37,  35,  60,  73,  87,            // T
    53,  57,  60,  60,  161, 45,  46,  45,  63,  84,  108,      // J
    44,  49,  52,  52,  151, 35,  37,  37,  31,  44,  93,  85,  // Q
    45,  50,  53,  53,  150, 36,  39,  39,  34,  27,  66,  48, 84,  // K
};

// Opponent's crib, same layout.
constexpr uint8_t kOpponentCrib[91] = {
    130,                                                         // A
    98,  142,                                                    // 2
    102, 171, 153,                                               // 3
    120, 110, 131, 147,                                          // 4
    130, 134, 155, 175, 237,                                     // 5
    94,  100, 93,  111, 181, 165,                                // 6
    95,  100, 101, 93,  163, 148, 168,                           // 7
    94,  97,  99,  97,  140, 130, 188, 152,                      // 8
    85,  90,  90,  88,  135, 138, 111, 127, 142,                 // 9
    79,  85,  86,  82,  175, 77,  78,  97,  113, 132,            // T
    87,  93,  95,  89,  184, 84,  87,  85,  95,  115, 146,       // J
    77,  83,  85,  80,  173, 73,  78,  76,  68,  85,  114, 124,  // Q
    75,  81,  83,  78,  170, 72,  76,  74,  68,  64,  93,  82, 119,  // K
};

// Flag bits, 91 bits indexed like the tables, most significant bit first.
// Set for pairs of equal rank, 2-3, A-4, A-5, 2-5, 3-5, 4-5, 5-6 to 5-K, 6-9, 7-8.
constexpr uint8_t kFlagBits[12] = {0xAE, 0x7E, 0x18, 0x50, 0xB0, 0xC8,
                                   0x42, 0x10, 0x42, 0x04, 0x20, 0x20};

bool FlagBit(int index) { return (kFlagBits[index >> 3] >> (7 - (index & 7))) & 1; }

}  // namespace

int CribPairIndex(int rank1, int rank2) {
  int h = (rank1 > rank2 ? rank1 : rank2) - 1;
  int l = (rank1 > rank2 ? rank2 : rank1) - 1;
  return h * (h + 1) / 2 + l;
}

CribPairValue CribValue(uint8_t card1, uint8_t card2) {
  CribPairValue v;
  int index = CribPairIndex(card1 & 15, card2 & 15);
  if (index < 0 || index > 90) return v;
  bool sameSuit = (card1 & card2 & 0xF0) != 0;
  v.flag = FlagBit(index) ? 1 : 0;
  v.own = 512 + 8 * kOwnCrib[index] + (sameSuit ? 8 : 0) + v.flag;
  v.opponent = 512 + 8 * kOpponentCrib[index] + (sameSuit ? 12 : 0) + v.flag;
  return v;
}

}  // namespace osprey

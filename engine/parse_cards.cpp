// ParseCards: turns a caller's card string into card bytes, rejecting bytes
// that are no card and cards that appear twice.
#include "engine/scoring.h"

namespace osprey {
namespace {

// Card byte and pip value of every card number.
struct CardTable {
  CardByte byte[52];
  uint8_t pip[52];
};
constexpr CardTable MakeCardTable() {
  CardTable t{};
  for (int c = 0; c < 52; ++c) {
    t.byte[c] = CardByteOf(c);
    t.pip[c] = static_cast<uint8_t>(Pip(t.byte[c]));
  }
  return t;
}
constexpr CardTable kCards = MakeCardTable();

}  // namespace

int ParseCards(const unsigned char* text, int count, CardByte* out) {
  if (count <= 0) return 0;
  if (text == nullptr) return kParseRejected;
  uint64_t seen = 0;
  int total = 0;
  for (int i = 0; i < count; ++i) {
    const unsigned value = text[i];  // 128..255 are negative as signed bytes
    if (value > 51) return kParseRejected;
    const uint64_t bit = uint64_t{1} << value;
    if (seen & bit) return kParseRejected;
    seen |= bit;
    out[i] = kCards.byte[value];
    total += kCards.pip[value];
  }
  return total;
}

}  // namespace osprey

// ParseCards: turns a caller's card string into card bytes, rejecting bytes
// that are no card and cards that appear twice.
#include "engine/scoring.h"

namespace osprey {

int ParseCards(const unsigned char* text, int count, CardByte* out) {
  if (count <= 0) return 0;
  if (text == nullptr) return kParseRejected;
  uint64_t seen = 0;
  int total = 0;
  for (int i = 0; i < count; ++i) {
    const int value = static_cast<signed char>(text[i]);
    if (value < 0 || value > 51) return kParseRejected;
    const uint64_t bit = uint64_t{1} << value;
    if (seen & bit) return kParseRejected;
    seen |= bit;
    out[i] = CardByteOf(value);
    total += Pip(out[i]);
  }
  return total;
}

}  // namespace osprey

// Stand-in decisions until the real discard and pegging judgement is in:
// lay away the first two cards, peg the first held card that fits.
#include "engine/decisions.h"

namespace osprey {

int16_t ChooseDiscard(const CardByte[6], int, int) { return 0x1010; }

int16_t ChoosePegPlay(const CardByte* cardBytes, int length, int held, bool moverIsDealer,
                      bool countIsEmpty, int, int) {
  int count = 0;
  if (!CheckPlayHistory(cardBytes, length, held, moverIsDealer, countIsEmpty, &count)) return 0;
  if (countIsEmpty) count = 0;
  for (int i = 4 - held; i < 4; ++i) {
    if (count + Pip(cardBytes[i]) <= 31) return static_cast<int16_t>(i + 1);
  }
  return 0;
}

}  // namespace osprey

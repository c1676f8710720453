// Written names of cards.
#include "game/cards.h"

namespace kestrel {

std::string CardName(int card) {
  if (card < 0 || card > 51) return "??";
  return {kRankLetters[card % 13], kSuitLetters[card / 13]};
}

}  // namespace kestrel

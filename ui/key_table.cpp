// The character filter and the card cursor's wrap rule.
#include "ui/key_table.h"

namespace kestrel {

bool CharacterPasses(int keyMode, QChar c) {
  const char16_t u = c.unicode();
  const bool backspace = u == 8;
  const bool digit = u >= '0' && u <= '9';
  const bool letter = (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z');
  switch (keyMode) {
    case kKeySeed: return digit || backspace || u == '-' || u == '+';
    case kKeyPlayerName: return letter || digit || backspace || u == '-';
    default: return false;
  }
}

int DeckCardOfLetter(QChar c) {
  const char16_t u = c.unicode();
  if (u >= 'A' && u <= 'Z') return u - 'A';
  if (u >= 'a' && u <= 'z') return 26 + (u - 'a');
  return -1;
}

int WrapCardCursor(int position, int waitState, int playerCardsLeft) {
  const int last = waitState == 2 ? 5 : playerCardsLeft - 1;
  if (last < 0) return 0;
  if (position > last) return 0;
  if (position < 0) return last;
  return position;
}

}  // namespace kestrel

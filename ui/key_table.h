// The keyboard's tables: which typed characters reach the entry boxes in each
// typing context, the key names shown in the Keyboard menu, and where the
// keyboard card cursor goes.
#pragma once

#include <QChar>

namespace kestrel {

// Typing contexts (intKeyMode).
enum KeyMode : int {
  kKeyPlay = 0,
  kKeyDeckView = 1,
  kKeyHistory = 2,
  kKeySeed = 3,
  kKeyAbout = 4,
  kKeyPlayerName = 5,
};

// True when a typed character passes to the focused box in a mode. In the
// deck view letters are turned into card clicks by the caller and then
// dropped, so nothing passes there either.
bool CharacterPasses(int keyMode, QChar c);

// The deck-view card a letter stands for ("A".."Z" 0..25, "a".."z" 26..51),
// -1 for anything else.
int DeckCardOfLetter(QChar c);

// MoveCardCursor's slot rule: the last slot is 5 while discards are chosen,
// else the cards left minus one; past the last wraps to 0, below 0 to the
// last.
int WrapCardCursor(int position, int waitState, int playerCardsLeft);

}  // namespace kestrel

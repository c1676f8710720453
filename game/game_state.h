// The game-state record: the match, the game, the hand in play, the pegging
// and the pending user action. One instance lives as long as the program;
// every step of the match controller reads and writes it, and input handlers
// only ever record a choice and the negated wait code in it.
#pragma once

#include <cstdint>
#include <string>

namespace kestrel {

// What the game is waiting for; the action that answers stores the negated code.
enum WaitCode : int16_t {
  kWaitNone = 0,       // nothing; File > New Match stores it to abandon the match
  kWaitContinue = 1,
  kWaitDiscard = 2,
  kWaitPlay = 3,
  kWaitPegHeels = 4,
  kWaitPegPlay = 5,
  kWaitPegGo = 6,
  kWaitPegHand = 7,
  kWaitPegCrib = 8,
};

// Scoring categories use the wait codes 4..8; 0 is penalty or muggins points
// given to the computer.
enum ScoreCategory : int16_t {
  kScorePenalty = 0,
  kScoreHeels = 4,
  kScorePlay = 5,
  kScoreGo = 6,
  kScoreHand = 7,
  kScoreCrib = 8,
};

// A 32-bit total for a stored 16-bit field: clamped to the 16-bit range.
inline int16_t StoredInt16(int32_t value) {
  return static_cast<int16_t>(value > 32767 ? 32767 : value < -32768 ? -32768 : value);
}

struct GameState {
  // Match record.
  // 32-bit in memory: 16-bit totals wrap in long unattended matches (match
  // points after about 28,600 games). Where a stored format holds 16 bits
  // the value is clamped there (StoredInt16), never wrapped.
  int32_t intGamesPlayed = 0;
  int32_t intPlayerMatchPoints = 0;
  int32_t intComputerMatchPoints = 0;
  int32_t intPointDifferential = 0;

  // Game record.
  bool blnPlayerDeals = false;
  int16_t intHandsDealt = 0;
  int16_t intPlayerScore = 0;
  int16_t intComputerScore = 0;
  int16_t intPlayerBackPeg = -1;
  int16_t intComputerBackPeg = -1;

  // Hand record. Card strings hold one byte 0..51 per card.
  std::string strDealCards;
  std::string strPlayerHand;    // kept four first, discards last; unplayed first during pegging
  std::string strComputerHand;
  std::string strStarter;
  int16_t intPhase = 0;         // 1 dealt, 2 discarding, 3 discarded, 4 pegging, 5 pegging over
  bool blnShowPhase = false;
  // The cards each side has played this hand, in the order played (the hand
  // strings hold them behind the unplayed ones in reverse order).
  std::string strPlayerPlayed;
  std::string strComputerPlayed;

  // Pegging record.
  int16_t intCount = 0;
  std::string strPegSequence;
  std::string strPegLog;
  int16_t intPlayerCardsLeft = 0;
  int16_t intComputerCardsLeft = 0;
  bool blnPlayerTurn = false;
  bool blnComputerGo = false;
  bool blnPlayerGo = false;

  // Pending user action.
  int16_t intWaitState = kWaitNone;
  int16_t intSelectedCard = -1;
  int16_t intPlayedCard = -1;
  int16_t intCursorCard = -1;
  int16_t intPointsToPeg = 0;
  int16_t intHintCard1 = -1;
  int16_t intHintCard2 = -1;

  // True while a saved match is being re-entered.
  bool blnRestoring = false;

  // Global switches, read once at start-up.
  bool blnAllowCtrlF10 = false;
  bool blnAllowMultipleInstances = false;
  int16_t intUseAltLibrary = 0;

  // The crib: the last two cards of each hand.
  std::string Crib() const {
    std::string crib;
    if (strPlayerHand.size() >= 2) crib += strPlayerHand.substr(strPlayerHand.size() - 2);
    if (strComputerHand.size() >= 2) crib += strComputerHand.substr(strComputerHand.size() - 2);
    return crib;
  }
};

}  // namespace kestrel

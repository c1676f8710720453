// The decisions and scores the match controller asks of the engine: the
// computer's (or the hint's) discards and pegging card, the show and the
// pegging points. EngineBridge answers them from libOsprey32.so (and
// libPetrel32.so where asked); tests answer them with a fake.
#pragma once

#include <cstdint>
#include <string>

#include "game/game_state.h"

namespace kestrel {

// The breakdown word of a show (four cards and the starter), as the engine's
// ParseHand packs it.
class ShowBreakdown {
 public:
  ShowBreakdown() = default;
  explicit ShowBreakdown(int16_t word) : word_(static_cast<uint16_t>(word)) {}

  uint16_t Word() const { return word_; }
  // Length of the run times the product of the multiplicities of its ranks:
  // 0, 3, 4, 5, 6 (two runs of three), 8, 9, 12.
  int RunPoints() const { return word_ & 0x0F; }
  // Number of pairs (each worth 2).
  int Pairs() const { return (word_ >> 4) & 0x07; }
  // Number of fifteens (each worth 2).
  int Fifteens() const { return (word_ >> 7) & 0x0F; }
  bool FiveCardFlush() const { return (word_ >> 11) & 1; }
  // A flush of four or five cards.
  bool Flush() const { return (word_ >> 12) & 1; }
  bool Nobs() const { return (word_ >> 13) & 1; }
  // 5, 4 or 0.
  int FlushPoints() const { return FiveCardFlush() ? 5 : (Flush() ? 4 : 0); }
  // The total the breakdown stands for.
  int Total() const { return RunPoints() + 2 * Pairs() + 2 * Fifteens() + FlushPoints() + (Nobs() ? 1 : 0); }

 private:
  uint16_t word_ = 0;
};

class Decisions {
 public:
  virtual ~Decisions() = default;

  // The two cards to lay away from the six-card hand of the computer
  // (isComputer) or, as the hint, of the player. first < second are 0-based
  // positions 0..5 in that hand string. Never fails: a failed or illegal
  // engine answer gives the last two cards (4 and 5). May clear
  // state.intUseAltLibrary (the alternate library failed).
  virtual void ChooseDiscards(GameState& state, bool isComputer, int& first, int& second) = 0;

  // The card to play for the computer (isComputer) or, as the hint, for the
  // player: a 1-based position 1..H among the side's unplayed cards (the
  // first H characters of its hand string) of a card that fits the count;
  // 0 when none fits. A failed or illegal engine answer gives the first card
  // that fits. Needs state.strPlayerPlayed / strComputerPlayed (the played
  // cards in the order played). May clear state.intUseAltLibrary.
  virtual int ChoosePlay(GameState& state, bool isComputer) = 0;

  // Points of a show: hand is four cards then the starter. 0 on a failed call.
  virtual int ScoreShowTotal(const std::string& hand, bool isCrib) = 0;

  // The breakdown of the same show (for the wording of the scoring details).
  virtual ShowBreakdown ParseShow(const std::string& hand, bool isCrib) = 0;

  // Points earned by the last card of the pegging sequence (the cards since
  // the count was last reset, oldest first). 0 on a failed call.
  virtual int ScorePlay(const std::string& pegSequence) = 0;
};

}  // namespace kestrel

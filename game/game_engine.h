// What the match controller asks of the engine and the card source: the
// deal, the two decisions (for either side), and the scoring. The program
// answers it through the engine bridge and the card source; tests may
// answer it directly.
#pragma once

#include <cstdint>
#include <string>

#include "game/game_state.h"

namespace kestrel {

class GameEngine {
 public:
  virtual ~GameEngine() = default;

  // n distinct cards from the card source (the seed or pointer moves on).
  virtual std::string DrawCards(int n) = 0;
  // The card source's current seed or data-file pointer, and which it is.
  virtual int32_t SeedOrPointer() const = 0;
  virtual bool SourceIsDataFile() const = 0;

  // The two cards to lay away from the six of the computer's hand
  // (isComputer) or the player's: 0-based positions, first < second.
  virtual void ChooseDiscards(const GameState& state, bool isComputer, int& first, int& second) = 0;
  // The card to play for the side to move: 1-based position among its
  // unplayed cards (the first cards-left characters of its hand string).
  virtual int ChoosePlay(const GameState& state, bool isComputer) = 0;

  // Points for the last card of a pegging sequence.
  virtual int ScorePlay(const std::string& sequence) = 0;
  // A hand of four cards followed by the starter: total, and breakdown word.
  virtual int ScoreHand(const std::string& hand5, bool isCrib) = 0;
  virtual int ParseHand(const std::string& hand5, bool isCrib) = 0;
};

// The saved-match record as the hand cycle sees it: decisions are recorded
// as they happen and, while a saved match is re-entered, read back.
class MatchRecorder {
 public:
  virtual ~MatchRecorder() = default;
  // a = 0 hand start; a = -1 a marker; else one or two decisions (b = 0: one).
  virtual void RecordDecision(int a, int b) = 0;
  virtual int NextRecordedValue() = 0;
  // A decision record was loaded (replay cursor not 0).
  virtual bool HasRecord() const = 0;
};

// Records nothing and has nothing to replay.
class NullRecorder : public MatchRecorder {
 public:
  void RecordDecision(int, int) override {}
  int NextRecordedValue() override { return 0; }
  bool HasRecord() const override { return false; }
};

}  // namespace kestrel

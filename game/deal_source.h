// What the match controller asks of the card source (the deal) and of the
// saved-match record (decisions recorded and replayed). The engine's
// decisions and scores come through Decisions (game/decisions.h).
#pragma once

#include <cstdint>
#include <string>

#include "game/game_state.h"

namespace kestrel {

class DealSource {
 public:
  virtual ~DealSource() = default;
  // n distinct cards from the card source (the seed or pointer moves on).
  virtual std::string DrawCards(int n) = 0;
  // The card source's current seed or data-file pointer, and which it is.
  virtual int32_t SeedOrPointer() const = 0;
  virtual bool SourceIsDataFile() const = 0;
};

// The saved-match record as the hand cycle sees it: decisions are recorded
// as they happen and, while a saved match is re-entered, read back.
class MatchRecorder {
 public:
  virtual ~MatchRecorder() = default;
  // a = 0 hand start; a = -1 a marker; else one or two decisions (b = 0: one).
  virtual void RecordDecision(int a, int b) = 0;
  virtual int NextRecordedValue() = 0;
  // The last recorded decision is taken back (a discard choice undone).
  virtual void RetractDecision() = 0;
  // At the start of a match: true when a saved match was loaded and is now
  // taken up (the match values are restored and the replay cursor is set);
  // false otherwise (the replay cursor stays 0).
  virtual bool TakeLoadedRecord() = 0;
  // At the start of a game that is not resumed: the record is emptied.
  virtual void ClearRecord() = 0;
  // A game has just ended: the record holds the finished game's final
  // position, so that a restart shows its end and goes on to the next game.
  virtual void RecordGameEnd() = 0;
  // A decision record was loaded (replay cursor not 0).
  virtual bool HasRecord() const = 0;
  // The current hand has recorded a decision or marker since its start.
  virtual bool HandHasDecision() const = 0;
};

// Records nothing and has nothing to replay.
class NullRecorder : public MatchRecorder {
 public:
  void RecordDecision(int a, int) override { handDecided_ = a != 0; }
  int NextRecordedValue() override { return 0; }
  void RetractDecision() override {}
  bool TakeLoadedRecord() override { return false; }
  void ClearRecord() override {}
  void RecordGameEnd() override {}
  bool HasRecord() const override { return false; }
  bool HandHasDecision() const override { return handDecided_; }

 private:
  bool handDecided_ = false;
};

}  // namespace kestrel

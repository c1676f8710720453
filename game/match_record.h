// The saved match: an unfinished match survives the end of the program as
// the match position at the start of the current hand (the ten-value match
// header), the card source as it stood then (the hand-start snapshot) and
// the decisions taken in the hand so far. On resuming, the hand is dealt
// again from the same card-source position and the decisions are replayed
// without waits until the record runs out. A check value over the record
// and the hand's thirteen cards ties the record to the deal, so that an
// edited or stale record is refused.
//
// MatchRecord is both the controller's recorder and the settings file's
// hooks for the "State", "Statistics1" and "Statistics2" keys. Loading the
// player's settings with it as the hooks validates and keeps a saved match;
// the next PlayMatch takes it up and replays it. The same object therefore
// serves start-up and every change of player.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "game/deal_source.h"
#include "game/game_state.h"
#include "settings/options.h"
#include "settings/profile.h"

namespace kestrel {

struct Statistics;

// Numbers 1..40 of a record (index 0 unused): the header, then decisions
// and markers, then zeros.
using RecordNumbers = std::array<int32_t, 41>;

// The check value: h = seed; h = RandSeed(v(i) XOR h) for i = 1..40; then
// h = RandSeed(card XOR h) for each of the 13 cards of the hand in drawing
// order.
int32_t StateCheckValue(int32_t seed, const RecordNumbers& v, const std::string& cards,
                        const std::function<int32_t(int32_t)>& randSeed);

// Parses "State": the check value and 40 numbers (missing ones 0). A field
// that does not fit gives 0 (the check value 32-bit, the point differential
// 32-bit, every other number 16-bit). False when the value is empty.
bool ParseStateText(const std::string& text, int32_t& check, RecordNumbers& v);

class MatchRecord : public MatchRecorder, public MatchRecordHooks {
 public:
  using RandSeedFn = std::function<int32_t(int32_t)>;
  // The 13 cards a hand dealt from the given card-source position would get,
  // without moving the live card source.
  using PeekFn = std::function<std::string(const HandStartSnapshot&)>;

  MatchRecord(GameState& state, Options& options, Statistics& stats, RandSeedFn randSeed, PeekFn peek);

  // Locked play: `save` writes all settings after every recorded step.
  void SetLockedSave(std::function<void()> save) { lockedSave_ = std::move(save); }

  // --- MatchRecorder (the hand cycle) ---
  void RecordDecision(int a, int b) override;
  int NextRecordedValue() override;
  void RetractDecision() override;
  bool TakeLoadedRecord() override;
  void ClearRecord() override;
  void RecordGameEnd() override;
  bool HasRecord() const override { return cursor_ != 0 || pending_; }
  bool HandHasDecision() const override { return !decisions_.empty(); }

  // --- MatchRecordHooks (the settings file) ---
  void BeginLoad() override;
  bool LoadState(const std::string& state) override;
  void LoadStatistics(const std::string& statistics1, const std::string& statistics2) override;
  std::string StateText() override;
  std::string Statistics1Text() override;
  std::string Statistics2Text() override;
  std::optional<HandStartSnapshot> HandStart() override;

  // A loaded, valid record waits for the next match.
  bool HasPendingRecord() const { return pending_; }
  int Cursor() const { return cursor_; }

 private:
  HandStartSnapshot LiveSource() const;
  void RebuildHeader();
  void RebuildStatistics();

  GameState& state_;
  Options& options_;
  Statistics& stats_;
  RandSeedFn randSeed_;
  PeekFn peek_;
  std::function<void()> lockedSave_;

  // The record as it grows.
  std::optional<HandStartSnapshot> snapshot_;
  std::string header_;
  std::string decisions_;
  std::string statistics1_, statistics2_;
  std::string cards_;  // the hand's 13 cards, for the check value

  // The record being replayed.
  RecordNumbers slots_{};
  int cursor_ = 0;

  // A loaded record not yet taken up by a match: written back as it was read.
  bool pending_ = false;
  std::string loadedState_, loadedStatistics1_, loadedStatistics2_;
};

}  // namespace kestrel

namespace kestrel {
class CardSource;
// The 13 cards the card source would deal from `at`, leaving it as it was.
std::string PeekHandCards(CardSource& source, Options& options, const HandStartSnapshot& at);
}  // namespace kestrel

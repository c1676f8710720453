// Decisions and a deal for tests and benchmarks that use the engine linked
// in directly (no library loading): the engine's own choices and scores, the
// default card sequence from a seed, and a deal that hands out fixed cards.
#pragma once

#include <cstdint>
#include <deque>
#include <string>

#include "game/deal_source.h"
#include "game/decisions.h"
#include "game/engine_bridge.h"

namespace kestrel::testing {

// The program's own engine bridge, with the exports resolved to the engine
// linked into the test rather than loaded from a library, so the strings the
// engine sees are exactly the ones the program builds.
class LinkedEngineDecisions : public EngineBridge {
 public:
  LinkedEngineDecisions();
};

// Simple, predictable choices with the engine's scoring: the computer lays
// away the last two cards of its hand and plays its first card that fits;
// the player's hints are chosen the same way.
class SimpleDecisions : public LinkedEngineDecisions {
 public:
  void ChooseDiscards(GameState& state, bool isComputer, int& first, int& second) override;
  int ChoosePlay(GameState& state, bool isComputer) override;
};

// The default card sequence stepped by RandSeed from a seed.
class SeededDeal : public DealSource {
 public:
  explicit SeededDeal(int32_t seed) : seed_(seed) {}
  std::string DrawCards(int n) override;
  int32_t SeedOrPointer() const override { return seed_; }
  bool SourceIsDataFile() const override { return false; }
  int NextCard();
  int draws = 0;  // calls of DrawCards

 private:
  int32_t seed_;
};

// Hands out queued draws first (each a string of cards, returned whole
// whatever n is asked), then the seeded sequence.
class ScriptedDeal : public SeededDeal {
 public:
  explicit ScriptedDeal(int32_t seed = 1) : SeededDeal(seed) {}
  void Queue(const std::string& cards) { queued_.push_back(cards); }
  std::string DrawCards(int n) override;

 private:
  std::deque<std::string> queued_;
};

// Cards from text: "5h Js Qd" (as kestrel::test::CardString).
std::string Cards(const std::string& text);
// A 13-card deal in drawing order from the pone's six, the dealer's six and
// the starter.
std::string DealOf(const std::string& pone6, const std::string& dealer6, const std::string& starter);

}  // namespace kestrel::testing

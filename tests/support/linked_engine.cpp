// Test decisions and deals on the directly linked engine.
#include "tests/support/linked_engine.h"

#include "engine/osprey32.h"
#include "game/cards.h"
#include "tests/support/card_string.h"

namespace kestrel::testing {

namespace {
void* LinkedExport(const char* name) {
  const std::string n = name;
  if (n == "Discard") return reinterpret_cast<void*>(&::Discard);
  if (n == "ScoreHand") return reinterpret_cast<void*>(&::ScoreHand);
  if (n == "ParseHand") return reinterpret_cast<void*>(&::ParseHand);
  if (n == "MakePegPlay") return reinterpret_cast<void*>(&::MakePegPlay);
  if (n == "ScorePegPlay") return reinterpret_cast<void*>(&::ScorePegPlay);
  if (n == "RandSeed") return reinterpret_cast<void*>(&::RandSeed);
  return nullptr;
}
}  // namespace

LinkedEngineDecisions::LinkedEngineDecisions() : EngineBridge("") {
  SetResolversForTesting(&LinkedExport, [](const char*) -> void* { return nullptr; });
}

void SimpleDecisions::ChooseDiscards(GameState&, bool, int& first, int& second) {
  first = 4;
  second = 5;
}

int SimpleDecisions::ChoosePlay(GameState& state, bool isComputer) {
  const std::string& hand = isComputer ? state.strComputerHand : state.strPlayerHand;
  const int held = isComputer ? state.intComputerCardsLeft : state.intPlayerCardsLeft;
  for (int i = 0; i < held; ++i)
    if (state.intCount + CardValue(static_cast<unsigned char>(hand[i])) <= 31) return i + 1;
  return 0;
}

int SeededDeal::NextCard() {
  for (;;) {
    seed_ = ::RandSeed(seed_);
    const int x = static_cast<int>((static_cast<uint32_t>(seed_) >> 24) / 4);
    if ((x & 15) < 13) return (x / 16) * 13 + (x % 16);
  }
}

std::string SeededDeal::DrawCards(int n) {
  ++draws;
  std::string out;
  while (static_cast<int>(out.size()) < n) {
    const char card = static_cast<char>(NextCard());
    if (out.find(card) == std::string::npos) out += card;
  }
  return out;
}

std::string ScriptedDeal::DrawCards(int n) {
  if (queued_.empty()) return SeededDeal::DrawCards(n);
  ++draws;
  std::string out = queued_.front();
  queued_.pop_front();
  return out;
}

std::string Cards(const std::string& text) { return kestrel::test::CardString(text); }

std::string DealOf(const std::string& pone6, const std::string& dealer6, const std::string& starter) {
  const std::string p = Cards(pone6), d = Cards(dealer6), st = Cards(starter);
  std::string out;
  for (int i = 0; i < 6; ++i) {
    out += p[i];
    out += d[i];
  }
  return out + st;
}

}  // namespace kestrel::testing

// Test decisions and deals on the directly linked engine.
#include "tests/support/linked_engine.h"

#include <algorithm>
#include <cstring>
#include <sstream>

#include "engine/osprey32.h"
#include "game/cards.h"

namespace kestrel::testing {

namespace {
const unsigned char* Bytes(const std::string& s) { return reinterpret_cast<const unsigned char*>(s.data()); }
}  // namespace

void LinkedEngineDecisions::ChooseDiscards(GameState& state, bool isComputer, int& first, int& second) {
  const int16_t dealerScore = state.blnPlayerDeals ? state.intPlayerScore : state.intComputerScore;
  const int16_t poneScore = state.blnPlayerDeals ? state.intComputerScore : state.intPlayerScore;
  const std::string& hand = isComputer ? state.strComputerHand : state.strPlayerHand;
  const int16_t packed = ::Discard(Bytes(hand), std::min<int16_t>(dealerScore, 120), std::min<int16_t>(poneScore, 120));
  const bool holderDeals = isComputer != state.blnPlayerDeals;
  const int byte = holderDeals ? (packed >> 8) & 255 : packed & 255;
  first = byte % 16;
  second = byte / 16;
  if (packed == -1 || first > 5 || second > 5 || first >= second) {
    first = 4;
    second = 5;
  }
}

int LinkedEngineDecisions::ChoosePlay(GameState& state, bool isComputer) {
  const std::string& hand = isComputer ? state.strComputerHand : state.strPlayerHand;
  const int held = isComputer ? state.intComputerCardsLeft : state.intPlayerCardsLeft;
  const std::string& oppHand = isComputer ? state.strPlayerHand : state.strComputerHand;
  const int oppLeft = isComputer ? state.intPlayerCardsLeft : state.intComputerCardsLeft;
  const bool moverDeals = isComputer != state.blnPlayerDeals;
  const int16_t moverScore = std::min<int16_t>(isComputer ? state.intComputerScore : state.intPlayerScore, 120);
  const int16_t oppScore = std::min<int16_t>(isComputer ? state.intPlayerScore : state.intComputerScore, 120);
  std::string s = hand.substr(held, 4 - held) + hand.substr(0, held) + hand.substr(4, 2) + state.strStarter +
                  oppHand.substr(oppLeft, 4 - oppLeft);
  const int16_t r = ::MakePegPlay(Bytes(s), static_cast<int16_t>(s.size()), static_cast<int16_t>(held),
                                  moverDeals ? 1 : 0, state.strPegSequence.empty() ? 1 : 0, moverScore, oppScore);
  int position = r - 4 + held;
  if (r > 0 && position >= 1 && position <= held &&
      state.intCount + CardValue(static_cast<unsigned char>(hand[position - 1])) <= 31)
    return position;
  for (int i = 0; i < held; ++i)
    if (state.intCount + CardValue(static_cast<unsigned char>(hand[i])) <= 31) return i + 1;
  return 0;
}

int LinkedEngineDecisions::ScoreShowTotal(const std::string& hand, bool isCrib) {
  const int r = ::ScoreHand(Bytes(hand), isCrib ? 1 : 0);
  return r < 0 ? 0 : r;
}

ShowBreakdown LinkedEngineDecisions::ParseShow(const std::string& hand, bool isCrib) {
  const int16_t r = ::ParseHand(Bytes(hand), isCrib ? 1 : 0);
  return ShowBreakdown(r < 0 ? 0 : r);
}

int LinkedEngineDecisions::ScorePlay(const std::string& pegSequence) {
  const int r = ::ScorePegPlay(Bytes(pegSequence), static_cast<int16_t>(pegSequence.size()));
  return r < 0 ? 0 : r;
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

std::string Cards(const std::string& text) {
  std::string out;
  std::istringstream in(text);
  std::string word;
  while (in >> word) {
    const char* r = std::strchr(kRankLetters, word[0]);
    const char* s = std::strchr(kSuitLetters, word[1]);
    if (!r || !s) continue;
    out += static_cast<char>((s - kSuitLetters) * 13 + (r - kRankLetters));
  }
  return out;
}

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

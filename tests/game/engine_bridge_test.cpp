// The engine bridge: which byte of Discard is used, the MakePegPlay string,
// illegal engine answers, and the Petrel32 redirection with its fallback.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstring>
#include <string>
#include <vector>

#include "engine/osprey32.h"
#include "game/cards.h"
#include "game/engine_bridge.h"
#include "tests/support/card_string.h"
#include "tests/support/engine_report.h"
#include "tests/support/scratch_dir.h"

using namespace kestrel;
using kestrel::testing::ScratchDir;

namespace {

// What the fake exports were called with, and what they answer.
struct Recorder {
  std::string bytes;
  std::vector<int> args;
  int16_t answer = 0;
  int calls = 0;
};
Recorder gDiscard, gPeg, gAltDiscard, gAltPeg;

int16_t FakeDiscard(const unsigned char* hand, int16_t dealer, int16_t pone) {
  gDiscard.bytes.assign(reinterpret_cast<const char*>(hand), 6);
  gDiscard.args = {dealer, pone};
  ++gDiscard.calls;
  return gDiscard.answer;
}
int16_t FakeAltDiscard(const unsigned char* hand, int16_t dealer, int16_t pone) {
  gAltDiscard.bytes.assign(reinterpret_cast<const char*>(hand), 6);
  gAltDiscard.args = {dealer, pone};
  ++gAltDiscard.calls;
  return gAltDiscard.answer;
}
int16_t Record(Recorder& r, const unsigned char* cards, int16_t length, int16_t held, int16_t dealer, int16_t empty,
               int16_t mine, int16_t theirs) {
  r.bytes.assign(reinterpret_cast<const char*>(cards), static_cast<size_t>(length));
  r.args = {length, held, dealer, empty, mine, theirs};
  ++r.calls;
  return r.answer;
}
int16_t FakePeg(const unsigned char* c, int16_t l, int16_t h, int16_t d, int16_t e, int16_t m, int16_t t) {
  return Record(gPeg, c, l, h, d, e, m, t);
}
int16_t FakeAltPeg(const unsigned char* c, int16_t l, int16_t h, int16_t d, int16_t e, int16_t m, int16_t t) {
  return Record(gAltPeg, c, l, h, d, e, m, t);
}

void* OspreyFakes(const char* name) {
  if (!std::strcmp(name, "Discard")) return reinterpret_cast<void*>(&FakeDiscard);
  if (!std::strcmp(name, "MakePegPlay")) return reinterpret_cast<void*>(&FakePeg);
  return nullptr;
}
void* PetrelFakes(const char* name) {
  if (!std::strcmp(name, "Discard")) return reinterpret_cast<void*>(&FakeAltDiscard);
  if (!std::strcmp(name, "MakePegPlay")) return reinterpret_cast<void*>(&FakeAltPeg);
  return nullptr;
}

// Keeps the warnings the bridge shows.
struct WarningHost : NullHost {
  std::vector<std::string> messages;
  bool MessageBox(const std::string& text, const std::string&, MessageIcon) override {
    messages.push_back(text);
    return true;
  }
};

class BridgeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    gDiscard = gPeg = gAltDiscard = gAltPeg = Recorder{};
    bridge.SetResolversForTesting(OspreyFakes, PetrelFakes);
    bridge.SetHost(&host);
  }
  EngineBridge bridge{"/nonexistent"};
  WarningHost host;
  std::vector<std::string>& messages = host.messages;
};

// Plays the card at the 1-based position as the controller does: it moves
// behind the other unplayed cards, and is recorded in playing order.
void Play(GameState& s, bool computer, int position) {
  std::string& hand = computer ? s.strComputerHand : s.strPlayerHand;
  int16_t& left = computer ? s.intComputerCardsLeft : s.intPlayerCardsLeft;
  char card = hand[static_cast<size_t>(position - 1)];
  hand.erase(static_cast<size_t>(position - 1), 1);
  hand.insert(static_cast<size_t>(left - 1), 1, card);
  --left;
  (computer ? s.strComputerPlayed : s.strPlayerPlayed) += card;
  s.strPegSequence += card;
  s.intCount = static_cast<int16_t>(s.intCount + CardValue(static_cast<unsigned char>(card)));
}

GameState PeggingState() {
  GameState s;
  s.strComputerHand = {1, 15, 29, 43, 7, 8};  // 2s 3c 4h 5d | discards 8s 9s
  s.strPlayerHand = {0, 13, 26, 39, 20, 21};  // As Ac Ah Ad | discards 8c 9c
  s.strStarter = {50};
  s.intComputerCardsLeft = s.intPlayerCardsLeft = 4;
  s.intPlayerScore = 30;
  s.intComputerScore = 40;
  return s;
}

}  // namespace

TEST_F(BridgeTest, DiscardByteFollowsTheDealer) {
  GameState s;
  s.strComputerHand = {0, 1, 2, 3, 4, 5};
  s.strPlayerHand = {10, 11, 12, 13, 14, 15};
  s.intPlayerScore = 7;
  s.intComputerScore = 9;
  gDiscard.answer = 0x5210;  // dealer's choice 2 and 5, pone's 0 and 1
  int a, b;
  s.blnPlayerDeals = false;
  bridge.ChooseDiscards(s, true, a, b);
  EXPECT_EQ(std::make_pair(a, b), std::make_pair(2, 5));
  EXPECT_EQ(gDiscard.args, (std::vector<int>{9, 7}));  // dealer's score first
  EXPECT_EQ(gDiscard.bytes, s.strComputerHand);
  bridge.ChooseDiscards(s, false, a, b);
  EXPECT_EQ(std::make_pair(a, b), std::make_pair(0, 1));
  EXPECT_EQ(gDiscard.bytes, s.strPlayerHand);
  s.blnPlayerDeals = true;
  bridge.ChooseDiscards(s, true, a, b);
  EXPECT_EQ(std::make_pair(a, b), std::make_pair(0, 1));
  EXPECT_EQ(gDiscard.args, (std::vector<int>{7, 9}));
  bridge.ChooseDiscards(s, false, a, b);
  EXPECT_EQ(std::make_pair(a, b), std::make_pair(2, 5));
  // A negative result: the high byte is taken with sign-correct division.
  gDiscard.answer = static_cast<int16_t>(0xF054);  // high byte 0xF0 is no legal pair; low 0x54 is 4 and 5
  bridge.ChooseDiscards(s, false, a, b);
  EXPECT_EQ(std::make_pair(a, b), std::make_pair(4, 5));
}

TEST_F(BridgeTest, FailedOrIllegalAnswersGiveTheFirstLegalChoice) {
  GameState s = PeggingState();
  int a = -9, b = -9;
  for (int16_t bad : {int16_t(-1), int16_t(0), int16_t(0x0011), int16_t(0x0016), int16_t(0x0021)}) {
    gDiscard.answer = bad;
    bridge.ChooseDiscards(s, true, a, b);
    EXPECT_EQ(std::make_pair(a, b), std::make_pair(4, 5)) << bad;
  }
  Play(s, false, 1);  // As
  s.intCount = 28;     // 2s and 3c fit, 4h and 5d do not
  for (int16_t bad : {int16_t(-1), int16_t(5), int16_t(3), int16_t(4), int16_t(0)}) {
    gPeg.answer = bad;
    EXPECT_EQ(bridge.ChoosePlay(s, true), 1) << bad;
  }
  gPeg.answer = 2;
  EXPECT_EQ(bridge.ChoosePlay(s, true), 2);
  s.intCount = 30;  // nothing fits: 0 is the answer
  gPeg.answer = 0;
  EXPECT_EQ(bridge.ChoosePlay(s, true), 0);
  gPeg.answer = 1;
  EXPECT_EQ(bridge.ChoosePlay(s, true), 0);
  EXPECT_TRUE(messages.empty());
}

TEST_F(BridgeTest, PegPlayStringHoldsThePlayedCardsInPlayingOrder) {
  GameState s = PeggingState();
  s.blnPlayerDeals = true;  // the computer is pone and leads
  Play(s, true, 2);         // 3c
  Play(s, false, 4);        // Ad
  Play(s, true, 3);         // 5d (the hand is now 2s 4h 5d 3c)
  Play(s, false, 1);        // As
  ASSERT_EQ(s.strComputerHand, std::string({1, 29, 43, 15, 7, 8}));
  ASSERT_EQ(s.strComputerHand.substr(2, 2), std::string({43, 15}));  // reverse order of play
  gPeg.answer = 4;
  EXPECT_EQ(bridge.ChoosePlay(s, true), 2);  // result 4 maps to position 2 of the hand
  EXPECT_EQ(gPeg.bytes, std::string({15, 43, 1, 29, 7, 8, 50, 39, 0}));
  EXPECT_EQ(gPeg.args, (std::vector<int>{9, 2, 0, 0, 40, 30}));

  // The player's hint: the player deals, two played, the computer's in order.
  gPeg.answer = 3;
  EXPECT_EQ(bridge.ChoosePlay(s, false), 1);
  EXPECT_EQ(gPeg.bytes, std::string({39, 0, 13, 26, 20, 21, 50, 15, 43}));
  EXPECT_EQ(gPeg.args, (std::vector<int>{9, 2, 1, 0, 30, 40}));

  // Without the record (or with a stale one) the hand string read backwards
  // gives the same order.
  GameState t = s;
  t.strComputerPlayed.clear();
  t.strPlayerPlayed = {7, 8};
  EXPECT_EQ(PegPlayString(t, true), std::string({15, 43, 1, 29, 7, 8, 50, 39, 0}));
  // An empty count is flagged.
  s.strPegSequence.clear();
  s.intCount = 0;
  bridge.ChoosePlay(s, true);
  EXPECT_EQ(gPeg.args[3], 1);
}

TEST_F(BridgeTest, PetrelTakesOnlyTheDecisionsTheSettingNames) {
  GameState s = PeggingState();
  gDiscard.answer = gAltDiscard.answer = 0x5454;
  int a, b;
  s.intUseAltLibrary = 1;  // player hints and autoplay only
  bridge.ChooseDiscards(s, true, a, b);
  EXPECT_EQ(gAltDiscard.calls, 0);
  bridge.ChooseDiscards(s, false, a, b);
  EXPECT_EQ(gAltDiscard.calls, 1);
  EXPECT_EQ(gDiscard.calls, 1);
  s.intUseAltLibrary = 2;
  bridge.ChooseDiscards(s, true, a, b);
  EXPECT_EQ(gAltDiscard.calls, 2);
  EXPECT_TRUE(messages.empty());
  EXPECT_FALSE(UseAltFor(0, true) || UseAltFor(0, false));
  EXPECT_TRUE(UseAltFor(3, true) && UseAltFor(3, false));
  EXPECT_TRUE(UseAltFor(6, true));  // only the two low bits count
  EXPECT_FALSE(UseAltFor(6, false));
}

TEST_F(BridgeTest, FailingPetrelIsReportedOnceAndOspreyDecides) {
  GameState s = PeggingState();
  s.intUseAltLibrary = 3;
  gAltDiscard.answer = -1;
  gDiscard.answer = 0x3232;
  int a, b;
  bridge.ChooseDiscards(s, false, a, b);
  EXPECT_EQ(std::make_pair(a, b), std::make_pair(2, 3));
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0],
            "Problem with call to decision function in PETREL.DLL\n(or file not found).  Your manual INI setting "
            "requests \nuse of the DLL for all decisions.\n\nReverting to OSPREY.DLL for rest of session.");
  EXPECT_EQ(s.intUseAltLibrary, 0);
  bridge.ChooseDiscards(s, true, a, b);
  gPeg.answer = 4;
  bridge.ChoosePlay(s, true);
  EXPECT_EQ(gAltDiscard.calls, 1);
  EXPECT_EQ(gAltPeg.calls, 0);
  EXPECT_EQ(messages.size(), 1u);
}

// The real libraries, bound by name from a folder.
class LibraryFolder : public ::testing::Test {
 protected:
  void Link(const std::string& from, const std::string& name) {
    ASSERT_EQ(::symlink(from.c_str(), dir.File(name).c_str()), 0);
  }
  ScratchDir dir;
};

TEST_F(LibraryFolder, MissingPetrelFallsBackToTheEngine) {
  Link(std::string(KESTREL_BIN_DIR) + "/libOsprey32.so", "libOsprey32.so");
  EngineBridge bridge(dir.Path());
  WarningHost host;
  std::vector<std::string>& messages = host.messages;
  bridge.SetHost(&host);
  GameState s = PeggingState();
  s.intUseAltLibrary = 1;
  int a, b;
  bridge.ChooseDiscards(s, true, a, b);  // the computer's own: never asks Petrel32
  EXPECT_TRUE(messages.empty());
  bridge.ChooseDiscards(s, false, a, b);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_NE(messages[0].find("use of the DLL for player hints/autoplay."), std::string::npos);
  // The hint is the engine's own.
  int16_t direct = ::Discard(reinterpret_cast<const unsigned char*>(s.strPlayerHand.data()), 40, 30);
  EXPECT_EQ(bridge.LastRawResult(), direct);
  EXPECT_EQ(a, (direct & 255) % 16);
  EXPECT_EQ(b, (direct & 255) / 16);
  bridge.ChooseDiscards(s, false, a, b);
  EXPECT_EQ(messages.size(), 1u);
}

TEST_F(LibraryFolder, FailingPetrelFallsBackForBothDecisions) {
  Link(std::string(KESTREL_BIN_DIR) + "/libOsprey32.so", "libOsprey32.so");
  Link(std::string(KESTREL_FAILING_PETREL_DIR) + "/libPetrel32.so", "libPetrel32.so");
  for (bool discardFirst : {true, false}) {
    EngineBridge bridge(dir.Path());
    WarningHost host;
    std::vector<std::string>& messages = host.messages;
    bridge.SetHost(&host);
    GameState s = PeggingState();
    s.intUseAltLibrary = 2;
    int a, b;
    if (discardFirst) {
      bridge.ChooseDiscards(s, true, a, b);  // Petrel32's Discard answers -1
    } else {
      bridge.ChoosePlay(s, true);  // Petrel32 has no MakePegPlay
    }
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("for computer decisions."), std::string::npos);
    EXPECT_EQ(s.intUseAltLibrary, 0);
  }
}

TEST_F(LibraryFolder, MissingEngineIsReportedOnceAndPlayGoesOn) {
  EngineBridge bridge(dir.Path());
  WarningHost host;
  std::vector<std::string>& messages = host.messages;
  bridge.SetHost(&host);
  GameState s = PeggingState();
  int a, b;
  bridge.ChooseDiscards(s, true, a, b);
  EXPECT_EQ(std::make_pair(a, b), std::make_pair(4, 5));
  EXPECT_EQ(bridge.ChoosePlay(s, true), 1);
  EXPECT_EQ(bridge.ScoreShowTotal(std::string({0, 1, 2, 3, 4}), false), 0);
  EXPECT_NE(bridge.RandSeed(1), bridge.RandSeed(2));
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_NE(messages[0].find("libOsprey32.so"), std::string::npos);
}

// The engine replays the history in the string and refuses an impossible
// one, so the order of the played cards matters to it. Here the computer
// (dealer) played Kd, then after two goes 5s: in that order the history is
// sound; read straight off the hand string (5s before Kd) the 5s would have
// made 15 and the Kd could not go on 25 while the 2c still fitted.
TEST_F(LibraryFolder, TheEngineAcceptsThePlayedCardsInPlayingOrder) {
  Link(std::string(KESTREL_BIN_DIR) + "/libOsprey32.so", "libOsprey32.so");
  EngineBridge bridge(dir.Path());
  GameState s;
  s.blnPlayerDeals = false;
  s.strComputerHand = kestrel::test::CardString("Kd 5s 2c 3c 9h 9d");
  s.strPlayerHand = kestrel::test::CardString("Ks Kc Kh 4d 7h 7d");
  s.strStarter = kestrel::test::CardString("Qd");
  s.intComputerCardsLeft = s.intPlayerCardsLeft = 4;
  Play(s, false, 1);  // Ks 10
  Play(s, true, 1);   // Kd 20
  Play(s, false, 1);  // Kc 30, then go, go
  s.strPegSequence.clear();
  s.intCount = 0;
  Play(s, true, 1);   // 5s 5
  Play(s, false, 1);  // Kh 15
  ASSERT_EQ(CardText(s.strComputerHand, " "), "2c 3c 5s Kd 9h 9d ");

  kestrel::test::ClearEngineReports();
  int position = bridge.ChoosePlay(s, true);
  EXPECT_TRUE(position == 1 || position == 2);
  EXPECT_TRUE(bridge.LastRawResult() == 3 || bridge.LastRawResult() == 4);
  EXPECT_EQ(CardText(PegPlayString(s, true), " "), "Kd 5s 2c 3c 9h 9d Qd Ks Kc Kh ");

  std::string backwards = s.strComputerHand.substr(2, 2) + s.strComputerHand.substr(0, 2) +
                          s.strComputerHand.substr(4) + s.strStarter + s.strPlayerPlayed;
  EXPECT_EQ(::MakePegPlay(reinterpret_cast<const unsigned char*>(backwards.data()), 10, 2, 1, 0, 0, 0), -1);
  EXPECT_EQ(kestrel::test::EngineReports().size(), 1u);
  kestrel::test::ClearEngineReports();
}

// The engine bridge: illegal engine answers, and the Petrel32 redirection
// with its fallback. (The bytes passed and the byte of Discard that is used
// show in the fixed match log.)
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstring>
#include <string>
#include <vector>

#include "engine/osprey32.h"
#include "game/cards.h"
#include "game/engine_bridge.h"
#include "tests/support/scratch_dir.h"

using namespace kestrel;
using kestrel::testing::ScratchDir;

namespace {

// How often the fake exports were called, and what they answer.
struct Recorder {
  int16_t answer = 0;
  int calls = 0;
  int16_t Called() {
    ++calls;
    return answer;
  }
};
Recorder gDiscard, gPeg, gAltDiscard, gAltPeg;

template <Recorder& r>
int16_t FakeDiscard(const unsigned char*, int16_t, int16_t) {
  return r.Called();
}
template <Recorder& r>
int16_t FakePeg(const unsigned char*, int16_t, int16_t, int16_t, int16_t, int16_t, int16_t) {
  return r.Called();
}
template <Recorder& discard, Recorder& peg>
void* Fakes(const char* name) {
  if (!std::strcmp(name, "Discard")) return reinterpret_cast<void*>(&FakeDiscard<discard>);
  if (!std::strcmp(name, "MakePegPlay")) return reinterpret_cast<void*>(&FakePeg<peg>);
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
    bridge.SetResolversForTesting(Fakes<gDiscard, gPeg>, Fakes<gAltDiscard, gAltPeg>);
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
  s.strStarter = std::string(1, 50);
  s.intComputerCardsLeft = s.intPlayerCardsLeft = 4;
  s.intPlayerScore = 30;
  s.intComputerScore = 40;
  return s;
}

}  // namespace

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

TEST_F(BridgeTest, PetrelTakesOnlyTheDecisionsTheSettingNames) {
  GameState s = PeggingState();
  gDiscard.answer = gAltDiscard.answer = 0x5454;
  int a, b;
  // Which side's discards go to Petrel32: C the computer's, P the player's
  // hints; only the two low bits of the setting count.
  const std::pair<int, std::string> cases[] = {{0, ""}, {1, "P"}, {2, "C"}, {3, "CP"}, {6, "C"}};
  for (const auto& [setting, sides] : cases) {
    std::string asked;
    for (bool computer : {true, false}) {
      s.intUseAltLibrary = static_cast<int16_t>(setting);
      const int before = gAltDiscard.calls;
      bridge.ChooseDiscards(s, computer, a, b);
      if (gAltDiscard.calls > before) asked += computer ? "C" : "P";
    }
    EXPECT_EQ(asked, sides) << "setting " << setting;
  }
  EXPECT_TRUE(messages.empty());
}

// The real libraries, bound by name from a folder: a missing or failing
// Petrel32 is reported once and the engine decides for the rest of the run.
TEST(LibraryFolder, MissingOrFailingPetrelFallsBackToTheEngine) {
  struct Case {
    const char* name;
    std::string petrelFolder;
    int setting;
    bool computer, play;
    const char* says;
  } cases[] = {
      {"no Petrel32, a hint", KESTREL_BIN_DIR, 1, false, false, "use of the DLL for player hints/autoplay."},
      {"Discard answers -1", KESTREL_FAILING_PETREL_DIR, 2, true, false, "use of the DLL for computer decisions."},
      {"no MakePegPlay", KESTREL_FAILING_PETREL_DIR, 2, true, true, "use of the DLL for computer decisions."},
  };
  for (const Case& c : cases) {
    auto decide = [&](EngineBridge& bridge, GameState& s) {
      int a, b;
      if (c.play) {
        bridge.ChoosePlay(s, c.computer);
      } else {
        bridge.ChooseDiscards(s, c.computer, a, b);
      }
      return bridge.LastRawResult();
    };
    EngineBridge plain(KESTREL_BIN_DIR);
    GameState s = PeggingState();
    if (c.play) Play(s, false, 1);  // the player leads
    const int16_t direct = decide(plain, s);  // the engine's own answer
    EngineBridge bridge(KESTREL_BIN_DIR, c.petrelFolder);
    WarningHost host;
    bridge.SetHost(&host);
    s.intUseAltLibrary = static_cast<int16_t>(c.setting);
    EXPECT_EQ(decide(bridge, s), direct) << c.name;
    EXPECT_EQ(decide(bridge, s), direct) << c.name;
    ASSERT_EQ(host.messages.size(), 1u) << c.name;
    EXPECT_NE(host.messages[0].find(c.says), std::string::npos) << c.name;
    EXPECT_EQ(s.intUseAltLibrary, 0) << c.name;
  }
}

TEST(LibraryFolder, MissingEngineIsReportedOnceAndPlayGoesOn) {
  ScratchDir dir;
  const std::string where = dir.Path() + "/libOsprey32.so";
  EXPECT_NE(EngineBridge(dir.Path()).CheckEngine().find(where), std::string::npos);  // says what and where
  EngineBridge bridge(dir.Path());
  WarningHost host;
  bridge.SetHost(&host);
  GameState s = PeggingState();
  int a, b;
  bridge.ChooseDiscards(s, true, a, b);
  EXPECT_EQ(std::make_pair(a, b), std::make_pair(4, 5));
  EXPECT_EQ(bridge.ChoosePlay(s, true), 1);
  EXPECT_EQ(bridge.ScoreShowTotal(std::string({0, 1, 2, 3, 4}), false), 0);
  EXPECT_NE(bridge.RandSeed(1), bridge.RandSeed(2));
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_NE(host.messages[0].find("libOsprey32.so"), std::string::npos);
  // A library lacking exports (the failing alternate library has Discard only).
  ASSERT_EQ(::symlink(KESTREL_FAILING_PETREL_DIR "/libPetrel32.so", where.c_str()), 0);
  const std::string lacking = EngineBridge(dir.Path()).CheckEngine();
  EXPECT_NE(lacking.find(where), std::string::npos) << lacking;
  EXPECT_NE(lacking.find("ScoreHand"), std::string::npos) << lacking;
  EXPECT_EQ(EngineBridge(KESTREL_BIN_DIR).CheckEngine(), "");
}

// The pegging phase: turns, Go, 31, the last card, the cards on the table.
#include <gtest/gtest.h>

#include "game/table_places.h"
#include "patter/patter.h"
#include "tests/support/scripted_host.h"

namespace kestrel::testing {
namespace {

class Pegging : public ::testing::Test {
 protected:
  // Hands are the four kept cards then the two discards.
  void Setup(bool playerDeals, const std::string& player, const std::string& computer, const std::string& starter) {
    rig.state.blnPlayerDeals = playerDeals;
    rig.state.strPlayerHand = Cards(player);
    rig.state.strComputerHand = Cards(computer);
    rig.state.strStarter = Cards(starter);
    rig.state.intPlayerScore = rig.state.intComputerScore = 10;
    rig.state.intPlayerBackPeg = rig.state.intComputerBackPeg = 9;
    rig.state.intWaitState = -kWaitPegHeels;
    rig.host.onWait = [this](MatchController&, int code) {
      if (code == kWaitPlay) countsAtPlay.push_back(rig.state.intCount);
      return false;
    };
  }
  std::vector<std::string> Visible() const {
    std::vector<std::string> out;
    for (const auto& m : rig.host.messages) out.push_back(VisibleMessage(m, false));
    return out;
  }
  ControllerRig rig;
  std::vector<int> countsAtPlay;
};

TEST_F(Pegging, GoAtTwentyEightIsSaidAtOnceAndThirtyOneScoresOnlyThePlay) {
  // The computer leads; at 28 the player holds only tens.
  Setup(true, "Ts Js Qs Ks 7h 9h", "8c Kc 3c 2d 4h 6h", "5d");
  std::vector<std::string> upperAtSecondPlay;
  rig.host.onWait = [&](MatchController& c, int code) {
    if (code != kWaitPlay) return false;
    countsAtPlay.push_back(rig.state.intCount);
    if (rig.state.intPlayerCardsLeft != 3) return false;
    // After the 31: the four cards of the first count lie face down and the
    // count label is gone; each side's unplayed cards close up.
    for (const auto& e : c.Model().hiCard) upperAtSecondPlay.push_back(!e.visible ? "-" : IsFaceUp(e.code) ? "F" : "B");
    EXPECT_FALSE(c.Model().countVisible);
    EXPECT_FALSE(c.Model().loCard[3].visible);  // his played card's place
    EXPECT_TRUE(c.Model().loCard[2].visible);
    EXPECT_FALSE(c.Model().loCard[8].visible);  // the computer has played three
    EXPECT_FALSE(c.Model().loCard[10].visible);
    EXPECT_TRUE(c.Model().loCard[11].visible);
    return false;
  };
  ASSERT_TRUE(rig.controller->PlayPegging());
  // The player was never asked to play at 28.
  EXPECT_EQ(countsAtPlay, (std::vector<int>{8, 0, 12, 0}));
  EXPECT_EQ(rig.state.strPegLog, "8c Ts Kc 3c.Js 2d Qs.Ks.");
  EXPECT_EQ(Visible(), (std::vector<std::string>{"Play a card.", "I peg 2 points.", "Play a card.", "Play a card.",
                                                 "Score a Go.", "Play a card.", "Score a Go."}));
  EXPECT_EQ(rig.state.intComputerScore, 12);
  EXPECT_EQ(rig.state.intPlayerScore, 12);
  EXPECT_EQ(rig.state.intPhase, 5);
  EXPECT_EQ(upperAtSecondPlay, (std::vector<std::string>{"B", "B", "B", "B", "-", "-", "-", "-"}));
}

TEST_F(Pegging, BothGoAtTwentySevenAndTheLastCardForTheComputer) {
  // The player leads.
  Setup(false, "Ks Qs Js 9s 2h 3h", "Kc 5c 6c 4c Ah Ad", "7d");
  ASSERT_TRUE(rig.controller->PlayPegging());
  EXPECT_EQ(rig.state.strPegLog, "Ks Kc Qs.5c Js 6c 9s.4c.");
  EXPECT_EQ(Visible(), (std::vector<std::string>{"Play a card.", "I peg 2 points.", "Play a card.", "Score a Go.",
                                                 "Play a card.", "Score your play.", "Play a card.", "Score a Go.",
                                                 "I get last Go."}));
  EXPECT_EQ(rig.state.intPlayerScore, 10 + 1 + 2 + 1);
  EXPECT_EQ(rig.state.intComputerScore, 10 + 2 + 1);
  // Tallies: the player is pone, the computer dealer.
  EXPECT_EQ(rig.stats.playerTally[kTallyPegAsPone], 4);
  EXPECT_EQ(rig.stats.computerTally[kTallyPegAsDealer], 3);
}

TEST_F(Pegging, AClickOnACardThatDoesNotFitIsIgnored) {
  Setup(true, "Ts Js Qs 2s 7h 9h", "8c Kc 3c 2d 4h 6h", "5d");
  int tries = 0;
  rig.host.onWait = [&](MatchController& c, int code) {
    if (code == kWaitPlay && rig.state.intCount == 28 && tries++ == 0) {
      const int ten = static_cast<int>(rig.state.strPlayerHand.find(Cards("Ts")[0]));
      c.ClickLowerPlace(PlaceOfHandCard(c.Model(), rig.state, ten));  // a ten at 28: nothing happens
      EXPECT_EQ(rig.state.intWaitState, kWaitPlay);
      return true;
    }
    return false;
  };
  ASSERT_TRUE(rig.controller->PlayPegging());
  EXPECT_EQ(tries, 2);
}

}  // namespace
}  // namespace kestrel::testing

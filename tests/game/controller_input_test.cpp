// The input functions: what a click, a key, a peg drop or the action button
// records, and which waits they answer.
#include <gtest/gtest.h>

#include "game/table_places.h"
#include "tests/support/scripted_host.h"

namespace kestrel::testing {
namespace {

class Input : public ::testing::Test {
 protected:
  void DealPlayer(bool sort) {
    rig.options.blnSort = sort;
    rig.state.blnPlayerDeals = true;
    rig.deal.Queue(DealOf("Qh 2c 8s Td 4d 5h", "Ks 3h 9d Ac 3s 7c", "6d"));
    rig.controller->DealHand();
  }
  ControllerRig rig;
};

TEST_F(Input, ClickingTheSortedLowestCardSelectsItsOwnPosition) {
  DealPlayer(true);
  std::vector<int> selections;
  rig.host.onWait = [&](MatchController& c, int code) {
    if (code != kWaitDiscard) return false;
    if (selections.size() == 0) {
      c.ClickLowerPlace(0);  // shows the ace, dealt fourth
    } else if (selections.size() == 1) {
      EXPECT_EQ(c.Model().loCard[0].code, FaceDownCode(Cards("Ac")[0]));
      c.ClickLowerPlace(0);  // the same card again: deselected
    } else if (selections.size() == 2) {
      EXPECT_EQ(c.Model().loCard[0].code, FaceUpCode(Cards("Ac")[0]));
      c.ClickLowerPlace(5);  // the king
    } else {
      c.ClickLowerPlace(1);  // a three: the second choice
    }
    selections.push_back(rig.state.intSelectedCard);
    return true;
  };
  ASSERT_TRUE(rig.controller->SelectDiscards());
  EXPECT_EQ(selections, (std::vector<int>{3, 3, 0, 4}));
  EXPECT_EQ(rig.state.strPlayerHand, Cards("3h 9d Ac 7c Ks 3s"));
  EXPECT_EQ(rig.state.intPhase, 3);
  EXPECT_EQ(rig.controller->Model().loCard[4].code, FaceDownCode(Cards("3s")[0]));  // sorted crib places
  EXPECT_EQ(rig.controller->Model().loCard[5].code, FaceDownCode(Cards("Ks")[0]));
}

TEST_F(Input, WithAutoplayOffTheKeysChooseTheDiscards) {
  DealPlayer(false);
  rig.options.blnAutoplay = false;
  int presses = 0;
  rig.host.onWait = [&](MatchController& c, int code) {
    if (code != kWaitDiscard) return false;
    EXPECT_FALSE(c.Model().buttonEnabled);
    EXPECT_EQ(c.Model().buttonCaption, " Autoplay");
    if (presses++ == 0) {
      c.DoAutomatic();  // grey: nothing happens
      EXPECT_EQ(rig.state.intWaitState, kWaitDiscard);
      c.CardLeft();  // the cursor starts on place 0 and wraps both ways
      EXPECT_EQ(rig.state.intCursorCard, 5);
      c.CardRight();
      EXPECT_EQ(rig.state.intCursorCard, 0);
    } else {
      c.CardRight();
    }
    c.CardSelect();
    return true;
  };
  ASSERT_TRUE(rig.controller->SelectDiscards());
  EXPECT_EQ(presses, 2);
  EXPECT_EQ(rig.state.strPlayerHand, Cards("9d Ac 3s 7c Ks 3h"));
}

TEST_F(Input, PegKeysAndDrops) {
  rig.state.intPlayerScore = 40;
  rig.state.intPlayerBackPeg = 30;
  std::vector<int> claims;
  rig.host.onWait = [&](MatchController& c, int code) {
    if (code < kWaitPegHeels) return false;
    EXPECT_EQ(c.Model().targetHole, 45);
    EXPECT_TRUE(c.Model().backPegDraggable);
    c.PegAhead();  // from behind the front peg: just past it
    claims.push_back(c.Model().playerClaim);
    c.PegAhead();
    claims.push_back(c.Model().playerClaim);
    c.PegBack();
    c.PegBack();  // from just past the front peg: one hole behind it
    claims.push_back(c.Model().playerClaim);
    c.DropBackPeg(40);  // on the front peg's hole: one behind it
    claims.push_back(c.Model().playerClaim);
    return true;
  };
  ASSERT_TRUE(rig.controller->PromptPlayerScore(5, kScoreHand));
  EXPECT_EQ(claims, (std::vector<int>{41, 42, 39, 39}));
  EXPECT_EQ(rig.state.intPlayerScore, 45);  // friendly: corrected
  EXPECT_FALSE(rig.controller->Model().backPegDraggable);
  EXPECT_EQ(rig.controller->Model().playerClaim, 40);  // the back peg stands on the old score

  rig.host.onWait = [](MatchController& c, int code) {
    if (code < kWaitPegHeels) return false;
    c.DropOnTarget();
    return true;
  };
  ASSERT_TRUE(rig.controller->PromptPlayerScore(3, kScorePlay));
  EXPECT_EQ(rig.state.intPlayerScore, 48);
  EXPECT_EQ(rig.host.messages.back().text, "Score your play.");
}

TEST_F(Input, AutoplayDiscardsTheHintAndOnlyThePackTurnsTheStarter) {
  DealPlayer(false);
  rig.host.onWait = [](MatchController& c, int code) {
    if (code != kWaitDiscard) return false;
    c.DoAutomatic();
    return true;
  };
  ASSERT_TRUE(rig.controller->SelectDiscards());
  EXPECT_EQ(rig.state.strPlayerHand, Cards("Ks 3h 9d Ac 3s 7c"));  // two presses: the hint, the last two
  int waits = 0;
  rig.host.onWait = [&](MatchController& c, int code) {
    if (code != kWaitContinue) return false;
    if (++waits == 1) {
      EXPECT_TRUE(c.Model().loCard[8].visible);
      c.ClickLowerPlace(8);  // a card of the computer's: nothing happens
      EXPECT_EQ(rig.state.intWaitState, kWaitContinue);
      c.ClickDeck();
    } else {
      c.PressContinue();
    }
    return true;
  };
  ASSERT_TRUE(rig.controller->CutStarter());
  EXPECT_GE(waits, 1);
}

TEST_F(Input, ClicksOutsideTheirWaitAreIgnored) {
  DealPlayer(false);
  rig.controller->ClickLowerPlace(0);
  rig.controller->DropBackPeg(10);
  rig.controller->PressContinue();
  rig.controller->ClickDeck();
  EXPECT_EQ(rig.state.intWaitState, 0);
  EXPECT_EQ(rig.state.intSelectedCard, -1);
}

}  // namespace
}  // namespace kestrel::testing

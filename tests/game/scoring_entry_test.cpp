// Scoring entry: the player's claims judged under each Scoring Mistakes
// option, the game hole rule, the computer's announcements, and games won
// at the cut, in pegging and in the show.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "patter/patter.h"
#include "tests/support/scratch_dir.h"
#include "tests/support/scripted_host.h"

namespace kestrel::testing {
namespace {

class ScoringEntry : public ::testing::Test {
 protected:
  void Scores(int player, int computer) {
    rig.state.intPlayerScore = static_cast<int16_t>(player);
    rig.state.intComputerScore = static_cast<int16_t>(computer);
    rig.state.intPlayerBackPeg = static_cast<int16_t>(player - 1);
    rig.state.intComputerBackPeg = static_cast<int16_t>(computer - 1);
    rig.state.blnPlayerDeals = true;
  }
  // The player pegs to `hole` at the scoring prompt; everything else is
  // answered correctly.
  void PegsTo(int hole) {
    rig.host.onWait = [hole](MatchController& c, int code) {
      if (code < kWaitPegHeels) return false;
      ScriptedHost::PegTo(c, hole);
      return true;
    };
  }
  std::string LastVisible() const { return VisibleMessage(rig.host.messages.back(), true); }
  ControllerRig rig;
};

TEST_F(ScoringEntry, MissedPointsUnderEachOption) {
  struct Case {
    ScoringMistakes option;
    int playerAfter, computerAfter, tallyMissed;
    const char* message;
  } cases[] = {
      {ScoringMistakes::Friendly, 22, 50, 0, "You missed 4 -- will be corrected.\rFriendly game.  Yeech."},
      {ScoringMistakes::Penalties, 18, 50, -4, "You missed 4 -- points are lost.\rAsleep at the wheel!"},
      {ScoringMistakes::Muggins, 18, 54, -4, "You missed 4 -- points will be taken.\rMuggins!"},
  };
  for (const Case& c : cases) {
    rig.state = GameState{};
    rig.host.messages.clear();
    rig.options.intPenalty = static_cast<int16_t>(c.option);
    rig.stats.playerTally.fill(0);
    rig.stats.computerTally.fill(0);
    Scores(10, 50);
    PegsTo(18);  // a 12-point hand pegged as 8
    ASSERT_TRUE(rig.controller->PromptPlayerScore(12, kScoreHand));
    EXPECT_EQ(rig.state.intPlayerScore, c.playerAfter);
    EXPECT_EQ(rig.state.intComputerScore, c.computerAfter);
    EXPECT_EQ(rig.state.intPlayerBackPeg, 10);
    EXPECT_EQ(rig.stats.playerTally[kTallyMissedOrReceived], c.tallyMissed);
    EXPECT_EQ(rig.stats.computerTally[kTallyMissedOrReceived], c.computerAfter - 50);
    EXPECT_EQ(LastVisible(), c.message);
  }
}

TEST_F(ScoringEntry, OverpeggingUnderEachOption) {
  const int computerGets[] = {0, 2, 2};
  const char* messages[] = {"You overpegged by 2 -- will be corrected.", "You overpegged by 2 -- penalty in effect.",
                            "You overpegged by 2 -- penalty in effect."};
  for (int option = 0; option < 3; ++option) {
    rig.options.intPenalty = static_cast<int16_t>(option);
    Scores(30, 40);
    PegsTo(38);  // a 6-point crib pegged as 8
    ASSERT_TRUE(rig.controller->PromptPlayerScore(6, kScoreCrib));
    EXPECT_EQ(rig.state.intPlayerScore, 36) << option;
    EXPECT_EQ(rig.state.intComputerScore, 40 + computerGets[option]) << option;
    EXPECT_EQ(VisibleMessage(rig.host.messages.back(), false), messages[option]);
  }
}

TEST_F(ScoringEntry, APegMovedBackwardsClaimsNothing) {
  rig.options.intPenalty = static_cast<int16_t>(ScoringMistakes::Penalties);
  Scores(30, 40);
  PegsTo(12);
  ASSERT_TRUE(rig.controller->PromptPlayerScore(5, kScoreHand));
  EXPECT_EQ(rig.state.intPlayerScore, 30);
  EXPECT_EQ(VisibleMessage(rig.host.messages.back(), false), "You missed 5 -- points are lost.");
}

TEST_F(ScoringEntry, TheGameHoleCountsForAnyTotalBeyondIt) {
  rig.options.intPenalty = static_cast<int16_t>(ScoringMistakes::Muggins);
  Scores(117, 80);
  PegsTo(121);
  EXPECT_FALSE(rig.controller->PromptPlayerScore(8, kScoreHand));  // the game is over
  EXPECT_EQ(rig.state.intPlayerScore, 121);
  EXPECT_EQ(rig.state.intComputerScore, 80);
  EXPECT_EQ(VisibleMessage(rig.host.messages.back(), false), "You win by a skunk (3 match points).");
  EXPECT_EQ(rig.state.intGamesPlayed, 1);
  EXPECT_NE(rig.state.intWaitState, 0);
}

TEST_F(ScoringEntry, TheGameHoleBeforeHalfwayIsTheStartHole) {
  rig.options.intPenalty = static_cast<int16_t>(ScoringMistakes::Penalties);
  Scores(20, 30);
  PegsTo(121);  // the start column of the back row reads -1 this early
  ASSERT_TRUE(rig.controller->PromptPlayerScore(4, kScoreHand));
  EXPECT_EQ(rig.state.intPlayerScore, 20);
}

TEST_F(ScoringEntry, ZeroPointPlaysArePromptedOnlyUnderPenalties) {
  Scores(20, 30);
  rig.state.strPegSequence = Cards("5s Kd");
  rig.options.intPenalty = static_cast<int16_t>(ScoringMistakes::Friendly);
  ASSERT_TRUE(rig.controller->PromptPlayerScore(0, kScorePlay));
  EXPECT_TRUE(rig.host.waits.empty());
  rig.options.intPenalty = static_cast<int16_t>(ScoringMistakes::Penalties);
  rig.state.strPegSequence = Cards("5s");
  ASSERT_TRUE(rig.controller->PromptPlayerScore(0, kScorePlay));  // a lead never scores
  EXPECT_TRUE(rig.host.waits.empty());
  rig.state.strPegSequence = Cards("5s Kd");
  PegsTo(20);
  ASSERT_TRUE(rig.controller->PromptPlayerScore(0, kScorePlay));
  EXPECT_EQ(rig.host.waits, (std::vector<int>{kWaitPegPlay}));
  EXPECT_EQ(VisibleMessage(rig.host.messages.back(), false), "Score your play.");
  EXPECT_EQ(rig.state.intPlayerScore, 20);
}

TEST_F(ScoringEntry, PenaltyMessagesAreLoggedAtTheMessagesLevel) {
  ScratchDir dir;
  rig.options.strLogFile = dir.File("Tester.log");
  rig.options.intLogLevel = 2;
  rig.options.intPenalty = static_cast<int16_t>(ScoringMistakes::Muggins);
  Scores(10, 50);
  PegsTo(18);
  ASSERT_TRUE(rig.controller->PromptPlayerScore(12, kScoreHand));
  rig.options.intPenalty = static_cast<int16_t>(ScoringMistakes::Friendly);
  PegsTo(30);
  ASSERT_TRUE(rig.controller->PromptPlayerScore(12, kScoreHand));  // friendly: not logged
  std::ifstream in(rig.options.strLogFile, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  EXPECT_EQ(text.str(), " You missed 4 -- points will be taken.\r\n");
}

TEST_F(ScoringEntry, ComputerAnnouncementsAndTheirPatter) {
  Scores(10, 10);
  ASSERT_TRUE(rig.controller->AnnounceComputerScore(12, kScorePlay));
  EXPECT_EQ(VisibleMessage(rig.host.messages.back(), true), "I peg 12 points.\rTop that!");
  ASSERT_TRUE(rig.controller->AnnounceComputerScore(6, kScorePlay));
  EXPECT_EQ(VisibleMessage(rig.host.messages.back(), true), "I peg 6 points.\rGotcha!");
  const size_t shown = rig.host.messages.size();
  ASSERT_TRUE(rig.controller->AnnounceComputerScore(0, kScorePlay));  // no message, no pause
  EXPECT_EQ(rig.host.messages.size(), shown);
  ASSERT_TRUE(rig.controller->AnnounceComputerScore(0, kScoreCrib));
  EXPECT_EQ(VisibleMessage(rig.host.messages.back(), true),
            "... 0 for the crib.\rWhere's a little help when you need it?");
  rig.state.blnPlayerDeals = false;
  ASSERT_TRUE(rig.controller->AnnounceComputerScore(8, kScoreHand));
  EXPECT_EQ(VisibleMessage(rig.host.messages.back(), true), "I get 8 for my hand and ...");
  EXPECT_EQ(rig.state.intComputerScore, 10 + 12 + 6 + 8);
  EXPECT_EQ(rig.state.intComputerBackPeg, 10 + 12 + 6);
}

TEST_F(ScoringEntry, GameOverMessagesAndPatter) {
  rig.options.intWeights = 2;  // 2-3-3
  Scores(60, 119);
  EXPECT_FALSE(rig.controller->AddComputerPoints(6, kScoreHand));
  EXPECT_EQ(rig.state.intComputerScore, 121);
  EXPECT_EQ(VisibleMessage(rig.host.messages.back(), true),
            "I win by a double skunk (3 match points).\rLike takin' candy from a baby!");
  EXPECT_EQ(rig.state.intComputerMatchPoints, 3);
  EXPECT_EQ(rig.state.intPointDifferential, 60 - 121);
  EXPECT_EQ(rig.stats.winMargins[13 + 13], 1);
  EXPECT_EQ(rig.host.sounds, 1);  // the computer-wins melody
  rig.options.intWeights = 0;
  Scores(119, 90);
  EXPECT_FALSE(rig.controller->AddPlayerPoints(2, kScorePlay, 0));
  EXPECT_EQ(VisibleMessage(rig.host.messages.back(), true),
            "You win by a skunk (3 match points).\rChange the deck!");
  EXPECT_EQ(rig.stats.winMargins[7], 1);
  EXPECT_EQ(rig.state.intGamesPlayed, 2);
  EXPECT_EQ(rig.controller->Model().caption,
            "Kestrel  -  Games: 2   Match Score:  3/3   Point Differential:  -30");
}

// Whole hands: a game that is won ends the hand at once.
class GameWon : public ScoringEntry {
 protected:
  int Count(int code) const { return static_cast<int>(std::count(rig.host.waits.begin(), rig.host.waits.end(), code)); }
};

TEST_F(GameWon, AtTheCut) {
  Scores(100, 119);
  rig.state.blnPlayerDeals = false;
  rig.deal.Queue(DealOf("Ks Qs Ts 9s Ah 2h", "5c 5d 5h 4c 3d 4d", "Jd"));
  EXPECT_TRUE(rig.controller->PlayGame());
  EXPECT_EQ(rig.state.intGamesPlayed, 1);
  EXPECT_EQ(rig.state.intComputerScore, 121);
  EXPECT_EQ(Count(kWaitPlay), 0);
  EXPECT_EQ(VisibleMessage(rig.host.messages[rig.host.messages.size() - 2], true),
            "I get 2 for the jack.\rCouple extra never hurts.");
  EXPECT_FALSE(rig.state.blnPlayerDeals);  // the dealer is not passed on
}

TEST_F(GameWon, InPegging) {
  Scores(100, 119);
  rig.state.blnPlayerDeals = false;
  // The player leads a king; the computer pairs it.
  rig.deal.Queue(DealOf("Ks Qs Js 9s 2h 3h", "Kc 5c 6c 4c Ah Ad", "7d"));
  EXPECT_TRUE(rig.controller->PlayGame());
  EXPECT_EQ(rig.state.intComputerScore, 121);
  EXPECT_EQ(Count(kWaitPlay), 1);
  EXPECT_EQ(Count(kWaitPegHand), 0);
  EXPECT_EQ(rig.state.strPegLog, "");
  EXPECT_EQ(rig.stats.playerTotals[kTallyPone], 0);  // the last hand is not added
}

TEST_F(GameWon, InTheShowBeforeTheDealerCounts) {
  Scores(95, 112);
  // The computer is pone and counts first: 5-5-5-J with the five of spades.
  rig.deal.Queue(DealOf("5c 5d 5h Js 3d 4d", "Ks Qs Ts 9s Ah 2h", "5s"));
  EXPECT_TRUE(rig.controller->PlayGame());
  EXPECT_EQ(rig.state.intComputerScore, 121);
  EXPECT_EQ(Count(kWaitPegHand), 0);
  EXPECT_EQ(VisibleMessage(rig.host.messages.back(), false), "I win (2 match points).");
  EXPECT_EQ(rig.controller->Model().detailsText.substr(0, 9), "I've got ");
  EXPECT_NE(rig.controller->Model().detailsText.find(
                "nobs for 1, eight fifteens for 16 and four of a kind for 12 -- total 29 points."),
            std::string::npos);
}

}  // namespace
}  // namespace kestrel::testing

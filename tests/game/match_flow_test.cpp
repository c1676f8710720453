// Whole matches through the controller with a scripted user: deals consumed
// per short game, the first dealer of each game, New Match during every kind of
// prompt, Non-Stop Play, and a reproducible activity log.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <sstream>
#include <cstdint>

#include "tests/support/scratch_dir.h"
#include "tests/support/scripted_host.h"

namespace kestrel::testing {
namespace {

// The short game starts its count of seventeen deal slots at 4 (the full
// game's count shows in the fixed match log).
TEST(MatchFlow, EveryGameUsesSeventeenDealSlots) {
  ControllerRig rig(777);
  rig.options.intGameLength = static_cast<int16_t>(GameLength::Short);
  rig.options.intFirstDealer = static_cast<int16_t>(FirstDealer::PlayerAlways);
  int drawsAtFirstHand = -1;
  rig.host.onWait = [&](MatchController&, int) {
    if (drawsAtFirstHand < 0) drawsAtFirstHand = rig.deal.draws;
    return false;
  };
  ASSERT_EQ(rig.PlayGames(4), 4);
  EXPECT_FALSE(rig.host.stuck);
  EXPECT_EQ(rig.deal.draws, drawsAtFirstHand + 4 * 13);
}

TEST(MatchFlow, CutForDealRepeatsTiesAndLowCardDeals) {
  ControllerRig rig(31);
  rig.options.intFirstDealer = static_cast<int16_t>(FirstDealer::LoserDeals);
  rig.deal.Queue(Cards("7s 7h"));
  rig.deal.Queue(Cards("As 2d"));
  ASSERT_TRUE(rig.controller->CutForDeal());
  EXPECT_TRUE(rig.state.blnPlayerDeals);
  ASSERT_EQ(rig.host.messages.size(), 3u);
  EXPECT_EQ(VisibleMessage(rig.host.messages[0], true), "Low card deals.\rSame stakes as last time, right?");
  EXPECT_EQ(VisibleMessage(rig.host.messages[1], false), "Tie -- try again.");
  EXPECT_EQ(VisibleMessage(rig.host.messages[2], true), "You deal.\rNuts!  Even a deuce didn't help.");
  EXPECT_EQ(CardOfCode(rig.controller->Model().loCard[0].code), Cards("As")[0]);
  EXPECT_EQ(CardOfCode(rig.controller->Model().loCard[1].code), Cards("2d")[0]);

  // A fixed first dealer still moves the source like a cut, ties and all,
  // without a prompt.
  ControllerRig fixed(31);
  fixed.deal.Queue(Cards("7s 7h"));
  fixed.deal.Queue(Cards("2c 9d"));
  fixed.options.intFirstDealer = static_cast<int16_t>(FirstDealer::ComputerAlways);
  ASSERT_TRUE(fixed.controller->CutForDeal());
  EXPECT_EQ(fixed.deal.draws, 2);
  EXPECT_FALSE(fixed.state.blnPlayerDeals);
  EXPECT_TRUE(fixed.host.waits.empty());
}

// The first dealer of each game, and who won the game before.
struct GameStart {
  bool playerDeals;
  bool computerWonLast;
  int handsLast;
};

std::vector<GameStart> FirstDealers(FirstDealer rule, int games) {
  ControllerRig rig(4242);
  rig.options.intFirstDealer = static_cast<int16_t>(rule);
  std::vector<GameStart> out;
  int lastComputerPoints = 0, handsLast = 0, lastGames = -1;
  rig.host.onWait = [&](MatchController&, int code) {
    if (code == kWaitDiscard && rig.state.intGamesPlayed != lastGames) {
      out.push_back({rig.state.blnPlayerDeals, rig.state.intComputerMatchPoints > lastComputerPoints, handsLast});
      lastComputerPoints = rig.state.intComputerMatchPoints;
      lastGames = rig.state.intGamesPlayed;
    }
    if (code == kWaitContinue && (rig.state.intPlayerScore >= 121 || rig.state.intComputerScore >= 121))
      handsLast = rig.state.intHandsDealt;
    return false;
  };
  rig.PlayGames(games);
  return out;
}

TEST(MatchFlow, FirstDealerOfEachGameUnderEachRule) {
  for (auto rule : {FirstDealer::LoserDeals, FirstDealer::Alternate, FirstDealer::PlayerAlways,
                    FirstDealer::ComputerAlways}) {
    const auto starts = FirstDealers(rule, 8);
    ASSERT_EQ(starts.size(), 8u);
    bool sawOdd = false, sawEven = false;
    for (size_t g = 1; g < starts.size(); ++g) {
      const bool expected = rule == FirstDealer::LoserDeals  ? starts[g].computerWonLast
                            : rule == FirstDealer::Alternate ? !starts[g - 1].playerDeals
                                                             : rule == FirstDealer::PlayerAlways;
      EXPECT_EQ(starts[g].playerDeals, expected) << "rule " << static_cast<int>(rule) << " game " << g;
      (starts[g].handsLast % 2 ? sawOdd : sawEven) = true;
    }
    EXPECT_TRUE(rule != FirstDealer::Alternate || (sawOdd && sawEven));  // whatever the length of the game
  }
}

// New Match at the first prompt of each kind inside a hand: nothing of that
// hand is scored, tallied or logged.
TEST(MatchFlow, NewMatchDuringAnyPromptLeavesTheHandUnscored) {
  for (int code = kWaitContinue; code <= kWaitPegCrib; ++code) {
    ScratchDir dir;
    ControllerRig rig(900 + code);
    rig.options.intPenalty = static_cast<int16_t>(ScoringMistakes::Penalties);  // the cut is always scored
    rig.options.strLogFile = dir.File("Tester.log");
    rig.options.intLogLevel = 1;
    bool hit = false;
    GameState before;
    Statistics statsBefore;
    std::string logBefore;
    rig.host.onWait = [&](MatchController& c, int wait) {
      if (hit || wait != code || rig.state.intPhase < 1 || rig.state.intHandsDealt < 2) return false;
      hit = true;
      before = rig.state;
      statsBefore = rig.stats;
      logBefore = ScratchDir::Get(rig.options.strLogFile);
      c.NewMatch();
      return true;
    };
    rig.host.stopAfterGames = 20;
    rig.controller->PlayMatch();
    ASSERT_TRUE(hit) << code;
    EXPECT_EQ(rig.state.intWaitState, 0);
    EXPECT_EQ(rig.state.intPlayerScore, before.intPlayerScore) << code;
    EXPECT_EQ(rig.state.intComputerScore, before.intComputerScore) << code;
    EXPECT_EQ(rig.state.intGamesPlayed, before.intGamesPlayed) << code;
    EXPECT_EQ(rig.stats.playerTotals, statsBefore.playerTotals) << code;
    EXPECT_EQ(rig.stats.computerTotals, statsBefore.computerTotals) << code;
    EXPECT_EQ(ScratchDir::Get(rig.options.strLogFile), logBefore) << code;
  }
}

TEST(MatchFlow, NonStopPlayStopsAfterAThousandGames) {
  ControllerRig rig(5);
  rig.options.blnNonStop = true;
  int optionChanges = 0;
  rig.host.onWait = [&](MatchController& c, int) {
    if (!rig.options.blnNonStop) {
      ++optionChanges;
      c.NewMatch();
    }
    return true;  // the user does nothing
  };
  rig.controller->PlayMatch();
  EXPECT_EQ(rig.state.intGamesPlayed, 1000);
  EXPECT_FALSE(rig.options.blnNonStop);
  EXPECT_EQ(optionChanges, 1);
}

TEST(MatchFlow, NonStopWithoutAutoplayWaitsAtTheFirstDiscard) {
  ControllerRig rig(5);
  rig.options.blnNonStop = true;
  rig.options.blnAutoplay = false;
  rig.options.intFirstDealer = static_cast<int16_t>(FirstDealer::LoserDeals);
  rig.host.onWait = [&](MatchController& c, int code) {
    if (code == kWaitDiscard) c.NewMatch();
    return true;  // the user answers nothing
  };
  rig.controller->PlayMatch();
  // The cut's Continues were passed for him; the discard waits for him.
  EXPECT_GE(std::count(rig.host.waits.begin(), rig.host.waits.end(), kWaitContinue), 2);
  EXPECT_EQ(rig.host.waits.front(), kWaitContinue);
  EXPECT_EQ(rig.host.waits.back(), kWaitDiscard);
}

// The activity log of a fixed match (date and time left out) with the
// engine's own decisions for both sides, against tests/game/fixed_match.log.
// A difference means the deal, the engine's choices, the scoring or the log
// layout changed: check which, and when the change is intended record the
// file anew with KESTREL_RECORD_LOGS=1.
TEST(MatchFlow, AFixedMatchLogsAsRecorded) {
  ScratchDir dir;
  ControllerRig rig(20261207, true);
  rig.options.strLogFile = dir.File("Tester.log");
  rig.options.intLogLevel = 2;
  rig.options.intPenalty = static_cast<int16_t>(ScoringMistakes::Muggins);
  rig.controller->SetClock([] { return std::string(); });
  // A user who pegs one point too few on every hand of four or more.
  rig.host.onWait = [](MatchController& c, int code) {
    if (code != kWaitPegHand || c.State().intPointsToPeg < 4) return false;
    ScriptedHost::PegTo(c, c.State().intPlayerScore + c.State().intPointsToPeg - 1);
    return true;
  };
  rig.PlayGames(6);
  const std::string log = ScratchDir::Get(rig.options.strLogFile);
  const std::string path = std::string(KESTREL_SOURCE_DIR) + "/tests/game/fixed_match.log";
  if (std::getenv("KESTREL_RECORD_LOGS")) ScratchDir::Put(path, log);
  ASSERT_TRUE(ScratchDir::Exists(path)) << path;
  const std::string expected = ScratchDir::Get(path);
  if (log == expected) return;
  std::istringstream got(log), want(expected);
  std::string a, b;
  for (int line = 1;; ++line) {
    const bool moreGot = static_cast<bool>(std::getline(got, a)), moreWant = static_cast<bool>(std::getline(want, b));
    if (!moreGot && !moreWant) break;
    if (a == b && moreGot == moreWant) continue;
    if (!a.empty() && a.back() == '\r') a.pop_back();
    if (!b.empty() && b.back() == '\r') b.pop_back();
    ADD_FAILURE() << path << " line " << line << "\n  expected: " << (moreWant ? b : "(end)")
                  << "\n  got:      " << (moreGot ? a : "(end)");
    return;
  }
  ADD_FAILURE() << "the logs differ";
}

}  // namespace
}  // namespace kestrel::testing

// Whole games played through the real window: by the keyboard alone and by
// the mouse alone, with a deliberate miscount under Penalties and Muggins
// and a drop in the computer's half of the board.
#include <gtest/gtest.h>

#include "tests/support/engine_report.h"
#include "tests/ui/window_rig.h"

namespace kestrel::testing {
namespace {

TEST(PlayByHand, WholeGameByKeyboardAlone) {
  kestrel::test::ClearEngineReports();
  WindowRig rig(13896);
  rig.options.intPenalty = 2;  // Penalties and Muggins: every claim must be exact
  int keys = 0;
  rig.user = [&](int code) {
    ++keys;
    rig.KeyboardAnswer(code);
  };
  EXPECT_EQ(rig.PlayGames(1), 1);
  EXPECT_FALSE(rig.stuck);
  EXPECT_GT(keys, 50);
  EXPECT_TRUE(rig.state.intPlayerScore == 121 || rig.state.intComputerScore == 121);
  // Every count was pegged exactly: no correction and no penalty.
  EXPECT_FALSE(rig.MessageSeen("You missed"));
  EXPECT_FALSE(rig.MessageSeen("overpegged"));
  // All four kinds of input were asked for on the way.
  for (int code : {kWaitContinue, kWaitDiscard, kWaitPlay, kWaitPegHand})
    EXPECT_NE(std::find(rig.waits.begin(), rig.waits.end(), code), rig.waits.end()) << code;
  EXPECT_TRUE(rig.boxes.empty());
  EXPECT_TRUE(kestrel::test::EngineReports().empty());
}

TEST(PlayByHand, WholeGameByMouseAloneWithMugginsAndAnIgnoredDrop) {
  WindowRig rig(4242);
  rig.options.intPenalty = 2;
  bool droppedInComputersHalf = false;
  bool miscounted = false;
  int computerBefore = -1, playerBefore = -1, pointsDue = 0;
  bool mugginsChecked = false;
  int missWaits = 0;
  rig.user = [&](int code) {
    if (miscounted && !mugginsChecked && code == kWaitContinue && rig.MessageSeen("You missed 1 -- points will be taken.")) {
      // The computer's pegs move after this Continue; check at the next wait.
      if (++missWaits == 1) {
        rig.MouseAnswer(code);
        return;
      }
    }
    if (miscounted && !mugginsChecked && missWaits >= 1 && rig.state.intWaitState > 0 &&
        rig.Model().message.find("You missed") == std::string::npos) {
      mugginsChecked = true;
      // The player keeps only what he pegged; the computer takes the point missed.
      EXPECT_EQ(rig.state.intPlayerScore, std::min(playerBefore + pointsDue - 1, 121));
      EXPECT_EQ(rig.state.intComputerScore, std::min(computerBefore + 1, 121));
      EXPECT_EQ(rig.stats.computerTally[kTallyMissedOrReceived], 1);
    }
    if (code >= kWaitPegHeels && code <= kWaitPegCrib && !droppedInComputersHalf) {
      // A drop in the computer's half is ignored: the peg stays, the wait goes on.
      droppedInComputersHalf = true;
      const int claim = rig.Model().playerClaim;
      rig.DragBackPegTo(QPoint(WindowRig::HoleOf(rig.state.intPlayerScore + 1).x(), 10));
      EXPECT_EQ(rig.state.intWaitState, code);
      EXPECT_EQ(rig.Model().playerClaim, claim);
      return;
    }
    if (code == kWaitPegHand && !miscounted && rig.state.intPointsToPeg >= 2 &&
        rig.state.intPlayerScore + rig.state.intPointsToPeg < 115) {
      miscounted = true;
      playerBefore = rig.state.intPlayerScore;
      computerBefore = rig.state.intComputerScore;
      pointsDue = rig.state.intPointsToPeg;
      rig.DragBackPegTo(WindowRig::HoleOf(playerBefore + pointsDue - 1));
      EXPECT_EQ(rig.state.intWaitState, -code);
      return;
    }
    rig.MouseAnswer(code);
  };
  EXPECT_EQ(rig.PlayGames(1), 1);
  EXPECT_FALSE(rig.stuck);
  EXPECT_TRUE(droppedInComputersHalf);
  ASSERT_TRUE(miscounted);
  EXPECT_TRUE(mugginsChecked);
  EXPECT_TRUE(rig.MessageSeen("You missed 1 -- points will be taken."));
  EXPECT_FALSE(rig.MessageSeen("overpegged"));
  EXPECT_TRUE(rig.state.intPlayerScore == 121 || rig.state.intComputerScore == 121);
}

}  // namespace
}  // namespace kestrel::testing

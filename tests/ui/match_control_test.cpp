// New Match during every kind of prompt, and Exit during a wait.
#include <gtest/gtest.h>

#include "settings/command_line.h"
#include "settings/profile.h"
#include "settings/settings_file.h"
#include "tests/support/scratch_dir.h"
#include "tests/ui/window_rig.h"

namespace kestrel::testing {
namespace {

// Plays by keyboard until the first prompt of each kind (any scoring prompt
// for kWaitPegHeels) inside a hand, chooses File > New Match there, and checks
// that the hand is left unscored and that the next match begins with the cut.
TEST(NewMatch, DuringEveryKindOfPrompt) {
  for (int kind : {kWaitContinue, kWaitDiscard, kWaitPlay, kWaitPegHeels}) {
    WindowRig rig(99);
    bool done = false;
    int playerScore = -100, computerScore = -100;
    rig.user = [&](int code) {
      const bool match = kind == kWaitPegHeels ? (code >= kWaitPegHeels && code <= kWaitPegCrib) : code == kind;
      if (!done && match && rig.state.intPhase >= 1) {
        done = true;
        playerScore = rig.state.intPlayerScore;
        computerScore = rig.state.intComputerScore;
        rig.window->mnuFileNewMatch->trigger();
        return;
      }
      rig.KeyboardAnswer(code);
    };
    rig.controller->PlayMatch();
    ASSERT_TRUE(done) << kind;
    EXPECT_FALSE(rig.stuck);
    EXPECT_EQ(rig.state.intWaitState, kWaitNone);
    // Abandoned: nothing more was scored while the match unwound.
    EXPECT_EQ(rig.state.intPlayerScore, playerScore) << kind;
    EXPECT_EQ(rig.state.intComputerScore, computerScore) << kind;

    // The program's loop starts the next match: it opens with the cut for deal.
    std::string firstMessage;
    rig.user = [&](int) {
      if (firstMessage.empty()) firstMessage = rig.Model().message;
      rig.window->NewMatch();
    };
    rig.controller->PlayMatch();
    EXPECT_EQ(firstMessage.rfind("Low card deals.", 0), 0u) << kind << ": " << firstMessage;
    EXPECT_EQ(rig.state.intPlayerScore + rig.state.intComputerScore, 0) << kind;
  }
}

TEST(Exit, DuringAWaitEndsAtOnceAndWritesTheSettings) {
  ScratchDir dir;
  SettingsFile settings(dir.Path(), CommandLine());
  WindowRig rig(5);
  rig.options.intBackgroundIndex = 1;
  int shutdowns = 0;
  MatchRecordHooks noMatch;
  rig.window->onShutdown = [&] {
    ++shutdowns;
    SaveSettings(settings, "Tester", rig.options, noMatch);
  };
  rig.window->SetMatchLoop([&] { rig.controller->PlayMatch(); });
  int waitsAfterClose = 0;
  bool closed = false;
  rig.user = [&](int code) {
    if (closed) {
      ++waitsAfterClose;
      return;
    }
    if (code == kWaitDiscard) {
      closed = true;
      rig.window->close();
      return;
    }
    rig.KeyboardAnswer(code);
  };
  rig.window->RunMatchLoop();  // returns only because the window unloaded
  EXPECT_TRUE(closed);
  EXPECT_TRUE(rig.window->Unloading());
  EXPECT_EQ(shutdowns, 1);
  EXPECT_EQ(waitsAfterClose, 0);
  EXPECT_EQ(rig.state.intPlayerScore, 0);
  const std::string ini = ScratchDir::Get(settings.IniPath());
  EXPECT_NE(ini.find("[Tester]"), std::string::npos) << ini;
  EXPECT_NE(ini.find("[Global]"), std::string::npos);
}

}  // namespace
}  // namespace kestrel::testing

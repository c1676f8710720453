// Whole games played through the real window: by the keyboard alone (then
// its statistics shown and appended to the log through the File menu) and by
// the mouse alone.
#include <gtest/gtest.h>

#include "settings/session_settings.h"
#include "stats/statistics_report.h"
#include "tests/support/engine_report.h"
#include "tests/support/scratch_dir.h"
#include "tests/ui/window_rig.h"
#include "ui/key_table.h"

namespace kestrel::testing {
namespace {

TEST(PlayByHand, GamesByKeyboardAloneAndTheirStatistics) {
  kestrel::test::ClearEngineReports();
  ScratchDir dir;
  WindowRig rig(13896);
  FrmKestrel& w = *rig.window;
  rig.options.intLogLevel = 1;
  rig.options.strLogFile = dir.File("Ann.log");
  rig.controller->SetPlayerName("Ann");
  rig.user = [&](int code) { rig.KeyboardAnswer(code); };
  EXPECT_EQ(rig.PlayGames(2), 2);
  EXPECT_FALSE(rig.stuck);
  EXPECT_TRUE(rig.boxes.empty());
  EXPECT_TRUE(kestrel::test::EngineReports().empty());

  // File > Show Statistics and Log: the report and the log tail until Continue.
  w.statisticsReport = [&] {
    return StatisticsReport(rig.state, rig.stats, "Ann", SessionSettingsText(rig.options, rig.state, false));
  };
  bool sawPanel = false;
  QString shown;
  rig.user = [&](int code) {
    if (code != kWaitContinue || sawPanel) return;
    sawPanel = w.frameHistory->isVisible() && w.txtHistory->isReadOnly() && !w.mnuFileShowHistory->isEnabled() &&
               w.KeyMode() == kKeyHistory;
    shown = w.txtHistory->toPlainText();
    // Shift+Enter stays in the text box; Enter answers Continue.
    QTest::keyClick(w.txtHistory, Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_TRUE(w.frameHistory->isVisible());
    QTest::keyClick(&w, Qt::Key_Return);
  };
  w.mnuFileShowHistory->trigger();
  EXPECT_TRUE(sawPanel);
  EXPECT_TRUE(shown.contains("Games: 2  Match Score: "));
  // The log tail follows the report (what the tail holds is the log tail's own test).
  EXPECT_GT(shown.indexOf(" Tail of log file:\n"), 0);
  EXPECT_FALSE(shown.contains('\r'));
  EXPECT_FALSE(w.frameHistory->isVisible());
  EXPECT_TRUE(w.mnuFileShowHistory->isEnabled());
  EXPECT_EQ(w.KeyMode(), kKeyPlay);
  // File > Append Statistics to Log hands over to its handler.
  int appends = 0;
  w.onAppendStatistics = [&] { ++appends; };
  w.mnuFileAppendHistory->trigger();
  EXPECT_EQ(appends, 1);
}

// Every answer by mouse: the packs clicked for the cuts, the button for
// Continue, the hinted cards clicked, and every count pegged by a drag.
TEST(PlayByHand, WholeGameByMouseAlone) {
  WindowRig rig(4242);
  rig.options.intPenalty = 2;
  rig.user = [&](int code) { rig.MouseAnswer(code); };
  EXPECT_EQ(rig.PlayGames(1), 1);
  EXPECT_FALSE(rig.stuck);
  EXPECT_FALSE(rig.MessageSeen("You missed"));
  EXPECT_FALSE(rig.MessageSeen("overpegged"));
  EXPECT_TRUE(rig.state.intPlayerScore == 121 || rig.state.intComputerScore == 121);
}

}  // namespace
}  // namespace kestrel::testing

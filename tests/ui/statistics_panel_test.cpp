// File > Show Statistics and Log and File > Append Statistics to Log in the
// real window, after two games played from the keyboard.
#include <gtest/gtest.h>

#include "settings/session_settings.h"
#include "stats/statistics_report.h"
#include "tests/support/scratch_dir.h"
#include "tests/ui/window_rig.h"
#include "ui/key_table.h"

namespace kestrel::testing {
namespace {

struct PlayedRig {
  PlayedRig() {
    rig.options.intLogLevel = 1;
    rig.options.strLogFile = dir.File("Ann.log");
    rig.controller->SetPlayerName("Ann");
    rig.window->statisticsReport = [this] {
      return StatisticsReport(rig.state, rig.stats, "Ann", SessionSettingsText(rig.options, rig.state, false));
    };
    rig.window->onAppendStatistics = [this] {
      AppendStatisticsToLog(*rig.window, *rig.log, rig.options.strLogFile, rig.window->statisticsReport());
    };
    rig.user = [this](int code) { rig.KeyboardAnswer(code); };
    rig.PlayGames(2);
    rig.user = nullptr;
  }
  ScratchDir dir;
  WindowRig rig;
};

TEST(StatisticsPanel, ShowsReportAndLogTailUntilContinue) {
  PlayedRig played;
  FrmKestrel& w = *played.rig.window;
  ASSERT_EQ(played.rig.state.intGamesPlayed, 2);
  bool sawPanel = false;
  QString shown;
  played.rig.user = [&](int code) {
    if (code != kWaitContinue || sawPanel) return;
    sawPanel = w.frameHistory->isVisible() && w.txtHistory->isVisible() && w.txtHistory->isReadOnly() &&
               !w.mnuFileShowHistory->isEnabled() && w.KeyMode() == kKeyHistory;
    EXPECT_TRUE(w.VisibleMessage().startsWith("Match statistics (and log tail, if any)."));
    shown = w.txtHistory->toPlainText();
    // Shift+Enter stays in the text box; Enter answers Continue.
    QTest::keyClick(w.txtHistory, Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_TRUE(w.frameHistory->isVisible());
    QTest::keyClick(&w, Qt::Key_Return);
  };
  w.mnuFileShowHistory->trigger();
  EXPECT_TRUE(sawPanel);
  EXPECT_TRUE(shown.startsWith(" ****"));
  EXPECT_TRUE(shown.contains("Games: 2  Match Score: "));
  EXPECT_TRUE(shown.contains("\n Ann:     "));
  // The log tail follows the report, from a game header.
  const qsizetype tail = shown.indexOf(" Tail of log file:\n");
  ASSERT_GT(tail, 0);
  EXPECT_TRUE(shown.mid(tail).contains("\n Game 1: "));
  EXPECT_FALSE(shown.contains('\r'));
  EXPECT_FALSE(w.frameHistory->isVisible());
  EXPECT_FALSE(w.txtHistory->isVisible());
  EXPECT_TRUE(w.mnuFileShowHistory->isEnabled());
  EXPECT_EQ(w.KeyMode(), kKeyPlay);
}

TEST(StatisticsPanel, AppendWritesTheReportAfterTheQuestion) {
  PlayedRig played;
  WindowRig& rig = played.rig;
  const std::string before = ScratchDir::Get(rig.options.strLogFile);
  rig.boxes.clear();
  rig.window->mnuFileAppendHistory->trigger();
  ASSERT_EQ(rig.boxes.size(), 1u);
  EXPECT_EQ(rig.boxes[0].rfind("Append statistics to " + rig.options.strLogFile + "?\r\r", 0), 0u);
  EXPECT_EQ(ScratchDir::Get(rig.options.strLogFile), before + rig.window->statisticsReport());
}

}  // namespace
}  // namespace kestrel::testing

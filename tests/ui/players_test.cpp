// Players and options in the real window: changing between stored players,
// the New Player panel, the option line every Options handler writes, the
// Game Length notice, locked play, and the Options items that take a file
// (Card Source, Obnoxious Patter, Game Over Sounds). The rules behind them (names, the
// recent-player list) are the session's and are tested there.
#include <gtest/gtest.h>

#include <QMenu>
#include <sstream>

#include "game/patter_choices.h"
#include "game/session.h"
#include "patter/patter_file.h"
#include "settings/settings_file.h"
#include "tests/support/scratch_dir.h"
#include "tests/ui/window_rig.h"
#include "ui/key_table.h"
#include "ui/palette.h"

namespace kestrel::testing {
namespace {

const std::string kHead = "[Global]\r\nVersion=Kestrel (02 Jan 19)\r\n";

// A saved match that always validates and carries the two totals the tests set.
class TotalsHooks : public MatchRecordHooks {
 public:
  explicit TotalsHooks(Statistics& stats) : stats_(stats) {}
  bool LoadState(const std::string& state) override { return state == "resume"; }
  void LoadStatistics(const std::string& text, const std::string&) override {
    std::istringstream(text) >> stats_.playerTotals[3] >> stats_.computerTotals[4];
  }
  std::string StateText() override { return "resume"; }
  std::string Statistics1Text() override {
    return std::to_string(stats_.playerTotals[3]) + " " + std::to_string(stats_.computerTotals[4]);
  }

 private:
  Statistics& stats_;
};

struct PlayersRig {
  explicit PlayersRig(const std::string& ini, const std::string& commandLine = "")
      : file(dir.Path(), CommandLine(commandLine)), hooks(w.stats) {
    ScratchDir::Put(file.IniPath(), ini);
    session = std::make_unique<Session>(file, w.state, w.options, w.patter, w.stats, *w.controller, *w.window, *w.log);
    session->SetRecordHooks(&hooks);
    w.window->SetSession(session.get());
    session->Start("");
    if (session->Locked()) w.window->ApplyLock();
  }
  FrmKestrel& W() { return *w.window; }
  std::string Log() const { return ScratchDir::Exists(w.options.strLogFile) ? ScratchDir::Get(w.options.strLogFile) : ""; }

  ScratchDir dir;
  WindowRig w;
  SettingsFile file;
  TotalsHooks hooks;
  std::unique_ptr<Session> session;
};

TEST(Players, SwitchingBetweenTwoStoredPlayersBringsEachOneBack) {
  // Ann: muggins, patter hidden, cyan table. Bob: hints off, 2-4-6 weights,
  // penalties, default patter, grey table.
  PlayersRig r(kHead + "Players=Ann,Bob\r\n[Ann]\r\nOptions=5,1,1,1,1,1,0,2,0,0,0,0,0,0,1,1\r\n"
                       "[Bob]\r\nOptions=6,0,1,1,1,1,1,1,0,0,0,0,0,1,1,2\r\n");
  FrmKestrel& w = r.W();
  auto expectAnn = [&](bool sorted) {
    EXPECT_EQ(w.lblName->text(), "Ann");
    EXPECT_TRUE(w.mnuOptionsPenaltyAry[2]->isChecked());
    EXPECT_TRUE(w.mnuOptionsPatterHide->isChecked());
    EXPECT_TRUE(w.mnuOptionsBackgroundAry[1]->isChecked());
    EXPECT_EQ(w.TableColor(), TableColour(1));
    EXPECT_EQ(w.mnuOptionsSort->isChecked(), sorted);
    EXPECT_TRUE(w.mnuOptionsHints->isChecked());
  };
  expectAnn(true);
  EXPECT_EQ(w.mnuFilePlayerList[2]->text(), "Bob");
  w.mnuOptionsSort->trigger();  // Ann changes an option
  expectAnn(false);

  // Bob is chosen while Ann's match waits (her statistics stand at some
  // totals): her match is abandoned.
  bool switched = false;
  r.w.user = [&](int) {
    if (switched) return;
    switched = true;
    r.w.stats.playerTotals[3] = 17;
    r.w.stats.computerTotals[4] = 9;
    w.mnuFilePlayerList[2]->trigger();
  };
  r.w.controller->PlayMatch();
  ASSERT_TRUE(switched);
  EXPECT_EQ(r.w.state.intWaitState, kWaitNone);
  EXPECT_EQ(w.lblName->text(), "Bob");
  EXPECT_EQ(w.mnuFilePlayerList[2]->text(), "Ann");
  EXPECT_FALSE(w.mnuOptionsHints->isChecked());
  EXPECT_TRUE(w.mnuOptionsWeightsAry[1]->isChecked());
  EXPECT_TRUE(w.mnuOptionsPenaltyAry[1]->isChecked());
  EXPECT_TRUE(w.mnuOptionsPatterDefault->isChecked());
  EXPECT_EQ(w.TableColor(), TableColour(2));
  EXPECT_EQ(r.w.stats.playerTotals[3], 0);  // Bob has no match to resume
  EXPECT_EQ(r.w.options.strLogFile, r.file.DefaultLogFile("Bob"));

  // And back to Ann: everything of hers returns.
  w.mnuFilePlayerList[2]->trigger();
  expectAnn(false);
  EXPECT_EQ(r.w.stats.playerTotals[3], 17);
  EXPECT_EQ(r.w.stats.computerTotals[4], 9);
  // Item 1 is the current player: choosing it does nothing.
  const std::string before = ScratchDir::Get(r.file.IniPath());
  w.mnuFilePlayerList[1]->trigger();
  EXPECT_EQ(ScratchDir::Get(r.file.IniPath()), before);
  ASSERT_TRUE(r.session->Save());
  EXPECT_EQ(r.file.ReadIniString("Global", "Players"), "Ann,Bob");
  EXPECT_EQ(r.file.ReadIniString("Ann", "Options"), "5,1,1,1,1,0,0,2,0,0,0,0,0,0,1,1");
}

// The panel is shown while it waits, forwards the typed name, and the window
// shows the outcome: a new player (saved first) or the old one respelled.
TEST(Players, NewPlayerPanel) {
  struct Case {
    std::string typed, player;
    bool created;
  } cases[] = {{" 3 blind mice", "3-blind-", true}, {"aNN", "aNN", false}};
  for (const Case& c : cases) {
    PlayersRig r(kHead + "Players=Ann,Bob\r\n[Ann]\r\nOptions=5,1,1,1,1,1,0,2,0,0,0,0,0,1,1,1\r\n");
    FrmKestrel& w = r.W();
    const std::string before = ScratchDir::Get(r.file.IniPath());
    bool asked = false;
    r.w.user = [&](int code) {
      if (asked || code != kWaitContinue) return;
      asked = true;
      EXPECT_TRUE(w.frameNew->isVisible());
      EXPECT_TRUE(w.txtPlayer->isVisible());
      EXPECT_FALSE(w.mnuFilePlayerNew->isEnabled());
      EXPECT_EQ(w.KeyMode(), kKeyPlayerName);
      EXPECT_TRUE(w.VisibleMessage().startsWith("Type new player name."));
      w.txtPlayer->setText(QString::fromStdString(c.typed));
      QTest::keyClick(&w, Qt::Key_Return);
    };
    w.mnuFilePlayerNew->trigger();
    ASSERT_TRUE(asked);
    EXPECT_FALSE(w.frameNew->isVisible());
    EXPECT_TRUE(w.mnuFilePlayerNew->isEnabled());
    EXPECT_EQ(w.lblName->text().toStdString(), c.player) << c.typed;
    EXPECT_EQ(w.mnuFilePlayerList[1]->text().toStdString(), c.player);
    EXPECT_TRUE(w.mnuOptionsPenaltyAry[c.created ? 0 : 2]->isChecked()) << c.typed;
    EXPECT_EQ(ScratchDir::Get(r.file.IniPath()) == before, !c.created) << c.typed;
  }
}

TEST(Options, EveryHandlerWritesItsLineAtLevelTwoOnly) {
  PlayersRig r(kHead + "Players=Ann\r\n");
  FrmKestrel& w = r.W();
  Options& o = r.w.options;
  const std::string deck = r.dir.File("deck.bin");
  w.onOpenFileDialog = [&](const std::string&, const std::string&, const std::string&) { return deck; };
  w.onSaveFileDialog = [&](const std::string&, const std::string&, const std::string& start) { return start; };
  struct Case {
    std::function<void()> prepare;
    std::function<void()> act;
    std::string line;
  };
  auto trigger = [](QAction* a) { return [a] { a->trigger(); }; };
  auto set = [&](auto& field, auto value) {
    return [&field, value, &w] {
      field = value;
      w.ApplyOptionsToMenus();
    };
  };
  const Case cases[] = {
      {set(o.blnHints, true), trigger(w.mnuOptionsHints), " Hints (Mouse Icon): Off\r\n"},
      {set(o.blnDetails, false), trigger(w.mnuOptionsDetails), " Scoring Details: On\r\n"},
      {set(o.blnAutoplay, true), trigger(w.mnuOptionsAutoplay), " Allow Autoplay: Off\r\n"},
      {set(o.blnAutoscore, true), trigger(w.mnuOptionsAutoscore), " Allow Autoscore: Off\r\n"},
      {set(o.blnSort, true), trigger(w.mnuOptionsSort), " Sort Hands: Off\r\n"},
      {set(o.intWeights, int16_t{0}), trigger(w.mnuOptionsWeightsAry[1]), " 2-4-6 Weights.\r\n"},
      {set(o.intPenalty, int16_t{0}), trigger(w.mnuOptionsPenaltyAry[2]), " Penalties and Muggins.\r\n"},
      {set(o.intGameLength, int16_t{0}), trigger(w.mnuOptionsLengthAry[1]), " Short Game (61 Points).\r\n"},
      {set(o.intFirstDealer, int16_t{0}), trigger(w.mnuOptionsFirstAry[3]), " Computer Always First.\r\n"},
      {set(o.intBackgroundIndex, int16_t{0}), trigger(w.mnuOptionsBackgroundAry[2]), " Gray for Printing.\r\n"},
      {set(o.intCardSource, int16_t{1}), trigger(w.mnuOptionsSourceDefault), " Default Sequence.\r\n"},
      {set(o.intCardSource, int16_t{0}), trigger(w.mnuOptionsSourceDataFile), " Card Data File: " + deck + "\r\n"},
      {[] {}, trigger(w.mnuOptionsLogName), " Log File Name: " + r.file.DefaultLogFile("Ann") + "\r\n"},
      {[&] { w.ChooseDeckStyle(0); }, trigger(w.mnuOptionsStyleDogears), " Dog Ear Deck.\r\n"},
      {[&] { w.ChooseDeckStyle(1); }, trigger(w.mnuOptionsStyleDefault), " Default Deck.\r\n"},
      {[&] {
         w.ChooseDeckStyle(1);
         o.strMarkedCards.clear();
         w.frameDeck->show();
       },
       [&] { w.onDeckCardClicked(0); }, " Dog Ear for As: On\r\n"},
  };
  for (int level : {1, 2}) {
    for (const Case& c : cases) {
      c.prepare();
      o.intLogLevel = static_cast<int16_t>(level);
      const std::string before = r.Log();
      c.act();
      EXPECT_EQ(r.Log().substr(before.size()), level == 2 ? c.line : "") << c.line;
    }
  }
  // The already checked item writes nothing and stays checked.
  const std::string before = r.Log();
  w.mnuOptionsWeightsAry[1]->trigger();
  EXPECT_EQ(r.Log(), before);
  EXPECT_TRUE(w.mnuOptionsWeightsAry[1]->isChecked());
  EXPECT_TRUE(r.w.boxes.empty());

  // A change of the log level is written whatever the old or new level.
  o.intLogLevel = 0;
  w.ApplyOptionsToMenus();
  const std::pair<int, std::string> levels[] = {
      {1, " Log Games Only.\r\n"}, {0, " Disable Logging.\r\n"}, {2, " Log Games and Messages.\r\n"},
      {2, ""}, {1, " Log Games Only.\r\n"}};
  for (const auto& [index, line] : levels) {
    const std::string start = r.Log();
    w.mnuOptionsLogAry[static_cast<size_t>(index)]->trigger();
    EXPECT_EQ(r.Log().substr(start.size()), line);
    EXPECT_EQ(o.intLogLevel, index);
    EXPECT_TRUE(w.mnuOptionsLogAry[static_cast<size_t>(index)]->isChecked());
  }
}

TEST(Options, GameLengthChosenDuringAHandTakesEffectNextGame) {
  PlayersRig r(kHead + "Players=Ann\r\n");
  FrmKestrel& w = r.W();
  int step = 0;
  r.w.user = [&](int code) {
    if (step == 0 && code == kWaitContinue) {
      // At the cut for deal no hand has begun: no notice, and the game about to start is short.
      step = 1;
      w.mnuOptionsLengthAry[1]->trigger();
      EXPECT_TRUE(r.w.boxes.empty());
    } else if (step == 1 && code == kWaitDiscard) {
      step = 2;
      w.mnuOptionsLengthAry[2]->trigger();
      EXPECT_EQ(r.w.options.intGameLength, 2);  // stored at once
      EXPECT_EQ(r.w.boxes, std::vector<std::string>{"Game length change takes effect next game."});
      EXPECT_EQ(r.w.state.intPlayerScore, 60);  // the short game goes on
      w.mnuFileNewMatch->trigger();
      return;
    }
    if (step < 2) r.w.MouseAnswer(code);
  };
  r.w.controller->PlayMatch();
  EXPECT_EQ(step, 2);
}

TEST(Options, LockedPlayDisablesPlayerMatchAndOptionsWithTheirKeys) {
  PlayersRig r(kHead + "Players=Ann,Bob\r\n", "/lock");
  FrmKestrel& w = r.W();
  EXPECT_FALSE(w.mnuFileNewMatch->isEnabled());
  EXPECT_FALSE(w.mnuFilePlayer->menuAction()->isEnabled());
  EXPECT_FALSE(w.mnuOptions->menuAction()->isEnabled());
  EXPECT_FALSE(w.mnuFilePlayerList[2]->isEnabled());
  EXPECT_FALSE(w.mnuOptionsHints->isEnabled());
  QTest::keyClick(&w, Qt::Key_H, Qt::ControlModifier);
  QTest::keyClick(&w, Qt::Key_O, Qt::ControlModifier);
  EXPECT_TRUE(r.w.options.blnHints);
  EXPECT_TRUE(r.w.options.blnSort);
}

// A chosen file is used and its item checked, the remark on show follows the
// patter choice at once, and a cancelled dialog changes nothing. (A file that
// is no sound is refused by the sounds' own test.)
TEST(OptionFilesMenu, ChosenFilesAreUsedAndCancelledOnesChangeNothing) {
  WindowRig rig;
  ScratchDir dir;
  FrmKestrel& w = *rig.window;
  PatterChoices choices(rig.options, rig.patter, w, [&rig] { rig.controller->RefreshPatterLine(); });
  w.SetPatterAndSounds(&choices, &rig.controller->Sounds());
  std::vector<QAction*> logged;
  w.onOptionChanged = [&logged](QAction* item) { logged.push_back(item); };
  std::string chosen;  // the file dialog's answer; empty when cancelled
  w.onOpenFileDialog = [&chosen](const std::string&, const std::string&, const std::string&) { return chosen; };
  auto choose = [&](QAction* item, const std::string& name, const std::string& content) {
    chosen = name.empty() ? "" : dir.File(name);
    if (!name.empty()) ScratchDir::Put(chosen, content);
    item->trigger();
  };

  // Card source: the data file is read from its first byte; the default
  // sequence keeps the pointer where the file left it.
  rig.options.lngSeedOrPointer = 99;
  choose(w.mnuOptionsSourceDataFile, "", "");
  EXPECT_EQ(rig.options.intCardSource, 0);
  EXPECT_EQ(rig.options.lngSeedOrPointer, 99);
  EXPECT_TRUE(w.mnuOptionsSourceDefault->isChecked());
  choose(w.mnuOptionsSourceDataFile, "cards.bin", std::string("\0\1\2", 3));
  EXPECT_EQ(rig.options.intCardSource, 1);
  EXPECT_EQ(rig.options.strDataFile, chosen);
  EXPECT_EQ(rig.options.lngSeedOrPointer, 0);
  EXPECT_TRUE(w.mnuOptionsSourceDataFile->isChecked());
  rig.options.lngSeedOrPointer = 3;
  w.mnuOptionsSourceDefault->trigger();
  EXPECT_EQ(rig.options.intCardSource, 0);
  EXPECT_EQ(rig.options.lngSeedOrPointer, 3);
  EXPECT_TRUE(w.mnuOptionsSourceDefault->isChecked());

  // Patter: hidden at once, and a custom line is shown as typed, not as markup.
  TableModel& model = rig.controller->Model();
  model.message = "I peg 6 points.";
  model.patterText = rig.patter.Text(32);
  model.patterSlot = 32;
  w.Redraw(model, kPartMessage);
  EXPECT_EQ(w.VisibleMessage(), "I peg 6 points.\nGotcha!");
  w.mnuOptionsPatterHide->trigger();
  EXPECT_EQ(w.VisibleMessage(), "I peg 6 points.");
  EXPECT_TRUE(w.mnuOptionsPatterHide->isChecked());
  EXPECT_LT(w.lblMessage->height(), 25);
  choose(w.mnuOptionsPatterCustom, "mine.txt",
         std::string(kPatterFileHeader) + "\nRedPeg6_11 = Tom & Jerry <b>bold</b>\n");
  EXPECT_EQ(w.VisibleMessage(), "I peg 6 points.\nTom & Jerry <b>bold</b>");
  EXPECT_TRUE(w.mnuOptionsPatterCustom->isChecked());
  EXPECT_GT(w.lblMessage->height(), 30);

  // Sounds: Disable is taken and checked.
  w.mnuOptionsSoundsDisable->trigger();
  EXPECT_TRUE(w.mnuOptionsSoundsDisable->isChecked());
  // Only the changes reach the option log.
  EXPECT_EQ(logged, (std::vector<QAction*>{w.mnuOptionsSourceDataFile, w.mnuOptionsSourceDefault,
                                           w.mnuOptionsPatterHide, w.mnuOptionsPatterCustom,
                                           w.mnuOptionsSoundsDisable}));
}

}  // namespace
}  // namespace kestrel::testing

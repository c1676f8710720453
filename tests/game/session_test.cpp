// The player's session without a window: the restore sequence, the recent
// players, New Player, option lines and the settings summary.
#include "game/session.h"

#include <gtest/gtest.h>

#include "game/card_source.h"
#include "settings/player_name.h"
#include "settings/session_settings.h"
#include "tests/support/scratch_dir.h"
#include "tests/support/scripted_host.h"

namespace kestrel::testing {
namespace {

const std::string kHead = "[Global]\r\nVersion=Kestrel (02 Jan 19)\r\n";

struct SessionRig {
  explicit SessionRig(const std::string& ini, const std::string& commandLine = "")
      : file(dir.Path(), CommandLine(commandLine)),
        session(file, rig.state, rig.options, rig.patter, rig.stats, *rig.controller, rig.host, rig.log) {
    if (!ini.empty()) ScratchDir::Put(file.IniPath(), ini);
  }
  std::string Ini() const { return ScratchDir::Get(file.IniPath()); }
  ScratchDir dir;
  ControllerRig rig;
  SettingsFile file;
  Session session;
};

// Stored options out of range are mended, garbage reads as zero fields
// that the apply steps accept; the mended values are written back.
TEST(Session, RestoreMendsStoredOptions) {
  struct Case {
    std::string stored, saved;
  } cases[] = {
      // Penalty 7, length 7, log level 3, deck style 4, patter 5, sounds 9, background 5.
      {"13896,1,0,1,1,1,2,7,7,1,0,3,4,5,9,5", "13896,1,0,1,1,1,2,0,0,1,0,0,0,1,1,0"},
      // -5 is not 0; a number beyond 16 bits is 0.
      {"abc,x,,-5,99999999,1", "0,0,0,1,0,1,0,0,0,0,0,0,0,0,0,0"},
  };
  for (const Case& c : cases) {
    SessionRig s(kHead + "Players=Ann\r\n[Ann]\r\nOptions=" + c.stored + "\r\nDogEars=zz,53\r\n");
    s.rig.options.blnNonStop = true;
    s.session.Start("");
    EXPECT_EQ(s.session.PlayerName(), "Ann");
    EXPECT_EQ(s.rig.controller->Model().playerName, "Ann");
    EXPECT_EQ(s.rig.options.strLogFile, s.file.DefaultLogFile("Ann"));
    EXPECT_TRUE(s.rig.options.blnNonStop);  // not a player's setting
    EXPECT_TRUE(s.rig.options.strMarkedCards.empty());
    ASSERT_TRUE(s.session.Save());
    EXPECT_EQ(s.file.ReadIniString("Ann", "Options"), c.saved) << c.stored;
  }
}

TEST(Session, StartUpPlayerAndTheRecentPlayerMenu) {
  const std::string thirteen = "A1,A2,A3,A4,A5,A6,A7,A8,A9,A10,A11,A12,A13";
  struct Case {
    std::string ini, requested;
    std::vector<std::string> menu;
  } cases[] = {
      {"", "", {"MoonBeam"}},
      {"[Global]\r\nPlayers=Ann,Bob\r\n", "", {"MoonBeam"}},  // no version: the list is not used
      {kHead + "Players=,Global,??,Ann,Bob,Bob\r\n", "", {"Ann", "Bob", "Bob"}},
      {kHead + "Players=Ann,Bob\r\n", "ANN", {"ANN", "Bob"}},
      {kHead + "Players=" + thirteen + "\r\n", "Ann",
       {"Ann", "A1", "A2", "A3", "A4", "A5", "A6", "A7", "A8", "A9", "A10", "A11"}},
  };
  for (const Case& c : cases) {
    SessionRig s(c.ini);
    s.session.Start(c.requested);
    EXPECT_EQ(s.session.PlayerMenu(), c.menu) << c.ini;
    EXPECT_EQ(s.session.PlayerName(), c.menu.front());
  }
}

TEST(Session, NewPlayerOutcomes) {
  struct Case {
    std::string typed;
    Session::NewPlayerOutcome outcome;
    std::string player;
  } cases[] = {
      {" 3 blind mice", Session::NewPlayerOutcome::Created, "3-blind-"},
      {"????", Session::NewPlayerOutcome::Unchanged, "Ann"},
      {"   ", Session::NewPlayerOutcome::Unchanged, "Ann"},
      {"Abcdefghijkl", Session::NewPlayerOutcome::Created, "Abcdefgh"},
      {"aNN", Session::NewPlayerOutcome::Respelled, "aNN"},
  };
  for (const Case& c : cases) {
    SessionRig s(kHead + "Players=Ann,Bob\r\n[Ann]\r\nOptions=5,1,1,1,1,1,0,2,0,0,0,0,0,1,1,1\r\n");
    s.session.Start("");
    s.rig.stats.playerTotals[3] = 40;
    s.rig.state.intWaitState = kWaitDiscard;
    const std::string before = s.Ini();
    EXPECT_EQ(s.session.EnterNewPlayer(c.typed), c.outcome) << c.typed;
    EXPECT_EQ(s.session.PlayerName(), c.player);
    EXPECT_EQ(s.rig.controller->Model().playerName, c.player);
    EXPECT_EQ(s.rig.controller->PlayerName(), c.player);
    if (c.outcome == Session::NewPlayerOutcome::Created) {
      // The old player was saved; the new one starts from the defaults, a new match, no statistics.
      EXPECT_EQ(s.file.ReadIniString("Global", "Players"), "Ann,Bob");
      EXPECT_EQ(s.rig.options.intPenalty, 0);
      EXPECT_EQ(s.rig.options.intBackgroundIndex, 0);
      EXPECT_EQ(s.rig.stats.playerTotals[3], 0);
      EXPECT_EQ(s.rig.state.intWaitState, kWaitNone);
      EXPECT_EQ(s.session.PlayerMenu(), (std::vector<std::string>{c.player, "Ann", "Bob"}));
      EXPECT_EQ(s.rig.options.strLogFile, s.file.DefaultLogFile(c.player));
      s.session.Save();
      EXPECT_EQ(s.file.ReadIniString("Global", "Players"), c.player + ",Ann,Bob");
    } else {
      // Nothing saved or loaded; only the spelling may change.
      EXPECT_EQ(s.Ini(), before);
      EXPECT_EQ(s.rig.options.intPenalty, 2);
      EXPECT_EQ(s.rig.stats.playerTotals[3], 40);
      EXPECT_EQ(s.rig.state.intWaitState, kWaitDiscard);
      EXPECT_EQ(s.session.PlayerMenu().front(), c.player);
    }
  }
}

TEST(Session, LockedPlayChangesNeitherPlayerNorOptions) {
  SessionRig s(kHead + "Players=Ann,Bob\r\n", "/lock");
  s.session.Start("");
  EXPECT_FALSE(s.session.ChangePlayer(2));
  EXPECT_EQ(s.session.EnterNewPlayer("Cy"), Session::NewPlayerOutcome::Unchanged);
  EXPECT_FALSE(s.session.ChooseOption(OptionGroup::Penalty, 2));
  EXPECT_EQ(s.session.PlayerName(), "Ann");
  EXPECT_EQ(s.session.SettingsText().substr(0, 46), " Current session settings (locked) follow.\r\n\r\n");
}

TEST(Session, CardSourceReversionIsLoggedAsAnOptionChange) {
  SessionRig s(kHead + "Players=Ann\r\n");
  s.session.Start("");
  s.rig.options.strLogFile = s.dir.File("Ann.log");
  s.rig.options.intLogLevel = 1;
  s.session.CardSourceReverted(ReversionText(false));
  EXPECT_FALSE(ScratchDir::Exists(s.rig.options.strLogFile));
  s.rig.options.intLogLevel = 2;
  s.session.CardSourceReverted(ReversionText(false));
  s.session.CardSourceReverted(ReversionText(true));
  EXPECT_EQ(ScratchDir::Get(s.rig.options.strLogFile),
            " Card Source: Reverting to default sequence (EOF reached)\r\n"
            " Card Source: Reverting to default sequence (file open/read error)\r\n");
}

// The option lines the statistics report fixtures do not show: the option
// change lines of the log and the dog-ear marks.
TEST(OptionLine, LinesOutsideTheSettingsSummary) {
  Options o;
  o.lngSeedOrPointer = 13896;
  EXPECT_EQ(OptionLine(OptionItemView{kNewPlayerCaption}, o, "Ann"), " New Player: Ann\r\n");
  EXPECT_EQ(OptionLine(OptionItemView{kSetSeedCaption}, o, "Ann"), " New Seed or Pointer: 13896\r\n");
  EXPECT_EQ(OptionLine(GroupItem(OptionGroup::DeckStyle, 2), o, "Ann"), " Custom Back.\r\n");  // no file yet
  EXPECT_EQ(DogEarLine(7, o), " Dog Ear for 8s: On\r\n");
  EXPECT_EQ(DogEarLine(0, o), " Dog Ear for As: Off\r\n");
}

// (The whole summary is checked by the statistics report fixtures.)
TEST(SessionSettingsText, OutOfRangeValuesAndConditionalLines) {
  Options o;
  o.intPatter = 7;  // described as the item its apply step checks
  const GlobalSwitches g{true, false, 0};
  const std::string text = SessionSettingsText(o, "Ann", g, false);
  EXPECT_NE(text.find(" Default Patter.\r\n"), std::string::npos) << text;
  EXPECT_NE(text.find(" Allow Ctrl-F10: On\r\n"), std::string::npos) << text;
  EXPECT_EQ(text.find("Log File Name"), std::string::npos) << text;  // logging off
  o.blnAutoscore = false;
  EXPECT_EQ(SessionSettingsText(o, "Ann", g, false).find("Ctrl-F10"), std::string::npos);
}

}  // namespace
}  // namespace kestrel::testing

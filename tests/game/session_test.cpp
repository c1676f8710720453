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

TEST(Session, RestoreMendsOutOfRangeValuesAndFollowsThePlayer) {
  // Penalty 7, length 7, log level 3, deck style 4, patter 5, sounds 9, background 5.
  SessionRig s(kHead + "Players=Ann\r\n[Ann]\r\nOptions=13896,1,0,1,1,1,2,7,7,1,0,3,4,5,9,5\r\n");
  s.rig.options.blnNonStop = true;
  s.session.Start("");
  const Options& o = s.rig.options;
  EXPECT_EQ(s.session.PlayerName(), "Ann");
  EXPECT_EQ(o.lngSeedOrPointer, 13896);
  EXPECT_FALSE(o.blnDetails);
  EXPECT_EQ(o.intWeights, 2);
  EXPECT_EQ(o.intFirstDealer, 1);
  for (int16_t v : {o.intPenalty, o.intGameLength, o.intLogLevel, o.intDeckStyle, o.intBackgroundIndex}) EXPECT_EQ(v, 0);
  EXPECT_EQ(o.intPatter, 1);
  EXPECT_EQ(o.intSounds, 1);
  EXPECT_TRUE(o.blnNonStop);  // not a player's setting
  EXPECT_EQ(o.strLogFile, s.file.DefaultLogFile("Ann"));
  EXPECT_EQ(s.rig.controller->Model().playerName, "Ann");
  ASSERT_TRUE(s.session.Save());
  EXPECT_EQ(s.file.ReadIniString("Ann", "Options"), "13896,1,0,1,1,1,2,0,0,1,0,0,0,1,1,0");
}

TEST(Session, GarbageOptionsGiveZeroFieldsThatTheApplyStepsAccept) {
  SessionRig s(kHead + "Players=Ann\r\n[Ann]\r\nOptions=abc,x,,-5,99999999,1\r\nDogEars=zz,53\r\n");
  s.session.Start("");
  const Options& o = s.rig.options;
  EXPECT_EQ(o.lngSeedOrPointer, 0);
  EXPECT_FALSE(o.blnHints);
  EXPECT_TRUE(o.blnAutoplay);  // -5 is not 0
  EXPECT_FALSE(o.blnAutoscore);  // out of 16-bit range: 0
  EXPECT_EQ(o.intPatter, 0);
  EXPECT_EQ(o.intSounds, 0);
  EXPECT_TRUE(o.strMarkedCards.empty());
  EXPECT_EQ(s.session.PlayerName(), "Ann");
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

OptionItemView Named(const char* caption, bool marker = false, bool checked = false) {
  OptionItemView item;
  item.caption = caption;
  item.marker = marker;
  item.checked = checked;
  return item;
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

TEST(OptionLine, EveryRule) {
  Options o;
  o.lngSeedOrPointer = 13896;
  o.strLogFile = "/tmp/Ann.log";
  o.strDataFile = "/tmp/deck.bin";
  o.strWinSound = "tada.wav";
  OptionItemView source = Named(kCardSourceCaption);
  OptionItemView sourceError = source;
  sourceError.readError = true;
  struct Case {
    OptionItemView item;
    std::string line;
  } cases[] = {
      {CheckItem(CheckOption::Hints, o), " Hints (Mouse Icon): On\r\n"},
      {Named("S&ort Hands", true, false), " Sort Hands: Off\r\n"},
      {GroupItem(OptionGroup::Weights, 1), " 2-4-6 Weights.\r\n"},
      {GroupItem(OptionGroup::Length, 0), " Normal Game (121 Points).\r\n"},
      {source, " Card Source: Reverting to default sequence (EOF reached)\r\n"},
      {sourceError, " Card Source: Reverting to default sequence (file open/read error)\r\n"},
      {Named(kNewPlayerCaption), " New Player: Ann\r\n"},
      {Named(kSetSeedCaption), " New Seed or Pointer: 13896\r\n"},
      {Named(kLogNameCaption), " Log File Name: /tmp/Ann.log\r\n"},
      {GroupItem(OptionGroup::Source, 1), " Card Data File: /tmp/deck.bin\r\n"},
      {GroupItem(OptionGroup::DeckStyle, 2), " Custom Back.\r\n"},
      {GroupItem(OptionGroup::Patter, 2), " Custom Patter.\r\n"},
      {GroupItem(OptionGroup::Sounds, 2), " Custom Sounds.\r\n"},
      {Named(kSoundsWinCaption), " When Computer Wins: tada.wav\r\n"},
      {Named(kSoundsLossCaption), " When Computer Loses.\r\n"},
  };
  for (const Case& c : cases) EXPECT_EQ(OptionLine(c.item, o, "Ann"), c.line) << c.item.caption;
  EXPECT_EQ(DogEarLine(7, o), " Dog Ear for 8s: On\r\n");
  EXPECT_EQ(DogEarLine(0, o), " Dog Ear for As: Off\r\n");
}

TEST(SessionSettingsText, SwitchesAndEveryOptionInMenuOrder) {
  Options o;
  o.intLogLevel = 1;
  o.intSounds = 2;
  o.intPatter = 7;  // described as the item its apply step checks
  o.strLogFile = "Ann.log";
  GlobalSwitches g{true, true, 2};
  EXPECT_EQ(SessionSettingsText(o, "Ann", g, false),
            " Current session settings follow.\r\n\r\n"
            " Alternate DLL use: Computer decisions\r\n"
            " Allow Multiple Instances: On\r\n"
            " Allow Ctrl-F10: On\r\n"
            " Hints (Mouse Icon): On\r\n Scoring Details: On\r\n Allow Autoplay: On\r\n Allow Autoscore: On\r\n"
            " Sort Hands: On\r\n 2-3-4 Weights.\r\n Friendly Corrections.\r\n Normal Game (121 Points).\r\n"
            " Loser Deals.\r\n Default Sequence.\r\n Log Games Only.\r\n Log File Name: Ann.log\r\n"
            " Default Deck.\r\n Default Patter.\r\n Custom Sounds.\r\n When Computer Wins.\r\n"
            " When Computer Loses.\r\n Default Green.\r\n Computer Opponent: Standard\r\n");
  o.blnAutoscore = false;
  o.intLogLevel = 0;
  const std::string plain = SessionSettingsText(o, "Ann", GlobalSwitches{true, false, 0}, false);
  EXPECT_EQ(plain.find("Ctrl-F10"), std::string::npos);
  EXPECT_EQ(plain.find("Log File Name"), std::string::npos);
}

}  // namespace
}  // namespace kestrel::testing

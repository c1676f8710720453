// Loading and saving a player's settings, the command-line switches and
// player names.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "game/game_state.h"
#include "game/startup.h"
#include "settings/player_name.h"
#include "settings/profile.h"
#include "tests/settings/settings_rig.h"

namespace kestrel::testing {
namespace {

const std::string kHead = "[Global]\r\nVersion=Kestrel (02 Jan 19)\r\n";

// Records the calls and hands back fixed texts.
class RecordingHooks : public MatchRecordHooks {
 public:
  bool valid = false;
  std::vector<std::string> calls;
  std::optional<HandStartSnapshot> snapshot;
  void BeginLoad() override { calls.push_back("begin"); }
  bool LoadState(const std::string& s) override {
    calls.push_back("state:" + s);
    return valid;
  }
  void LoadStatistics(const std::string& a, const std::string& b) override { calls.push_back("stats:" + a + "|" + b); }
  std::string StateText() override { return "77,0,0"; }
  std::string Statistics1Text() override { return "1,2"; }
  std::string Statistics2Text() override { return "3,4"; }
  std::optional<HandStartSnapshot> HandStart() override { return snapshot; }
};

// Every field away from its default, and every file name set.
Options Unusual() {
  Options o;
  EXPECT_TRUE(ParseOptionsRecord("-123456789,0,1,1,1,0,3,2,1,2,1,2,2,0,2,1", o));
  o.strDataFile = "/data/cards.bin";
  o.strLogFile = "/home/ann/Ann.log";
  o.strCardBackFile = "/home/ann/back.bmp";
  o.strPatterFile = "/home/ann/patter.txt";
  o.strWinSound = "/home/ann/win.wav";
  o.strLossSound = "/home/ann/loss.wav";
  o.strMarkedCards = std::string{0, 51, 12};
  o.intOpponent = 2;
  return o;
}

TEST(Profile, EveryKeyRoundTrips) {
  SettingsRig rig;
  RecordingHooks hooks;
  const Options saved = Unusual();
  ASSERT_TRUE(SaveSettings(rig.file, "Ann", saved, hooks));
  // The file ends up in the order of saving, CR LF throughout.
  EXPECT_EQ(rig.Text(),
            "[Global]\r\nVersion=Kestrel (02 Jan 19)\r\nPlayers=Ann\r\nAllowMultipleInstances=0 ;0/1\r\n"
            "AllowCtrlF10=0 ;0/1\r\nUsePetrelDLL=0 ;0/1/2/3\r\n[Ann]\r\n"
            "Options=-123456789,0,1,1,1,0,3,2,1,2,1,2,2,0,2,1\r\n"
            "State=77,0,0\r\nStatistics1=1,2\r\nStatistics2=3,4\r\nLogFile=/home/ann/Ann.log\r\n"
            "CardBack=/home/ann/back.bmp\r\nDataFile=/data/cards.bin\r\nPatterFile=/home/ann/patter.txt\r\n"
            "WinSound=/home/ann/win.wav\r\nLossSound=/home/ann/loss.wav\r\nDogEars=1,52,13\r\nOpponent=2\r\n");

  Options loaded;
  hooks.valid = true;
  LoadSettings(rig.file, "ANN", loaded, hooks);
  EXPECT_EQ(AllOptions(loaded), AllOptions(saved));
  EXPECT_EQ(hooks.calls, (std::vector<std::string>{"begin", "state:77,0,0", "stats:1,2|3,4"}));

  // Mid-match the card source of the hand's start is saved, not the current one.
  hooks.snapshot = HandStartSnapshot{13896, 0, ""};
  SaveSettings(rig.file, "Ann", saved, hooks);
  EXPECT_EQ(rig.file.ReadIniString("Ann", "Options").substr(0, 6), "13896,");
  EXPECT_EQ(rig.file.ReadIniString("Ann", "DataFile"), "");
  EXPECT_EQ(OpponentOptionLine(9), " Computer Opponent: Standard\r\n");  // out of range
}

TEST(Profile, ASaveReplacesTheFileOnceOrNotAtAll) {
  SettingsRig rig;
  RecordingHooks hooks;
  int renames = 0;
  bool fail = false;
  rig.file.SetRenameForTesting([&](const char* from, const char* to) {
    ++renames;
    return fail ? -1 : std::rename(from, to);
  });
  ASSERT_TRUE(SaveSettings(rig.file, "Ann", Unusual(), hooks));
  EXPECT_EQ(renames, 1);
  ASSERT_TRUE(SaveSettings(rig.file, "Ann", Unusual(), hooks));
  EXPECT_EQ(renames, 1);  // nothing changed: the file is left alone

  const std::string before = rig.Text();
  fail = true;
  EXPECT_FALSE(SaveSettings(rig.file, "Bob", Options{}, hooks));
  EXPECT_EQ(rig.Text(), before);
  EXPECT_EQ(rig.reports, std::vector<std::string>{"Problem writing to file:\n\n" + rig.file.IniPath() +
                                                  "\n\nSettings changed in this session may not be saved."});
  // Reads go to the file again after a save.
  EXPECT_EQ(rig.file.ReadIniString("Global", "Players"), "Ann");
}

// What a load leaves in options that held a seed of 42, the log file "old"
// and the Easy opponent. The opponent falls back to Standard.
TEST(Profile, LoadingFallsBackOnWhatIsMissingOrDoesNotFit) {
  const std::string defaults = "1,1,1,1,1,0,0,0,0,0,0,0,1,1,0", files = " data= log= back= patter= win= loss= marked=";
  const struct {
    const char* name;
    std::string commandLine, ini, player, options, calls;
  } cases[] = {
      {"hand-edited, any case, short record, an empty value", "",
       "[ann]\noptions=13896,1,0\ndogears=53,0,1\nlogfile=\nopponent=2 ;0/1/2\n", "Ann",
       "13896,1,0,0,0,0,0,0,0,0,0,0,0,0,0,0" + files + "0, opponent=2", "begin state:"},
      {"no Options record: the fields stand", "", "[Bob]\nDogEars=0\nOptions=\nOpponent=3\n", "Bob",
       "42," + defaults + files + " opponent=1", "begin state:"},
      {"leading numbers, and what does not fit 16 bits is 0", "", "[Cy]\nOptions= 12abc,99999,1,-5\nOpponent=x\n",
       "Cy", "12,0,1,1,0,0,0,0,0,0,0,0,0,0,0,0" + files + "7,23,30,40, opponent=1", "begin state:"},
      {"an invalid state skips the statistics", "", kHead + "[Ann]\nState=5,1\nStatistics1=9\nOpponent=0\n", "Ann",
       "42," + defaults + files + "7,23,30,40, opponent=0", "begin state:5,1"},
      {"a file of another version loads nothing", "", "[Global]\nVersion=Other 1.0\n[Ann]\nOptions=5,0,0\nLogFile=x\n",
       "Ann", "42," + defaults + " data= log=old back= patter= win= loss= marked=7,23,30,40, opponent=0", "begin"},
      // /defaults serving a player without options is covered by TerminateSignal.
      {"/defaults does not serve a player with options", "/defaults=13896,0,1 /LOCK", "[Ann]\nOptions=7,1\nOpponent=-1\n", "Ann",
       "7,1,0,0,0,0,0,0,0,0,0,0,0,0,0,0" + files + "7,23,30,40, opponent=1", "begin state:"},
      {"blanks after the commas cut /defaults after its first field", "/Defaults=99, 1, 1", "[Cy]\nOpponent=\n", "Cy",
       "99,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0" + files + "7,23,30,40, opponent=1", "begin state:"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    SettingsRig rig(c.commandLine, c.ini);
    RecordingHooks hooks;
    Options o;
    o.lngSeedOrPointer = 42;
    o.strLogFile = "old";
    o.intOpponent = 0;
    LoadSettings(rig.file, c.player, o, hooks);
    EXPECT_EQ(AllOptions(o), c.options);
    std::string calls;
    for (const std::string& call : hooks.calls) calls += (calls.empty() ? "" : " ") + call;
    EXPECT_EQ(calls, c.calls);
  }
}

TEST(Profile, RecentPlayersAreKeptToTwelveAndOthersEmptied) {
  std::string list;
  for (int i = 1; i <= 20; ++i) list += "P" + std::to_string(i) + ",";
  SettingsRig rig("", kHead + "Players=" + list + ",ann,??\r\n[P15]\r\nOptions=1,1\r\nLogFile=p15.log\r\n");
  RecordingHooks hooks;
  ASSERT_TRUE(SaveSettings(rig.file, "Ann", Options{}, hooks));
  EXPECT_EQ(rig.file.ReadIniString("Global", "Players"), "Ann,P1,P2,P3,P4,P5,P6,P7,P8,P9,P10,P11");
  EXPECT_EQ(rig.file.ReadIniString("P15", "Options"), "");
  EXPECT_EQ(rig.file.ReadIniString("P15", "LogFile"), "");
  EXPECT_NE(rig.Text().find("[P20]\r\nOptions=\r\nState=\r\n"), std::string::npos);

  // A file of another version keeps only the current player.
  rig.Put("[Global]\nVersion=old\nPlayers=Bob,Cy\nAllowCtrlF10=1\n");
  SaveSettings(rig.file, "Ann", Options{}, hooks);
  EXPECT_EQ(rig.file.ReadIniString("Global", "Players"), "Ann");
  EXPECT_EQ(rig.file.ReadIniString("Global", "AllowCtrlF10"), "0 ;0/1");
  EXPECT_EQ(rig.file.ReadIniString("Bob", "Options"), "");
  // A later save leaves the user's switches alone.
  ASSERT_TRUE(rig.file.WriteIniString("Global", "AllowCtrlF10", "1"));
  SaveSettings(rig.file, "Ann", Options{}, hooks);
  EXPECT_EQ(rig.file.ReadIniString("Global", "AllowCtrlF10"), "1");
}

TEST(Profile, GlobalSwitchesAndCommandLine) {
  SettingsRig rig("/player= Mary Ann /lockdown",
                  "[Global]\nAllowMultipleInstances=1 ;0/1\nAllowCtrlF10=\nUsePetrelDLL=6 ;0/1/2/3\n");
  GameState s;
  ReadGlobalSwitchesInto(rig.file, s);
  EXPECT_TRUE(s.blnAllowMultipleInstances);
  EXPECT_FALSE(s.blnAllowCtrlF10);
  EXPECT_EQ(s.intUseAltLibrary, 2);
  EXPECT_TRUE(IsLocked(rig.file.Commands()));  // a longer word that begins with it
  EXPECT_EQ(CommandLinePlayer(rig.file.Commands()), "Mary");
  EXPECT_FALSE(IsLocked(CommandLine("/LOC")));
  EXPECT_EQ(CommandLine("x /PLAYER=ann;y").Value("Player"), "ann");
  EXPECT_EQ(CommandLine("/Player=a/b").Value("player"), "a");
  EXPECT_EQ(CommandLine("/Players=x").Value("Player"), "");
  GameState none;
  ReadGlobalSwitchesInto(SettingsFile(rig.dir.File("nowhere"), CommandLine()), none);
  EXPECT_EQ(none.intUseAltLibrary, 0);
  EXPECT_FALSE(none.blnAllowMultipleInstances);
}

// Blanks, leading dashes, "Global" and the cut at eight letters are covered
// through the session (Session.NewPlayerOutcomes and
// Session.StartUpPlayerAndTheRecentPlayerMenu).
TEST(PlayerName, Cleaning) {
  EXPECT_EQ(CleanPlayerName("Ann-"), "Ann-");
  EXPECT_EQ(CleanPlayerName("Zo\xc3\xab"), "Zo--");
  SettingsRig rig;
  EXPECT_EQ(StartupPlayer(rig.file, "Zed Two"), "Zed-Two");
}

}  // namespace
}  // namespace kestrel::testing

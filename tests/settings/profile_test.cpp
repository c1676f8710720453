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
#include "tests/support/scratch_dir.h"

using namespace kestrel;
using kestrel::testing::ScratchDir;

namespace {

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

Options Unusual() {
  Options o;
  o.lngSeedOrPointer = -123456789;
  o.blnHints = false;
  o.blnSort = false;
  o.intWeights = 3;
  o.intPenalty = 2;
  o.intGameLength = 1;
  o.intFirstDealer = 2;
  o.intCardSource = 1;
  o.intLogLevel = 2;
  o.intDeckStyle = 2;
  o.intPatter = 0;
  o.intSounds = 2;
  o.intBackgroundIndex = 1;
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

}  // namespace

TEST(Profile, EveryKeyRoundTrips) {
  ScratchDir dir;
  SettingsFile f(dir.Path(), CommandLine());
  RecordingHooks hooks;
  Options saved = Unusual();
  ASSERT_TRUE(SaveSettings(f, "Ann", saved, hooks));
  EXPECT_EQ(f.ReadIniString("Global", "Version"), "Kestrel (02 Jan 19)");
  EXPECT_EQ(f.ReadIniString("Global", "Players"), "Ann");
  EXPECT_EQ(f.ReadIniString("Global", "AllowMultipleInstances"), "0 ;0/1");
  EXPECT_EQ(f.ReadIniString("Global", "UsePetrelDLL"), "0 ;0/1/2/3");
  EXPECT_EQ(f.ReadIniString("Ann", "State"), "77,0,0");
  EXPECT_EQ(f.ReadIniString("Ann", "DogEars"), "1,52,13");

  Options loaded;
  ResetDefaults(loaded);
  hooks.valid = true;
  LoadSettings(f, "ANN", loaded, hooks);
  EXPECT_EQ(FormatOptionsRecord(loaded), FormatOptionsRecord(saved));
  EXPECT_EQ(loaded.strDataFile, saved.strDataFile);
  EXPECT_EQ(loaded.strLogFile, saved.strLogFile);
  EXPECT_EQ(loaded.strCardBackFile, saved.strCardBackFile);
  EXPECT_EQ(loaded.strPatterFile, saved.strPatterFile);
  EXPECT_EQ(loaded.strWinSound, saved.strWinSound);
  EXPECT_EQ(loaded.strLossSound, saved.strLossSound);
  EXPECT_EQ(loaded.strMarkedCards, saved.strMarkedCards);
  EXPECT_EQ(loaded.intOpponent, 2);
  EXPECT_EQ(hooks.calls, (std::vector<std::string>{"begin", "state:77,0,0", "stats:1,2|3,4"}));

  // The file ends up in the order of saving, CR LF throughout.
  EXPECT_EQ(ScratchDir::Get(f.IniPath()),
            "[Global]\r\nVersion=Kestrel (02 Jan 19)\r\nPlayers=Ann\r\nAllowMultipleInstances=0 ;0/1\r\n"
            "AllowCtrlF10=0 ;0/1\r\nUsePetrelDLL=0 ;0/1/2/3\r\n[Ann]\r\nOptions=" +
                FormatOptionsRecord(saved) +
                "\r\nState=77,0,0\r\nStatistics1=1,2\r\nStatistics2=3,4\r\nLogFile=/home/ann/Ann.log\r\n"
                "CardBack=/home/ann/back.bmp\r\nDataFile=/data/cards.bin\r\nPatterFile=/home/ann/patter.txt\r\n"
                "WinSound=/home/ann/win.wav\r\nLossSound=/home/ann/loss.wav\r\nDogEars=1,52,13\r\nOpponent=2\r\n");
}

TEST(Profile, TheOpponentKeyChoosesTheLevelAndDefaultsToStandard) {
  ScratchDir dir;
  SettingsFile f(dir.Path(), CommandLine());
  RecordingHooks hooks;
  ASSERT_TRUE(SaveSettings(f, "Ann", Unusual(), hooks));
  const struct {
    const char* stored;  // nullptr: the key is missing
    int16_t level;
  } cases[] = {{"0", 0}, {"1", 1}, {"2", 2}, {nullptr, 1}, {"", 1}, {"3", 1}, {"-1", 1}, {"x", 1}, {"2 ;0/1/2", 2}};
  for (const auto& c : cases) {
    std::string text = ScratchDir::Get(f.IniPath());
    const size_t at = text.find("Opponent=");
    text = text.substr(0, at) + (c.stored ? std::string("Opponent=") + c.stored + "\r\n" : "");
    ScratchDir::Put(f.IniPath(), text);
    Options loaded;
    ResetDefaults(loaded);
    loaded.intOpponent = 0;
    LoadSettings(f, "Ann", loaded, hooks);
    EXPECT_EQ(loaded.intOpponent, c.level) << (c.stored ? c.stored : "missing");
  }
  EXPECT_EQ(OpponentOptionLine(2), " Computer Opponent: Expert\r\n");
  EXPECT_EQ(OpponentOptionLine(0), " Computer Opponent: Easy\r\n");
  EXPECT_EQ(OpponentOptionLine(9), " Computer Opponent: Standard\r\n");
}

TEST(Profile, ASaveReplacesTheFileOnceOrNotAtAll) {
  ScratchDir dir;
  SettingsFile f(dir.Path(), CommandLine());
  RecordingHooks hooks;
  int renames = 0;
  bool fail = false;
  f.SetRenameForTesting([&](const char* from, const char* to) {
    ++renames;
    return fail ? -1 : std::rename(from, to);
  });
  std::vector<std::string> reports;
  f.SetWriteFailureHandler([&](const std::string& text) { reports.push_back(text); });
  ASSERT_TRUE(SaveSettings(f, "Ann", Unusual(), hooks));
  EXPECT_EQ(renames, 1);
  ASSERT_TRUE(SaveSettings(f, "Ann", Unusual(), hooks));
  EXPECT_EQ(renames, 1);  // nothing changed: the file is left alone

  std::string before = ScratchDir::Get(f.IniPath());
  fail = true;
  EXPECT_FALSE(SaveSettings(f, "Bob", Options{}, hooks));
  EXPECT_FALSE(SaveSettings(f, "Cy", Options{}, hooks));
  EXPECT_EQ(ScratchDir::Get(f.IniPath()), before);
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(reports[0], "Problem writing to file:\n\n" + f.IniPath() +
                            "\n\nSettings changed in this session may not be saved.");
  // Reads go to the file again after a save.
  EXPECT_EQ(f.ReadIniString("Global", "Players"), "Ann");
}

TEST(Profile, SaveWritesTheHandStartCardSource) {
  ScratchDir dir;
  SettingsFile f(dir.Path(), CommandLine());
  RecordingHooks hooks;
  hooks.snapshot = HandStartSnapshot{13896, 0, ""};
  SaveSettings(f, "Ann", Unusual(), hooks);
  EXPECT_EQ(f.ReadIniString("Ann", "Options").substr(0, 6), "13896,");
  EXPECT_EQ(f.ReadIniString("Ann", "DataFile"), "");
}

TEST(Profile, InvalidStateSkipsStatisticsAndOtherVersionLoadsNothing) {
  ScratchDir dir;
  SettingsFile f(dir.Path(), CommandLine());
  ScratchDir::Put(f.IniPath(), "[Global]\nVersion=Kestrel (02 Jan 19)\n[Ann]\nState=5,1\nStatistics1=9\n");
  RecordingHooks hooks;
  Options o;
  LoadSettings(f, "Ann", o, hooks);
  EXPECT_EQ(hooks.calls, (std::vector<std::string>{"begin", "state:5,1"}));

  ScratchDir::Put(f.IniPath(), "[Global]\nVersion=Other 1.0\n[Ann]\nOptions=5,0,0\nLogFile=x\n");
  hooks.calls.clear();
  Options d;
  LoadSettings(f, "Ann", d, hooks);
  EXPECT_EQ(FormatOptionsRecord(d), FormatOptionsRecord(Options{}));
  EXPECT_EQ(d.strLogFile, "");
  EXPECT_EQ(hooks.calls, (std::vector<std::string>{"begin"}));
}

TEST(Profile, HandEditedValuesFallBack) {
  ScratchDir dir;
  SettingsFile f(dir.Path(), CommandLine());
  ScratchDir::Put(f.IniPath(),
                  "[ann]\noptions=13896,1,0\ndogears=53,0,1\nlogfile=\n[Bob]\nDogEars=0\nOptions=\n"
                  "[Cy]\nOptions=x,99999,1\n");
  RecordingHooks hooks;
  Options o;
  o.strLogFile = "old";
  LoadSettings(f, "Ann", o, hooks);
  EXPECT_EQ(o.lngSeedOrPointer, 13896);
  EXPECT_TRUE(o.blnHints);
  EXPECT_FALSE(o.blnDetails);
  EXPECT_FALSE(o.blnAutoplay);
  EXPECT_EQ(o.intPatter, 0);
  EXPECT_EQ(o.strMarkedCards, std::string(1, '\0'));
  EXPECT_EQ(o.strLogFile, "");  // an empty value replaces the old one

  Options b;
  b.lngSeedOrPointer = 42;
  LoadSettings(f, "Bob", b, hooks);
  EXPECT_EQ(b.strMarkedCards, "");
  EXPECT_EQ(b.lngSeedOrPointer, 42);  // no record: the defaults stand

  Options c;
  LoadSettings(f, "Cy", c, hooks);
  EXPECT_EQ(c.lngSeedOrPointer, 0);
  EXPECT_FALSE(c.blnHints);  // 99999 does not fit 16 bits
  EXPECT_TRUE(c.blnDetails);
}

TEST(Profile, DefaultsSwitchServesPlayersWithoutOptions) {
  ScratchDir dir;
  SettingsFile f(dir.Path(), CommandLine("/defaults=13896,0,1,1,1,1,1,2,0,3,0,1,1,2,2,2 /LOCK"));
  ScratchDir::Put(f.IniPath(), "[Ann]\nOptions=7,1\n");
  RecordingHooks hooks;
  Options bob;
  LoadSettings(f, "Bob", bob, hooks);
  EXPECT_EQ(FormatOptionsRecord(bob), "13896,0,1,1,1,1,1,2,0,3,0,1,1,2,2,2");
  Options ann;
  LoadSettings(f, "Ann", ann, hooks);
  EXPECT_EQ(ann.lngSeedOrPointer, 7);

  // Blanks after the commas cut the record after its first field.
  SettingsFile g(dir.Path(), CommandLine("/Defaults=99, 1, 1"));
  Options cy;
  LoadSettings(g, "Cy", cy, hooks);
  EXPECT_EQ(FormatOptionsRecord(cy), "99,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0");
}

TEST(Profile, RecentPlayersAreKeptToTwelveAndOthersEmptied) {
  ScratchDir dir;
  SettingsFile f(dir.Path(), CommandLine());
  std::string list;
  for (int i = 1; i <= 20; ++i) {
    if (i > 1) list += ',';
    list += 'P';
    list += std::to_string(i);
  }
  ScratchDir::Put(f.IniPath(), "[Global]\r\nVersion=Kestrel (02 Jan 19)\r\nPlayers=" + list +
                                   ",,ann,??\r\n[P15]\r\nOptions=1,1\r\nLogFile=p15.log\r\n");
  RecordingHooks hooks;
  ASSERT_TRUE(SaveSettings(f, "Ann", Options{}, hooks));
  EXPECT_EQ(f.ReadIniString("Global", "Players"), "Ann,P1,P2,P3,P4,P5,P6,P7,P8,P9,P10,P11");
  EXPECT_EQ(f.ReadIniString("P15", "Options"), "");
  EXPECT_EQ(f.ReadIniString("P15", "LogFile"), "");
  std::string text = ScratchDir::Get(f.IniPath());
  EXPECT_NE(text.find("[P20]\r\nOptions=\r\nState=\r\n"), std::string::npos);

  // A file of another version keeps only the current player.
  ScratchDir::Put(f.IniPath(), "[Global]\nVersion=old\nPlayers=Bob,Cy\nAllowCtrlF10=1\n");
  SaveSettings(f, "Ann", Options{}, hooks);
  EXPECT_EQ(f.ReadIniString("Global", "Players"), "Ann");
  EXPECT_EQ(f.ReadIniString("Global", "AllowCtrlF10"), "0 ;0/1");
  EXPECT_EQ(f.ReadIniString("Bob", "Options"), "");
  // A later save leaves the user's switches alone.
  ASSERT_TRUE(f.WriteIniString("Global", "AllowCtrlF10", "1"));
  SaveSettings(f, "Ann", Options{}, hooks);
  EXPECT_EQ(f.ReadIniString("Global", "AllowCtrlF10"), "1");
}

TEST(Profile, GlobalSwitchesAndCommandLine) {
  ScratchDir dir;
  SettingsFile f(dir.Path(), CommandLine("/player= Mary Ann /lockdown"));
  ScratchDir::Put(f.IniPath(), "[Global]\nAllowMultipleInstances=1 ;0/1\nAllowCtrlF10=\nUsePetrelDLL=6 ;0/1/2/3\n");
  GameState s;
  ReadGlobalSwitchesInto(f, s);
  EXPECT_TRUE(s.blnAllowMultipleInstances);
  EXPECT_FALSE(s.blnAllowCtrlF10);
  EXPECT_EQ(s.intUseAltLibrary, 2);
  EXPECT_TRUE(IsLocked(f.Commands()));  // a longer word that begins with it
  EXPECT_EQ(CommandLinePlayer(f.Commands()), "Mary");
  EXPECT_FALSE(IsLocked(CommandLine("/LOC")));
  EXPECT_EQ(CommandLine("x /PLAYER=ann;y").Value("Player"), "ann");
  EXPECT_EQ(CommandLine("/Player=a/b").Value("player"), "a");
  EXPECT_EQ(CommandLine("/Players=x").Value("Player"), "");
  GameState none;
  ReadGlobalSwitchesInto(SettingsFile(dir.File("nowhere"), CommandLine()), none);
  EXPECT_EQ(none.intUseAltLibrary, 0);
  EXPECT_FALSE(none.blnAllowMultipleInstances);
}

TEST(StartUp, PlayerComesFromTheSwitchThenTheStoredListThenTheDefault) {
  ScratchDir dir;
  SettingsFile f(dir.Path(), CommandLine());
  EXPECT_EQ(StartupPlayer(f, ""), "MoonBeam");  // no settings file yet
  // Without this program's version the stored list is not used.
  ScratchDir::Put(f.IniPath(), "[Global]\nPlayers=,Global,Ann,Bob\n");
  EXPECT_EQ(StartupPlayer(f, ""), "MoonBeam");
  ScratchDir::Put(f.IniPath(), "[Global]\nVersion=Kestrel (02 Jan 19)\nPlayers=,Global,Ann,Bob\n");
  EXPECT_EQ(StartupPlayer(f, ""), "Ann");
  EXPECT_EQ(StartupPlayer(f, "Zed Two"), "Zed-Two");
}

TEST(PlayerName, Cleaning) {
  EXPECT_EQ(CleanPlayerName(" 3 blind mice"), "3-blind-");
  EXPECT_EQ(CleanPlayerName("--Ann"), "Ann");
  EXPECT_EQ(CleanPlayerName("Ann-"), "Ann-");
  EXPECT_EQ(CleanPlayerName("gLoBaL"), "");
  EXPECT_EQ(CleanPlayerName("   "), "");
  EXPECT_EQ(CleanPlayerName("????"), "");
  EXPECT_EQ(CleanPlayerName("Abcdefghijkl"), "Abcdefgh");
  EXPECT_EQ(CleanPlayerName("Zo\xc3\xab"), "Zo--");
}

TEST(PlayerName, RecentMenu) {
  EXPECT_EQ(RecentPlayerMenu("", "", 12), std::vector<std::string>{"MoonBeam"});
  EXPECT_EQ(RecentPlayerMenu("ANN", "Ann,Bob,,Bob", 12), (std::vector<std::string>{"ANN", "Bob", "Bob"}));
  EXPECT_EQ(RecentPlayerMenu("", "Cy,Di", 12), (std::vector<std::string>{"Cy", "Di"}));
  EXPECT_EQ(RecentPlayerMenu("Ann", "Cy,Di", 0), std::vector<std::string>{"Ann"});
  std::string thirteen = "A1,A2,A3,A4,A5,A6,A7,A8,A9,A10,A11,A12,A13";
  EXPECT_EQ(RecentPlayerMenu("Ann", thirteen, 12).size(), 12u);
  EXPECT_EQ(RecentPlayerMenu("Ann", thirteen, 12).back(), "A11");
}

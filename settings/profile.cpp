// Loading and saving a player's settings.
#include "settings/profile.h"

#include <string>
#include <vector>

#include "settings/player_name.h"

namespace kestrel {
namespace {

const char* const kPlayerKeys[] = {"Options",  "State",      "Statistics1", "Statistics2", "LogFile",  "CardBack",
                                   "DataFile", "PatterFile", "WinSound",    "LossSound",   "DogEars",
                                   "Opponent"};

}  // namespace

void LoadSettings(const SettingsFile& file, const std::string& player, Options& o, MatchRecordHooks& hooks) {
  hooks.BeginLoad();
  std::string version = file.ReadIniString(kGlobalSection, "Version");
  if (!version.empty() && version != kIniVersion) return;

  o.strLogFile = file.ReadIniString(player, "LogFile");
  o.strCardBackFile = file.ReadIniString(player, "CardBack");
  o.strDataFile = file.ReadIniString(player, "DataFile");
  o.strPatterFile = file.ReadIniString(player, "PatterFile");
  o.strWinSound = file.ReadIniString(player, "WinSound");
  o.strLossSound = file.ReadIniString(player, "LossSound");

  std::string record = file.ReadIniString(player, "Options");
  if (record.empty()) record = file.Commands().Value("Defaults");
  ParseOptionsRecord(record, o);  // an empty record keeps the defaults

  std::string dogEars = file.ReadIniString(player, "DogEars");
  if (!dogEars.empty()) o.strMarkedCards = ParseDogEars(dogEars);
  o.intOpponent = ParseOpponent(file.ReadIniString(player, "Opponent"));

  if (hooks.LoadState(file.ReadIniString(player, "State")))
    hooks.LoadStatistics(file.ReadIniString(player, "Statistics1"), file.ReadIniString(player, "Statistics2"));
}

bool SaveSettings(SettingsFile& file, const std::string& player, const Options& live, MatchRecordHooks& hooks) {
  // Field 1 of "Options" and "DataFile" describe the start of the current hand.
  Options o = live;
  if (std::optional<HandStartSnapshot> snap = hooks.HandStart()) {
    o.lngSeedOrPointer = snap->lngSeed;
    o.intCardSource = snap->intCardSource;
    o.strDataFile = snap->strDataFile;
  }
  // The whole save replaces the file once.
  file.BeginBatch();
  bool ok = true;
  auto write = [&](const std::string& section, const std::string& key, const std::string& value) {
    ok = file.WriteIniString(section, key, value) && ok;
  };

  bool versionDiffers = file.ReadIniString(kGlobalSection, "Version") != kIniVersion;
  size_t limit = versionDiffers ? 0 : kMaxRecentPlayers;

  std::string list = player;
  size_t count = 1;
  for (const std::string& entry : SplitList(file.ReadIniString(kGlobalSection, "Players"))) {
    std::string name = CleanPlayerName(entry);
    if (name.empty() || SamePlayer(name, player)) continue;
    if (count >= limit) {
      for (const char* key : kPlayerKeys) write(name, key, "");
    } else {
      list += "," + name;
      ++count;
    }
  }

  if (versionDiffers) {
    write(kGlobalSection, "Version", kIniVersion);
    write(kGlobalSection, "Players", "");
    write(kGlobalSection, "AllowMultipleInstances", "0 ;0/1");
    write(kGlobalSection, "AllowCtrlF10", "0 ;0/1");
    write(kGlobalSection, "UsePetrelDLL", "0 ;0/1/2/3");
  }
  write(kGlobalSection, "Players", list);

  write(player, "Options", FormatOptionsRecord(o));
  write(player, "State", hooks.StateText());
  write(player, "Statistics1", hooks.Statistics1Text());
  write(player, "Statistics2", hooks.Statistics2Text());
  write(player, "LogFile", o.strLogFile);
  write(player, "CardBack", o.strCardBackFile);
  write(player, "DataFile", o.strDataFile);
  write(player, "PatterFile", o.strPatterFile);
  write(player, "WinSound", o.strWinSound);
  write(player, "LossSound", o.strLossSound);
  write(player, "DogEars", FormatDogEars(o.strMarkedCards));
  write(player, "Opponent", std::to_string(o.intOpponent));
  return file.CommitBatch() && ok;
}

GlobalSwitches ReadGlobalSwitches(const SettingsFile& file) {
  GlobalSwitches g;
  g.blnAllowCtrlF10 = file.ReadIniInt(kGlobalSection, "AllowCtrlF10") != 0;
  g.blnAllowMultipleInstances = file.ReadIniInt(kGlobalSection, "AllowMultipleInstances") != 0;
  g.intUseAltLibrary = static_cast<int16_t>(file.ReadIniInt(kGlobalSection, "UsePetrelDLL") & 3);
  return g;
}

}  // namespace kestrel

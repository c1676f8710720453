// Start-up steps that do not touch the window.
#include "game/startup.h"

#include "settings/player_name.h"
#include "settings/profile.h"

namespace kestrel {

void ReadGlobalSwitchesInto(const SettingsFile& file, GameState& state) {
  GlobalSwitches g = ReadGlobalSwitches(file);
  state.blnAllowCtrlF10 = g.blnAllowCtrlF10;
  state.blnAllowMultipleInstances = g.blnAllowMultipleInstances;
  state.intUseAltLibrary = g.intUseAltLibrary;
}

bool IsLocked(const CommandLine& commandLine) { return commandLine.IsLocked(); }

std::string CommandLinePlayer(const CommandLine& commandLine) {
  return CleanPlayerName(commandLine.Value("Player"));
}

std::string StartupPlayer(const SettingsFile& file, const std::string& requested) {
  const std::string player = CleanPlayerName(requested);
  if (!player.empty()) return player;
  // A file of another version (or none) lists no stored player.
  const size_t limit = file.ReadIniString(kGlobalSection, "Version") == kIniVersion ? kMaxRecentPlayers : 0;
  return RecentPlayerMenu("", file.ReadIniString(kGlobalSection, "Players"), limit).front();
}

}  // namespace kestrel

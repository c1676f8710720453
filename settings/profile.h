// Loading and saving a player's settings: the order in which the profile
// file is read at start-up and on a change of player, and written at exit,
// before a change of player and (in locked play) after every step.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "settings/options.h"
#include "settings/settings_file.h"

namespace kestrel {

// The card source as it stood when the current hand began.
struct HandStartSnapshot {
  int32_t lngSeed = 0;
  int16_t intCardSource = 0;
  std::string strDataFile;
};

// The saved match and the statistics records, which are kept elsewhere. The
// defaults stand for "no match": nothing is resumed and empty values are
// written.
class MatchRecordHooks {
 public:
  virtual ~MatchRecordHooks() = default;
  // Start of loading: set the replay flag and put the replay cursor at 0.
  virtual void BeginLoad() {}
  // Validates and restores a "State" value; true when it matched.
  virtual bool LoadState(const std::string& /*state*/) { return false; }
  // Only called after a valid "State".
  virtual void LoadStatistics(const std::string& /*statistics1*/, const std::string& /*statistics2*/) {}
  // The values to write.
  virtual std::string StateText() { return {}; }
  virtual std::string Statistics1Text() { return {}; }
  virtual std::string Statistics2Text() { return {}; }
  // The hand-start snapshot; nullopt writes the live card source instead.
  virtual std::optional<HandStartSnapshot> HandStart() { return std::nullopt; }
};

// Reads the player's section into the options (ResetDefaults has just run).
// Nothing of the section is read when the file's "Version" is neither empty
// nor this program's.
void LoadSettings(const SettingsFile& file, const std::string& player, Options& options, MatchRecordHooks& hooks);

// Writes the Global section and the player's section. Returns false when a
// write failed (already reported through the file's handler).
bool SaveSettings(SettingsFile& file, const std::string& player, const Options& options, MatchRecordHooks& hooks);

// The three Global switches, as read once at start-up.
struct GlobalSwitches {
  bool blnAllowCtrlF10 = false;
  bool blnAllowMultipleInstances = false;
  int16_t intUseAltLibrary = 0;  // 0..3
};
GlobalSwitches ReadGlobalSwitches(const SettingsFile& file);

}  // namespace kestrel

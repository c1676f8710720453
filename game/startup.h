// The parts of start-up that are not window layout: the Global switches read
// once into the game state, locked play, and the player named on the
// command line.
#pragma once

#include <string>

#include "game/game_state.h"
#include "settings/command_line.h"
#include "settings/settings_file.h"

namespace kestrel {

// Reads "AllowCtrlF10", "AllowMultipleInstances" and "UsePetrelDLL" (AND 3)
// from the Global section into the game state. Missing keys read as 0.
void ReadGlobalSwitchesInto(const SettingsFile& file, GameState& state);

// True when the command line holds "/LOCK" anywhere, in any case.
bool IsLocked(const CommandLine& commandLine);

// The cleaned "/Player=" value; empty when none (the stored list or
// "MoonBeam" then decides).
std::string CommandLinePlayer(const CommandLine& commandLine);

// The player at start-up: the cleaned requested name (the "/Player=" value),
// else the first name of the stored list (only in a file of this program's
// version), else "MoonBeam".
std::string StartupPlayer(const SettingsFile& file, const std::string& requested);

}  // namespace kestrel

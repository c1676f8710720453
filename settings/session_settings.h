// The summary of the current session's settings shown at the head of the
// statistics display: the Global switches that are on, then one option line
// per option in menu order.
#pragma once

#include <string>

#include "game/game_state.h"
#include "settings/options.h"
#include "settings/profile.h"

namespace kestrel {

std::string SessionSettingsText(const Options& options, const std::string& playerName, const GlobalSwitches& globals,
                                bool locked);
// The same with the Global switches as read into the game state at start-up.
std::string SessionSettingsText(const Options& options, const GameState& state, bool locked);

}  // namespace kestrel

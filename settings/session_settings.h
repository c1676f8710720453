// The summary of the current session's settings that heads the statistics
// report: the Global switches that are on and one option line per option.
#pragma once

#include <string>

#include "game/game_state.h"
#include "settings/options.h"

namespace kestrel {

// " Current session settings follow." (with " (locked)" in locked play), an
// empty line, the Global switches that are on, then the option line of every
// option in menu order. Lines end in CR LF. `state` supplies the Global
// switches read at start-up.
std::string SessionSettingsText(const Options& options, const GameState& state, bool locked);

}  // namespace kestrel

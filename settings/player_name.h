// Player names: the cleaning rule applied to every name from the command
// line, the stored list and the New Player box, and the recent-player list.
#pragma once

#include <string>
#include <vector>

namespace kestrel {

inline constexpr char kDefaultPlayer[] = "MoonBeam";
inline constexpr size_t kMaxRecentPlayers = 12;

// Blanks trimmed; every character but an ASCII letter or digit becomes "-";
// hyphens are dropped while the name is still empty; at most 8 characters;
// "Global" in any case gives an empty name.
std::string CleanPlayerName(const std::string& text);

// True when the two names are the same without regard to case.
bool SamePlayer(const std::string& a, const std::string& b);

// The names of the recent-player menu: the current name (when not empty)
// first, then the cleaned names of the stored comma-separated list that are
// neither empty nor the current name, up to `limit` items in all; "MoonBeam"
// alone when nothing fills it. Repeated names are not merged.
std::vector<std::string> RecentPlayerMenu(const std::string& current, const std::string& storedList, size_t limit);

// Splits a comma-separated list (no trimming).
std::vector<std::string> SplitList(const std::string& list);

}  // namespace kestrel

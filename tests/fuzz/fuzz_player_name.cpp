// Player-name cleaning: whatever the text, the name is at most eight ASCII
// letters, digits and hyphens, starts with no hyphen, is never "Global", and
// cleaning it again changes nothing. The recent-player menu built from the
// same text as a stored list never holds an empty name.
#include <cstdint>
#include <string>

#include "settings/player_name.h"
#include "tests/fuzz/fuzz_check.h"

namespace {

bool Allowed(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-'; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const std::string name = kestrel::CleanPlayerName(text);
  Check(name.size() <= 8);
  for (char c : name) Check(Allowed(c));
  Check(name.empty() || name[0] != '-');
  Check(!kestrel::SamePlayer(name, "Global"));
  Check(kestrel::CleanPlayerName(name) == name);

  const auto menu = kestrel::RecentPlayerMenu(name, text, kestrel::kMaxRecentPlayers);
  Check(!menu.empty() && menu.size() <= kestrel::kMaxRecentPlayers);
  for (const std::string& entry : menu) Check(!entry.empty() && entry.size() <= 8);
  return 0;
}

// The windowless host that answers every wait with the automatic action.
#include "game/automatic_host.h"

#include <cstdio>

#include "game/match_controller.h"

namespace kestrel {

void AutomaticHost::PumpEvents(bool) {
  if (!controller_) return;
  const GameState& s = controller_->State();
  while (reported_ < s.intGamesPlayed) {
    ++reported_;
    if (gameEnd_) gameEnd_();
  }
  if (s.intGamesPlayed >= games_) {
    controller_->NewMatch();
    return;
  }
  if (controller_->ButtonEnabled()) {
    controller_->DoAutomatic();
  } else {
    // Nothing can answer this wait without a user: give up the match.
    controller_->NewMatch();
  }
}

bool AutomaticHost::MessageBox(const std::string& text, const std::string& title, MessageIcon) {
  std::string shown = text;
  for (char& c : shown)
    if (c == '\r') c = '\n';
  std::fprintf(stderr, "%s: %s\n", title.c_str(), shown.c_str());
  return true;
}

}  // namespace kestrel

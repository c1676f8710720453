// A host without a window that plays for the player with the program's own
// automatic action (what Non-Stop Play does: Continue, Autoplay, Autoscore)
// until a number of games is finished. Used by the headless runner and the
// benchmarks.
#pragma once

#include <functional>

#include "game/host.h"

namespace kestrel {

class MatchController;

class AutomaticHost : public NullHost {
 public:
  explicit AutomaticHost(int games) : games_(games) {}
  void Attach(MatchController* controller) { controller_ = controller; }
  // Called once for every finished game (at the pause that shows its result).
  void SetGameEndHandler(std::function<void()> fn) { gameEnd_ = std::move(fn); }
  void PumpEvents(bool mayBlock) override;
  bool MessageBox(const std::string& text, const std::string& title, MessageIcon icon) override;

 private:
  MatchController* controller_ = nullptr;
  int games_;
  int reported_ = 0;
  std::function<void()> gameEnd_;
};

}  // namespace kestrel

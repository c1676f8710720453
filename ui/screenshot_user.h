// The program's hidden --screenshot=<folder> mode: an automatic player that
// plays through the first hand and saves pictures of the window at the cut
// for deal, while discards are chosen, during the pegging with a count on
// the table and at the show with the scoring details (and of the About and
// New Seed or Pointer panels), then closes the window. Used to make the pictures of the documentation.
#pragma once

#include <QString>
#include <set>
#include <string>

namespace kestrel {

class FrmKestrel;
class MatchController;

class ScreenshotUser {
 public:
  ScreenshotUser(FrmKestrel& window, MatchController& controller, QString folder);

 private:
  void Act(int waitState);
  void Shoot(const std::string& name);

  FrmKestrel& window_;
  MatchController& controller_;
  QString folder_;
  std::set<std::string> taken_;
  int passes_ = 0;
  bool pending_ = false;
};

}  // namespace kestrel

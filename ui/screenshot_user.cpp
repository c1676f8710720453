// The automatic player of the --screenshot mode.
#include "ui/screenshot_user.h"

#include <QDir>
#include <QPixmap>
#include <QTimer>

#include "game/match_controller.h"
#include "ui/frm_kestrel.h"

namespace kestrel {

ScreenshotUser::ScreenshotUser(FrmKestrel& window, MatchController& controller, QString folder)
    : window_(window), controller_(controller), folder_(std::move(folder)) {
  QDir().mkpath(folder_);
  // The player acts through a posted event, as a real one would, so the
  // window's blocking wait wakes up for it.
  window_.onWaitPass = [this](int) {
    if (pending_) return;
    pending_ = true;
    QTimer::singleShot(0, &window_, [this] {
      pending_ = false;
      Act(controller_.State().intWaitState);
    });
  };
}

void ScreenshotUser::Shoot(const std::string& name) {
  if (!taken_.insert(name).second) return;
  window_.grab().save(folder_ + "/" + QString::fromStdString(name) + ".png");
}

void ScreenshotUser::Act(int waitState) {
  const TableModel& model = controller_.Model();
  const GameState& state = controller_.State();
  if (++passes_ > 20000 || taken_.size() == 6) {
    window_.close();
    return;
  }
  // The About panel and the seed panel over the table at the first prompt.
  if (window_.frameAbout->isVisible()) {
    Shoot("about");
    controller_.PressContinue();
    return;
  }
  if (window_.frameSeed->isVisible()) {
    Shoot("seed");
    controller_.PressContinue();
    return;
  }
  if (!taken_.count("about")) {
    window_.mnuHelpAbout->trigger();
    return;
  }
  if (!taken_.count("seed")) {
    window_.mnuOptionsSourceSetSeed->trigger();
    return;
  }
  int played = 0;
  for (const CardElement& card : model.hiCard) played += card.visible && IsFaceUp(card.code);
  if (waitState == kWaitContinue && IsFaceUp(model.loCard[0].code) && model.loCard[0].visible &&
      model.loCard[1].visible && IsFaceUp(model.loCard[1].code) && state.intPhase == 0) {
    Shoot("cut-for-deal");
  } else if (waitState == kWaitDiscard && !taken_.count("discards")) {
    if (state.intSelectedCard < 0) {
      controller_.DoAutomatic();  // one card chosen, shown face down
      return;
    }
    Shoot("discards");
  } else if (waitState == kWaitPlay && state.intCount > 0 && played >= 3) {
    Shoot("pegging");
  } else if (model.detailsVisible && model.underlineVisible && waitState >= kWaitContinue) {
    Shoot("show");
    if (taken_.size() == 6) {
      window_.close();
      return;
    }
  }
  controller_.DoAutomatic();
}

}  // namespace kestrel

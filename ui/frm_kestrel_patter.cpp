// frmKestrel: the "Obnoxious Patter" and "Game Over Sounds" menus. The
// choices themselves are the core's; the window applies check marks and the
// message line and logs each change.
#include "game/game_over_sounds.h"
#include "game/match_controller.h"
#include "game/patter_choices.h"
#include "ui/frm_kestrel.h"

namespace kestrel {

void FrmKestrel::ApplyPatterLayout() {
  // One line centred on the button row when hidden, two when shown; the
  // controller repaints the message line with the remark shown or not.
  if (options_.intPatter == 0) lblMessage->setGeometry(116, 238, 299, 18);
  else lblMessage->setGeometry(116, 230, 299, 37);
  if (controller_) controller_->RefreshPatterLine();
}

void FrmKestrel::SetPatterAndSounds(PatterChoices* patter, GameOverSounds* sounds) {
  patterChoices_ = patter;
  sounds_ = sounds;
  for (QAction* a : {mnuOptionsPatterHide, mnuOptionsPatterDefault, mnuOptionsPatterCustom, mnuOptionsPatterSave,
                     mnuOptionsSoundsDisable, mnuOptionsSoundsDefault, mnuOptionsSoundsCustom,
                     mnuOptionsSoundsWin, mnuOptionsSoundsLoss})
    a->setEnabled(true);
  // Each item: the core's choice, then check marks (a cancelled or failed
  // choice puts them back), the message line, and a log line when changed.
  auto wire = [this](QAction* item, std::function<bool()> choose) {
    connect(item, &QAction::triggered, this, [this, item, choose] {
      const bool changed = choose();
      ApplyOptionsToMenus();
      ApplyPatterLayout();
      if (changed && onOptionChanged) onOptionChanged(item);
    });
  };
  wire(mnuOptionsPatterHide, [this] { return patterChoices_->Hide(); });
  wire(mnuOptionsPatterDefault, [this] { return patterChoices_->UseDefault(); });
  wire(mnuOptionsPatterCustom, [this] {
    ApplyOptionsToMenus();  // the check stays where it was while the dialog is open
    return patterChoices_->ChooseCustom();
  });
  connect(mnuOptionsPatterSave, &QAction::triggered, this, [this] { patterChoices_->SaveTemplate(); });
  wire(mnuOptionsSoundsDisable, [this] { return sounds_->ChooseSounds(0); });
  wire(mnuOptionsSoundsDefault, [this] { return sounds_->ChooseSounds(1); });
  wire(mnuOptionsSoundsCustom, [this] { return sounds_->ChooseSounds(2); });
  wire(mnuOptionsSoundsWin, [this] { return sounds_->ChooseSoundFile(true); });
  wire(mnuOptionsSoundsLoss, [this] { return sounds_->ChooseSoundFile(false); });
}

}  // namespace kestrel

// Options > Obnoxious Patter and Game Over Sounds in the window: the remark
// on show follows the choice at once, and a wrong sound file is refused.
#include <gtest/gtest.h>

#include "game/patter_choices.h"
#include "patter/patter_file.h"
#include "tests/support/scratch_dir.h"
#include "tests/ui/window_rig.h"

namespace kestrel::testing {
namespace {

TEST(PatterSoundsMenus, RemarkFollowsTheChoiceAndAWrongSoundIsRefused) {
  WindowRig rig;
  ScratchDir dir;
  PatterChoices choices(rig.options, rig.patter, *rig.window, [&rig] { rig.controller->RefreshPatterLine(); });
  rig.window->SetPatterAndSounds(&choices, &rig.controller->Sounds());
  std::vector<QAction*> logged;
  rig.window->onOptionChanged = [&logged](QAction* item) { logged.push_back(item); };
  std::string chosen;
  rig.window->onOpenFileDialog = [&chosen](const std::string&, const std::string&, const std::string&) {
    return chosen;
  };
  FrmKestrel& w = *rig.window;
  TableModel& model = rig.controller->Model();
  model.message = "I peg 6 points.";
  model.patterText = rig.patter.Text(32);
  model.patterSlot = 32;
  w.Redraw(model, kPartMessage);
  EXPECT_EQ(w.VisibleMessage(), "I peg 6 points.\nGotcha!");

  w.mnuOptionsPatterHide->trigger();
  EXPECT_EQ(w.VisibleMessage(), "I peg 6 points.");
  EXPECT_TRUE(w.mnuOptionsPatterHide->isChecked());
  EXPECT_FALSE(w.mnuOptionsPatterDefault->isChecked());
  EXPECT_LT(w.lblMessage->height(), 25);

  chosen = dir.File("mine.txt");
  ScratchDir::Put(chosen, std::string(kPatterFileHeader) + "\nRedPeg6_11 = Tom & Jerry <b>bold</b>\n");
  w.mnuOptionsPatterCustom->trigger();
  EXPECT_EQ(w.VisibleMessage(), "I peg 6 points.\nTom & Jerry <b>bold</b>");
  EXPECT_TRUE(w.mnuOptionsPatterCustom->isChecked());
  EXPECT_FALSE(w.mnuOptionsPatterHide->isChecked());
  EXPECT_GT(w.lblMessage->height(), 30);
  EXPECT_EQ(logged, (std::vector<QAction*>{w.mnuOptionsPatterHide, w.mnuOptionsPatterCustom}));

  chosen = dir.File("readme.txt");
  ScratchDir::Put(chosen, "not a sound\n");
  w.mnuOptionsSoundsWin->trigger();
  ASSERT_EQ(rig.boxes.size(), 1u);
  EXPECT_EQ(rig.boxes[0], "Wrong file type or problem playing sound:\r\r" + chosen);
  EXPECT_EQ(rig.options.strWinSound, "");
  EXPECT_TRUE(w.mnuOptionsSoundsDefault->isChecked());
  const int stops = rig.stops;
  w.mnuOptionsSoundsDisable->trigger();
  EXPECT_GT(rig.stops, stops);
  EXPECT_TRUE(w.mnuOptionsSoundsDisable->isChecked());
  EXPECT_FALSE(w.mnuOptionsSoundsDefault->isChecked());
  EXPECT_EQ(logged.back(), w.mnuOptionsSoundsDisable);
}

}  // namespace
}  // namespace kestrel::testing

// Options > Card Source, Obnoxious Patter and Game Over Sounds in the window:
// a chosen file is used and its item checked, the remark on show follows the
// choice at once, and a cancelled dialog or a refused file changes nothing.
#include <gtest/gtest.h>

#include "game/patter_choices.h"
#include "patter/patter_file.h"
#include "tests/support/scratch_dir.h"
#include "tests/ui/window_rig.h"

namespace kestrel::testing {
namespace {

TEST(OptionFilesMenu, ChosenFilesAreUsedAndCancelledOrWrongOnesChangeNothing) {
  WindowRig rig;
  ScratchDir dir;
  FrmKestrel& w = *rig.window;
  PatterChoices choices(rig.options, rig.patter, w, [&rig] { rig.controller->RefreshPatterLine(); });
  w.SetPatterAndSounds(&choices, &rig.controller->Sounds());
  std::vector<QAction*> logged;
  w.onOptionChanged = [&logged](QAction* item) { logged.push_back(item); };
  std::string chosen;  // the file dialog's answer; empty when cancelled
  w.onOpenFileDialog = [&chosen](const std::string&, const std::string&, const std::string&) { return chosen; };
  auto choose = [&](QAction* item, const std::string& name, const std::string& content) {
    chosen = name.empty() ? "" : dir.File(name);
    if (!name.empty()) ScratchDir::Put(chosen, content);
    item->trigger();
  };

  // Card source: the data file is read from its first byte; the default
  // sequence keeps the pointer where the file left it.
  rig.options.lngSeedOrPointer = 99;
  choose(w.mnuOptionsSourceDataFile, "", "");
  EXPECT_EQ(rig.options.intCardSource, 0);
  EXPECT_EQ(rig.options.lngSeedOrPointer, 99);
  EXPECT_TRUE(w.mnuOptionsSourceDefault->isChecked());
  choose(w.mnuOptionsSourceDataFile, "cards.bin", std::string("\0\1\2", 3));
  EXPECT_EQ(rig.options.intCardSource, 1);
  EXPECT_EQ(rig.options.strDataFile, chosen);
  EXPECT_EQ(rig.options.lngSeedOrPointer, 0);
  EXPECT_TRUE(w.mnuOptionsSourceDataFile->isChecked());
  rig.options.lngSeedOrPointer = 3;
  w.mnuOptionsSourceDefault->trigger();
  EXPECT_EQ(rig.options.intCardSource, 0);
  EXPECT_EQ(rig.options.lngSeedOrPointer, 3);
  EXPECT_TRUE(w.mnuOptionsSourceDefault->isChecked());

  // Patter: hidden at once, and a custom line is shown as typed, not as markup.
  TableModel& model = rig.controller->Model();
  model.message = "I peg 6 points.";
  model.patterText = rig.patter.Text(32);
  model.patterSlot = 32;
  w.Redraw(model, kPartMessage);
  EXPECT_EQ(w.VisibleMessage(), "I peg 6 points.\nGotcha!");
  w.mnuOptionsPatterHide->trigger();
  EXPECT_EQ(w.VisibleMessage(), "I peg 6 points.");
  EXPECT_TRUE(w.mnuOptionsPatterHide->isChecked());
  EXPECT_LT(w.lblMessage->height(), 25);
  choose(w.mnuOptionsPatterCustom, "mine.txt",
         std::string(kPatterFileHeader) + "\nRedPeg6_11 = Tom & Jerry <b>bold</b>\n");
  EXPECT_EQ(w.VisibleMessage(), "I peg 6 points.\nTom & Jerry <b>bold</b>");
  EXPECT_TRUE(w.mnuOptionsPatterCustom->isChecked());
  EXPECT_GT(w.lblMessage->height(), 30);

  // Sounds: a file that is no sound is refused; Disable stops what plays.
  choose(w.mnuOptionsSoundsWin, "readme.txt", "not a sound\n");
  EXPECT_EQ(rig.boxes, std::vector<std::string>{"Wrong file type or problem playing sound:\r\r" + chosen});
  EXPECT_EQ(rig.options.strWinSound, "");
  EXPECT_TRUE(w.mnuOptionsSoundsDefault->isChecked());
  const int stops = rig.stops;
  w.mnuOptionsSoundsDisable->trigger();
  EXPECT_GT(rig.stops, stops);
  EXPECT_TRUE(w.mnuOptionsSoundsDisable->isChecked());
  // Only the changes reach the option log.
  EXPECT_EQ(logged, (std::vector<QAction*>{w.mnuOptionsSourceDataFile, w.mnuOptionsSourceDefault,
                                           w.mnuOptionsPatterHide, w.mnuOptionsPatterCustom,
                                           w.mnuOptionsSoundsDisable}));
}

}  // namespace
}  // namespace kestrel::testing

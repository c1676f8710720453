// Options > Card Source: choosing a data file, going back to the default
// sequence, and a cancelled dialog.
#include <gtest/gtest.h>

#include <fstream>

#include "game/card_source.h"
#include "tests/support/scratch_dir.h"
#include "tests/ui/window_rig.h"

namespace kestrel::testing {
namespace {

TEST(CardSourceMenu, DataFileIsReadFromItsFirstByteAndDefaultKeepsThePointer) {
  WindowRig rig;
  ScratchDir dir;
  const std::string path = dir.Path() + "/cards.bin";
  {
    std::ofstream out(path, std::ios::binary);
    for (char b = 0; b < 13; ++b) out.put(b);  // the first suit, Ace to King
  }
  rig.options.lngSeedOrPointer = 4242;
  std::vector<std::string> titles;
  rig.window->onOpenFileDialog = [&](const std::string& title, const std::string& filter,
                                     const std::string& start) {
    titles.push_back(title + "|" + filter + "|" + start);
    return path;
  };
  rig.window->mnuOptionsSourceDataFile->trigger();
  ASSERT_EQ(titles.size(), 1u);
  EXPECT_EQ(titles[0], "Select Data File as Card Source|All files (*.*)|anyfile");
  EXPECT_EQ(rig.options.intCardSource, 1);
  EXPECT_EQ(rig.options.strDataFile, path);
  EXPECT_EQ(rig.options.lngSeedOrPointer, 0);
  EXPECT_TRUE(rig.window->mnuOptionsSourceDataFile->isChecked());
  EXPECT_FALSE(rig.window->mnuOptionsSourceDefault->isChecked());

  CardSource source(rig.options, [](int32_t s) { return s + 1; });
  EXPECT_EQ(source.DrawCards(3), std::string({0, 1, 2}));
  EXPECT_EQ(rig.options.lngSeedOrPointer, 3);

  rig.window->mnuOptionsSourceDefault->trigger();
  EXPECT_EQ(rig.options.intCardSource, 0);
  EXPECT_EQ(rig.options.lngSeedOrPointer, 3);
  EXPECT_TRUE(rig.window->mnuOptionsSourceDefault->isChecked());
  EXPECT_FALSE(rig.window->mnuOptionsSourceDataFile->isChecked());
}

TEST(CardSourceMenu, CancelledDialogChangesNothing) {
  WindowRig rig;
  rig.options.lngSeedOrPointer = 99;
  rig.window->onOpenFileDialog = [](const std::string&, const std::string&, const std::string&) {
    return std::string();
  };
  rig.window->mnuOptionsSourceDataFile->trigger();
  EXPECT_EQ(rig.options.intCardSource, 0);
  EXPECT_EQ(rig.options.lngSeedOrPointer, 99);
  EXPECT_TRUE(rig.window->mnuOptionsSourceDefault->isChecked());
  EXPECT_FALSE(rig.window->mnuOptionsSourceDataFile->isChecked());
}

}  // namespace
}  // namespace kestrel::testing

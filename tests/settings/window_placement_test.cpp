// The remembered window size: read back as written, and anything else in
// the key leaves the window at its default size.
#include <gtest/gtest.h>

#include "settings/command_line.h"
#include "settings/window_placement.h"
#include "tests/support/scratch_dir.h"

namespace kestrel {
namespace {

TEST(WindowPlacement, ParsesOnlyWhatItWrites) {
  struct Case {
    const char* text;
    bool valid;
  } cases[] = {{"1120 556 0", true}, {"2560 1400 1", true}, {"", false},          {"1120 556", false},
               {"1120 556 2", false}, {"-5 556 0", false},  {"1120 x 0", false},  {"99999 556 0", false},
               {"1120 556 0 7", false}};
  for (const Case& c : cases) EXPECT_EQ(ParseWindowPlacement(c.text).has_value(), c.valid) << c.text;
  const WindowPlacement big{2560, 1400, true};
  const auto back = ParseWindowPlacement(FormatWindowPlacement(big));
  ASSERT_TRUE(back);
  EXPECT_EQ(back->clientWidth, 2560);
  EXPECT_EQ(back->clientHeight, 1400);
  EXPECT_TRUE(back->maximised);
}

TEST(WindowPlacement, KeptInTheGlobalSectionBesideTheOtherKeys) {
  testing::ScratchDir dir;
  testing::ScratchDir::Put(dir.File("Kestrel32.ini"), "[Global]\nVersion=x\nAllowCtrlF10=1\n");
  SettingsFile file(dir.Path(), CommandLine());
  EXPECT_FALSE(ReadWindowPlacement(file));
  ASSERT_TRUE(WriteWindowPlacement(file, WindowPlacement{900, 500, false}));
  const auto placement = ReadWindowPlacement(file);
  ASSERT_TRUE(placement);
  EXPECT_EQ(placement->clientWidth, 900);
  EXPECT_EQ(file.ReadIniInt(kGlobalSection, "AllowCtrlF10"), 1);
}

}  // namespace
}  // namespace kestrel

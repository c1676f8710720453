// Options > Card Source > New Seed or Pointer without a window: the panel's
// texts, and what a confirmed entry does to the options, the log and the user.
#include <gtest/gtest.h>

#include "game/card_source.h"
#include "game/session.h"
#include "tests/support/scratch_dir.h"
#include "tests/support/scripted_host.h"

namespace kestrel::testing {
namespace {

TEST(SeedEntry, TheConfirmedTextIsStoredLoggedOrExplained) {
  struct Case {
    int16_t source;  // 0 the default sequence, 1 a data file of 100 bytes
    std::string typed;
    CardSource::SeedEntry::Outcome outcome;
    int32_t value;
    std::string box, logged;
  } cases[] = {
      {0, "", CardSource::SeedEntry::kUnchanged, 13896, "", ""},
      {0, " 13896 ", CardSource::SeedEntry::kUnchanged, 13896, "", ""},
      {0, "-42.5", CardSource::SeedEntry::kChanged, -42, "", " New Seed or Pointer: -42\r\n"},
      {0, "12abc", CardSource::SeedEntry::kInvalid, 13896, "New value out of range.\n\nSeed unchanged.", ""},
      {0, "2147483648", CardSource::SeedEntry::kInvalid, 13896, "New value out of range.\n\nSeed unchanged.", ""},
      {1, "99", CardSource::SeedEntry::kChanged, 99, "", " New Seed or Pointer: 99\r\n"},
      {1, "100", CardSource::SeedEntry::kInvalid, 13896, "New value out of range.\n\nFile pointer unchanged.", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    ScratchDir dir;
    SettingsFile file(dir.Path(), CommandLine(""));
    ControllerRig rig;
    Session session(file, rig.state, rig.options, rig.patter, rig.stats, *rig.controller, rig.host, rig.log);
    session.Start("");
    CardSource cards(rig.options, [](int32_t seed) { return seed + 1; });
    session.SetCardSource(&cards);
    rig.options.intCardSource = c.source;
    rig.options.strDataFile = dir.File("deck.bin");
    ScratchDir::Put(rig.options.strDataFile, std::string(100, '\1'));
    rig.options.lngSeedOrPointer = 13896;
    rig.options.strLogFile = dir.File("Ann.log");
    rig.options.intLogLevel = 2;

    const std::vector<std::string> texts = session.SeedPanelTexts();
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_NE(texts[0].find(c.source ? "from 0 to 99 " : "as new random seed"), std::string::npos);
    EXPECT_EQ(session.SeedPanelValue(), "13896");

    EXPECT_EQ(session.EnterSeedOrPointer(c.typed), c.outcome);
    EXPECT_EQ(rig.options.lngSeedOrPointer, c.value);
    EXPECT_EQ(rig.host.boxes, c.box.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.box});
    EXPECT_EQ(ScratchDir::Exists(rig.options.strLogFile) ? ScratchDir::Get(rig.options.strLogFile) : "", c.logged);
  }
}

}  // namespace
}  // namespace kestrel::testing

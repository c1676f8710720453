// Typing reaches a panel's entry box every time the panel opens. Keys go
// where the window system sends them: to the window's focus element.
#include <gtest/gtest.h>

#include "tests/ui/window_rig.h"

namespace kestrel::testing {
namespace {

TEST(EntryBox, TypingReachesTheSeedBoxEachTimeThePanelOpens) {
  WindowRig rig;
  FrmKestrel& w = *rig.window;
  auto receiver = [&w]() -> QWidget* { return w.focusWidget() ? w.focusWidget() : &w; };
  std::vector<std::string> entries;
  bool inPanel = false;
  rig.user = [&](int) {
    if (inPanel) {
      QTest::keyClicks(receiver(), "4242");
      QTest::keyClick(receiver(), Qt::Key_Return);
      return;
    }
    if (entries.size() < 2) {
      inPanel = true;
      entries.push_back(w.RunSeedPanel({"a", "b", "c"}, "7").toStdString());
      inPanel = false;
      return;
    }
    w.NewMatch();
  };
  rig.controller->PlayMatch();
  EXPECT_EQ(entries, (std::vector<std::string>{"4242", "4242"}));
  EXPECT_FALSE(rig.stuck);
}

}  // namespace
}  // namespace kestrel::testing

// Every pop-up panel waits for Continue with its own keys and cannot be opened
// twice; once it is closed, every key acts once: an arrow moves the card cursor
// one slot and the peg one hole. Keys go where the window system sends them: to
// the window's focus element, or to the window when nothing has the focus.
// The deck view takes marks only in the dog-ear deck.
#include <gtest/gtest.h>

#include <functional>

#include "game/card_marks.h"
#include "tests/ui/window_rig.h"
#include "ui/key_table.h"

namespace kestrel::testing {
namespace {

void PressKey(FrmKestrel& w, Qt::Key key) {
  QWidget* receiver = w.focusWidget() ? w.focusWidget() : &w;
  QTest::keyClick(receiver, key);
}

struct Panel {
  const char* name;
  std::function<void(FrmKestrel&)> open;  // returns once the panel is closed
};

class KeysActOnce : public ::testing::TestWithParam<Panel> {};

TEST_P(KeysActOnce, AfterThePanelEachArrowIsOneStep) {
  WindowRig rig;
  FrmKestrel& w = *rig.window;
  bool panelDone = false, inPanel = false, cardChecked = false, pegChecked = false;
  auto panelShown = [&] { return w.frameAbout->isVisible() || w.frameDeck->isVisible() || w.frameSeed->isVisible(); };
  rig.user = [&](int code) {
    if (inPanel) {
      EXPECT_TRUE(panelShown());
      EXPECT_NE(w.KeyMode(), kKeyPlay);
      EXPECT_FALSE(w.mnuHelpAbout->isEnabled() && w.frameAbout->isVisible());
      EXPECT_FALSE(w.mnuOptionsStyleView->isEnabled() && w.frameDeck->isVisible());
      PressKey(w, Qt::Key_Return);  // the panel waits for Continue; Enter closes it
      return;
    }
    if (!panelDone) {
      panelDone = inPanel = true;
      GetParam().open(w);
      inPanel = false;
      EXPECT_FALSE(panelShown());
      EXPECT_EQ(w.KeyMode(), kKeyPlay);
      EXPECT_TRUE(w.mnuHelpAbout->isEnabled());
      return;
    }
    if (code == kWaitDiscard && !cardChecked) {
      cardChecked = true;
      const int start = rig.state.intCursorCard;
      PressKey(w, Qt::Key_Right);
      EXPECT_EQ(rig.state.intCursorCard, (start + 1) % 6) << "Right";
      PressKey(w, Qt::Key_Right);
      EXPECT_EQ(rig.state.intCursorCard, (start + 2) % 6) << "Right again";
      PressKey(w, Qt::Key_Left);
      EXPECT_EQ(rig.state.intCursorCard, (start + 1) % 6) << "Left";
    } else if (code >= kWaitPegHeels && code <= kWaitPegCrib && !pegChecked) {
      pegChecked = true;
      const int score = rig.state.intPlayerScore;
      PressKey(w, Qt::Key_Up);
      EXPECT_EQ(rig.Claim(), score + 1) << "Up";
      PressKey(w, Qt::Key_Up);
      EXPECT_EQ(rig.Claim(), score + 2) << "Up again";
      PressKey(w, Qt::Key_Down);
      EXPECT_EQ(rig.Claim(), score + 1) << "Down";
    }
    if (cardChecked && pegChecked) {
      w.NewMatch();
      return;
    }
    rig.controller->DoAutomatic();
  };
  rig.controller->PlayMatch();
  EXPECT_TRUE(panelDone);
  EXPECT_TRUE(cardChecked);
  EXPECT_TRUE(pegChecked);
  EXPECT_FALSE(rig.stuck);
}

INSTANTIATE_TEST_SUITE_P(
    EveryPopup, KeysActOnce,
    ::testing::Values(Panel{"About", [](FrmKestrel& w) { w.mnuHelpAbout->trigger(); }},
                      Panel{"Deck", [](FrmKestrel& w) { w.ViewDeck(); }},
                      Panel{"Seed", [](FrmKestrel& w) { w.RunSeedPanel({"a", "b", "c"}, "7"); }}),
    [](const ::testing::TestParamInfo<Panel>& p) { return std::string(p.param.name); });

// The deck view of the dog-ear deck takes marks by letter key and by click;
// that of the default deck takes none. (At most thirteen: the marks' own test.)
TEST(Deck, MarksTakenOnlyInTheDogEarDeck) {
  WindowRig rig;
  FrmKestrel& w = *rig.window;
  rig.options.strMarkedCards = std::string{7, 23, 30, 40};
  for (QAction* style : {w.mnuOptionsStyleDogears, w.mnuOptionsStyleDefault}) {
    style->trigger();
    rig.user = [&](int code) {
      if (code != kWaitContinue) return;
      QTest::keyClicks(&w, "A");                                           // card 0
      QTest::mouseClick(w.imgCard[8], Qt::LeftButton, {}, QPoint(10, 10));  // card 8
      QTest::keyClicks(&w, "H");                                           // card 7
      QTest::keyClick(&w, Qt::Key_Return);
    };
    w.mnuOptionsStyleView->trigger();
    // The default deck's view leaves the marks of the dog-ear round as they were.
    const std::string row = style->text().toStdString();
    EXPECT_TRUE(IsMarkedCard(rig.options.strMarkedCards, 0)) << row;
    EXPECT_TRUE(IsMarkedCard(rig.options.strMarkedCards, 8)) << row;
    EXPECT_FALSE(IsMarkedCard(rig.options.strMarkedCards, 7)) << row;
    EXPECT_EQ(rig.options.strMarkedCards.size(), 5u) << row;
  }
}

}  // namespace
}  // namespace kestrel::testing

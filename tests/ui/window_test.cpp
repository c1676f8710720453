// The window on its own: the button strip, the Keyboard menu and keys, the
// character filter, the help menu, the Options menu, the entry box focus, the
// blocking wait, the pointer while busy, and closing during a wait.
#include <gtest/gtest.h>

#include <QActionGroup>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <functional>

#include "tests/ui/window_rig.h"
#include "ui/key_table.h"
#include "ui/window_texts.h"

namespace kestrel::testing {
namespace {

// Pressed and released on the button: one activation; slid off before the
// release, or greyed: none.
TEST(Window, ButtonPressSlideOffAndRelease) {
  WindowRig rig;
  ButtonStrip* button = rig.window->picButton;
  const struct {
    bool enabled;
    int releaseX, activations;
  } cases[] = {{true, 200, 0}, {true, 20, 1}, {false, 20, 0}};
  for (const auto& c : cases) {
    const std::string row = std::to_string(c.enabled) + " " + std::to_string(c.releaseX);
    button->DrawButtonStrip(" Continue", 0, c.enabled);
    QSignalSpy activated(button, &ButtonStrip::Activated);
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(20, 10));
    QTest::mouseMove(button, QPoint(c.releaseX, 10));
    EXPECT_EQ(button->blnButtonDown(), c.enabled && c.releaseX == 20) << row;
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(c.releaseX, 10));
    EXPECT_EQ(activated.count(), c.activations) << row;
  }
}

TEST(Window, KeysFollowTheWaitAndTheOptions) {
  WindowRig rig;
  FrmKestrel& w = *rig.window;
  // Allow Autoscore off: F10 does nothing at a scoring prompt, Enter still anchors the peg.
  rig.options.blnAutoscore = false;
  rig.state.intWaitState = kWaitPegHand;
  rig.controller->OptionsApplied();
  EXPECT_FALSE(w.mnuKeyboardAutomatic->isEnabled());
  EXPECT_TRUE(w.mnuKeyboardPeg[3]->isEnabled());
  EXPECT_FALSE(w.mnuKeyboardCardSelect->isEnabled());
  EXPECT_FALSE(w.picButton->IsButtonEnabled());
  QTest::keyClick(&w, Qt::Key_F10);
  EXPECT_EQ(rig.state.intWaitState, kWaitPegHand);
  QTest::keyClick(&w, Qt::Key_Return);
  EXPECT_EQ(rig.state.intWaitState, -kWaitPegHand);
  rig.state.intWaitState = kWaitDiscard;
  rig.controller->OptionsApplied();
  EXPECT_TRUE(w.mnuKeyboardAutomatic->isEnabled());
  EXPECT_TRUE(w.mnuKeyboardCardLeft->isEnabled());
  EXPECT_FALSE(w.mnuKeyboardContinue->isEnabled());
  // Ctrl+F10 toggles non-stop play only when allowed, and needs both Allow
  // Autoplay and Allow Autoscore; otherwise it acts as F10.
  rig.options.blnAutoscore = true;
  rig.state.intWaitState = kWaitContinue;
  QTest::keyClick(&w, Qt::Key_F10, Qt::ControlModifier);
  EXPECT_EQ(rig.state.intWaitState, -kWaitContinue);
  EXPECT_FALSE(rig.options.blnNonStop);
  rig.state.blnAllowCtrlF10 = true;
  rig.state.intWaitState = kWaitContinue;
  QTest::keyClick(&w, Qt::Key_F10, Qt::ControlModifier);
  EXPECT_TRUE(rig.options.blnNonStop);
  EXPECT_EQ(rig.state.intWaitState, kWaitContinue);
  rig.options.blnAutoplay = false;
  QTest::keyClick(&w, Qt::Key_F10, Qt::ControlModifier);
  EXPECT_TRUE(rig.options.blnNonStop);
  // Escape minimises the window.
  QTest::keyClick(&w, Qt::Key_Escape);
  EXPECT_TRUE(w.isMinimized());
}

TEST(Window, HelpMenuTextsAndAMissingHelpDocument) {
  // The About texts name nothing of another platform.
  const AboutTexts texts = BuildAboutTexts(15, 15);
  for (const QString& text : {texts.top, texts.left, texts.bottom})
    for (const char* wrong : {"Windows 3", "Windows 10", ".EXE", ".DLL"})
      EXPECT_FALSE(text.contains(wrong, Qt::CaseInsensitive)) << text.toStdString();
  WindowRig rig;
  rig.window->mnuHelpContents->trigger();
  EXPECT_EQ(rig.boxes, std::vector<std::string>{"Unable to open: " + FrmKestrel::HelpDocumentPath().toStdString()});
}

TEST(Window, OptionsMenuCarriesEveryGroup) {
  WindowRig rig;
  FrmKestrel& w = *rig.window;
  // An out-of-range table colour shows green and checks "Default &Green".
  rig.options.intBackgroundIndex = 9;
  w.ApplyBackground();
  EXPECT_EQ(rig.options.intBackgroundIndex, 0);
  EXPECT_TRUE(w.mnuOptionsBackgroundAry[0]->isChecked());
  w.mnuOptionsBackgroundAry[1]->trigger();
  EXPECT_EQ(w.TableColor(), QColor(0, 128, 128));
  // Every choice group is exclusive (radio dots); only the five options
  // marked as On/Off items are plain check boxes.
  std::function<void(QMenu*)> walk = [&](QMenu* menu) {
    for (QAction* a : menu->actions()) {
      if (a->menu()) {
        walk(a->menu());
      } else if (a->isCheckable() && a->data().toString() != ".") {
        EXPECT_TRUE(a->actionGroup() && a->actionGroup()->isExclusive()) << a->text().toStdString();
      }
    }
  };
  walk(w.mnuOptions);
}

TEST(Window, ClickOnThePlayerNameOpensChangePlayer) {
  WindowRig rig;
  FrmKestrel& w = *rig.window;
  QTest::mouseClick(w.lblName, Qt::LeftButton);
  for (int i = 0; i < 50 && !w.mnuFilePlayer->isVisible(); ++i) QTest::qWait(20);
  EXPECT_TRUE(w.mnuFile->isVisible());
  EXPECT_EQ(w.mnuFile->activeAction(), w.mnuFilePlayer->menuAction());
  EXPECT_TRUE(w.mnuFilePlayer->isVisible());
}

// Typed characters are filtered by the typing context, and a visible entry
// box keeps the focus.
TEST(Window, TypedCharactersAreFilteredByTheTypingContext) {
  WindowRig rig;
  FrmKestrel& w = *rig.window;
  w.frameNew->show();
  w.SetKeyMode(kKeyPlayerName);
  QTest::keyClicks(w.txtPlayer, "Ann+-B 2");
  EXPECT_EQ(w.txtPlayer->text(), "Ann-B2");
  std::vector<int> clicked;
  w.onDeckCardClicked = [&](int card) { clicked.push_back(card); };
  w.SetKeyMode(kKeyDeckView);
  QTest::keyClicks(&w, "Bb");
  EXPECT_EQ(clicked, (std::vector<int>{1, 27}));
  w.frameNew->hide();
  w.frameSeed->show();
  w.SetKeyMode(kKeySeed);
  QTest::keyClicks(w.txtSeed, "1a3+x-");
  EXPECT_EQ(w.txtSeed->text(), "13+-");

  w.activateWindow();
  if (!QTest::qWaitForWindowActive(&w)) GTEST_SKIP() << "no active window on this platform";
  w.SetKeyMode(kKeySeed);
  EXPECT_TRUE(w.txtSeed->hasFocus());
  auto* other = new QLineEdit(w.picContainer);
  other->show();
  other->setFocus(Qt::OtherFocusReason);
  QApplication::processEvents();
  EXPECT_TRUE(w.txtSeed->hasFocus());
  w.SetKeyMode(kKeyPlay);
  EXPECT_FALSE(w.txtSeed->isVisible());
  other->setFocus(Qt::OtherFocusReason);
  QApplication::processEvents();
  EXPECT_TRUE(other->hasFocus());
}

TEST(Window, AWaitingGameBlocksUntilInputArrives) {
  WindowRig rig;
  QTimer::singleShot(300, rig.window.get(), [&] { rig.window->NewMatch(); });
  rig.controller->PlayMatch();  // waits at the cut for deal until the timer
  EXPECT_FALSE(rig.stuck);
  EXPECT_LE(rig.passes, 10);  // one pass per event, not a busy loop
}

TEST(Window, AMessageBoxShowsWithTheNormalPointerWhileBusy) {
  WindowRig rig;
  const QCursor* during = nullptr;
  rig.window->onMessageBox = [&](const std::string&, const std::string&, MessageIcon) {
    during = QApplication::overrideCursor();
    return true;
  };
  // The controller and a data-file read may both say busy: one pointer.
  rig.window->SetBusy(true);
  rig.window->SetBusy(true);
  ASSERT_NE(QApplication::overrideCursor(), nullptr);
  rig.window->MessageBox("Reverting", "Kestrel", MessageIcon::Exclamation);
  EXPECT_EQ(during, nullptr);
  EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
  rig.window->SetBusy(false);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

// Closing the window during a wait ends the match at once and shuts down
// once (the program saves the settings there).
TEST(Exit, DuringAWaitEndsAtOnceAndShutsDownOnce) {
  WindowRig rig(5);
  int shutdowns = 0, waitsAfterClose = 0;
  rig.window->onShutdown = [&] { ++shutdowns; };
  rig.window->SetMatchLoop([&] { rig.controller->PlayMatch(); });
  rig.user = [&](int code) {
    if (rig.window->Unloading()) ++waitsAfterClose;
    else if (code == kWaitDiscard) rig.window->close();
    else rig.KeyboardAnswer(code);
  };
  rig.window->RunMatchLoop();  // returns only because the window unloaded
  EXPECT_TRUE(rig.window->Unloading());
  EXPECT_EQ(shutdowns, 1);
  EXPECT_EQ(waitsAfterClose, 0);
  EXPECT_EQ(rig.state.intPlayerScore, 0);
}

}  // namespace
}  // namespace kestrel::testing

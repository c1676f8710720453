// The window on its own: caption, minimum size and centring, the button
// strip, the Keyboard menu and keys, the character filter, the About panel
// and the help document.
#include <gtest/gtest.h>

#include <QActionGroup>
#include <QMenu>
#include <functional>
#include <QSignalSpy>

#include "ui/key_table.h"
#include <QLineEdit>
#include "ui/window_texts.h"
#include "tests/ui/window_rig.h"

namespace kestrel::testing {
namespace {

TEST(Window, ClientAreaKeepsItsMinimumAndCentresTheGamePanel) {
  WindowRig rig;
  FrmKestrel& w = *rig.window;
  w.resize(200, 100);
  QApplication::processEvents();
  EXPECT_GE(w.client->width(), FrmKestrel::kClientMinWidth);
  EXPECT_GE(w.client->height(), FrmKestrel::kClientMinHeight);
  // The panel keeps its logical size whatever the window's; a wider window
  // that is no taller leaves the scale at 1 and centres the panel.
  w.resize(w.size() - w.client->size() + QSize(900, 278));
  QApplication::processEvents();
  EXPECT_EQ(w.picContainer->size(), QSize(530, 268));
  EXPECT_EQ(w.PanelRect(), QRect((900 - 530) / 2, 5, 530, 268));
  // The pop-up panels lie exactly over the game panel.
  EXPECT_EQ(w.frameAbout->pos(), QPoint(0, 0));
  EXPECT_EQ(w.frameSeed->geometry(), QRect(0, 0, 530, 225));
}

TEST(Window, ButtonPressSlideOffAndRelease) {
  WindowRig rig;
  ButtonStrip* button = rig.window->picButton;
  QSignalSpy activated(button, &ButtonStrip::Activated);
  button->DrawButtonStrip(" Continue", 0, true);
  QTest::mousePress(button, Qt::LeftButton, {}, QPoint(20, 10));
  EXPECT_TRUE(button->blnButtonDown());
  QTest::mouseMove(button, QPoint(200, 10));  // off the button: the click is cancelled
  EXPECT_FALSE(button->blnButtonDown());
  QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(200, 10));
  EXPECT_EQ(activated.count(), 0);
  QTest::mousePress(button, Qt::LeftButton, {}, QPoint(20, 10));
  QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(20, 10));
  EXPECT_EQ(activated.count(), 1);
  // Greyed: nothing happens.
  button->DrawButtonStrip("Autoscore", 2, false);
  QTest::mousePress(button, Qt::LeftButton, {}, QPoint(20, 10));
  QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(20, 10));
  EXPECT_EQ(activated.count(), 1);
}

TEST(Window, KeyboardMenuFollowsTheWaitAndAutoscoreOffDisablesF10) {
  WindowRig rig;
  FrmKestrel& w = *rig.window;
  EXPECT_EQ(w.mnuKeyboardCardRight->text(), "Card &Right\tRight Arrow");
  EXPECT_EQ(w.mnuKeyboardMinimize->text(), "&Minimize\tEscape");
  EXPECT_EQ(w.mnuHelpContext->text(), "&By Context\tF1");
  rig.options.blnAutoscore = false;
  rig.state.intWaitState = kWaitPegHand;
  rig.controller->OptionsApplied();
  EXPECT_FALSE(w.mnuKeyboardAutomatic->isEnabled());
  EXPECT_TRUE(w.mnuKeyboardPeg[3]->isEnabled());
  EXPECT_FALSE(w.mnuKeyboardCardSelect->isEnabled());
  EXPECT_FALSE(w.picButton->IsButtonEnabled());
  QTest::keyClick(&w, Qt::Key_F10);
  EXPECT_EQ(rig.state.intWaitState, kWaitPegHand);  // F10 does nothing
  QTest::keyClick(&w, Qt::Key_Return);
  EXPECT_EQ(rig.state.intWaitState, -kWaitPegHand);  // Enter still anchors the peg
  rig.state.intWaitState = kWaitDiscard;
  rig.controller->OptionsApplied();
  EXPECT_TRUE(w.mnuKeyboardAutomatic->isEnabled());
  EXPECT_TRUE(w.mnuKeyboardCardLeft->isEnabled());
  EXPECT_FALSE(w.mnuKeyboardContinue->isEnabled());
}

TEST(Window, CtrlF10TogglesNonStopOnlyWhenAllowed) {
  WindowRig rig;
  FrmKestrel& w = *rig.window;
  rig.state.intWaitState = kWaitContinue;
  QTest::keyClick(&w, Qt::Key_F10, Qt::ControlModifier);  // switch off: like F10
  EXPECT_EQ(rig.state.intWaitState, -kWaitContinue);
  EXPECT_FALSE(rig.options.blnNonStop);
  rig.state.blnAllowCtrlF10 = true;
  rig.state.intWaitState = kWaitContinue;
  QTest::keyClick(&w, Qt::Key_F10, Qt::ControlModifier);
  EXPECT_TRUE(rig.options.blnNonStop);
  EXPECT_EQ(rig.state.intWaitState, kWaitContinue);
  rig.options.blnAutoplay = false;
  QTest::keyClick(&w, Qt::Key_F10, Qt::ControlModifier);
  EXPECT_TRUE(rig.options.blnNonStop);  // needs both Allow Autoplay and Allow Autoscore
}

TEST(Window, TypedCharactersAreFilteredByTheTypingContext) {
  EXPECT_TRUE(CharacterPasses(kKeySeed, '7'));
  EXPECT_TRUE(CharacterPasses(kKeySeed, '-'));
  EXPECT_FALSE(CharacterPasses(kKeySeed, 'a'));
  EXPECT_TRUE(CharacterPasses(kKeyPlayerName, 'a'));
  EXPECT_FALSE(CharacterPasses(kKeyPlayerName, '+'));
  EXPECT_FALSE(CharacterPasses(kKeyPlay, '1'));
  EXPECT_EQ(DeckCardOfLetter('A'), 0);
  EXPECT_EQ(DeckCardOfLetter('z'), 51);

  WindowRig rig;
  FrmKestrel& w = *rig.window;
  w.frameSeed->show();
  w.SetKeyMode(kKeySeed);
  QTest::keyClicks(w.txtSeed, "1a3+x-");
  EXPECT_EQ(w.txtSeed->text(), "13+-");
  w.frameNew->show();
  w.SetKeyMode(kKeyPlayerName);
  EXPECT_FALSE(w.txtSeed->isVisible());
  QTest::keyClicks(w.txtPlayer, "Ann+-B 2");
  EXPECT_EQ(w.txtPlayer->text(), "Ann-B2");
  std::vector<int> clicked;
  w.onDeckCardClicked = [&](int card) { clicked.push_back(card); };
  w.SetKeyMode(kKeyDeckView);
  QTest::keyClicks(&w, "Bb");
  EXPECT_EQ(clicked, (std::vector<int>{1, 27}));
}

TEST(Window, AboutPanelWaitsForContinueAndCannotOpenTwice) {
  EXPECT_EQ(DisplayScaleLine(15, 15), "Small fonts have been detected (15 twips/pixel).");
  EXPECT_EQ(DisplayScaleLine(12, 12), "Large fonts have been detected (12 twips/pixel).");
  EXPECT_EQ(DisplayScaleLine(10, 10), "Custom fonts detected (X = 10 and Y = 10 twips/pixel).");
  const AboutTexts texts = BuildAboutTexts(15, 15);
  EXPECT_TRUE(texts.top.startsWith("Kestrel (02 Jan 19)"));
  EXPECT_TRUE(texts.left.startsWith("Kestrel32\nKestrelHelp32.pdf\nlibOsprey32.so\n"));
  // Nothing of another platform is named.
  for (const QString& text : {texts.top, texts.left, texts.bottom})
    for (const char* wrong : {"Windows 3", "Windows 10", ".EXE", ".DLL"})
      EXPECT_FALSE(text.contains(wrong, Qt::CaseInsensitive)) << text.toStdString();

  WindowRig rig;
  FrmKestrel& w = *rig.window;
  bool sawPanel = false;
  rig.user = [&](int code) {
    if (code != kWaitContinue) return;
    sawPanel = w.frameAbout->isVisible() && !w.mnuHelpAbout->isEnabled() && w.KeyMode() == kKeyAbout;
    EXPECT_EQ(w.VisibleMessage().left(17), "About the program");
    EXPECT_EQ(w.imgAboutCardLeft->Tag(), std::string({'F', char(30)}));
    QTest::keyClick(&w, Qt::Key_Return);
  };
  w.mnuHelpAbout->trigger();
  EXPECT_TRUE(sawPanel);
  EXPECT_FALSE(w.frameAbout->isVisible());
  EXPECT_TRUE(w.mnuHelpAbout->isEnabled());
  EXPECT_EQ(w.KeyMode(), kKeyPlay);
  EXPECT_EQ(w.imgAboutCardLeft->Tag(), "");
}

TEST(Window, MissingHelpDocumentIsReported) {
  WindowRig rig;
  rig.window->mnuHelpContents->trigger();
  ASSERT_EQ(rig.boxes.size(), 1u);
  EXPECT_EQ(rig.boxes[0], "Unable to open: " + FrmKestrel::HelpDocumentPath().toStdString());
}

TEST(Window, OptionsMenuCarriesEveryGroup) {
  WindowRig rig;
  FrmKestrel& w = *rig.window;
  EXPECT_EQ(w.mnuOptionsHints->shortcut(), QKeySequence("Ctrl+H"));
  EXPECT_EQ(w.mnuOptionsSort->shortcut(), QKeySequence("Ctrl+O"));
  EXPECT_FALSE(w.mnuOptionsNonStop->isVisible());
  ASSERT_EQ(w.mnuOptionsPenaltyAry.size(), 3u);
  EXPECT_EQ(w.mnuOptionsPenaltyAry[2]->text(), "Penalties and &Muggins");
  w.mnuOptionsPenaltyAry[2]->trigger();
  EXPECT_EQ(rig.options.intPenalty, 2);
  EXPECT_TRUE(w.mnuOptionsPenaltyAry[2]->isChecked());
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
  w.ApplyLock();
  EXPECT_FALSE(w.mnuOptions->menuAction()->isEnabled());
  EXPECT_FALSE(w.mnuFileNewMatch->isEnabled());
}

}  // namespace
}  // namespace kestrel::testing

namespace kestrel::testing {
namespace {

TEST(Window, ClickOnThePlayerNameOpensChangePlayer) {
  WindowRig rig;
  FrmKestrel& w = *rig.window;
  QTest::mouseClick(w.lblName, Qt::LeftButton);
  for (int i = 0; i < 50 && !w.mnuFilePlayer->isVisible(); ++i) QTest::qWait(20);
  EXPECT_TRUE(w.mnuFile->isVisible());
  EXPECT_EQ(w.mnuFile->activeAction(), w.mnuFilePlayer->menuAction());
  EXPECT_TRUE(w.mnuFilePlayer->isVisible());
  w.mnuFilePlayer->hide();
  w.mnuFile->hide();
  // Escape minimises the window.
  QTest::keyClick(&w, Qt::Key_Escape);
  EXPECT_TRUE(w.isMinimized());
}

}  // namespace
}  // namespace kestrel::testing

namespace kestrel::testing {
namespace {

TEST(Window, AVisibleEntryBoxKeepsTheFocus) {
  WindowRig rig;
  FrmKestrel& w = *rig.window;
  w.activateWindow();
  if (!QTest::qWaitForWindowActive(&w)) GTEST_SKIP() << "no active window on this platform";
  w.frameSeed->show();
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

}  // namespace
}  // namespace kestrel::testing

// frmKestrel: the wait, the message line, the button and Keyboard menu, the
// keys and typed characters, and pegging by hand with the keys.
#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QTimer>

#include "game/peg_keys.h"
#include "ui/frm_kestrel.h"
#include "ui/key_table.h"

namespace kestrel {

// ---------------------------------------------------------------- the wait

bool FrmKestrel::WaitForUser(const QString& message, int16_t code) {
  state_.intWaitState = code;
  ShowMessage(message);
  DrawButtonStrip();
  UpdateKeyboardMenu();
  PumpWhileWaiting(code);
  UpdateKeyboardMenu();
  DrawButtonStrip();
  if (state_.intWaitState == -code) {
    ShowMessage(QString());
    return true;
  }
  return false;
}

void FrmKestrel::PumpWhileWaiting(int16_t code) {
  // Blocks on the window system's events; the half-second timer wakes the
  // loop only for the deck animation, so a waiting game uses no processor.
  QEventLoop loop;
  QTimer animation;
  animation.setInterval(500);
  connect(&animation, &QTimer::timeout, this, [this] { AdvanceBackAnimation(); });
  animation.start();
  while (state_.intWaitState == code && !blnUnloading_) {
    if (onWaitPass) {
      onWaitPass(code);
      loop.processEvents(QEventLoop::AllEvents);
      if (state_.intWaitState != code || blnUnloading_) break;
    }
    if (options_.blnNonStop && ButtonEnabled()) {
      loop.processEvents(QEventLoop::AllEvents);
      if (state_.intWaitState != code || blnUnloading_) break;
      if (state_.intGamesPlayed < 1000) DoAutomatic();
      else ToggleNonStop();
      continue;
    }
    loop.processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
  }
}

void FrmKestrel::AdvanceBackAnimation() {
  // The dog-ear deck's backs speckle in four phases while the player is
  // asked to use a deck; the renderer reads the phase.
  if (options_.intDeckStyle != 1) return;
  intBackAnimation_ = 0x10000 | ((intBackAnimation_ + 1) & 3);
  if (onBackAnimation) onBackAnimation(intBackAnimation_);
}

void FrmKestrel::RunMatchLoop() {
  if (loopRunning_ || !playMatch_) return;
  loopRunning_ = true;
  while (!blnUnloading_) playMatch_();
  loopRunning_ = false;
}

bool FrmKestrel::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate && !activated_) {
    activated_ = true;
    // The match runs from the first activation for as long as the program lives.
    QTimer::singleShot(0, this, [this] {
      RunMatchLoop();
      if (blnUnloading_) QCoreApplication::quit();
    });
  }
  return QMainWindow::event(event);
}

void FrmKestrel::closeEvent(QCloseEvent* event) {
  // Unloading: settings and the match state are written back, and every
  // wait in progress is abandoned so that the game unwinds without scoring.
  blnUnloading_ = true;
  if (!shutdownDone_) {
    shutdownDone_ = true;
    if (onShutdown) onShutdown();
  }
  state_.intWaitState = kWaitNone;
  event->accept();
  if (!loopRunning_) QTimer::singleShot(0, qApp, [] { QCoreApplication::quit(); });
}

void FrmKestrel::AnswerWait() { state_.intWaitState = static_cast<int16_t>(-state_.intWaitState); }

// ----------------------------------------------- message line, button, menu

void FrmKestrel::ShowMessage(const QString& text) {
  // The message, a line break and the patter; a second line break is
  // followed by the patter's slot number, which is never shown.
  messageText_ = text;
  QStringList parts = QString(text).split('\r');
  while (parts.size() > 2) parts.removeLast();
  if (options_.intPatter == 0 && parts.size() > 1) parts.removeLast();
  lblMessage->setText(parts.join('\n'));
}

bool FrmKestrel::ButtonEnabled() const {
  const int w = state_.intWaitState;
  if (w == 1) return true;
  if (w == 2 || w == 3) return options_.blnAutoplay;
  if (w >= 4 && w <= 8) return options_.blnAutoscore;
  return false;
}

void FrmKestrel::DrawButtonStrip() { picButton->DrawButtonStrip(state_.intWaitState, ButtonEnabled()); }

void FrmKestrel::UpdateKeyboardMenu() {
  const int w = state_.intWaitState;
  const bool card = w == 2 || w == 3;
  const bool peg = w >= 4 && w <= 8;
  const bool cont = w == 1;
  mnuKeyboardCardRight->setEnabled(card);
  mnuKeyboardCardLeft->setEnabled(card);
  mnuKeyboardCardSelect->setEnabled(card);
  for (int i = 1; i <= 3; ++i) mnuKeyboardPeg[i]->setEnabled(peg);
  mnuKeyboardContinue->setEnabled(cont);
  mnuKeyboardAutomatic->setEnabled(cont || (card && options_.blnAutoplay) ||
                                   (peg && options_.blnAutoscore));
  mnuKeyboardMinimize->setEnabled(true);
}

void FrmKestrel::MoveCardCursor(int position, int waitState) {
  const int p = WrapCardCursor(position, waitState, state_.intPlayerCardsLeft);
  state_.intCursorCard = static_cast<int16_t>(p);
  imgBlackHz->move(40 * p + 9, imgBlackHz->y());
  imgBlackVt->move(40 * (p + 1) + 3, imgBlackVt->y());
  std::string code(1, 'P');
  code += std::to_string(p);
  imgBlackHz->RenderCode(code);
  imgBlackVt->RenderCode(code);
  imgBlackHz->show();
  imgBlackVt->show();
  imgBlackHz->lower();
  imgBlackVt->lower();
}

void FrmKestrel::HideCardCursor() {
  imgBlackHz->hide();
  imgBlackVt->hide();
}

void FrmKestrel::DoAutomatic() {
  if (!ButtonEnabled()) return;
  if (onAutomatic) {
    onAutomatic();
    return;
  }
  switch (state_.intWaitState) {
    case 1: break;
    case 2:
      if (state_.intSelectedCard == state_.intHintCard1) state_.intSelectedCard = state_.intHintCard2;
      else state_.intSelectedCard = state_.intHintCard1;
      break;
    case 3: state_.intPlayedCard = state_.intHintCard1; break;
    case 4: case 5: case 6: case 7: case 8:
      picBoard->PlacePeg(picBoard->imgGreen[0], state_.intPlayerScore + state_.intPointsToPeg);
      break;
    default: return;
  }
  AnswerWait();
}

void FrmKestrel::CardSelect() {
  if (state_.intWaitState != 2 && state_.intWaitState != 3) return;
  if (onCardClicked && state_.intCursorCard >= 0) onCardClicked(state_.intCursorCard);
}

void FrmKestrel::Continue() {
  if (state_.intWaitState == 1) state_.intWaitState = -1;
}

void FrmKestrel::ToggleNonStop() {
  options_.blnNonStop = !options_.blnNonStop;
  mnuOptionsNonStop->setChecked(options_.blnNonStop);
  if (onOptionChanged) onOptionChanged(mnuOptionsNonStop);
}

void FrmKestrel::SetKeyMode(int mode) {
  intKeyMode_ = mode;
  txtHistory->hide();
  txtSeed->hide();
  txtPlayer->hide();
  QWidget* box = mode == kKeyHistory ? static_cast<QWidget*>(txtHistory)
                 : mode == kKeySeed  ? static_cast<QWidget*>(txtSeed)
                 : mode == kKeyPlayerName ? static_cast<QWidget*>(txtPlayer)
                                          : nullptr;
  if (box) {
    box->show();
    box->setFocus();
  } else {
    client->setFocus();
  }
}

// ------------------------------------------------------------ pegging by hand

void FrmKestrel::ShowPegs() {
  picBoard->PlacePeg(picBoard->imgRed[0], state_.intComputerBackPeg);
  picBoard->PlacePeg(picBoard->imgRed[1], state_.intComputerScore);
  picBoard->PlacePeg(picBoard->imgGreen[0], state_.intPlayerBackPeg);
  picBoard->PlacePeg(picBoard->imgGreen[1], state_.intPlayerScore);
}

void FrmKestrel::BeginPegPrompt() {
  imgStartPtr->setVisible(state_.intPlayerBackPeg < 0);
  picBoard->SetBackPegDraggable(true);
  picBoard->PlacePeg(picBoard->imgPegTarget, state_.intPlayerScore + state_.intPointsToPeg);
  SetPegHint();
}

void FrmKestrel::EndPegPrompt() {
  picBoard->SetBackPegDraggable(false);
  imgStartPtr->hide();
}

void FrmKestrel::SetPegHint() {
  picBoard->SetPegHint(options_.blnHints && state_.intPointsToPeg >= 1);
}

int FrmKestrel::BackPegReading() const {
  return ReadPegHole(picBoard->PegScoreAt(picBoard->imgGreen[0]), state_.intPlayerScore);
}

void FrmKestrel::SetCardHint(int slot1, int slot2) {
  for (int k = 0; k < 6; ++k) {
    const bool hinted = options_.blnHints && (k == slot1 || k == slot2);
    if (hinted) imgLoCard[k]->setCursor(Qt::IBeamCursor);
    else imgLoCard[k]->unsetCursor();
  }
}

void FrmKestrel::PegAhead() {
  if (state_.intWaitState < 4 || state_.intWaitState > 8) return;
  picBoard->PlacePeg(picBoard->imgGreen[0],
                     PegAheadHole(picBoard->PegScoreAt(picBoard->imgGreen[0]), state_.intPlayerScore));
}

void FrmKestrel::PegBack() {
  if (state_.intWaitState < 4 || state_.intWaitState > 8) return;
  picBoard->PlacePeg(picBoard->imgGreen[0],
                     PegBackHole(picBoard->PegScoreAt(picBoard->imgGreen[0]), state_.intPlayerScore));
}

void FrmKestrel::PegAnchor() {
  if (state_.intWaitState < 4 || state_.intWaitState > 8) return;
  AnswerWait();
}

// -------------------------------------------------------------- keys

bool FrmKestrel::eventFilter(QObject* watched, QEvent* event) {
  auto* widget = qobject_cast<QWidget*>(watched);
  if (!widget || widget->window() != this) return QMainWindow::eventFilter(watched, event);
  if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (HandleKeyDown(key)) return true;
    if (HandleCharacter(key)) return true;
  } else if (event->type() == QEvent::FocusOut) {
    // A visible entry box keeps the focus.
    auto* focus = static_cast<QFocusEvent*>(event);
    if ((widget == txtHistory || widget == txtSeed || widget == txtPlayer) && widget->isVisible() &&
        focus->reason() != Qt::PopupFocusReason && focus->reason() != Qt::ActiveWindowFocusReason)
      QTimer::singleShot(0, widget, [widget] {
        if (widget->isVisible()) widget->setFocus();
      });
  }
  return QMainWindow::eventFilter(watched, event);
}

bool FrmKestrel::HandleKeyDown(QKeyEvent* key) {
  switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if ((key->modifiers() & Qt::ShiftModifier) && txtHistory->isVisible()) return false;
      PegAnchor();
      CardSelect();
      Continue();
      return true;
    case Qt::Key_Right: mnuKeyboardCardRight->trigger(); return false;
    case Qt::Key_Left: mnuKeyboardCardLeft->trigger(); return false;
    case Qt::Key_Up: PegAhead(); return false;
    case Qt::Key_Down: PegBack(); return false;
    case Qt::Key_Escape: showMinimized(); return false;
    case Qt::Key_F10:
      if ((key->modifiers() & Qt::ControlModifier) && state_.blnAllowCtrlF10) {
        if (options_.blnAutoplay && options_.blnAutoscore) ToggleNonStop();
        return true;
      }
      DoAutomatic();
      return true;
    default: return false;
  }
}

bool FrmKestrel::HandleCharacter(QKeyEvent* key) {
  const QString text = key->text();
  if (text.isEmpty()) return false;
  const QChar c = text.at(0);
  if (intKeyMode_ == kKeyDeckView) {
    const int card = DeckCardOfLetter(c);
    if (card >= 0 && onDeckCardClicked) onDeckCardClicked(card);
    return true;
  }
  if (!c.isPrint() && c.unicode() != 8) return false;  // editing keys pass
  return !CharacterPasses(intKeyMode_, c);
}

}  // namespace kestrel

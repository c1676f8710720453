// frmKestrel: the host side of the wait (blocking event dispatch and the
// deck animation), painting from the table model, the button and Keyboard
// menu, the keys and typed characters, and the shutdown.
#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QMenuBar>
#include <QTimer>

#include "game/match_controller.h"
#include "game/session.h"
#include "patter/patter.h"
#include "ui/frm_kestrel.h"
#include "ui/panel_view.h"
#include "ui/key_table.h"

namespace kestrel {

// ---------------------------------------------------------------- the wait

void FrmKestrel::PumpEvents(bool mayBlock) {
  const int16_t pending = state_.intWaitState;
  if (onWaitPass) onWaitPass(pending);
  // A wait the scripted user has just answered must not block: the answer
  // need not have posted any event.
  if (state_.intWaitState != pending) mayBlock = false;
  // Blocks on the window system's events; the half-second timer (running
  // only for the dog-ear deck) is the only other thing that wakes the loop,
  // so a waiting game uses no processor time.
  if (!animationTimer_->isActive() && options_.intDeckStyle == kDeckDogEar) animationTimer_->start();
  QEventLoop::ProcessEventsFlags flags = QEventLoop::AllEvents;
  if (mayBlock && !blnUnloading_) flags |= QEventLoop::WaitForMoreEvents;
  QCoreApplication::processEvents(flags);
  if (blnUnloading_) state_.intWaitState = kWaitNone;
}

void FrmKestrel::AdvanceBackAnimation() {
  // The dog-ear backs speckle in four phases on the pack the message asks
  // the player to use.
  if (options_.intDeckStyle != kDeckDogEar || state_.intWaitState <= 0) {
    animationTimer_->stop();
    return;
  }
  intBackAnimation_ = kBackAnimationSpeckled | ((intBackAnimation_ + 1) & 3);
  renderer_.SetBackAnimation(static_cast<int16_t>(intBackAnimation_));
  using Pack = TableModel::Pack;
  if (animatedPack_ == Pack::CutForDeal) imgLoCard[8]->Refresh();
  else if (animatedPack_ == Pack::Computer) imgRightBack->Refresh();
  else if (animatedPack_ == Pack::Player) imgLeftBack->Refresh();
  renderer_.SetBackAnimation(0);
}

void FrmKestrel::RunMatchLoop() {
  if (loopRunning_ || !playMatch_) return;
  loopRunning_ = true;
  while (!blnUnloading_) playMatch_();
  loopRunning_ = false;
}

bool FrmKestrel::event(QEvent* event) {
  // The match runs from the first activation for as long as the program
  // lives. Without a window manager a window is never activated, so the
  // first showing starts it as well.
  if ((event->type() == QEvent::WindowActivate || event->type() == QEvent::Show) && !activated_ &&
      playMatch_) {
    activated_ = true;
    QTimer::singleShot(0, this, [this] {
      RunMatchLoop();
      if (blnUnloading_) QCoreApplication::quit();
    });
  }
  return QMainWindow::event(event);
}

void FrmKestrel::closeEvent(QCloseEvent* event) {
  // Unloading: any game-over sound stops, the settings and the match state
  // are written back, and every wait in progress is abandoned so that the
  // game unwinds at once without scoring.
  blnUnloading_ = true;
  if (!shutdownDone_) {
    shutdownDone_ = true;
    StopSound();
    if (onShutdown) onShutdown();
  }
  state_.intWaitState = kWaitNone;
  event->accept();
  if (!loopRunning_ && activated_) QTimer::singleShot(0, qApp, [] { QCoreApplication::quit(); });
}

// -------------------------------------------------------- painting the model

void FrmKestrel::Redraw(const TableModel& model, unsigned parts) {
  if (parts & kPartCards) DrawCards(model);
  if (parts & kPartPegs) DrawPegs(model);
  if (parts & kPartCursor) DrawCursor(model);
  if (parts & kPartMessage) ShowMessage(model);
  if (parts & kPartButton) DrawButton(model);
  if (parts & kPartDetails) {
    lblDetails->setText(QString::fromStdString(model.detailsText).replace('\r', ""));
    frameDetails->setVisible(model.detailsVisible);
    if (model.detailsVisible) frameDetails->raise();
  }
  if (parts & kPartCaption) {
    if (!isMinimized()) setWindowTitle(QString::fromStdString(model.caption));
  }
  if (parts & kPartPlayer) DrawPlayer(model);
}

void FrmKestrel::DrawPlayer(const TableModel& model) {
  // The name beside its prompt, and the recent players: item 1 is the
  // current one; only items that hold a name are shown.
  lblName->setText(QString::fromStdString(model.playerName));
  for (int i = 1; i <= 12; ++i) {
    const bool filled = i <= static_cast<int>(model.playerMenu.size());
    mnuFilePlayerList[i]->setText(filled ? QString::fromStdString(model.playerMenu[static_cast<size_t>(i - 1)])
                                         : QString());
    mnuFilePlayerList[i]->setVisible(filled);
  }
}

void FrmKestrel::DrawCards(const TableModel& model) {
  auto draw = [](CardImage* element, const CardElement& card) {
    if (element->Tag() != card.code) element->RenderCode(card.code);
    element->setVisible(card.visible);
  };
  for (int k = 0; k < 12; ++k) draw(imgLoCard[k], model.loCard[k]);
  for (int k = 0; k < 8; ++k) draw(imgHiCard[k], model.hiCard[k]);
  draw(imgLeftBack, model.leftBack);
  draw(imgRightBack, model.rightBack);
  draw(imgLeftCut, model.leftCut);
  draw(imgRightCut, model.rightCut);
  lblLeftGo->setVisible(model.leftGoVisible);
  lblRightGo->setVisible(model.rightGoVisible);
  lblCount->setText(QString::number(model.countValue));
  if (model.countPlace >= 0 && model.countPlace < 8)
    lblCount->move(imgHiCard[model.countPlace]->x() + 40, lblCount->y());
  lblCount->setVisible(model.countVisible);
  lineUnderscore->setVisible(model.underlineVisible);
  if (model.underlineVisible && model.underlineFirstPlace >= 0 && model.underlineFirstPlace + 3 < 12) {
    // From the left edge of the first counted place to the right edge of the
    // fourth: the crib's places 4 and 5 and 6 and 7 stand on either side of
    // the gap in the middle of the row.
    const CardImage* first = imgLoCard[model.underlineFirstPlace];
    const CardImage* last = imgLoCard[model.underlineFirstPlace + 3];
    lineUnderscore->setGeometry(first->x() + 1, first->y() + first->height() + 4,
                                last->x() + last->width() - first->x() - 1, 2);
  }
}

void FrmKestrel::DrawPegs(const TableModel& model) {
  picBoard->PlacePeg(PegElement::Red0, model.computerBackPeg);
  picBoard->PlacePeg(PegElement::Red1, model.computerScore);
  picBoard->PlacePeg(PegElement::Green0, model.playerClaim);
  picBoard->PlacePeg(PegElement::Green1, model.playerScore);
  const bool target = model.targetHole > -1000;
  if (target) picBoard->PlacePeg(PegElement::Target, model.targetHole);
  picBoard->SetPegVisible(PegElement::Target, target);
  if (target && model.targetInFront) picBoard->BringToFront(PegElement::Target);
  else picBoard->SendToBack(PegElement::Target);
  picBoard->BringToFront(PegElement::Green0);
  picBoard->SetHintsEnabled(model.hintsOn);
  picBoard->SetBackPegDraggable(model.backPegDraggable);
  imgStartPtr->setVisible(model.startArrowVisible);
}

void FrmKestrel::DrawCursor(const TableModel& model) {
  if (model.cursorVisible) {
    const int p = model.cursorSlot;
    imgBlackHz->move(40 * p + 9, imgBlackHz->y());
    imgBlackVt->move(40 * (p + 1) + 3, imgBlackVt->y());
    std::string code(1, 'P');
    code += std::to_string(p);
    imgBlackHz->RenderCode(code);
    imgBlackVt->RenderCode(code);
    imgBlackHz->lower();
    imgBlackVt->lower();
  }
  imgBlackHz->setVisible(model.cursorVisible);
  imgBlackVt->setVisible(model.cursorVisible);
  // The I-beam over the engine's suggested cards while a card is chosen.
  const bool choosing = model.waitState == kWaitDiscard || model.waitState == kWaitPlay;
  for (int k = 0; k < 6; ++k) {
    const bool hinted = choosing && model.hintsOn && (k == model.hintSlot1 || k == model.hintSlot2);
    if (hinted) imgLoCard[k]->setCursor(Qt::IBeamCursor);
    else imgLoCard[k]->unsetCursor();
  }
}

// ----------------------------------------------- message line, button, menu

void FrmKestrel::ShowMessage(const TableModel& model) {
  // The message, and on a second line the remark unless patter is hidden.
  std::string text = model.message;
  if (model.patterVisible && model.patterSlot >= 0) text += "\r" + model.patterText;
  lblMessage->setText(QString::fromStdString(text).replace('\r', '\n'));
  animatedPack_ = model.animatedPack;
  if (!text.empty() && options_.intDeckStyle == kDeckDogEar && !animationTimer_->isActive())
    animationTimer_->start();
}

void FrmKestrel::DrawButton(const TableModel& model) {
  picButton->DrawButtonStrip(QString::fromStdString(model.buttonCaption), model.buttonIcon, model.buttonEnabled);
  mnuKeyboardCardRight->setEnabled(model.keyCardEnabled);
  mnuKeyboardCardLeft->setEnabled(model.keyCardEnabled);
  mnuKeyboardCardSelect->setEnabled(model.keyCardEnabled);
  for (int i = 1; i <= 3; ++i) mnuKeyboardPeg[i]->setEnabled(model.keyPegEnabled);
  mnuKeyboardContinue->setEnabled(model.keyContinueEnabled);
  mnuKeyboardAutomatic->setEnabled(model.buttonEnabled);
  mnuKeyboardMinimize->setEnabled(true);
}

void FrmKestrel::SetKeyMode(int mode) {
  intKeyMode_ = mode;
  txtHistory->hide();
  txtSeed->hide();
  txtPlayer->hide();
  QWidget* box = mode == kKeyHistory      ? static_cast<QWidget*>(txtHistory)
                 : mode == kKeySeed       ? static_cast<QWidget*>(txtSeed)
                 : mode == kKeyPlayerName ? static_cast<QWidget*>(txtPlayer)
                                          : nullptr;
  if (box) {
    box->show();
    // A box on the game panel gets keys through the view that shows the
    // panel: the view must hold the window's focus too.
    if (box->window() == picContainer) panelView->setFocus();
    box->setFocus();
  } else {
    client->setFocus();
  }
}

// -------------------------------------------------------------- keys

bool FrmKestrel::eventFilter(QObject* watched, QEvent* event) {
  auto* widget = qobject_cast<QWidget*>(watched);
  // The window's own elements, and those of the game panel, which the
  // panel view shows as a window of its own.
  if (!widget || (widget->window() != this && widget->window() != picContainer))
    return QMainWindow::eventFilter(watched, event);
  if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (HandleKeyDown(widget, key)) return true;
    if (HandleCharacter(key)) return true;
  } else if (event->type() == QEvent::MouseButtonPress && (widget == lblName || widget == lblNamePrompt)) {
    OpenPlayerMenu();
    return true;
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

void FrmKestrel::OpenPlayerMenu() {
  // As if Alt+F, C were typed: the File menu opens, then "C" opens Change
  // Player once the menu is on screen.
  if (!mnuFilePlayer->menuAction()->isEnabled()) return;
  menuBar()->setActiveAction(mnuFile->menuAction());
  QTimer::singleShot(100, this, [this] { TypeChangePlayerKey(5); });
}

void FrmKestrel::TypeChangePlayerKey(int triesLeft) {
  if (!mnuFile->isVisible()) {
    if (triesLeft > 0) QTimer::singleShot(100, this, [this, triesLeft] { TypeChangePlayerKey(triesLeft - 1); });
    return;
  }
  QKeyEvent press(QEvent::KeyPress, Qt::Key_C, Qt::NoModifier, "c");
  QCoreApplication::sendEvent(mnuFile, &press);
}

bool FrmKestrel::HandleKeyDown(QWidget* receiver, QKeyEvent* key) {
  // The window sees every key before its elements do. A key an element does
  // not take travels on to the element's parents, and the filter would see
  // it again at each of them: the arrows and Escape act where they first
  // arrive and are consumed there, except in a visible entry box, which
  // keeps them for its own text cursor (its parents then leave them alone).
  // The menu bar keeps its own arrows while it is being driven by keys.
  const bool menuBar = qobject_cast<QMenuBar*>(receiver) != nullptr;
  QWidget* box = VisibleEntryBox();
  const bool first = !menuBar && (box == nullptr || receiver == box);
  const bool keep = menuBar || box != nullptr;
  switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if ((key->modifiers() & Qt::ShiftModifier) && txtHistory->isVisible()) return false;
      controller_->PegAnchor();
      controller_->CardSelect();
      controller_->PressContinue();
      return true;
    case Qt::Key_Right:
      if (first) controller_->CardRight();
      return !keep;
    case Qt::Key_Left:
      if (first) controller_->CardLeft();
      return !keep;
    case Qt::Key_Up:
      if (first) controller_->PegAhead();
      return !keep;
    case Qt::Key_Down:
      if (first) controller_->PegBack();
      return !keep;
    case Qt::Key_Escape:
      if (first) showMinimized();
      return !keep;
    case Qt::Key_F10:
      // Non-Stop Play is an option: in locked play Ctrl+F10 acts as F10.
      if ((key->modifiers() & Qt::ControlModifier) && !(session_ && session_->Locked()) &&
          controller_->ToggleNonStop())
        return true;
      controller_->DoAutomatic();
      return true;
    default: return false;
  }
}

QWidget* FrmKestrel::VisibleEntryBox() const {
  for (QWidget* box : {static_cast<QWidget*>(txtHistory), static_cast<QWidget*>(txtSeed),
                       static_cast<QWidget*>(txtPlayer)})
    if (box && box->isVisible()) return box;
  return nullptr;
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

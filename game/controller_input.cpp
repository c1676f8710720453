// The controller's input functions: what a click, a peg drop, a key or the
// action button does. Each only records the choice in the game state and
// answers the pending wait by storing the negated code.
#include <algorithm>

#include "game/cards.h"
#include "game/match_controller.h"
#include "game/table_places.h"
#include "settings/options.h"

namespace kestrel {

void MatchController::ClickLowerPlace(int place) {
  const int code = state_.intWaitState;
  // Lower place 8 answers a Continue only while it holds the pack (the cut
  // for deal); at the cut for the starter it holds a card of the computer's.
  if (code == kWaitContinue && model_.deckClickable && place == 8 &&
      model_.loCard[8].code == EmptyBackCode()) {
    state_.intWaitState = -kWaitContinue;
  } else if (code == kWaitDiscard && place >= 0 && place <= 5) {
    const int position = HandPositionOfPlace(model_, state_, place);
    if (position < 0) return;
    state_.intSelectedCard = static_cast<int16_t>(position);
    state_.intWaitState = -kWaitDiscard;
  } else if (code == kWaitPlay && place >= 0 && place <= 3 && place < state_.intPlayerCardsLeft) {
    const int position = HandPositionOfPlace(model_, state_, place);
    if (position < 0 || position >= state_.intPlayerCardsLeft) return;
    if (state_.intCount + CardValue(static_cast<unsigned char>(state_.strPlayerHand[position])) > 31) return;
    state_.intPlayedCard = static_cast<int16_t>(position);
    state_.intWaitState = -kWaitPlay;
  }
}

void MatchController::ClickDeck() {
  if (state_.intWaitState == kWaitContinue && model_.deckClickable) state_.intWaitState = -kWaitContinue;
}

namespace {
bool IsPegWait(int code) { return code >= kWaitPegHeels && code <= kWaitPegCrib; }
}  // namespace

void MatchController::DropBackPeg(int hole) {
  if (!IsPegWait(state_.intWaitState) || !model_.backPegDraggable) return;
  model_.playerClaim = hole == state_.intPlayerScore ? state_.intPlayerScore - 1 : hole;
  state_.intWaitState = static_cast<int16_t>(-state_.intWaitState);
}

void MatchController::DropOnTarget() {
  if (!IsPegWait(state_.intWaitState) || !model_.backPegDraggable) return;
  model_.playerClaim = model_.targetHole;
  state_.intWaitState = static_cast<int16_t>(-state_.intWaitState);
}

void MatchController::DropOnGreenPeg() {
  if (!IsPegWait(state_.intWaitState) || !model_.backPegDraggable) return;
  state_.intWaitState = static_cast<int16_t>(-state_.intWaitState);
}

void MatchController::PegAhead() {
  if (!IsPegWait(state_.intWaitState)) return;
  const int s = ReadClaim();
  model_.playerClaim = s <= state_.intPlayerScore ? state_.intPlayerScore + 1 : std::min(s + 1, 121);
  Update(kPartPegs);
}

void MatchController::PegBack() {
  if (!IsPegWait(state_.intWaitState)) return;
  const int s = ReadClaim();
  model_.playerClaim = s > state_.intPlayerScore + 1 ? s - 1 : state_.intPlayerScore - 1;
  Update(kPartPegs);
}

void MatchController::PegAnchor() {
  if (!IsPegWait(state_.intWaitState)) return;
  state_.intWaitState = static_cast<int16_t>(-state_.intWaitState);
}

void MatchController::PressContinue() {
  if (state_.intWaitState == kWaitContinue) state_.intWaitState = -kWaitContinue;
}

void MatchController::DoAutomatic() {
  if (!ButtonEnabled()) return;
  const int code = state_.intWaitState;
  if (code == kWaitContinue) {
    state_.intWaitState = -kWaitContinue;
  } else if (code == kWaitDiscard) {
    if (state_.intSelectedCard == state_.intHintCard1)
      state_.intSelectedCard = state_.intHintCard2;
    else
      state_.intSelectedCard = state_.intHintCard1;
    state_.intWaitState = -kWaitDiscard;
  } else if (code == kWaitPlay) {
    state_.intPlayedCard = state_.intHintCard1;
    state_.intWaitState = -kWaitPlay;
  } else if (IsPegWait(code)) {
    model_.playerClaim = state_.intPlayerScore + state_.intPointsToPeg;
    state_.intWaitState = static_cast<int16_t>(-code);
  }
}

bool MatchController::ToggleNonStop() {
  if (!state_.blnAllowCtrlF10) return false;
  if (options_.blnAutoplay && options_.blnAutoscore) {
    options_.blnNonStop = !options_.blnNonStop;
    host_.OptionsChanged();
  }
  return true;
}

void MatchController::MoveCardCursor(int position) {
  const int last = state_.intWaitState == kWaitDiscard ? 5 : state_.intPlayerCardsLeft - 1;
  if (position > last) position = 0;
  if (position < 0) position = std::max(last, 0);
  state_.intCursorCard = static_cast<int16_t>(position);
  model_.cursorSlot = position;
  model_.cursorVisible = true;
  Update(kPartCursor);
}

void MatchController::CardRight() {
  if (state_.intWaitState == kWaitDiscard || state_.intWaitState == kWaitPlay) MoveCardCursor(state_.intCursorCard + 1);
}

void MatchController::CardLeft() {
  if (state_.intWaitState == kWaitDiscard || state_.intWaitState == kWaitPlay) MoveCardCursor(state_.intCursorCard - 1);
}

void MatchController::CardSelect() {
  if (state_.intWaitState == kWaitDiscard || state_.intWaitState == kWaitPlay) ClickLowerPlace(state_.intCursorCard);
}

void MatchController::ShowMessageLine(const MessageLine& line) {
  SetMessage(line);
  Update(kPartMessage);
}

void MatchController::NewMatch() { state_.intWaitState = kWaitNone; }

}  // namespace kestrel

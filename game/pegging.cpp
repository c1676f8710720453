// The pegging phase of the match controller: turns, the count, Go, 31 and
// the last card, and the cards played on the table.
#include <algorithm>

#include "game/cards.h"
#include "game/match_controller.h"
#include "game/table_places.h"
#include "settings/options.h"
#include "stats/log_records.h"

namespace kestrel {

bool MatchController::CanPlay(const std::string& hand, int cardsLeft) const {
  return FirstPlayable(hand, cardsLeft) < 0;
}

int MatchController::FirstPlayable(const std::string& hand, int cardsLeft) const {
  for (int i = 0; i < cardsLeft && i < static_cast<int>(hand.size()); ++i)
    if (state_.intCount + CardValue(static_cast<unsigned char>(hand[i])) < 32) return i;
  return -1;
}

bool MatchController::PlayPegging() {
  state_.intPlayerCardsLeft = 4;
  state_.intComputerCardsLeft = 4;
  ResetCount(false);
  state_.blnPlayerTurn = !state_.blnPlayerDeals;
  state_.intCursorCard = 0;
  state_.intPhase = 4;
  ShowHandsNow(true, true);
  Update(kPartCards);
  for (;;) {
    if (state_.intPlayerCardsLeft == 0 && state_.intComputerCardsLeft == 0 && state_.intCount == 0) {
      state_.intPhase = 5;
      return true;
    }
    const bool player = state_.blnPlayerTurn;
    const std::string& hand = player ? state_.strPlayerHand : state_.strComputerHand;
    const int left = player ? state_.intPlayerCardsLeft : state_.intComputerCardsLeft;
    if (!CanPlay(hand, left)) {
      if (!(player ? PlayerPlays() : ComputerPlays())) return false;
      const int points = decisions_.ScorePlay(state_.strPegSequence);
      const bool scored = player ? PromptPlayerScore(std::max(points, 0), kScorePlay)
                                 : AnnounceComputerScore(std::max(points, 0), kScorePlay);
      if (!scored) return false;
      recorder_->RecordDecision(-1, 0);
    } else {
      SayGo(player);
    }
    if (state_.intCount == 31) {
      ResetCount(true);
    } else if (state_.blnPlayerGo && state_.blnComputerGo) {
      const bool scored = player ? PromptPlayerScore(1, kScoreGo) : AnnounceComputerScore(1, kScoreGo);
      if (!scored) return false;
      recorder_->RecordDecision(-1, 0);
      ResetCount(true);
    }
    state_.blnPlayerTurn = !state_.blnPlayerTurn;
  }
}

bool MatchController::ComputerPlays() {
  const int left = state_.intComputerCardsLeft;
  auto fits = [&](int position) {
    return position >= 1 && position <= left &&
           state_.intCount + CardValue(static_cast<unsigned char>(state_.strComputerHand[position - 1])) <= 31;
  };
  int position = 0;
  if (state_.blnRestoring) {
    position = recorder_->NextRecordedValue();
    if (!fits(position)) state_.blnRestoring = false;  // a record that does not fit the cards: play on from here
  }
  if (!state_.blnRestoring) {
    host_.SetBusy(true);
    position = decisions_.ChoosePlay(state_, true);
    host_.SetBusy(false);
  }
  if (!fits(position)) position = FirstPlayable(state_.strComputerHand, left) + 1;  // an engine failure: any card that fits
  recorder_->RecordDecision(position, 0);
  PlayCardToTable(position, false);
  return true;
}

bool MatchController::PlayerPlays() {
  const int left = state_.intPlayerCardsLeft;
  host_.SetBusy(true);
  int hint = decisions_.ChoosePlay(state_, false) - 1;
  host_.SetBusy(false);
  if (hint < 0 || hint >= left ||
      state_.intCount + CardValue(static_cast<unsigned char>(state_.strPlayerHand[hint])) > 31)
    hint = FirstPlayable(state_.strPlayerHand, left);
  state_.intHintCard1 = static_cast<int16_t>(hint);
  state_.intHintCard2 = -1;
  state_.intCursorCard = static_cast<int16_t>(std::clamp<int>(state_.intCursorCard, 0, left - 1));
  ShowCursor(true);
  Update(kPartCursor);
  int played = -1;
  for (;;) {
    if (state_.blnRestoring) {
      played = recorder_->NextRecordedValue() - 1;
    } else {
      if (!WaitForUser("Play a card.", kWaitPlay)) {
        ShowCursor(false);
        return false;
      }
      played = state_.intPlayedCard;
    }
    if (played >= 0 && played < left &&
        state_.intCount + CardValue(static_cast<unsigned char>(state_.strPlayerHand[played])) <= 31)
      break;
    state_.blnRestoring = false;  // a choice that does not fit: ask again
  }
  int place = PlaceOfHandCard(model_, state_, played);
  if (place == left - 1) --place;
  state_.intCursorCard = static_cast<int16_t>(std::max(place, 0));
  state_.intHintCard1 = state_.intHintCard2 = -1;
  ShowCursor(false);
  PlayCardToTable(played + 1, true);
  recorder_->RecordDecision(played + 1, 0);
  return true;
}

void MatchController::PlayCardToTable(int position, bool isPlayer) {
  std::string& hand = isPlayer ? state_.strPlayerHand : state_.strComputerHand;
  int16_t& left = isPlayer ? state_.intPlayerCardsLeft : state_.intComputerCardsLeft;
  if (position < 1 || position > left) return;
  const char card = hand[position - 1];
  hand.erase(position - 1, 1);
  hand.insert(hand.begin() + (left - 1), card);
  --left;
  model_.loCard[isPlayer ? left : 11 - left].visible = false;
  ShowHandsNow(true, true);
  state_.strPegSequence += card;
  (isPlayer ? state_.strPlayerPlayed : state_.strComputerPlayed) += card;
  const int place = 7 - (state_.intPlayerCardsLeft + state_.intComputerCardsLeft);
  model_.hiCard[place] = CardElement{FaceUpCode(static_cast<unsigned char>(card)), true};
  state_.intCount = static_cast<int16_t>(state_.intCount + CardValue(static_cast<unsigned char>(card)));
  model_.countVisible = true;
  model_.countValue = state_.intCount;
  model_.countPlace = place;
  Update(kPartCards);
}

void MatchController::SayGo(bool isPlayer) {
  if (isPlayer) {
    model_.leftGoVisible = true;
    state_.blnPlayerGo = true;
  } else {
    model_.rightGoVisible = true;
    state_.blnComputerGo = true;
  }
  Update(kPartCards);
}

void MatchController::ResetCount(bool logSequence) {
  if (logSequence) {
    std::string text = CardsText(state_.strPegSequence, " ");
    while (!text.empty() && text.back() == ' ') text.pop_back();
    state_.strPegLog += text + ".";
  }
  state_.strPegSequence.clear();
  model_.countVisible = false;
  state_.intCount = 0;
  const int lastPlace = 7 - (state_.intPlayerCardsLeft + state_.intComputerCardsLeft);
  for (int p = 0; p <= lastPlace && p < 8; ++p) {
    const int card = CardOfCode(model_.hiCard[p].code);
    if (card >= 0) model_.hiCard[p].code = FaceDownCode(card);
  }
  model_.leftGoVisible = model_.rightGoVisible = false;
  state_.blnPlayerGo = state_.blnComputerGo = false;
  Update(kPartCards);
}

}  // namespace kestrel

// Scoring entry: the computer's announcements, the player's pegging by hand
// judged under the Scoring Mistakes option, the show and the scoring details.
#include <cstdlib>

#include "game/match_controller.h"
#include "game/table_places.h"
#include "patter/patter.h"
#include "settings/options.h"
#include "stats/activity_log.h"
#include "stats/statistics.h"

namespace kestrel {

namespace {

int PlayerPromptPatter(int category, int points) {
  switch (category) {
    case kScorePlay: return points >= 12 ? 15 : points >= 6 ? 14 : -1;
    case kScoreHand:
      return points == 0 ? 16 : points <= 3 ? 17 : points >= 25 ? 20 : points >= 20 ? 19 : points >= 15 ? 18 : -1;
    case kScoreCrib:
      return points == 0 ? 21 : points >= 25 ? 25 : points >= 21 ? 24 : points >= 17 ? 23 : points >= 12 ? 22 : -1;
    default: return -1;
  }
}

int ComputerAnnouncePatter(int category, int points) {
  switch (category) {
    case kScoreHeels: return 31;
    case kScorePlay: return points >= 12 ? 33 : points >= 6 ? 32 : -1;
    case kScoreHand:
      return points == 0 ? 34 : points <= 3 ? 35 : points >= 25 ? 38 : points >= 20 ? 37 : points >= 15 ? 36 : -1;
    case kScoreCrib:
      return points == 0 ? 39 : points >= 25 ? 43 : points >= 20 ? 42 : points >= 13 ? 41 : points >= 8 ? 40 : -1;
    default: return -1;
  }
}

}  // namespace

bool MatchController::AnnounceComputerScore(int points, int category) {
  if (state_.blnRestoring) return true;
  std::string message;
  switch (category) {
    case kScoreHeels: message = "I get 2 for the jack."; break;
    case kScorePlay:
      if (points == 0) return true;
      message = "I peg " + std::to_string(points) + " points.";
      break;
    case kScoreGo:
      message = state_.intPlayerCardsLeft == 0 && state_.intComputerCardsLeft == 0 ? "I get last Go." : "I get a Go.";
      break;
    case kScoreHand:
      message = "I get " + std::to_string(points) + " for my hand" + (state_.blnPlayerDeals ? "." : " and ...");
      break;
    case kScoreCrib: message = "... " + std::to_string(points) + " for the crib."; break;
    default: break;
  }
  const int slot = ComputerAnnouncePatter(category, points);
  if (!PauseForContinue(WithPatter(message, patter_, slot))) return false;
  return AddComputerPoints(points, category);
}

int MatchController::ReadClaim() const {
  int claim = model_.playerClaim;
  if (claim == 121 && state_.intPlayerScore < 61) claim = -1;
  return claim;
}

bool MatchController::PromptPlayerScore(int points, int category) {
  if (state_.blnRestoring) return true;
  const auto penalty = static_cast<ScoringMistakes>(options_.intPenalty);
  const bool friendly = penalty != ScoringMistakes::Penalties && penalty != ScoringMistakes::Muggins;
  if (category == kScorePlay && points == 0 && (friendly || state_.strPegSequence.size() <= 1)) return true;
  std::string message;
  switch (category) {
    case kScoreHeels: message = "Score the cut."; break;
    case kScorePlay: message = "Score your play."; break;
    case kScoreGo: message = "Score a Go."; break;
    case kScoreHand: message = "Score your hand."; break;
    case kScoreCrib: message = "Score your crib."; break;
    default: break;
  }
  const int slot = PlayerPromptPatter(category, points);
  const MessageLine line = WithPatter(message, patter_, slot);

  state_.intPointsToPeg = static_cast<int16_t>(points);
  model_.startArrowVisible = state_.intPlayerBackPeg < 0;
  model_.backPegDraggable = true;
  model_.playerClaim = state_.intPlayerBackPeg;
  model_.targetHole = state_.intPlayerScore + points;
  model_.targetInFront = options_.blnHints && points >= 1;
  Update(kPartPegs);
  const bool answered = WaitForUser(line, category);
  model_.backPegDraggable = false;
  model_.startArrowVisible = false;
  model_.targetHole = -1000;
  if (!answered) {
    Update(kPartPegs);
    return false;
  }
  int claim = ReadClaim();
  if (claim < state_.intPlayerScore) claim = state_.intPlayerScore;
  int error;
  if (state_.intPlayerScore + points >= 121 && claim == 121)
    error = 0;
  else
    error = (claim - state_.intPlayerScore) - points;
  Update(kPartPegs);

  if (error != 0) {
    std::string text;
    int patterSlot;
    if (error < 0) {
      text = "You missed " + std::to_string(-error);
      if (friendly) {
        text += " -- will be corrected.";
        patterSlot = kPatterUnderPegFriendly;
      } else if (penalty == ScoringMistakes::Penalties) {
        text += " -- points are lost.";
        patterSlot = kPatterUnderPegPenalty;
      } else {
        text += " -- points will be taken.";
        patterSlot = kPatterUnderPegMuggins;
      }
    } else {
      text = "You overpegged by " + std::to_string(error);
      if (friendly) {
        text += " -- will be corrected.";
        patterSlot = kPatterOverPegFriendly;
      } else {
        text += " -- penalty in effect.";
        patterSlot = kPatterOverPegPenalty;
      }
    }
    if (!friendly && log_.LogsMessages()) log_.AppendLog(" " + text + "\r\n");
    if (!PauseForContinue(WithPatter(text, patter_, patterSlot))) return false;
  }

  const bool ok = (friendly || error >= 0) ? AddPlayerPoints(points, category, 0)
                                           : AddPlayerPoints(points + error, category, error);
  if (!ok) return false;
  if ((penalty == ScoringMistakes::Penalties && error > 0) || (penalty == ScoringMistakes::Muggins && error != 0))
    if (!AddComputerPoints(std::abs(error), kScorePenalty)) return false;
  return true;
}

bool MatchController::AddPlayerPoints(int points, int category, int missed) {
  if (points != 0) {
    state_.intPlayerBackPeg = state_.intPlayerScore;
    state_.intPlayerScore = static_cast<int16_t>(state_.intPlayerScore + points);
  }
  Update(kPartPegs);
  TallyPoints(stats_, state_.blnPlayerDeals, true, points, category, missed);
  return !CheckGameOver();
}

bool MatchController::AddComputerPoints(int points, int category) {
  if (points != 0) {
    state_.intComputerBackPeg = state_.intComputerScore;
    state_.intComputerScore = static_cast<int16_t>(state_.intComputerScore + points);
  }
  Update(kPartPegs);
  TallyPoints(stats_, state_.blnPlayerDeals, false, points, category, 0);
  return !CheckGameOver();
}

bool MatchController::CountComputerHand() {
  const int points = decisions_.ScoreShowTotal(state_.strComputerHand.substr(0, 4) + state_.strStarter, false);
  UnderlineCounted(model_, 2);
  Update(kPartCards);
  if (!AnnounceComputerScore(std::max(points, 0), kScoreHand)) return false;
  recorder_->RecordDecision(-1, 0);
  return true;
}

bool MatchController::CountPlayerHand() {
  const int points = decisions_.ScoreShowTotal(state_.strPlayerHand.substr(0, 4) + state_.strStarter, false);
  UnderlineCounted(model_, 0);
  Update(kPartCards);
  if (!PromptPlayerScore(std::max(points, 0), kScoreHand)) return false;
  recorder_->RecordDecision(-1, 0);
  return true;
}

bool MatchController::CountCrib() {
  const int points = decisions_.ScoreShowTotal(state_.Crib() + state_.strStarter, true);
  UnderlineCounted(model_, 1);
  Update(kPartCards);
  const bool ok = state_.blnPlayerDeals ? PromptPlayerScore(std::max(points, 0), kScoreCrib)
                                        : AnnounceComputerScore(std::max(points, 0), kScoreCrib);
  if (!ok) return false;
  recorder_->RecordDecision(-1, 0);
  return true;
}

std::string MatchController::HandBreakdown(const std::string& hand5, bool isCrib) {
  const int total = decisions_.ScoreShowTotal(hand5, isCrib);
  const int word = decisions_.ParseShow(hand5, isCrib).Word();
  return HandBreakdownText(word < 0 ? 0 : word, total);
}

void MatchController::ShowScoringDetails() {
  const std::string player =
      "Looks like you've got " + HandBreakdown(state_.strPlayerHand.substr(0, 4) + state_.strStarter, false);
  const std::string computer =
      "I've got " + HandBreakdown(state_.strComputerHand.substr(0, 4) + state_.strStarter, false);
  const std::string crib = "Crib has " + HandBreakdown(state_.Crib() + state_.strStarter, true);
  model_.detailsText = state_.blnPlayerDeals ? computer + " " + player + " " + crib
                                             : player + " " + computer + " " + crib;
  Update(kPartDetails);
}

}  // namespace kestrel

// The match controller: match and game loops, the wait, the cut for deal,
// the deal, the discards, the starter, and the start and end of a game.
#include "game/match_controller.h"

#include <algorithm>
#include <ctime>

#include "game/cards.h"
#include "game/table_places.h"
#include "patter/patter.h"
#include "settings/options.h"
#include "stats/activity_log.h"
#include "stats/log_records.h"
#include "stats/statistics.h"

namespace kestrel {

MatchController::MatchController(GameState& state, Options& options, Host& host, Decisions& decisions, DealSource& deal,
                                 PatterTable& patter, Statistics& stats, ActivityLog& log)
    : state_(state), options_(options), host_(host), decisions_(decisions), deal_(deal), patter_(patter), stats_(stats), log_(log),
      sounds_(options, host) {
  ClearTable(model_);
}

void MatchController::SetRecorder(MatchRecorder* recorder) { recorder_ = recorder ? recorder : &nullRecorder_; }


namespace {
// The date and time in the short formats of the C library's locale.
std::string LocalDateTime() {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char text[64];
  return std::strftime(text, sizeof text, "%x %X", &local) ? std::string(text) : std::string();
}
}  // namespace

// ---------------------------------------------------------------------------
// Model upkeep

void MatchController::SyncButton() {
  const int code = state_.intWaitState;
  model_.waitState = code;
  if (code == kWaitDiscard || code == kWaitPlay) {
    model_.buttonCaption = " Autoplay";
    model_.buttonIcon = 1;
  } else if (code >= kWaitPegHeels && code <= kWaitPegCrib) {
    model_.buttonCaption = "Autoscore";
    model_.buttonIcon = 2;
  } else {
    model_.buttonCaption = " Continue";
    model_.buttonIcon = 0;
  }
  model_.buttonEnabled = ButtonEnabled();
  model_.keyCardEnabled = code == kWaitDiscard || code == kWaitPlay;
  model_.keyPegEnabled = code >= kWaitPegHeels && code <= kWaitPegCrib;
  model_.keyContinueEnabled = code == kWaitContinue;
}

void MatchController::SetMessage(const MessageLine& line) {
  model_.message = line.text;
  model_.patterText = line.patter;
  model_.patterSlot = line.patterSlot;
  const int slot = line.patterSlot;
  using Pack = TableModel::Pack;
  model_.animatedPack = slot >= kPatterMatchCut && slot <= kPatterMatchCutGreenAceDeuce ? Pack::CutForDeal
                        : slot == kPatterGreenCut || slot == kPatterGreenThrow      ? Pack::Computer
                        : slot == kPatterRedCut || slot == kPatterRedThrow          ? Pack::Player
                                                                                    : Pack::None;
}

MessageLine MatchController::Message() const {
  MessageLine line(model_.message);
  line.patter = model_.patterText;
  line.patterSlot = model_.patterSlot;
  return line;
}

bool MatchController::ButtonEnabled() const {
  const int code = state_.intWaitState;
  if (code == kWaitContinue) return true;
  if (code == kWaitDiscard || code == kWaitPlay) return options_.blnAutoplay;
  if (code >= kWaitPegHeels && code <= kWaitPegCrib) return options_.blnAutoscore;
  return false;
}

void MatchController::Update(unsigned parts) {
  model_.playerScore = state_.intPlayerScore;
  model_.playerBackPeg = state_.intPlayerBackPeg;
  model_.computerScore = state_.intComputerScore;
  model_.computerBackPeg = state_.intComputerBackPeg;
  if (!model_.backPegDraggable) model_.playerClaim = state_.intPlayerBackPeg;
  model_.hintsOn = options_.blnHints;
  model_.patterVisible = options_.intPatter != 0;
  SyncButton();
  host_.Redraw(model_, parts);
}

void MatchController::ShowHandsNow(bool playerSide, bool computerSide) {
  ShowHands(model_, state_, playerSide, computerSide, options_.blnSort);
}

void MatchController::ShowCursor(bool visible) {
  model_.cursorVisible = visible;
  model_.cursorSlot = state_.intCursorCard;
  if (visible) {
    model_.hintSlot1 = PlaceOfHandCard(model_, state_, state_.intHintCard1);
    model_.hintSlot2 = PlaceOfHandCard(model_, state_, state_.intHintCard2);
  } else {
    model_.hintSlot1 = model_.hintSlot2 = -1;
  }
}

void MatchController::LogIfGames(const std::string& text) {
  if (log_.LogsGames()) log_.AppendLog(text);
}

void MatchController::RefreshCaption(bool minimised) {
  model_.caption = MatchCaption(state_, minimised);
  Update(kPartCaption);
}

void MatchController::OptionsApplied() {
  model_.detailsVisible = state_.blnShowPhase && options_.blnDetails;
  if (state_.intPhase >= 1 && state_.intPhase <= 5) ShowHandsNow(true, true);
  Update(kPartAll);
}

void MatchController::RefreshPatterLine() {
  SetMessage(kestrel::RefreshPatterLine(Message(), patter_));
  Update(kPartMessage);
}

// ---------------------------------------------------------------------------
// The wait

bool MatchController::WaitForUser(const MessageLine& message, int code) {
  state_.intWaitState = static_cast<int16_t>(code);
  SetMessage(message);
  Update(kPartButton | kPartMessage | kPartCursor);
  while (state_.intWaitState == code) {
    // Non-Stop Play answers for the player where the button could, and
    // gives up after 1000 games of the match.
    if (options_.blnNonStop && state_.intGamesPlayed >= 1000) {
      options_.blnNonStop = false;
      host_.OptionsChanged();
    }
    // Block for events unless the automatic action will answer at once, so
    // that a waiting game uses no CPU.
    host_.PumpEvents(!(options_.blnNonStop && ButtonEnabled()));
    if (options_.blnNonStop && state_.intWaitState == code && ButtonEnabled()) DoAutomatic();
  }
  const bool answered = state_.intWaitState == -code;
  if (answered) SetMessage({});
  Update(kPartButton | kPartMessage);
  return answered;
}

bool MatchController::PauseForContinue(const MessageLine& message) {
  if (state_.blnRestoring) return true;
  const int16_t savedState = state_.intWaitState;
  const MessageLine savedMessage = Message();
  if (!WaitForUser(message, kWaitContinue)) return false;
  state_.intWaitState = savedState;
  if (savedState > 0) SetMessage(kestrel::RefreshPatterLine(savedMessage, patter_));
  Update(kPartButton | kPartMessage);
  return true;
}

// ---------------------------------------------------------------------------
// Match and game loops

void MatchController::PlayMatch() {
  // A saved match loaded with the player's settings is resumed: no cut for
  // deal, and the first hand is dealt again from the saved seed.
  state_.blnRestoring = recorder_->TakeLoadedRecord();
  if (!state_.blnRestoring) {
    state_.intGamesPlayed = 0;
    state_.intPlayerMatchPoints = 0;
    state_.intComputerMatchPoints = 0;
    state_.intPointDifferential = 0;
    ResetStatistics(stats_);
    stats_.initialSeed = deal_.SeedOrPointer();
  }
  RefreshCaption();
  StartGame();
  model_.startArrowVisible = false;
  Update(kPartPegs);
  if (!CutForDeal()) return;
  for (;;) {
    const bool resuming = state_.blnRestoring;
    StartGame();
    LogIfGames(GameStartRecord(state_, resuming, state_.intHandsDealt, deal_.SourceIsDataFile(),
                               deal_.SeedOrPointer(), playerName_, clock_ ? clock_() : LocalDateTime()));
    if (!PlayGame()) return;
    ChooseNextFirstDealer();
    SkipUnusedDeals();
  }
}

void MatchController::ChooseNextFirstDealer() {
  switch (static_cast<FirstDealer>(options_.intFirstDealer)) {
    case FirstDealer::LoserDeals: state_.blnPlayerDeals = state_.intComputerScore >= 121; break;
    case FirstDealer::Alternate:
      if (state_.intHandsDealt % 2 != 0) state_.blnPlayerDeals = !state_.blnPlayerDeals;
      break;
    case FirstDealer::PlayerAlways: state_.blnPlayerDeals = true; break;
    case FirstDealer::ComputerAlways: state_.blnPlayerDeals = false; break;
    default: state_.blnPlayerDeals = state_.intComputerScore >= 121; break;
  }
}

void MatchController::SkipUnusedDeals() {
  while (state_.intHandsDealt < 17) {
    deal_.DrawCards(13);
    ++state_.intHandsDealt;
  }
}

bool MatchController::PlayGame() {
  for (;;) {
    state_.blnShowPhase = false;
    model_.detailsVisible = false;
    Update(kPartDetails);
    if (!state_.blnRestoring) ++state_.intHandsDealt;
    recorder_->RecordDecision(0, 0);
    if (state_.intPlayerScore >= 121 || state_.intComputerScore >= 121) return ResumeGameOver();
    DealHand();
    // A replayed hand keeps the tallies saved with it.
    if (!state_.blnRestoring) StartHandTallies(stats_, state_.blnPlayerDeals);
    if (!SelectDiscards() || !CutStarter() || !PlayPegging()) break;
    ShowScoringDetails();
    state_.blnShowPhase = true;
    model_.detailsVisible = options_.blnDetails;
    // The table for the show: everything face up, the starter still out.
    ClearUpperRow(model_);
    model_.leftGoVisible = model_.rightGoVisible = false;
    ShowHandsNow(true, true);
    for (auto& place : model_.loCard) place.visible = true;
    Update(kPartCards | kPartDetails);
    bool ok;
    if (state_.blnPlayerDeals)
      ok = CountComputerHand() && CountPlayerHand();
    else
      ok = CountPlayerHand() && CountComputerHand();
    if (!ok || !CountCrib()) break;
    state_.blnRestoring = false;
    CommitHandTallies(stats_);
    LogIfGames(HandLogLine(state_, false));
    state_.blnPlayerDeals = !state_.blnPlayerDeals;
  }
  return state_.intWaitState != 0;
}

// ---------------------------------------------------------------------------
// Before pegging

bool MatchController::CutForDeal() {
  if (state_.blnRestoring) return true;
  const auto firstDealer = static_cast<FirstDealer>(options_.intFirstDealer);
  std::string record = MatchStartHead(playerName_, deal_.SeedOrPointer());
  if (firstDealer == FirstDealer::PlayerAlways || firstDealer == FirstDealer::ComputerAlways) {
    LogIfGames(MatchStartRecord(record + "Ignored"));
    for (;;) {
      const std::string cut = deal_.DrawCards(2);
      if (cut.size() < 2 || CardRank(static_cast<unsigned char>(cut[0])) != CardRank(static_cast<unsigned char>(cut[1])))
        break;
    }
    state_.blnPlayerDeals = firstDealer == FirstDealer::PlayerAlways;
    return true;
  }
  ClearTable(model_);
  model_.loCard[8] = CardElement{EmptyBackCode(), true};
  model_.deckClickable = true;
  Update(kPartCards);
  MessageLine message = WithPatter("Low card deals.", patter_, kPatterMatchCut);
  int playerCard = 0, computerCard = 0;
  for (;;) {
    if (!PauseForContinue(message)) {
      model_.deckClickable = false;
      return false;
    }
    SetMessage({});
    const std::string cut = deal_.DrawCards(2);
    playerCard = static_cast<unsigned char>(cut[0]);
    computerCard = static_cast<unsigned char>(cut[1]);
    record += MatchCutText(playerCard, computerCard);
    model_.loCard[0] = CardElement{FaceUpCode(playerCard), true};
    model_.loCard[1] = CardElement{FaceUpCode(computerCard), true};
    Update(kPartCards | kPartMessage);
    if (CardRank(playerCard) != CardRank(computerCard)) break;
    message = WithPatter("Tie -- try again.", patter_, kPatterMatchCutTie);
  }
  model_.deckClickable = false;
  LogIfGames(MatchStartRecord(record));
  state_.blnPlayerDeals = CardRank(playerCard) < CardRank(computerCard);
  if (state_.blnPlayerDeals)
    message = WithPatter("You deal.", patter_,
                         CardRank(computerCard) == 2 ? kPatterMatchCutGreenAceDeuce : kPatterMatchCutGreen);
  else
    message = WithPatter("I deal.", patter_, kPatterMatchCutRed);
  return PauseForContinue(message);
}

void MatchController::DealHand() {
  ClearTable(model_);
  std::string cards = deal_.DrawCards(13);
  state_.strDealCards = cards;
  state_.strStarter = cards.substr(12, 1);
  std::string& pone = state_.blnPlayerDeals ? state_.strComputerHand : state_.strPlayerHand;
  std::string& dealer = state_.blnPlayerDeals ? state_.strPlayerHand : state_.strComputerHand;
  pone.clear();
  dealer.clear();
  for (int i = 0; i < 12; ++i) (i % 2 == 0 ? pone : dealer) += cards[i];
  state_.intPhase = 1;
  state_.intSelectedCard = -1;
  state_.intPlayerCardsLeft = state_.intComputerCardsLeft = 4;
  state_.strPegSequence.clear();
  state_.strPlayerPlayed.clear();
  state_.strComputerPlayed.clear();
  state_.intCount = 0;
  ShowHandsNow(true, true);
  (state_.blnPlayerDeals ? model_.leftBack : model_.rightBack) = CardElement{EmptyBackCode(), true};
  state_.strPegLog.clear();
  Update(kPartCards);
}

namespace {
bool ValidPair(int a, int b) { return a >= 0 && a <= 5 && b >= 0 && b <= 5 && a != b; }
}  // namespace

bool MatchController::SelectDiscards() {
  int a = -1, b = -1;
  if (state_.blnRestoring) {
    a = recorder_->NextRecordedValue() - 1;
    b = recorder_->NextRecordedValue() - 1;
    if (!ValidPair(a, b)) state_.blnRestoring = false;  // a record that does not fit: play on from here
  }
  if (!state_.blnRestoring) {
    host_.SetBusy(true);
    decisions_.ChooseDiscards(state_, true, a, b);
    host_.SetBusy(false);
  }
  if (!ValidPair(a, b)) {  // an engine failure: lay away the last two
    a = 4;
    b = 5;
  }
  MoveDiscardsToEnd(state_.strComputerHand, a, b);
  recorder_->RecordDecision(a + 1, b + 1);
  state_.intPhase = 2;
  ShowHandsNow(true, true);
  int h1 = -1, h2 = -1;
  host_.SetBusy(true);
  decisions_.ChooseDiscards(state_, false, h1, h2);
  host_.SetBusy(false);
  if (!ValidPair(h1, h2)) {
    h1 = 4;
    h2 = 5;
  }
  state_.intHintCard1 = static_cast<int16_t>(h1);
  state_.intHintCard2 = static_cast<int16_t>(h2);
  const MessageLine message =
      state_.blnPlayerDeals ? WithPatter("Your crib -- select discards.", patter_, kPatterRedThrow)
                            : WithPatter("My crib -- select discards.", patter_, kPatterGreenThrow);
  state_.intSelectedCard = -1;
  int first = -1, second = -1;
  state_.intCursorCard = 0;
  for (;;) {
    ShowCursor(true);
    Update(kPartCards | kPartCursor);
    int selected;
    if (state_.blnRestoring) {
      selected = recorder_->NextRecordedValue() - 1;
      if (selected < 0 || selected > 5) {  // a record that does not fit: hand control back
        state_.blnRestoring = false;
        continue;
      }
      state_.intSelectedCard = static_cast<int16_t>(selected);
    } else {
      if (!WaitForUser(message, kWaitDiscard)) {
        ShowCursor(false);
        return false;
      }
      selected = state_.intSelectedCard;
      if (selected < 0 || selected > 5) continue;
    }
    const int place = PlaceOfHandCard(model_, state_, selected);
    if (place >= 0) state_.intCursorCard = static_cast<int16_t>(place);
    // Each discard is recorded as it is chosen; taking the first one back
    // takes back its record.
    if (first < 0) {
      first = selected;
      recorder_->RecordDecision(first + 1, 0);
    } else if (selected == first) {
      first = -1;
      state_.intSelectedCard = -1;
      recorder_->RetractDecision();
    } else {
      second = selected;
      break;
    }
    ShowHandsNow(true, false);
  }
  ShowHandsNow(true, false);
  MoveDiscardsToEnd(state_.strPlayerHand, first, second);
  recorder_->RecordDecision(second + 1, 0);
  state_.intPhase = 3;
  state_.intSelectedCard = -1;
  ShowCursor(false);
  ShowHandsNow(true, true);
  Update(kPartCards | kPartCursor);
  return true;
}

bool MatchController::CutStarter() {
  const MessageLine message = state_.blnPlayerDeals ? WithPatter("Turn the cut.", patter_, kPatterRedCut)
                                                    : WithPatter("Cut the deck.", patter_, kPatterGreenCut);
  model_.deckClickable = true;
  const bool ok = PauseForContinue(message);
  model_.deckClickable = false;
  if (!ok) return false;
  recorder_->RecordDecision(-1, 0);
  const int starter = static_cast<unsigned char>(state_.strStarter[0]);
  (state_.blnPlayerDeals ? model_.leftCut : model_.rightCut) = CardElement{FaceUpCode(starter), true};
  Update(kPartCards);
  if (CardRank(starter) == 11) {
    const bool scored = state_.blnPlayerDeals ? PromptPlayerScore(2, kScoreHeels)
                                              : AnnounceComputerScore(2, kScoreHeels);
    if (!scored) return false;
    recorder_->RecordDecision(-1, 0);
    return true;
  }
  if (state_.blnPlayerDeals && options_.intPenalty != static_cast<int16_t>(ScoringMistakes::Friendly))
    return PromptPlayerScore(0, kScoreHeels);
  return true;
}

// ---------------------------------------------------------------------------
// Start and end of a game

void MatchController::StartGame() {
  state_.blnShowPhase = false;
  model_.detailsVisible = false;
  if (!state_.blnRestoring) {
    recorder_->ClearRecord();
    switch (static_cast<GameLength>(options_.intGameLength)) {
      case GameLength::Short:
        state_.intHandsDealt = 4;
        state_.intPlayerScore = state_.intComputerScore = 60;
        break;
      case GameLength::EndGamePractice:
        state_.intHandsDealt = 8;
        state_.intPlayerScore = state_.blnPlayerDeals ? 98 : 106;
        state_.intComputerScore = state_.blnPlayerDeals ? 106 : 98;
        break;
      default:
        state_.intHandsDealt = 0;
        state_.intPlayerScore = state_.intComputerScore = 0;
        break;
    }
    state_.intPlayerBackPeg = static_cast<int16_t>(state_.intPlayerScore - 1);
    state_.intComputerBackPeg = static_cast<int16_t>(state_.intComputerScore - 1);
  }
  ShowCursor(false);
  ClearTable(model_);
  Update(kPartAll);
}

namespace {

// The game-over message and its patter slot, by the winner and the loser's score.
MessageLine GameOverText(bool computerWon, int loser, int points, PatterTable& patter) {
  std::string message = computerWon ? "I win" : "You win";
  if (loser <= 60)
    message += " by a double skunk";
  else if (loser <= 90)
    message += " by a skunk";
  message += " (" + std::to_string(points) + " match points).";
  int slot;
  if (!computerWon)
    slot = loser >= 120 ? 44 : loser >= 116 ? 45 : loser >= 91 ? 46 : loser >= 61 ? 47 : 48;
  else
    slot = loser >= 120 ? 49 : loser >= 116 ? 50 : loser >= 94 ? 51 : loser >= 91 ? 52 : loser >= 88 ? 53
         : loser >= 61 ? 54 : 55;
  return WithPatter(message, patter, slot);
}

}  // namespace

bool MatchController::CheckGameOver() {
  const bool computerWon = state_.intComputerScore > state_.intPlayerScore;
  const int winnerScore = computerWon ? state_.intComputerScore : state_.intPlayerScore;
  if (winnerScore < 121) return false;
  const int loser = computerWon ? state_.intPlayerScore : state_.intComputerScore;
  RecordGameEnd(stats_, computerWon, loser, state_.intHandsDealt);
  const int points = MatchPointsFor(loser, options_.intWeights);
  if (computerWon) {
    state_.intComputerScore = 121;
    state_.intComputerMatchPoints += points;
  } else {
    state_.intPlayerScore = 121;
    state_.intPlayerMatchPoints += points;
  }
  const MessageLine message = GameOverText(computerWon, loser, points, patter_);
  state_.intPointDifferential += state_.intPlayerScore - state_.intComputerScore;
  Update(kPartPegs);
  if (log_.LogsGames()) {
    GameState last = state_;
    if (!last.strPegSequence.empty()) {
      std::string open = CardsText(last.strPegSequence, " ");
      while (!open.empty() && open.back() == ' ') open.pop_back();
      last.strPegLog += open;
    }
    log_.AppendLog(HandLogLine(last, true));
  }
  ++state_.intGamesPlayed;
  RefreshCaption();
  recorder_->RecordGameEnd();
  sounds_.PlayGameOver(computerWon);
  PauseForContinue(message);
  return true;
}

bool MatchController::ResumeGameOver() {
  // A match saved at the end of a game: the game's last hand is drawn again
  // to keep the card source in step, and its end is shown once more.
  state_.blnRestoring = false;
  deal_.DrawCards(13);
  const bool computerWon = state_.intComputerScore > state_.intPlayerScore;
  const int loser = computerWon ? state_.intPlayerScore : state_.intComputerScore;
  Update(kPartPegs);
  RefreshCaption();
  PauseForContinue(GameOverText(computerWon, loser, MatchPointsFor(loser, options_.intWeights), patter_));
  return state_.intWaitState != 0;
}

}  // namespace kestrel

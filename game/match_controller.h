// The match controller: the match and game loops, the wait, and every step
// of a hand from the cut for deal to the end of the game, written as
// straight-line code. Every step returns true to go on and false to stop; an
// abandoned match (wait state 0) unwinds without scoring.
//
// The window (or a test host) drives it like this: call PlayMatch() in a
// loop for as long as the program lives; while a wait is pending the
// controller calls Host::PumpEvents, and the input handlers run there and
// call the input functions below, which only record a choice and answer the
// wait. Handlers never call the steps themselves.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "game/deal_source.h"
#include "game/decisions.h"
#include "game/game_over_sounds.h"
#include "game/game_state.h"
#include "game/host.h"
#include "game/table_model.h"
#include "patter/patter.h"

namespace kestrel {

struct Options;
struct Statistics;
class ActivityLog;

class MatchController {
 public:
  MatchController(GameState& state, Options& options, Host& host, Decisions& decisions, DealSource& deal, PatterTable& patter,
                  Statistics& stats, ActivityLog& log);

  // Collaborators and settings that have defaults.
  void SetRecorder(MatchRecorder* recorder);
  void SetPlayerName(const std::string& name) { playerName_ = name; }
  const std::string& PlayerName() const { return playerName_; }
  // The date and time text of the game-start log record.
  void SetClock(std::function<std::string()> clock) { clock_ = std::move(clock); }
  // The game-over sounds played when a game ends.
  GameOverSounds& Sounds() { return sounds_; }

  // --- The loops and the wait ---
  void PlayMatch();
  bool PlayGame();
  bool WaitForUser(const MessageLine& message, int code);
  // Shows a message and waits for Continue, with whatever prompt was
  // pending put back afterwards (its remark refreshed); false when the wait
  // was abandoned.
  bool PauseForContinue(const MessageLine& message);

  // --- The steps of a hand ---
  bool CutForDeal();
  void DealHand();
  bool SelectDiscards();
  bool CutStarter();
  bool PlayPegging();
  bool CanPlay(const std::string& hand, int cardsLeft) const;  // true: must say Go
  bool ComputerPlays();
  bool PlayerPlays();
  void PlayCardToTable(int position, bool isPlayer);
  void SayGo(bool isPlayer);
  void ResetCount(bool logSequence);
  bool AnnounceComputerScore(int points, int category);
  bool PromptPlayerScore(int points, int category);
  bool AddPlayerPoints(int points, int category, int missed);
  bool AddComputerPoints(int points, int category);
  bool CountComputerHand();
  bool CountPlayerHand();
  bool CountCrib();
  std::string HandBreakdown(const std::string& hand5, bool isCrib);
  void ShowScoringDetails();
  void StartGame();
  bool CheckGameOver();
  bool ResumeGameOver();
  void RefreshCaption(bool minimised = false);
  void SkipUnusedDeals();
  void ChooseNextFirstDealer();

  // --- Input: what the window's handlers (and scripted users) call ---
  // A click on lower place 0..11 (discard choice, card to play, the cut pack).
  void ClickLowerPlace(int place);
  // A click on a pack (cut for deal, cut for the starter).
  void ClickDeck();
  // The back peg dropped on the board at the hole that reads `hole`.
  void DropBackPeg(int hole);
  void DropOnTarget();
  void DropOnGreenPeg();
  // Keyboard peg commands: Peg Ahead, Peg Back, Peg Anchor.
  void PegAhead();
  void PegBack();
  void PegAnchor();
  // Continue (button in Continue mode, Enter, Keyboard > Continue).
  void PressContinue();
  // The action button / Keyboard > Automatic: answers only when enabled.
  void DoAutomatic();
  bool ButtonEnabled() const;
  // Ctrl+F10: switches Non-Stop Play where the Global switch allows the key
  // (only while Allow Autoplay and Allow Autoscore are both on). False when
  // the key is not allowed, so that it acts as F10.
  bool ToggleNonStop();
  // Keyboard card cursor.
  void CardRight();
  void CardLeft();
  void CardSelect();
  void MoveCardCursor(int position);
  // File > New Match, a change of player, exit: abandons the match.
  void NewMatch();
  // Options > Scoring Details (or Sort Hands) changed: redraw what shows it.
  void OptionsApplied();
  // The remark in the message line gets the current text of its slot.
  void RefreshPatterLine();
  // Shows a message line outside any wait ("Restoring match...").
  void ShowMessageLine(const MessageLine& line);

  const TableModel& Model() const { return model_; }
  TableModel& Model() { return model_; }
  const GameState& State() const { return state_; }
  const PatterTable& Patter() const { return patter_; }
  // The current hand has recorded a decision (a game length chosen now
  // takes effect at the next game).
  bool HandHasDecision() const { return recorder_->HandHasDecision(); }

 private:
  void Update(unsigned parts);
  void SyncButton();
  void SetMessage(const MessageLine& line);
  MessageLine Message() const;
  void ShowHandsNow(bool playerSide, bool computerSide);
  void ShowCursor(bool visible);
  int ReadClaim() const;
  int FirstPlayable(const std::string& hand, int cardsLeft) const;
  void LogIfGames(const std::string& text);

  GameState& state_;
  Options& options_;
  Host& host_;
  Decisions& decisions_;
  DealSource& deal_;
  PatterTable& patter_;
  Statistics& stats_;
  ActivityLog& log_;
  NullRecorder nullRecorder_;
  MatchRecorder* recorder_ = &nullRecorder_;
  TableModel model_;
  std::string playerName_;
  std::function<std::string()> clock_;
  GameOverSounds sounds_;
};

// "Kestrel", and once a game of the match is finished (window not
// minimised) the games, match score and point differential.
std::string MatchCaption(const GameState& state, bool minimised);
// The wording of a hand's score from the engine's breakdown word and total.
std::string HandBreakdownText(int breakdown, int total);
// Moves the cards at two positions of a six-card hand to its end, the
// higher position last; kept and discarded cards keep their order.
void MoveDiscardsToEnd(std::string& hand, int first, int second);
// Match points for a finished game by the loser's score and weighting 0..3.
int MatchPointsFor(int loserScore, int weights);

}  // namespace kestrel

// The player's session: who is playing, the restore sequence that loads and
// applies his settings (at start-up and at every change of player), the two
// player commands of the File menu, and the Options handlers' common part
// (store the value, apply it, write the option line to the activity log).
// The window forwards its menu commands here; kestrel-sim and the tests run
// the same code without a window.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "game/card_source.h"
#include "game/game_state.h"
#include "game/host.h"
#include "settings/option_line.h"
#include "settings/options.h"
#include "settings/profile.h"
#include "settings/settings_file.h"

namespace kestrel {

class ActivityLog;
class MatchController;
class PatterTable;
struct Statistics;

// The three texts of the New Player panel.
inline constexpr const char* kNewPlayerTexts[3] = {
    "Supply a short name as a data tag for saving and restoring "
    "sessions.  The program INI file tracks the most recent dozen "
    "players.",
    "You may use different aliases to play under different "
    "groups of option settings.  E.g., you might maintain a Pro "
    "alias for serious competition in a long-running ruthless match.",
    "Leave text box blank to continue as current player."};

// The message while the New Player panel waits, and its patter situation.
inline constexpr char kNewPlayerPrompt[] = "Type new player name.";
inline constexpr int kPatterNewPlayer = 4;

class Session {
 public:
  Session(SettingsFile& file, GameState& state, Options& options, PatterTable& patter, Statistics& stats,
          MatchController& controller, Host& host, ActivityLog& log);

  // The saved match and statistics records read and written with the
  // player's section (by default there is no match to resume).
  void SetRecordHooks(MatchRecordHooks* hooks) { hooks_ = hooks ? hooks : &noMatch_; }
  MatchRecordHooks& RecordHooks() { return *hooks_; }

  // Start-up: the player is the cleaned `requested` name (the "/Player="
  // value), else the first stored name, else "MoonBeam"; then the restore
  // sequence runs.
  void Start(const std::string& requested);
  // "/LOCK": no change of player, match or option for the whole run.
  bool Locked() const;

  const std::string& PlayerName() const { return strPlayerName_; }
  // The names of the recent-player menu, item 1 first.
  const std::vector<std::string>& PlayerMenu() const;

  // --- Players ---
  // Fills the recent-player menu from the current name and the stored list;
  // the current name becomes the caption of item 1.
  void BuildPlayerMenu();
  // File > Change Player > item `index` (1..12): item 1 does nothing; any
  // other saves everything, switches to that player, restores his session and
  // abandons the match in progress. True when the player changed.
  bool ChangePlayer(int index);
  enum class NewPlayerOutcome { Unchanged, Respelled, Created };
  // The name typed in the New Player panel: blank (or cleaned to nothing)
  // changes nothing; the current name in another spelling only respells it;
  // any other name saves everything and starts the new player's session.
  NewPlayerOutcome EnterNewPlayer(const std::string& typed);
  // Writes the Global section and the player's section.
  bool Save();

  // --- The restore sequence ---
  void RestoreSession();
  // Every per-player setting to its default: options, dog-ears, file
  // settings, a fresh seed, the default patter texts, zero statistics.
  void ResetDefaults();
  // The apply steps (an out-of-range value is mended first).
  void ApplyChoice(OptionGroup group);
  void ApplyActivityLog();
  void ApplyDeckStyle();
  void ApplyCardSource();
  void ApplyPatter();
  void ApplySounds();
  void ApplyBackground();
  // Loads the custom patter file into the patter table; false when it cannot
  // be used. Uses `loadPatterFile` (the patter file reader) when set.
  bool LoadPatterFile();
  std::function<bool(const std::string& path)> loadPatterFile;

  // --- Options handlers ---
  // A check-mark item was switched to `checked`.
  void SetCheck(CheckOption option, bool checked);
  // A radio item of Weights, Scoring Mistakes, Game Length, First Dealer,
  // Activity Log or Background was chosen. False (and nothing written) when
  // it was already the chosen one.
  bool ChooseOption(OptionGroup group, int index);
  // Activity Log > Log File Name...: the save dialog; true when a name was chosen.
  bool ChooseLogFile();
  // Writes the item's option line when the log level asks for option changes.
  void LogOptionChange(const OptionItemView& item);
  // A card of the deck view was marked or unmarked.
  void LogDogEar(int card);
  // The card source fell back from the data file to the default sequence
  // (`text` as the card source reports it).
  void CardSourceReverted(const std::string& text);
  // The card source of the deals: its reversions are logged here, and the
  // New Seed or Pointer panel changes it.
  void SetCardSource(CardSource* cards);
  // Card Source > New Seed or Pointer: the panel's three texts, and the
  // current value shown above the entry box.
  std::vector<std::string> SeedPanelTexts() const;
  std::string SeedPanelValue() const;
  // The text confirmed in the panel: blank or the current value changes
  // nothing; a valid new value is stored and its option line logged; any
  // other text is explained in an information box and changes nothing.
  CardSource::SeedEntry::Outcome EnterSeedOrPointer(const std::string& typed);
  // The current session settings (head of the statistics display).
  std::string SettingsText() const;

 private:
  int16_t* GroupValue(OptionGroup group);

  SettingsFile& file_;
  GameState& state_;
  Options& options_;
  PatterTable& patter_;
  Statistics& stats_;
  MatchController& controller_;
  Host& host_;
  ActivityLog& log_;
  CardSource* cards_ = nullptr;
  MatchRecordHooks noMatch_;
  MatchRecordHooks* hooks_ = &noMatch_;
  std::string strPlayerName_;
};

}  // namespace kestrel

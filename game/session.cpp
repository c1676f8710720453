// The player's session: players, the restore sequence, the Options handlers.
#include "game/session.h"

#include "game/match_controller.h"
#include "patter/patter.h"
#include "settings/options.h"
#include "settings/player_name.h"
#include "settings/session_settings.h"
#include "stats/activity_log.h"
#include "stats/statistics.h"

namespace kestrel {
Session::Session(SettingsFile& file, GameState& state, Options& options, PatterTable& patter, Statistics& stats,
                 MatchController& controller, Host& host, ActivityLog& log)
    : file_(file), state_(state), options_(options), patter_(patter), stats_(stats), controller_(controller),
      host_(host), log_(log) {}

bool Session::Locked() const { return file_.Commands().IsLocked(); }

const std::vector<std::string>& Session::PlayerMenu() const { return controller_.Model().playerMenu; }

void Session::Start(const std::string& requested) {
  strPlayerName_ = CleanPlayerName(requested);
  RestoreSession();
}

// ------------------------------------------------------------------ players

void Session::BuildPlayerMenu() {
  // Only the current player is listed when the file is of another version.
  const size_t limit = file_.ReadIniString(kGlobalSection, "Version") == kIniVersion ? kMaxRecentPlayers : 0;
  TableModel& model = controller_.Model();
  model.playerMenu = RecentPlayerMenu(strPlayerName_, file_.ReadIniString(kGlobalSection, "Players"), limit);
  strPlayerName_ = model.playerMenu.front();
  model.playerName = strPlayerName_;
  controller_.SetPlayerName(strPlayerName_);
  host_.Redraw(model, kPartPlayer);
}

bool Session::ChangePlayer(int index) {
  const std::vector<std::string> menu = PlayerMenu();
  if (Locked() || index <= 1 || index > static_cast<int>(menu.size())) return false;
  Save();  // also puts the old player at the head of the stored list
  strPlayerName_ = menu[static_cast<size_t>(index - 1)];
  RestoreSession();
  controller_.NewMatch();  // the pending wait ends: the new player's match begins or resumes
  return true;
}

Session::NewPlayerOutcome Session::EnterNewPlayer(const std::string& typed) {
  const std::string name = CleanPlayerName(typed);
  if (name.empty() || Locked()) return NewPlayerOutcome::Unchanged;
  if (SamePlayer(name, strPlayerName_)) {
    // Only the spelling changes; nothing is saved or loaded.
    strPlayerName_ = name;
    TableModel& model = controller_.Model();
    model.playerName = name;
    if (!model.playerMenu.empty()) model.playerMenu.front() = name;
    controller_.SetPlayerName(name);
    host_.Redraw(model, kPartPlayer);
    return NewPlayerOutcome::Respelled;
  }
  Save();
  strPlayerName_ = name;
  RestoreSession();  // no section yet: defaults, a new match, zero statistics
  controller_.NewMatch();
  return NewPlayerOutcome::Created;
}

bool Session::Save() { return SaveSettings(file_, strPlayerName_, options_, *hooks_); }

// ------------------------------------------------------- the restore sequence

void Session::ResetDefaults() {
  const bool nonStop = options_.blnNonStop;  // not a per-player setting
  kestrel::ResetDefaults(options_);
  options_.blnNonStop = nonStop;
  patter_.LoadDefaultPatter();
  ResetStatistics(stats_);
}

void Session::RestoreSession() {
  controller_.ShowMessageLine("Restoring match...");
  BuildPlayerMenu();
  ResetDefaults();
  // The player's section. Where it holds an unfinished match, the record
  // hooks validate it and prepare it for replay (blnRestoring, the replay
  // cursor, the ten match values and the statistics).
  LoadSettings(file_, strPlayerName_, options_, *hooks_);
  ApplyChoice(OptionGroup::Penalty);
  ApplyChoice(OptionGroup::Length);
  ApplyChoice(OptionGroup::FirstDealer);
  ApplyActivityLog();
  ApplyChoice(OptionGroup::Weights);
  ApplyChoice(OptionGroup::Opponent);
  ApplyDeckStyle();
  ApplyCardSource();
  ApplyPatter();
  ApplySounds();
  // The card back: a custom back that cannot be loaded leaves the default deck.
  host_.ApplyCardBack();
  if (options_.intPatter == 2 && !LoadPatterFile()) {
    options_.intPatter = 1;
    options_.strPatterFile.clear();
    ApplyPatter();
  }
  ApplyBackground();
  host_.OptionsChanged();
  controller_.OptionsApplied();
}

int16_t* Session::GroupValue(OptionGroup group) {
  switch (group) {
    case OptionGroup::Weights: return &options_.intWeights;
    case OptionGroup::Penalty: return &options_.intPenalty;
    case OptionGroup::Length: return &options_.intGameLength;
    case OptionGroup::FirstDealer: return &options_.intFirstDealer;
    case OptionGroup::Source: return &options_.intCardSource;
    case OptionGroup::Log: return &options_.intLogLevel;
    case OptionGroup::DeckStyle: return &options_.intDeckStyle;
    case OptionGroup::Patter: return &options_.intPatter;
    case OptionGroup::Sounds: return &options_.intSounds;
    case OptionGroup::Background: return &options_.intBackgroundIndex;
    case OptionGroup::Opponent: return &options_.intOpponent;
  }
  return nullptr;
}

void Session::ApplyChoice(OptionGroup group) {
  int16_t* value = GroupValue(group);
  // Patter and sounds fall back to their defaults, every other group to its first item.
  const int16_t fallback = (group == OptionGroup::Patter || group == OptionGroup::Sounds) ? 1 : 0;
  if (*value < 0 || *value >= GroupSize(group)) *value = fallback;
}

void Session::ApplyActivityLog() {
  ApplyChoice(OptionGroup::Log);
  if (options_.strLogFile.empty()) options_.strLogFile = file_.DefaultLogFile(strPlayerName_);
}

void Session::ApplyDeckStyle() { ApplyChoice(OptionGroup::DeckStyle); }

void Session::ApplyCardSource() { ApplyChoice(OptionGroup::Source); }

void Session::ApplyPatter() {
  ApplyChoice(OptionGroup::Patter);
  host_.ApplyPatterLayout();
}

void Session::ApplySounds() {
  ApplyChoice(OptionGroup::Sounds);
  if (options_.intSounds == 0) host_.PlayWave({});  // silences whatever plays
}

void Session::ApplyBackground() {
  ApplyChoice(OptionGroup::Background);
  host_.ApplyBackground();
}

bool Session::LoadPatterFile() {
  if (options_.strPatterFile.empty() || !loadPatterFile) return false;
  return loadPatterFile(options_.strPatterFile);
}

// ----------------------------------------------------------- Options handlers

void Session::SetCheck(CheckOption option, bool checked) {
  if (Locked()) return;
  switch (option) {
    case CheckOption::Hints: options_.blnHints = checked; break;
    case CheckOption::Details: options_.blnDetails = checked; break;
    case CheckOption::Autoplay: options_.blnAutoplay = checked; break;
    case CheckOption::Autoscore: options_.blnAutoscore = checked; break;
    case CheckOption::Sort: options_.blnSort = checked; break;
  }
  controller_.OptionsApplied();
  LogOptionChange(CheckItem(option, options_));
}

bool Session::ChooseOption(OptionGroup group, int index) {
  int16_t* value = GroupValue(group);
  if (Locked() || index < 0 || index >= GroupSize(group) || *value == index) return false;
  *value = static_cast<int16_t>(index);
  if (group == OptionGroup::Log) {
    ApplyActivityLog();
    // A change of level is written whatever the old or the new level.
    log_.AppendLog(OptionLine(GroupItem(group, index), options_, strPlayerName_));
    host_.OptionsChanged();
    return true;
  }
  if (group == OptionGroup::Background) ApplyBackground();
  else ApplyChoice(group);
  host_.OptionsChanged();
  if (group == OptionGroup::Opponent) {
    if (log_.LogsMessages()) log_.AppendLog(OpponentOptionLine(options_.intOpponent));
    return true;
  }
  LogOptionChange(GroupItem(group, index));
  // The game in progress keeps its length once its hand has begun.
  if (group == OptionGroup::Length && controller_.HandHasDecision())
    host_.MessageBox("Game length change takes effect next game.", "Kestrel", MessageIcon::Information);
  return true;
}

bool Session::ChooseLogFile() {
  if (Locked()) return false;
  const std::string path = host_.SaveFileDialog("Log File Name", "Log files (*.log)", "log", options_.strLogFile);
  if (path.empty()) return false;
  options_.strLogFile = path;  // neither created nor checked now
  LogOptionChange(OptionItemView{kLogNameCaption});
  return true;
}

void Session::LogOptionChange(const OptionItemView& item) {
  if (log_.LogsMessages()) log_.AppendLog(OptionLine(item, options_, strPlayerName_));
}

void Session::LogDogEar(int card) {
  if (log_.LogsMessages()) log_.AppendLog(DogEarLine(card, options_));
}

void Session::CardSourceReverted(const std::string& text) {
  OptionItemView item{kCardSourceCaption};
  item.readError = text.find("error") != std::string::npos;
  host_.OptionsChanged();
  LogOptionChange(item);
}

void Session::SetCardSource(CardSource* cards) {
  cards_ = cards;
  if (cards_) cards_->SetReversionHandler([this](const std::string& text) { CardSourceReverted(text); });
}

std::vector<std::string> Session::SeedPanelTexts() const {
  return {cards_ ? cards_->SourcePrompt() : std::string(), CardSource::kSeedMessage2, CardSource::kSeedMessage3};
}

std::string Session::SeedPanelValue() const { return std::to_string(options_.lngSeedOrPointer); }

CardSource::SeedEntry::Outcome Session::EnterSeedOrPointer(const std::string& typed) {
  if (!cards_) return CardSource::SeedEntry::kUnchanged;
  const CardSource::SeedEntry result = cards_->ApplySeedEntry(typed);
  if (result.outcome == CardSource::SeedEntry::kInvalid)
    host_.MessageBox(result.message, "Kestrel", MessageIcon::Information);
  if (result.outcome == CardSource::SeedEntry::kChanged) LogOptionChange(OptionItemView{kSetSeedCaption});
  return result.outcome;
}

std::string Session::SettingsText() const {
  GlobalSwitches g;
  g.blnAllowCtrlF10 = state_.blnAllowCtrlF10;
  g.blnAllowMultipleInstances = state_.blnAllowMultipleInstances;
  g.intUseAltLibrary = state_.intUseAltLibrary;
  return SessionSettingsText(options_, strPlayerName_, g, Locked());
}

}  // namespace kestrel

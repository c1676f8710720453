// The saved match: recording, the check value, the "State" value and the
// replay cursor.
#include "game/match_record.h"

#include <limits>

#include "game/card_source.h"
#include "stats/statistics.h"
#include "stats/statistics_record.h"

namespace kestrel {

int32_t StateCheckValue(int32_t seed, const RecordNumbers& v, const std::string& cards,
                        const std::function<int32_t(int32_t)>& randSeed) {
  int32_t h = seed;
  for (int i = 1; i <= 40; ++i) h = randSeed(v[i] ^ h);
  for (char c : cards) h = randSeed(static_cast<unsigned char>(c) ^ h);
  return h;
}

bool ParseStateText(const std::string& text, int32_t& check, RecordNumbers& v) {
  v.fill(0);
  check = 0;
  if (text.empty()) return false;
  size_t start = 0;
  for (int f = 0; f <= 40; ++f) {
    const size_t comma = text.find(',', start);
    const int64_t n = LeadingNumber(text.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
    const bool wide = f == 0 || f == 4;  // the check value, the point differential
    const int64_t lo = wide ? std::numeric_limits<int32_t>::min() : std::numeric_limits<int16_t>::min();
    const int64_t hi = wide ? std::numeric_limits<int32_t>::max() : std::numeric_limits<int16_t>::max();
    const int32_t value = n < lo || n > hi ? 0 : static_cast<int32_t>(n);
    if (f == 0)
      check = value;
    else
      v[f] = value;
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  return true;
}

namespace {

// A header no game of ours can produce is refused even with a matching check.
bool PlausibleHeader(const RecordNumbers& v) {
  auto score = [](int32_t s) { return s >= -1 && s <= 121; };
  return v[1] >= 0 && v[2] >= 0 && v[3] >= 0 && (v[5] == 0 || v[5] == -1) && v[6] >= 0 && score(v[7]) &&
         score(v[8]) && score(v[9]) && score(v[10]);
}

}  // namespace

MatchRecord::MatchRecord(GameState& state, Options& options, Statistics& stats, RandSeedFn randSeed, PeekFn peek)
    : state_(state), options_(options), stats_(stats), randSeed_(std::move(randSeed)), peek_(std::move(peek)) {}

HandStartSnapshot MatchRecord::LiveSource() const {
  return HandStartSnapshot{options_.lngSeedOrPointer, options_.intCardSource, options_.strDataFile};
}

void MatchRecord::RebuildHeader() {
  const int32_t values[10] = {state_.intGamesPlayed,    state_.intPlayerMatchPoints, state_.intComputerMatchPoints,
                              state_.intPointDifferential, state_.blnPlayerDeals ? -1 : 0, state_.intHandsDealt,
                              state_.intPlayerScore,      state_.intComputerScore,     state_.intPlayerBackPeg,
                              state_.intComputerBackPeg};
  header_.clear();
  for (int i = 0; i < 10; ++i) {
    if (i) header_ += ',';
    header_ += std::to_string(values[i]);
  }
}

void MatchRecord::RebuildStatistics() {
  statistics1_ = kestrel::Statistics1Text(stats_);
  statistics2_ = kestrel::Statistics2Text(stats_);
}

void MatchRecord::RecordDecision(int a, int b) {
  if (a != 0) {
    decisions_ += ',';
    decisions_ += std::to_string(a);
    if (b != 0) {
      decisions_ += ',';
      decisions_ += std::to_string(b);
    }
    cards_ = state_.strDealCards;  // the hand has been dealt by now
  } else {
    snapshot_ = LiveSource();
    decisions_.clear();
    cards_ = peek_ ? peek_(*snapshot_) : std::string();
  }
  RebuildHeader();
  RebuildStatistics();
  if (state_.blnRestoring) {
    // A decision stays for the point that reads it; a marker is consumed.
    const int v = NextRecordedValue();
    state_.blnRestoring = v != 0;
    if (v != -1 && cursor_ > 0) --cursor_;
    if (v == 0) state_.intWaitState = kWaitContinue;  // the player takes over here
  } else if (lockedSave_) {
    lockedSave_();
  }
}

void MatchRecord::RetractDecision() {
  const size_t comma = decisions_.rfind(',');
  if (comma == std::string::npos) return;
  decisions_.erase(comma);
  RebuildHeader();
  RebuildStatistics();
  if (!state_.blnRestoring && lockedSave_) lockedSave_();
}

int MatchRecord::NextRecordedValue() {
  const int v = cursor_ >= 1 && cursor_ <= 40 ? slots_[cursor_] : 0;
  if (cursor_ <= 40) ++cursor_;
  return v;
}

bool MatchRecord::TakeLoadedRecord() {
  if (!pending_) {
    cursor_ = 0;
    return false;
  }
  pending_ = false;
  state_.intGamesPlayed = static_cast<int16_t>(slots_[1]);
  state_.intPlayerMatchPoints = static_cast<int16_t>(slots_[2]);
  state_.intComputerMatchPoints = static_cast<int16_t>(slots_[3]);
  state_.intPointDifferential = slots_[4];
  state_.blnPlayerDeals = slots_[5] != 0;
  state_.intHandsDealt = static_cast<int16_t>(slots_[6]);
  state_.intPlayerScore = static_cast<int16_t>(slots_[7]);
  state_.intComputerScore = static_cast<int16_t>(slots_[8]);
  state_.intPlayerBackPeg = static_cast<int16_t>(slots_[9]);
  state_.intComputerBackPeg = static_cast<int16_t>(slots_[10]);
  LoadStatisticsTexts(loadedStatistics1_, loadedStatistics2_, stats_);
  cursor_ = 11;
  return true;
}

void MatchRecord::ClearRecord() {
  snapshot_ = LiveSource();
  header_.clear();
  decisions_.clear();
  statistics1_.clear();
  statistics2_.clear();
  cards_.clear();
}

void MatchRecord::RecordGameEnd() {
  // The finished game: its final scores and the match values, no decisions.
  decisions_.clear();
  RebuildHeader();
  RebuildStatistics();
  if (lockedSave_) lockedSave_();
}

void MatchRecord::BeginLoad() {
  // Nothing of the previous player's match may reach the new player's section.
  cursor_ = 0;
  pending_ = false;
  loadedState_.clear();
  loadedStatistics1_.clear();
  loadedStatistics2_.clear();
  snapshot_.reset();
  header_.clear();
  decisions_.clear();
  statistics1_.clear();
  statistics2_.clear();
  cards_.clear();
}

bool MatchRecord::LoadState(const std::string& text) {
  int32_t check = 0;
  RecordNumbers v{};
  if (!ParseStateText(text, check, v) || !PlausibleHeader(v)) return false;
  const HandStartSnapshot source = LiveSource();  // "Options" and "DataFile" are read by now
  const std::string cards = peek_ ? peek_(source) : std::string();
  if (cards.size() != 13 || StateCheckValue(source.lngSeed, v, cards, randSeed_) != check) return false;
  slots_ = v;
  pending_ = true;
  loadedState_ = text;
  return true;
}

void MatchRecord::LoadStatistics(const std::string& statistics1, const std::string& statistics2) {
  loadedStatistics1_ = statistics1;
  loadedStatistics2_ = statistics2;
}

std::string MatchRecord::StateText() {
  if (pending_) return loadedState_;
  if (header_.empty()) return {};
  const std::string record = header_ + decisions_;
  int32_t unused = 0;
  RecordNumbers v{};
  ParseStateText("0," + record, unused, v);
  const int32_t seed = snapshot_ ? snapshot_->lngSeed : options_.lngSeedOrPointer;
  return std::to_string(StateCheckValue(seed, v, cards_, randSeed_)) + "," + record;
}

std::string MatchRecord::Statistics1Text() { return pending_ ? loadedStatistics1_ : statistics1_; }

std::string MatchRecord::Statistics2Text() { return pending_ ? loadedStatistics2_ : statistics2_; }

std::optional<HandStartSnapshot> MatchRecord::HandStart() {
  if (pending_) return std::nullopt;  // the live values are the loaded ones
  return snapshot_;
}

std::string PeekHandCards(CardSource& source, Options& options, const HandStartSnapshot& at) {
  const Options saved = options;
  options.lngSeedOrPointer = at.lngSeed;
  options.intCardSource = at.intCardSource;
  options.strDataFile = at.strDataFile;
  std::string cards = source.PeekCards(13);
  options.lngSeedOrPointer = saved.lngSeedOrPointer;
  options.intCardSource = saved.intCardSource;
  options.strDataFile = saved.strDataFile;
  return cards;
}

}  // namespace kestrel

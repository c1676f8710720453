// The saved match: any text as the "State" value (and the two statistics
// records after it, one per line). The parser never fails on it; a record
// whose check value is made to fit is taken up, replays a bounded number of
// values, and writes back a State that parses again.
#include <cstdint>
#include <string>

#include "engine/osprey32.h"
#include "game/game_state.h"
#include "game/match_record.h"
#include "settings/options.h"
#include "stats/statistics.h"
#include "tests/fuzz/fuzz_check.h"

namespace {

std::string Line(std::string& rest) {
  const size_t end = rest.find('\n');
  std::string line = rest.substr(0, end);
  rest = end == std::string::npos ? std::string() : rest.substr(end + 1);
  return line;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  const bool fit = data[0] & 1;
  std::string rest(reinterpret_cast<const char*>(data + 1), size - 1);
  std::string state = Line(rest);
  const std::string statistics1 = Line(rest), statistics2 = Line(rest);

  using namespace kestrel;
  const auto randSeed = [](int32_t s) { return ::RandSeed(s); };
  const std::string cards = {0, 14, 28, 42, 5, 19, 33, 47, 10, 24, 38, 51, 12};
  int32_t check = 0;
  RecordNumbers v{};
  const bool parsed = ParseStateText(state, check, v);
  GameState game;
  Options options;
  Statistics stats;
  if (parsed && fit) {
    // Make the check value fit, so that the record is validated further.
    const int32_t good = StateCheckValue(options.lngSeedOrPointer, v, cards, randSeed);
    const size_t comma = state.find(',');
    state = std::to_string(good) + (comma == std::string::npos ? std::string() : state.substr(comma));
  }
  MatchRecord record(game, options, stats, randSeed, [&](const HandStartSnapshot&) { return cards; });
  record.BeginLoad();
  if (record.LoadState(state)) record.LoadStatistics(statistics1, statistics2);
  if (record.TakeLoadedRecord()) {
    for (int i = 0; i < 64 && record.NextRecordedValue() != 0; ++i) {
    }
  }
  const std::string written = record.StateText();
  int32_t check2 = 0;
  RecordNumbers v2{};
  Check(written.empty() || ParseStateText(written, check2, v2));
  record.Statistics1Text();
  record.Statistics2Text();
  return 0;
}

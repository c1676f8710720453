// Games per second through the whole match controller: the automatic host
// answers every wait, the engine (linked in) decides and scores for both
// sides, the default card sequence deals. Reported as items per second.
#include <benchmark/benchmark.h>

#include "game/automatic_host.h"
#include "game/match_controller.h"
#include "patter/patter.h"
#include "settings/options.h"
#include "stats/activity_log.h"
#include "stats/statistics.h"
#include "tests/support/linked_engine.h"

namespace {

using namespace kestrel;

template <class DecisionsT>
void PlayMatches(benchmark::State& bench) {
  const int games = static_cast<int>(bench.range(0));
  int32_t seed = 13896;
  int64_t played = 0;
  for (auto _ : bench) {
    GameState state;
    Options options;
    options.intFirstDealer = static_cast<int16_t>(FirstDealer::Alternate);
    PatterTable patter;
    Statistics stats;
    AutomaticHost host(games);
    ActivityLog log(options, host);
    DecisionsT decisions;
    testing::SeededDeal deal(seed++);
    MatchController controller(state, options, host, decisions, deal, patter, stats, log);
    host.Attach(&controller);
    controller.PlayMatch();
    played += state.intGamesPlayed;
  }
  bench.SetItemsProcessed(played);
  bench.counters["games/s"] = benchmark::Counter(static_cast<double>(played), benchmark::Counter::kIsRate);
}

// The engine's own decisions for both sides.
BENCHMARK(PlayMatches<testing::LinkedEngineDecisions>)->Arg(10)->Unit(benchmark::kMillisecond);
// Trivial decisions: what the controller itself costs.
BENCHMARK(PlayMatches<testing::SimpleDecisions>)->Arg(10)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

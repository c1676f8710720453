// Time per call of the computer's decisions, Discard and MakePegPlay, over a
// fixed, varied set of seeded positions (random hands and scores; pegging
// positions at every stage, and the pone's lead with four cards at an empty
// count). Each position is timed on its own; the counters give the median
// and the slowest position in microseconds (the fastest of the repetitions
// of each position, so that a busy machine disturbs the figures little).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "engine/osprey32.h"
#include "tests/support/random_pegging.h"

namespace {

using Clock = std::chrono::steady_clock;

struct DiscardCase {
  std::string hand;
  int16_t dealer, pone;
};

std::vector<DiscardCase> DiscardCases() {
  kestrel::test::PegRandom random(31);
  std::vector<DiscardCase> cases;
  for (int n = 0; n < 400; ++n)
    cases.push_back({kestrel::test::RandomSixCards(random), static_cast<int16_t>(random.Below(121)),
                     static_cast<int16_t>(random.Below(121))});
  return cases;
}

std::vector<kestrel::test::PeggingPosition> PegCases(bool leadsOnly) {
  kestrel::test::PegRandom random(leadsOnly ? 7 : 8);
  std::vector<kestrel::test::PeggingPosition> cases;
  for (int n = 0; n < 400; ++n)
    cases.push_back(leadsOnly || n % 4 == 0 ? kestrel::test::RandomLeadPosition(random)
                                            : kestrel::test::RandomPeggingPosition(random));
  return cases;
}

// Runs `call(i)` for every case each iteration and reports per-case figures.
template <typename Call>
void TimeEach(benchmark::State& state, size_t n, Call call) {
  std::vector<double> fastest(n, 1e30);
  for (auto _ : state) {
    for (size_t i = 0; i < n; ++i) {
      const auto t0 = Clock::now();
      benchmark::DoNotOptimize(call(i));
      const double us = std::chrono::duration<double, std::micro>(Clock::now() - t0).count();
      fastest[i] = std::min(fastest[i], us);
    }
  }
  std::vector<double> sorted = fastest;
  std::sort(sorted.begin(), sorted.end());
  state.counters["median_us"] = sorted[n / 2];
  state.counters["slowest_us"] = sorted.back();
  state.counters["positions"] = static_cast<double>(n);
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * n));
}

void BM_Discard(benchmark::State& state) {
  const auto cases = DiscardCases();
  TimeEach(state, cases.size(), [&](size_t i) {
    const auto& c = cases[i];
    return Discard(reinterpret_cast<const unsigned char*>(c.hand.data()), c.dealer, c.pone);
  });
}

void PegBench(benchmark::State& state, bool leadsOnly) {
  const auto cases = PegCases(leadsOnly);
  TimeEach(state, cases.size(), [&](size_t i) {
    const auto& p = cases[i];
    return MakePegPlay(reinterpret_cast<const unsigned char*>(p.cards.data()),
                       static_cast<int16_t>(p.cards.size()), static_cast<int16_t>(p.held),
                       p.moverIsDealer ? 1 : 0, p.countIsEmpty ? 1 : 0,
                       static_cast<int16_t>(p.moverScore), static_cast<int16_t>(p.opponentScore));
  });
}

void BM_MakePegPlay(benchmark::State& state) { PegBench(state, false); }
void BM_MakePegPlayLead(benchmark::State& state) { PegBench(state, true); }

}  // namespace

BENCHMARK(BM_Discard)->Unit(benchmark::kMicrosecond)->MinTime(1.0);
BENCHMARK(BM_MakePegPlay)->Unit(benchmark::kMicrosecond)->MinTime(1.0);
BENCHMARK(BM_MakePegPlayLead)->Unit(benchmark::kMicrosecond)->MinTime(1.0);

BENCHMARK_MAIN();

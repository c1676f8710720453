// Time per call of the Expert library's decisions, loaded by name from the
// built libMerlin32.so as the program loads it, over the same kind of fixed,
// seeded positions as decision_bench: random hands and scores for Discard;
// pegging positions at every stage, the pone's lead (four cards each, the
// most holdings to search) and the dealer's answer to it for MakePegPlay.
// Each position is timed on its own in processor time of the calling thread
// (the fastest of the repetitions); the
// counters give the median and the slowest position in microseconds.
#include <benchmark/benchmark.h>
#include <dlfcn.h>

#include <algorithm>
#include <ctime>
#include <cstdio>
#include <string>
#include <vector>

#include "engine/osprey32.h"
#include "tests/support/random_pegging.h"

namespace {

// The calling thread's processor time in microseconds: on a machine shared
// with other work the wall clock would measure the others too.
double ThreadMicros() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return t.tv_sec * 1e6 + t.tv_nsec / 1e3;
}

struct Library {
  DiscardFn discard = nullptr;
  MakePegPlayFn makePegPlay = nullptr;
  Library() {
    const std::string path = std::string(KESTREL_BIN_DIR) + "/libMerlin32.so";
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
      std::fprintf(stderr, "merlin_bench: %s\n", dlerror());
      return;
    }
    discard = reinterpret_cast<DiscardFn>(dlsym(handle, "Discard"));
    makePegPlay = reinterpret_cast<MakePegPlayFn>(dlsym(handle, "MakePegPlay"));
  }
};
const Library& Merlin() {
  static const Library library;
  return library;
}

template <typename Call>
void TimeEach(benchmark::State& state, size_t n, Call call) {
  std::vector<double> fastest(n, 1e30);
  for (auto _ : state) {
    for (size_t i = 0; i < n; ++i) {
      const double t0 = ThreadMicros();
      benchmark::DoNotOptimize(call(i));
      const double us = ThreadMicros() - t0;
      fastest[i] = std::min(fastest[i], us);
    }
  }
  std::vector<double> sorted = fastest;
  std::sort(sorted.begin(), sorted.end());
  state.counters["median_us"] = sorted[n / 2];
  state.counters["slowest_us"] = sorted.back();
  state.counters["positions"] = static_cast<double>(n);
}

void BM_MerlinDiscard(benchmark::State& state) {
  if (!Merlin().discard) return state.SkipWithError("libMerlin32.so not loaded");
  kestrel::test::PegRandom random(31);
  struct Case {
    std::string hand;
    int16_t dealer, pone;
  };
  std::vector<Case> cases;
  for (int n = 0; n < 300; ++n)
    cases.push_back({kestrel::test::RandomSixCards(random), static_cast<int16_t>(random.Below(121)),
                     static_cast<int16_t>(random.Below(121))});
  TimeEach(state, cases.size(), [&](size_t i) {
    return Merlin().discard(reinterpret_cast<const unsigned char*>(cases[i].hand.data()), cases[i].dealer,
                            cases[i].pone);
  });
}

// kind 0: every stage; 1: the pone's lead; 2: the dealer's answer to the lead.
void BM_MerlinMakePegPlay(benchmark::State& state) {
  if (!Merlin().makePegPlay) return state.SkipWithError("libMerlin32.so not loaded");
  const int kind = static_cast<int>(state.range(0));
  kestrel::test::PegRandom random(8 + static_cast<uint64_t>(kind));
  std::vector<kestrel::test::PeggingPosition> cases;
  while (cases.size() < 200) {
    auto p = kind == 1 ? kestrel::test::RandomLeadPosition(random) : kestrel::test::RandomPeggingPosition(random);
    if (kind == 2 && !(p.moverIsDealer && p.held == 4 && p.cards.size() == 8)) continue;
    cases.push_back(p);
  }
  TimeEach(state, cases.size(), [&](size_t i) {
    const auto& p = cases[i];
    return Merlin().makePegPlay(reinterpret_cast<const unsigned char*>(p.cards.data()),
                                static_cast<int16_t>(p.cards.size()), static_cast<int16_t>(p.held),
                                p.moverIsDealer ? 1 : 0, p.countIsEmpty ? 1 : 0, static_cast<int16_t>(p.moverScore),
                                static_cast<int16_t>(p.opponentScore));
  });
}

}  // namespace

BENCHMARK(BM_MerlinDiscard)->Unit(benchmark::kMicrosecond)->MinTime(0.5);
BENCHMARK(BM_MerlinMakePegPlay)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond)->MinTime(0.5);

BENCHMARK_MAIN();

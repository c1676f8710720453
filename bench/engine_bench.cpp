// Time per call of the exported ScoreHand, ParseHand and ScorePegPlay, both
// linked in and through libOsprey32.so loaded by name, over a fixed mix of
// random hands and pegging counts.
#include <benchmark/benchmark.h>
#include <dlfcn.h>

#include <array>
#include <string>
#include <vector>

#include "engine/osprey32.h"
#include "engine/scoring.h"

namespace {

constexpr int kSamples = 4096;

// Deals from the engine's own generator: 5 distinct cards per hand.
std::vector<std::array<unsigned char, 5>> MakeHands() {
  std::vector<std::array<unsigned char, 5>> hands(kSamples);
  int32_t state = 12345;
  for (auto& hand : hands) {
    uint64_t used = 0;
    for (auto& card : hand) {
      int c;
      do {
        state = RandSeed(state);
        c = static_cast<int>((static_cast<uint32_t>(state) >> 24) % 52);
      } while (used & (uint64_t{1} << c));
      used |= uint64_t{1} << c;
      card = static_cast<unsigned char>(c);
    }
  }
  return hands;
}

// Pegging counts of 2..8 cards with a pip total of at most 31.
struct PegCount {
  std::array<unsigned char, 8> cards;
  int16_t length;
};
std::vector<PegCount> MakeCounts() {
  std::vector<PegCount> counts;
  int32_t state = 777;
  while (counts.size() < kSamples) {
    PegCount p{};
    uint64_t used = 0;
    int total = 0;
    const int want = 2 + static_cast<int>((static_cast<uint32_t>(state = RandSeed(state)) >> 24) % 7);
    while (p.length < want) {
      state = RandSeed(state);
      const int c = static_cast<int>((static_cast<uint32_t>(state) >> 24) % 52);
      const int pip = c % 13 + 1 > 10 ? 10 : c % 13 + 1;
      if ((used & (uint64_t{1} << c)) || total + pip > 31) break;
      used |= uint64_t{1} << c;
      total += pip;
      p.cards[p.length++] = static_cast<unsigned char>(c);
    }
    if (p.length >= 2) counts.push_back(p);
  }
  return counts;
}

const auto kHands = MakeHands();
const auto kCounts = MakeCounts();

void* Library() {
  static void* library = dlopen(KESTREL_BIN_DIR "/libOsprey32.so", RTLD_NOW | RTLD_LOCAL);
  return library;
}

template <typename Fn>
void RunHands(benchmark::State& state, Fn scoreHand) {
  size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(scoreHand(kHands[i].data(), 0));
    i = (i + 1) % kHands.size();
  }
  state.SetItemsProcessed(state.iterations());
}

template <typename Fn>
void RunCounts(benchmark::State& state, Fn scorePegPlay) {
  size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(scorePegPlay(kCounts[i].cards.data(), kCounts[i].length));
    i = (i + 1) % kCounts.size();
  }
  state.SetItemsProcessed(state.iterations());
}

void BM_ScoreHand(benchmark::State& state) { RunHands(state, ScoreHand); }
void BM_ParseHand(benchmark::State& state) { RunHands(state, ParseHand); }
void BM_ScorePegPlay(benchmark::State& state) { RunCounts(state, ScorePegPlay); }

void BM_ScoreHand_Shared(benchmark::State& state) {
  auto fn = Library() ? reinterpret_cast<ScoreHandFn>(dlsym(Library(), "ScoreHand")) : nullptr;
  if (!fn) return state.SkipWithError("libOsprey32.so not loaded");
  RunHands(state, fn);
}
void BM_ScorePegPlay_Shared(benchmark::State& state) {
  auto fn = Library() ? reinterpret_cast<ScorePegPlayFn>(dlsym(Library(), "ScorePegPlay")) : nullptr;
  if (!fn) return state.SkipWithError("libOsprey32.so not loaded");
  RunCounts(state, fn);
}

// The scorer alone on card bytes, as the discard evaluation calls it.
void BM_ScoreShowTotal(benchmark::State& state) {
  std::vector<std::array<osprey::CardByte, 5>> hands(kHands.size());
  for (size_t i = 0; i < kHands.size(); ++i) osprey::ParseCards(kHands[i].data(), 5, hands[i].data());
  size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(osprey::ScoreShowTotal(hands[i].data(), false));
    i = (i + 1) % hands.size();
  }
  state.SetItemsProcessed(state.iterations());
}

BENCHMARK(BM_ScoreHand);
BENCHMARK(BM_ScoreShowTotal);
BENCHMARK(BM_ParseHand);
BENCHMARK(BM_ScorePegPlay);
BENCHMARK(BM_ScoreHand_Shared);
BENCHMARK(BM_ScorePegPlay_Shared);

}  // namespace

BENCHMARK_MAIN();

// Figures for the profile file and the card source: a full save (one atomic
// replacement with fsync), a full load, one key read, one deal of 13 cards.
#include <benchmark/benchmark.h>

#include "engine/osprey32.h"
#include "game/card_source.h"
#include "settings/profile.h"
#include "tests/support/scratch_dir.h"

using namespace kestrel;

namespace {

class Alternating : public MatchRecordHooks {
 public:
  int n = 0;
  std::string StateText() override { return std::to_string(++n) + ",0,0,0,0,-1,2,30,40,29,38,3,5,2,6,-1"; }
};

void BM_SaveSettings(benchmark::State& state) {
  testing::ScratchDir dir;
  SettingsFile file(dir.Path(), CommandLine());
  Alternating hooks;  // a changed State every time, so every save writes
  Options o;
  for (auto _ : state) SaveSettings(file, "Ann", o, hooks);
}
BENCHMARK(BM_SaveSettings)->Unit(benchmark::kMicrosecond);

void BM_LoadSettings(benchmark::State& state) {
  testing::ScratchDir dir;
  SettingsFile file(dir.Path(), CommandLine());
  Alternating hooks;
  Options o;
  SaveSettings(file, "Ann", o, hooks);
  for (auto _ : state) {
    Options loaded;
    LoadSettings(file, "Ann", loaded, hooks);
    benchmark::DoNotOptimize(loaded);
  }
}
BENCHMARK(BM_LoadSettings)->Unit(benchmark::kMicrosecond);

void BM_DrawCards(benchmark::State& state) {
  Options o;
  o.lngSeedOrPointer = 13896;
  CardSource source(o, [](int32_t s) { return ::RandSeed(s); });
  for (auto _ : state) benchmark::DoNotOptimize(source.DrawCards(13));
}
BENCHMARK(BM_DrawCards);

}  // namespace

BENCHMARK_MAIN();

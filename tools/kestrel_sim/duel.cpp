// The duel of kestrel-sim (duel.h). Every game is dealt from its own seed
// (made from the first seed and the game number) and the first dealer
// alternates from game to game, so that with the seats exchanged each deal
// of each game comes again with the other library holding the same cards.
#include "tools/kestrel_sim/duel.h"

#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "game/automatic_host.h"
#include "game/card_source.h"
#include "game/card_source_deal.h"
#include "game/engine_bridge.h"
#include "game/match_controller.h"
#include "patter/patter.h"
#include "settings/options.h"
#include "stats/activity_log.h"
#include "stats/statistics.h"

namespace kestrel {
namespace {


// Seed of game g (0-based): a fixed scramble of the first seed and g.
int32_t GameSeed(int seed, long g) {
  uint32_t x = static_cast<uint32_t>(seed) * 2654435761u + static_cast<uint32_t>(g) * 40503u + 12345u;
  x ^= x >> 15;
  x *= 2246822519u;
  x ^= x >> 13;
  return static_cast<int32_t>(x & 0x7FFFFFF);
}

// One library's side of the duel: games won and the per-deal tallies
// (index 1..8 as the statistics keep them).
struct SideResult {
  long wins = 0;
  double totals[9] = {};
};

// Plays `games` games with `a` in the player's seat and `b` in the
// computer's, adding each side's figures.
void PlayMatch(const DuelArgs& args, const std::string& a, const std::string& b, SideResult& ra, SideResult& rb) {
  Options options;
  ResetDefaults(options);
  options.intCardSource = 0;
  options.intGameLength = 0;
  options.intFirstDealer = 1;  // alternate, whoever won
  options.intLogLevel = 0;
  options.intPatter = 0;
  options.intSounds = 0;
  options.blnAutoplay = options.blnAutoscore = true;
  options.blnNonStop = false;
  options.lngSeedOrPointer = GameSeed(args.seed, 0);

  GameState state;
  state.intUseAltLibrary = 0;
  EngineBridge bridge(OwnFolder());
  bridge.SetDecisionLibrary(false, a);
  bridge.SetDecisionLibrary(true, b);
  CardSource source(options, [&](int32_t s) { return bridge.RandSeed(s); });
  CardSourceDeal deal(source, options);
  AutomaticHost host(static_cast<int>(args.games));
  bridge.SetHost(&host);  // a failing library is reported on standard error
  PatterTable patter;
  Statistics stats;
  ActivityLog log(options, host);
  MatchController controller(state, options, host, bridge, deal, patter, stats, log);
  controller.SetPlayerName("Duel");
  host.Attach(&controller);
  host.SetGameEndHandler([&] {
    (state.intComputerScore > state.intPlayerScore ? rb : ra).wins += 1;
    options.lngSeedOrPointer = GameSeed(args.seed, state.intGamesPlayed);
  });
  controller.PlayMatch();
  for (int k = 1; k <= 8; ++k) {
    ra.totals[k] += stats.playerTotals[static_cast<size_t>(k)];
    rb.totals[k] += stats.computerTotals[static_cast<size_t>(k)];
  }
}

void PrintAverages(const char* name, const SideResult& r) {
  const double deals = r.totals[1] > 0 ? r.totals[1] : 1, pones = r.totals[2] > 0 ? r.totals[2] : 1;
  std::printf("averages %s: deals %.0f dealer hand %.3f crib %.3f peg %.3f; pones %.0f pone hand %.3f peg %.3f\n",
              name, r.totals[1], r.totals[3] / deals, r.totals[4] / deals, r.totals[6] / deals, r.totals[2],
              r.totals[5] / pones, r.totals[7] / pones);
}

}  // namespace

std::string OwnFolder() {
  char path[4096];
  const ssize_t n = ::readlink("/proc/self/exe", path, sizeof path - 1);
  if (n <= 0) return ".";
  std::string p(path, static_cast<size_t>(n));
  const size_t slash = p.rfind('/');
  return slash == std::string::npos ? "." : p.substr(0, slash);
}

int RunDuel(const DuelArgs& args) {
  const std::string a = args.playerLib.empty() ? std::string(kOspreyLibrary) : args.playerLib;
  const std::string b = args.computerLib.empty() ? std::string(kOspreyLibrary) : args.computerLib;
  SideResult ra, rb;
  PlayMatch(args, a, b, ra, rb);
  if (args.swap) PlayMatch(args, b, a, rb, ra);
  const double n = static_cast<double>(ra.wins + rb.wins);
  const double p = n > 0 ? ra.wins / n : 0;
  const double half = 1.96 * std::sqrt(p * (1 - p) / (n > 0 ? n : 1));
  std::printf("duel %s against %s: games %.0f%s, first seed %d\n", a.c_str(), b.c_str(), n,
              args.swap ? " (every deal twice, seats exchanged)" : "", args.seed);
  std::printf("%s won %ld, %s won %ld: win rate %.2f%%, 95%% interval %.2f%% to %.2f%%\n", a.c_str(), ra.wins,
              b.c_str(), rb.wins, 100 * p, 100 * (p - half), 100 * (p + half));
  PrintAverages(a.c_str(), ra);
  PrintAverages(b.c_str(), rb);
  return 0;
}

}  // namespace kestrel

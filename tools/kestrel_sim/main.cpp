// kestrel-sim: plays one match headless through the same match controller
// as the window, with the program's own automatic actions (Continue,
// Autoplay, Autoscore), in a folder that stands for the program's folder:
// it reads and writes "Kestrel32.ini" there and writes the activity log
// there as the stored options ask. With "UsePetrelDLL" = 1 the player's side
// decides through libPetrel32.so. With --report the statistics report, as
// "Show Statistics and Log" shows it at the last game's end, is written to FILE.
//
//   kestrel-sim --dir FOLDER [--games N] [--player NAME] [--petrel-dir FOLDER] [--report FILE]
//
// With --player-lib or --computer-lib it plays a duel instead (duel.h): the
// two decision libraries (file names in the program's folder or paths;
// default libOsprey32.so) play N games, and N more with the seats exchanged
// unless --no-swap is given, every game dealt from a seed made from --seed.
//
//   kestrel-sim --dir FOLDER --player-lib LIB --computer-lib LIB [--games N] [--seed S] [--no-swap]
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>

#include "game/automatic_host.h"
#include "game/card_source.h"
#include "game/card_source_deal.h"
#include "game/engine_bridge.h"
#include "game/match_controller.h"
#include "game/session.h"
#include "game/shared_library.h"
#include "patter/patter.h"
#include "settings/options.h"
#include "game/startup.h"
#include "settings/profile.h"
#include "settings/settings_file.h"
#include "settings/session_settings.h"
#include "stats/activity_log.h"
#include "stats/statistics.h"
#include "stats/statistics_report.h"
#include "tools/kestrel_sim/duel.h"

using namespace kestrel;

namespace {

constexpr char kUsage[] =
    "usage: kestrel-sim --dir FOLDER [--games N] [--player NAME] [--petrel-dir FOLDER] [--report FILE]\n"
    "       kestrel-sim --dir FOLDER --player-lib LIB --computer-lib LIB [--games N] [--seed S] [--no-swap]\n";

int Usage() {
  std::fprintf(stderr, "%s(kestrel-sim --help describes every flag)\n", kUsage);
  return 2;
}

int Help() {
  std::printf(
      "%s\n"
      "Plays Kestrel matches without a window, through the game's own match controller,\n"
      "with the program's automatic actions answering for the player.\n\n"
      "  --dir FOLDER         the folder that stands for the program's folder: Kestrel32.ini\n"
      "                       is read and written there, and the activity log written as the\n"
      "                       stored options ask (required)\n"
      "  --games N            games to play, 1 to 30000 (default 100; in a duel, per seat order)\n"
      "  --player NAME        the player (default: the first stored one, else MoonBeam)\n"
      "  --petrel-dir FOLDER  where libPetrel32.so is looked for; it plays the player's side\n"
      "                       when the Global switch UsePetrelDLL is 1\n"
      "  --report FILE        after the last game, write the statistics report there (CR LF),\n"
      "                       as File > Show Statistics would show it\n"
      "  --player-lib LIB     a duel: the decision library LIB (a file name beside kestrel-sim:\n"
      "                       libOsprey32.so, libMerlin32.so, libGreedy32.so) plays the first seat\n"
      "  --computer-lib LIB   a duel: the library of the other seat (default libOsprey32.so)\n"
      "  --seed S             a duel: the first game's seed (default 1)\n"
      "  --no-swap            a duel: do not replay each deal with the seats exchanged\n"
      "  --help               this text\n\n"
      "Exit status: 0 played, 1 the engine library cannot be used, 2 a bad command line.\n",
      kUsage);
  return 0;
}

double Average(int32_t points, int32_t hands) { return static_cast<double>(points) / (hands > 0 ? hands : 1); }

}  // namespace

int main(int argc, char** argv) {
  std::string dir, player, petrelDir, reportFile;
  long games = 100;
  DuelArgs duel;
  bool dueling = false;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--help" || arg == "-h") return Help();
    const bool hasValue = i + 1 < argc;
    if (arg == "--dir" && hasValue) dir = argv[++i];
    else if (arg == "--games" && hasValue) games = std::strtol(argv[++i], nullptr, 10);
    else if (arg == "--player" && hasValue) player = argv[++i];
    else if (arg == "--petrel-dir" && hasValue) petrelDir = argv[++i];
    else if (arg == "--report" && hasValue) reportFile = argv[++i];
    else if (arg == "--player-lib" && hasValue) dueling = true, duel.playerLib = argv[++i];
    else if (arg == "--computer-lib" && hasValue) dueling = true, duel.computerLib = argv[++i];
    else if (arg == "--seed" && hasValue) duel.seed = static_cast<int>(std::strtol(argv[++i], nullptr, 10));
    else if (arg == "--no-swap") duel.swap = false;
    else return Usage();
  }
  if (dir.empty() || games < 1 || games > 30000) return Usage();
  if (dueling) {
    duel.dir = dir;
    duel.games = games;
    return RunDuel(duel);
  }
  // A report file that cannot be written is said now, not after the run.
  if (!reportFile.empty() && !std::ofstream(reportFile, std::ios::binary | std::ios::trunc)) {
    std::fprintf(stderr, "kestrel-sim: cannot write the report to %s\n", reportFile.c_str());
    return 2;
  }

  AutomaticHost host(static_cast<int>(games));
  SettingsFile file(dir, CommandLine(""));
  file.SetHost(&host);
  file.RemoveLeftovers();
  Options options;
  const GlobalSwitches globals = ReadGlobalSwitches(file);

  GameState state;
  state.intUseAltLibrary = globals.intUseAltLibrary;
  state.blnAllowCtrlF10 = globals.blnAllowCtrlF10;
  state.blnAllowMultipleInstances = globals.blnAllowMultipleInstances;
  const std::string own = OwnFolder();
  EngineBridge bridge(own, petrelDir);
  bridge.SetHost(&host);
  // Without every export of the engine nothing is played: the same text as the program's.
  if (const std::string problem = bridge.CheckEngine(); !problem.empty()) {
    std::fprintf(stderr, "Kestrel: %s\n", problem.c_str());
    return 1;
  }
  CardSource source(options, [&](int32_t s) { return bridge.RandSeed(s); });
  CardSourceDeal deal(source, options);

  bridge.SetHost(&host);
  PatterTable patter;
  Statistics stats;
  ActivityLog log(options, host);
  MatchController controller(state, options, host, bridge, deal, patter, stats, log);
  host.Attach(&controller);
  // The player and his settings, as the program restores them.
  Session session(file, state, options, patter, stats, controller, host, log);
  session.SetCardSource(&source);
  session.Start(player);
  player = session.PlayerName();
  bridge.SetDecisionLibrary(true, OpponentLibraryFile(options.intOpponent));  // the stored Computer Opponent

  // The automatic actions answer only where the button is enabled; the run
  // plays for the player whatever the stored Allow Autoplay/Autoscore say.
  const Options stored = options;
  options.blnAutoplay = options.blnAutoscore = true;
  options.blnNonStop = false;

  long playerWins = 0, computerWins = 0;
  bool reportFailed = false;
  host.SetGameEndHandler([&] {
    // The last game's end: the report as the window would show it now.
    if (!reportFile.empty() && state.intGamesPlayed == games) {
      const std::string report = StatisticsReport(state, stats, player, SessionSettingsText(options, state, false));
      std::ofstream out(reportFile, std::ios::binary | std::ios::trunc);
      out << report;
      out.close();
      if (!out) {
        std::fprintf(stderr, "kestrel-sim: cannot write the report to %s\n", reportFile.c_str());
        reportFailed = true;
      }
    }
    const bool computerWon = state.intComputerScore > state.intPlayerScore;
    (computerWon ? computerWins : playerWins) += 1;
    std::printf("game %d: %s %d, Computer %d, %s wins after %d hands; match %d/%d\n", state.intGamesPlayed,
                player.c_str(), state.intPlayerScore, state.intComputerScore, computerWon ? "Computer" : player.c_str(),
                state.intHandsDealt, state.intPlayerMatchPoints, state.intComputerMatchPoints);
  });

  const auto start = std::chrono::steady_clock::now();
  controller.PlayMatch();
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

  // Per-deal averages from the completed hands (the hand that ends a game is
  // not counted): dealer hand, crib, pegging; pone hand, pegging.
  for (int side = 0; side < 2; ++side) {
    const auto& t = side == 0 ? stats.playerTotals : stats.computerTotals;
    std::printf("averages %s: deals %d dealer hand %.3f crib %.3f peg %.3f; pones %d pone hand %.3f peg %.3f\n",
                side == 0 ? player.c_str() : "Computer", t[1], Average(t[3], t[1]), Average(t[4], t[1]),
                Average(t[6], t[1]), t[2], Average(t[5], t[2]), Average(t[7], t[2]));
  }
  std::printf("games %d  %s won %ld  Computer won %ld  match points %d/%d  point differential %+d  games/s %.1f\n",
              state.intGamesPlayed, player.c_str(), playerWins, computerWins, state.intPlayerMatchPoints,
              state.intComputerMatchPoints, state.intPointDifferential,
              seconds > 0 ? state.intGamesPlayed / seconds : 0.0);

  // The settings go back as the program would leave them.
  options.blnAutoplay = stored.blnAutoplay;
  options.blnAutoscore = stored.blnAutoscore;
  session.Save();
  return reportFailed ? 1 : 0;
}

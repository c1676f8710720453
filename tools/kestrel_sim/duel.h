// kestrel-sim's duel: two decision libraries play each other through the
// match controller, every deal twice with the seats exchanged, and the run
// prints the first library's win rate with its 95% interval and both
// libraries' per-deal averages.
#pragma once

#include <string>

namespace kestrel {

struct DuelArgs {
  std::string dir;          // the folder that stands for the program's folder
  std::string playerLib;    // library A (sits in the player's seat first); empty: libOsprey32.so
  std::string computerLib;  // library B; empty: libOsprey32.so
  long games = 1000;        // per seat order, so twice as many in all when swapping
  int seed = 1;             // the first game's seed; game g is dealt from a seed made from it
  bool swap = true;         // play every game again with the libraries exchanged
};

// The folder of the running executable, where the libraries are looked for.
std::string OwnFolder();

// Runs the duel and prints the figures; returns the process's exit status.
int RunDuel(const DuelArgs& args);

}  // namespace kestrel

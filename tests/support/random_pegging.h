// Random legal pegging positions for tests and benchmarks: a seeded deal,
// random discards, a pegging phase played with random legal cards up to a
// turn of the player to move, written as the MakePegPlay string.
#pragma once

#include <cstdint>
#include <string>

namespace kestrel::test {

struct PeggingPosition {
  std::string cards;  // card numbers: mover's played, held, discards, starter, opponent's played
  int held = 4;
  bool moverIsDealer = false;
  bool countIsEmpty = false;
  int moverScore = 0;
  int opponentScore = 0;
  int count = 0;  // the count the mover plays on (0 when countIsEmpty)
};

// A small seeded generator (splitmix64) so positions are the same everywhere.
class PegRandom {
 public:
  explicit PegRandom(uint64_t seed) : state_(seed) {}
  uint64_t Next();
  int Below(int n);  // uniform in 0..n-1

 private:
  uint64_t state_;
};

// One position; the number of plays before the mover's turn is random, so
// held runs from 4 (a full hand, possibly at an empty count) down to 0.
PeggingPosition RandomPeggingPosition(PegRandom& random);

// The pone's lead: four held cards at an empty count.
PeggingPosition RandomLeadPosition(PegRandom& random);

// Six distinct random card numbers.
std::string RandomSixCards(PegRandom& random);

}  // namespace kestrel::test

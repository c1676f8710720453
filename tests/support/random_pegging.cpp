// Random legal pegging positions (see random_pegging.h).
#include "tests/support/random_pegging.h"

#include <utility>
#include <vector>

namespace kestrel::test {
namespace {

int Pip(int card) {
  const int rank = card % 13 + 1;
  return rank > 10 ? 10 : rank;
}

std::vector<int> Shuffled(PegRandom& random) {
  std::vector<int> deck(52);
  for (int k = 0; k < 52; ++k) deck[k] = k;
  for (int k = 0; k < 51; ++k) std::swap(deck[k], deck[k + random.Below(52 - k)]);
  return deck;
}

int RandomScore(PegRandom& random) {
  // Half the time anywhere in the game, half the time near its end.
  return random.Below(2) ? random.Below(121) : 100 + random.Below(21);
}

}  // namespace

uint64_t PegRandom::Next() {
  uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

int PegRandom::Below(int n) { return static_cast<int>(Next() % static_cast<uint64_t>(n)); }

std::string RandomSixCards(PegRandom& random) {
  const std::vector<int> deck = Shuffled(random);
  std::string s;
  for (int k = 0; k < 6; ++k) s.push_back(static_cast<char>(deck[k]));
  return s;
}

PeggingPosition RandomPeggingPosition(PegRandom& random) {
  const std::vector<int> deck = Shuffled(random);
  // Player 0 is the pone, 1 the dealer; each keeps four of six, lays away two.
  std::vector<int> hand[2], discards[2], played[2];
  for (int p = 0; p < 2; ++p) {
    for (int k = 0; k < 6; ++k) {
      (k < 4 ? hand[p] : discards[p]).push_back(deck[6 * p + k]);
    }
  }
  const int starter = deck[12];

  // Play: the pone leads, turns alternate, a player plays a random card that
  // fits or says go; the count restarts at 31 or after two goes in turn.
  // Stop at a random turn of either player that follows a play (or at the
  // start), at the latest when both are out: a history ends with a card.
  const int stopAfter = random.Below(10);
  int count = 0, goes = 0, turn = 0;
  bool lastWasPlay = true;
  for (int t = 0;; ++t) {
    const bool bothOut = hand[0].empty() && hand[1].empty();
    if ((t >= stopAfter && lastWasPlay) || bothOut) break;
    std::vector<int> fits;
    for (size_t k = 0; k < hand[turn].size(); ++k)
      if (count + Pip(hand[turn][k]) <= 31) fits.push_back(static_cast<int>(k));
    lastWasPlay = !fits.empty();
    if (fits.empty()) {
      ++goes;
    } else {
      const int k = fits[random.Below(static_cast<int>(fits.size()))];
      const int card = hand[turn][k];
      hand[turn].erase(hand[turn].begin() + k);
      played[turn].push_back(card);
      count += Pip(card);
      goes = 0;
    }
    if (count == 31 || goes > 1) {
      count = 0;
      goes = 0;
    }
    turn = 1 - turn;
  }
  const int mover = turn, opponent = 1 - turn;

  PeggingPosition pos;
  for (int c : played[mover]) pos.cards.push_back(static_cast<char>(c));
  for (int c : hand[mover]) pos.cards.push_back(static_cast<char>(c));
  for (int c : discards[mover]) pos.cards.push_back(static_cast<char>(c));
  pos.cards.push_back(static_cast<char>(starter));
  for (int c : played[opponent]) pos.cards.push_back(static_cast<char>(c));
  pos.held = static_cast<int>(hand[mover].size());
  pos.moverIsDealer = mover == 1;

  // The count may be given as empty when it is, and may be when the mover
  // cannot play on it (both players have then said go).
  bool moverFits = false;
  for (int c : hand[mover]) moverFits |= count + Pip(c) <= 31;
  pos.countIsEmpty = (count == 0 || !moverFits) && random.Below(2) == 1;
  pos.count = pos.countIsEmpty ? 0 : count;
  pos.moverScore = RandomScore(random);
  pos.opponentScore = RandomScore(random);
  return pos;
}

PeggingPosition RandomLeadPosition(PegRandom& random) {
  const std::vector<int> deck = Shuffled(random);
  PeggingPosition pos;
  for (int k = 0; k < 7; ++k) pos.cards.push_back(static_cast<char>(deck[k]));
  pos.held = 4;
  pos.moverIsDealer = false;
  pos.countIsEmpty = true;
  pos.moverScore = RandomScore(random);
  pos.opponentScore = RandomScore(random);
  return pos;
}

}  // namespace kestrel::test

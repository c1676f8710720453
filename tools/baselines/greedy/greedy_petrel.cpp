// Baseline decision library: greedy choices. Discard keeps the four cards
// with the best average hand over the 46 possible starters (the crib is not
// considered); MakePegPlay plays the held card that scores most at once.
#include <vector>

#include "engine/osprey32.h"
#include "tools/baselines/common/baseline_play.h"

int16_t Discard(const unsigned char* hand, int16_t, int16_t) {
  int best = -1, bestByte = 4 + 16 * 5;
  for (int i = 0; i < 6; ++i)
    for (int j = i + 1; j < 6; ++j) {
      int kept[4], k = 0;
      for (int c = 0; c < 6; ++c)
        if (c != i && c != j) kept[k++] = hand[c];
      int total = 0;
      for (int starter = 0; starter < 52; ++starter) {
        bool inHand = false;
        for (int c = 0; c < 6; ++c) inHand = inHand || hand[c] == starter;
        if (!inHand) total += baseline::HandPoints(kept, starter);
      }
      if (total > best) {
        best = total;
        bestByte = i + 16 * j;
      }
    }
  return static_cast<int16_t>(bestByte << 8 | bestByte);
}

int16_t MakePegPlay(const unsigned char* cards, int16_t length, int16_t held, int16_t moverIsDealer,
                    int16_t countIsEmpty, int16_t, int16_t) {
  if (length < 7 || length > 11 || held < 1 || held > 4) return 0;
  std::vector<int> seq = baseline::CurrentCount(cards, length, held, moverIsDealer != 0, countIsEmpty != 0);
  const int count = baseline::CountOf(seq);
  int best = -1, choice = 0;
  for (int p = 4 - held; p < 4; ++p) {
    if (count + baseline::Value(cards[p]) > 31) continue;
    seq.push_back(cards[p]);
    const int points = baseline::PegPoints(seq);
    seq.pop_back();
    if (points > best) {
      best = points;
      choice = p + 1;
    }
  }
  return static_cast<int16_t>(choice);
}

// Baseline decision library: random legal choices. Discard lays away two
// random cards; MakePegPlay plays a random held card that fits the count.
#include <atomic>
#include <vector>

#include "engine/osprey32.h"
#include "tools/baselines/common/baseline_play.h"

namespace {
std::atomic<uint64_t> state{0x9E3779B97F4A7C15ull};
int Random(int n) {
  uint64_t x = state.load();
  x ^= x << 13;
  x ^= x >> 7;
  x ^= x << 17;
  state.store(x);
  return static_cast<int>(x % static_cast<uint64_t>(n));
}
}  // namespace

int16_t Discard(const unsigned char*, int16_t, int16_t) {
  const int i = Random(6);
  int j = Random(5);
  if (j >= i) ++j;
  const int lo = std::min(i, j), hi = std::max(i, j);
  const int byte = lo + 16 * hi;
  return static_cast<int16_t>(byte << 8 | byte);
}

int16_t MakePegPlay(const unsigned char* cards, int16_t length, int16_t held, int16_t moverIsDealer,
                    int16_t countIsEmpty, int16_t, int16_t) {
  if (length < 7 || length > 11 || held < 1 || held > 4) return 0;
  const int count = baseline::CountOf(baseline::CurrentCount(cards, length, held, moverIsDealer != 0, countIsEmpty != 0));
  std::vector<int> fits;
  for (int p = 4 - held; p < 4; ++p)
    if (count + baseline::Value(cards[p]) <= 31) fits.push_back(p + 1);
  return fits.empty() ? 0 : static_cast<int16_t>(fits[Random(static_cast<int>(fits.size()))]);
}

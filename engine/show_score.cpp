// Hand scoring at the show: flush, his nobs, fifteens, pairs and runs of four
// cards and the starter, as a total or as a breakdown word.
#include <bit>

#include "engine/scoring.h"

namespace osprey {
namespace {

// Per rank nibble: keep the shifted polynomial for a card, drop it for an
// empty slot (and the unused nibbles).
constexpr uint64_t kFifteenMask[16] = {0,       ~0ull, ~0ull, ~0ull, ~0ull, ~0ull, ~0ull, ~0ull,
                                       ~0ull,   ~0ull, ~0ull, ~0ull, ~0ull, ~0ull, 0,     0};

struct ShowParts {
  int flushAndNobs;  // flush points (0, 4, 5) + nobs point
  int fifteens;      // number of subsets summing to 15
  int pairs;         // number of pairs of equal rank
  int runPoints;     // run length * product of the multiplicities
};

inline ShowParts ScoreParts(const CardByte c[5], bool isCrib) {
  ShowParts parts{};

  // Flush: the four hand cards share a suit; with the starter that is five.
  const int handSuit = c[0] & c[1] & c[2] & c[3] & kSuitMask;
  if (handSuit != 0) {
    if (handSuit & c[4]) parts.flushAndNobs = 5;
    else if (!isCrib) parts.flushAndNobs = 4;
  }
  // His nobs: the Jack of the starter's suit among the four hand cards.
  const int starterSuit = c[4] & kSuitMask;
  for (int i = 0; i < 4; ++i) {
    if (Rank(c[i]) == 11 && (c[i] & starterSuit)) {
      parts.flushAndNobs += 1;
      break;
    }
  }

  // Fifteens: the number of subsets whose pips sum to 15 is the x^15
  // coefficient of the product of (1 + x^pip) over the cards. The
  // coefficients of x^0..x^15 live in the 16 nibbles of one word (subsets of
  // equal sum form an antichain, so none exceeds C(5,2) = 10 and no nibble
  // overflows); higher powers fall off the top. An empty slot multiplies by 1.
  uint64_t poly = 1;
  for (int i = 0; i < 5; ++i) {
    const int r = Rank(c[i]);
    poly += (poly << (4 * kPipOfRank[r] & 63)) & kFifteenMask[r];
  }
  parts.fifteens = static_cast<int>(poly >> 60);

  // Pairs, and the per-rank counts as one nibble per rank (an empty slot
  // lands in nibble 0, which no pair or run looks at).
  const int r0 = Rank(c[0]), r1 = Rank(c[1]), r2 = Rank(c[2]), r3 = Rank(c[3]), r4 = Rank(c[4]);
  parts.pairs = (r0 == r1 && r0) + (r0 == r2 && r0) + (r0 == r3 && r0) + (r0 == r4 && r0) +
                (r1 == r2 && r1) + (r1 == r3 && r1) + (r1 == r4 && r1) + (r2 == r3 && r2) +
                (r2 == r4 && r2) + (r3 == r4 && r3);
  const uint64_t counts = (uint64_t{1} << (4 * r0)) + (uint64_t{1} << (4 * r1)) +
                          (uint64_t{1} << (4 * r2)) + (uint64_t{1} << (4 * r3)) +
                          (uint64_t{1} << (4 * r4));
  const uint32_t present = ((1u << r0) | (1u << r1) | (1u << r2) | (1u << r3) | (1u << r4)) & ~1u;

  // Runs: five cards hold at most one stretch of three or more ranks (Ace low).
  const uint32_t starts = present & (present >> 1) & (present >> 2);
  if (starts != 0) {
    const int first = std::countr_zero(starts);
    const int length = std::countr_one(present >> first);
    int product = 1;
    for (int r = first; r < first + length; ++r) product *= static_cast<int>((counts >> (4 * r)) & 0xF);
    parts.runPoints = length * product;
  }
  return parts;
}

}  // namespace

int ScoreShowTotal(const CardByte cards[5], bool isCrib) {
  const ShowParts p = ScoreParts(cards, isCrib);
  return p.flushAndNobs + 2 * p.fifteens + 2 * p.pairs + p.runPoints;
}

int ScoreShowBreakdown(const CardByte cards[5], bool isCrib) {
  const ShowParts p = ScoreParts(cards, isCrib);
  const int f = p.flushAndNobs;
  const int flushBits = ((f > 4) << 11) | ((f > 1) << 12) | ((f == 1 || f == 6) << 13);
  return p.runPoints | (p.pairs << 4) | (p.fifteens << 7) | flushBits;
}

}  // namespace osprey

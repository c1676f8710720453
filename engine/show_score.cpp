// Hand scoring at the show: flush, his nobs, fifteens, pairs and runs of four
// cards and the starter, as a total or as a breakdown word.
#include <bit>

#include "engine/scoring.h"

namespace osprey {
namespace {

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

  // Fifteens over every subset of two or more cards: the whole hand, each
  // four (all but one card), each pair and each three (all but a pair).
  const int p0 = Pip(c[0]), p1 = Pip(c[1]), p2 = Pip(c[2]), p3 = Pip(c[3]), p4 = Pip(c[4]);
  const int t = p0 + p1 + p2 + p3 + p4;
  const int rest = t - 15;  // a subset sums to 15 when its complement sums to this
  int fifteens = (t == 15);
  fifteens += (p0 == rest) + (p1 == rest) + (p2 == rest) + (p3 == rest) + (p4 == rest);
  const int pairSums[10] = {p0 + p1, p0 + p2, p0 + p3, p0 + p4, p1 + p2,
                            p1 + p3, p1 + p4, p2 + p3, p2 + p4, p3 + p4};
  for (int s : pairSums) fifteens += (s == 15) + (s == rest);
  parts.fifteens = fifteens;

  // Pairs and the per-rank counts (one nibble per rank, empty slots skipped).
  const int r0 = Rank(c[0]), r1 = Rank(c[1]), r2 = Rank(c[2]), r3 = Rank(c[3]), r4 = Rank(c[4]);
  const int ranks[5] = {r0, r1, r2, r3, r4};
  uint64_t counts = 0;
  uint32_t present = 0;
  int pairs = 0;
  for (int i = 0; i < 5; ++i) {
    const int r = ranks[i];
    if (r == 0) continue;
    pairs += static_cast<int>((counts >> (4 * r)) & 0xF);
    counts += uint64_t{1} << (4 * r);
    present |= 1u << r;
  }
  parts.pairs = pairs;

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

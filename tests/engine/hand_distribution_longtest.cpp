// Every four-card hand with every starter (12,994,800 deals) scored through
// ScoreHand and ParseHand, checked against a plain reference scorer and the
// published distribution of hand scores.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>

#include "engine/osprey32.h"
#include "tests/support/reference_score.h"

namespace {

using kestrel::test::ReferenceScore;

// Hands (four cards and a starter) per score 0..29, as published.
constexpr std::array<int64_t, 30> kPublishedHandCounts = {
    1009008, 99792, 2813796, 505008, 2855676, 697508, 1800268, 751324, 1137236, 361224,
    388740,  51680, 317340,  19656,  90100,   9168,   58248,   11196,  2708,    0,
    8068,    2496,  444,     356,    3680,    0,      0,       0,      76,      4};

// The same deals counted as the crib, where a four-card flush scores nothing.
constexpr std::array<int64_t, 30> kCribCounts = {
    1022208, 99792, 2839800, 508908, 2868960, 703496, 1787176, 755320, 1118336, 358368,
    378240,  43880, 310956,  16548,  88132,   9072,   57288,   11196,  2264,    0,
    7828,    2472,  444,     356,    3680,    0,      0,       0,      76,      4};

TEST(HandDistribution, EveryHandWithEveryStarter) {
  std::array<int64_t, 30> hand{}, crib{};
  int64_t mismatches = 0, breakdownMismatches = 0, total = 0;
  unsigned char s[5];
  int cards[5];
  for (int a = 0; a < 52; ++a) {
    for (int b = a + 1; b < 52; ++b) {
      for (int c = b + 1; c < 52; ++c) {
        for (int d = c + 1; d < 52; ++d) {
          for (int starter = 0; starter < 52; ++starter) {
            if (starter == a || starter == b || starter == c || starter == d) continue;
            cards[0] = a, cards[1] = b, cards[2] = c, cards[3] = d, cards[4] = starter;
            for (int i = 0; i < 5; ++i) s[i] = static_cast<unsigned char>(cards[i]);
            const int h = ScoreHand(s, 0);
            const int k = ScoreHand(s, 1);
            ASSERT_TRUE(h >= 0 && h <= 29 && k >= 0 && k <= 29) << a << ' ' << b << ' ' << c << ' ' << d;
            ++hand[h];
            ++crib[k];
            total += h;
            if (h != ReferenceScore(cards, false) || k != ReferenceScore(cards, true)) {
              if (++mismatches < 5) ADD_FAILURE() << "reference differs: " << a << ' ' << b << ' ' << c << ' ' << d << ' ' << starter;
            }
            // The breakdown word's fields add up to the total.
            const int w = ParseHand(s, 0), wc = ParseHand(s, 1);
            auto sum = [](int word) {
              return (word & 15) + 2 * ((word >> 4) & 7) + 2 * ((word >> 7) & 15) +
                     ((word & 0x800) ? 5 : (word & 0x1000) ? 4 : 0) + ((word >> 13) & 1);
            };
            if (sum(w) != h || sum(wc) != k || (w | wc) & 0xC000) {
              if (++breakdownMismatches < 5) ADD_FAILURE() << "breakdown differs: " << a << ' ' << b << ' ' << c << ' ' << d << ' ' << starter;
            }
          }
        }
      }
    }
  }
  EXPECT_EQ(mismatches, 0);
  EXPECT_EQ(breakdownMismatches, 0);

  int64_t deals = 0;
  for (int64_t n : hand) deals += n;
  EXPECT_EQ(deals, 12994800);
  for (int score = 0; score < 30; ++score) {
    EXPECT_EQ(hand[score], kPublishedHandCounts[score]) << "score " << score;
  }
  EXPECT_NEAR(static_cast<double>(total) / deals, 4.7692, 0.00005);
  for (int score = 0; score < 30; ++score) {
    EXPECT_EQ(crib[score], kCribCounts[score]) << "crib score " << score;
  }
}

}  // namespace

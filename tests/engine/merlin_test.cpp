// The Expert library's own judgement: its win-chance table, and decisions
// whose right answer is plain (pegging out, 31, keeping a big hand).
#include <gtest/gtest.h>

#include <string>

#include "engine/scoring.h"
#include "merlin/merlin.h"
#include "tests/support/card_string.h"

namespace {

std::basic_string<uint8_t> Bytes(const char* written) {
  std::basic_string<uint8_t> out;
  for (char c : kestrel::test::CardString(written)) out.push_back(osprey::CardByteOf(static_cast<unsigned char>(c)));
  return out;
}

TEST(MerlinWinChance, GrowsWithTheOwnScoreAndFallsWithTheOther) {
  EXPECT_NEAR(merlin::DealerWinChance(0, 0), 0.56, 0.02);  // the first deal is worth a little
  for (int a = 0; a < 120; a += 7)
    for (int b = 0; b < 120; b += 7) {
      EXPECT_LE(merlin::DealerWinChance(a, b), merlin::DealerWinChance(a + 1, b) + 1e-4) << a << " " << b;
      EXPECT_GE(merlin::DealerWinChance(a, b), merlin::DealerWinChance(a, b + 1) - 1e-4) << a << " " << b;
    }
  EXPECT_EQ(merlin::DealerWinChance(121, 120), 1.0);
  EXPECT_EQ(merlin::DealerWinChance(100, 121), 0.0);
  EXPECT_GT(merlin::DealerWinChance(120, 100), 0.95);
}

TEST(MerlinDiscard, KeepsThreeFives) {
  // Both roles keep the fives (positions 0..2) at any score; the pone keeps
  // the jack too, so that the king and the two go to the dealer's crib.
  const auto six = Bytes("5s 5c 5h Jd Ks 2c");
  for (int dealer : {0, 60, 110}) {
    const int word = static_cast<uint16_t>(merlin::ChooseDiscard(six.data(), dealer, 30));
    for (int choice : {word >> 8, word & 0xFF}) EXPECT_GE(choice & 15, 3) << dealer;
    if (dealer < 100) {
      EXPECT_EQ(word & 0xFF, 0x54) << dealer;
    }
  }
}

struct PegCase {
  const char* cards;  // mover's played, held, discards, starter, opponent's played
  int held, moverIsDealer, countIsEmpty, mover, opponent, expected;
  const char* why;
};

TEST(MerlinPegging, PlainDecisions) {
  const PegCase cases[] = {
      // Needing 2 at 119: the 5 on the ten makes fifteen and wins the game.
      {"5c 9d 2s Kh 3s 4d 7h Th", 4, 1, 0, 119, 100, 1, "pegs out"},
      // K, 5, 6 make 21: the ten makes 31 for 2 rather than 30 or 23.
      {"5c Td 9c 2s 4s 6d 8h Kh 6h", 3, 1, 0, 50, 50, 2, "takes 31"},
  };
  for (const PegCase& c : cases) {
    const auto s = Bytes(c.cards);
    EXPECT_EQ(merlin::ChoosePegPlay(s.data(), static_cast<int>(s.size()), c.held, c.moverIsDealer != 0,
                                    c.countIsEmpty != 0, c.mover, c.opponent),
              c.expected)
        << c.why;
  }
}

}  // namespace

// Card numbers, their rank, suit, pip value and written name.
#include <gtest/gtest.h>

#include "game/cards.h"

using namespace kestrel;

TEST(Cards, EncodingAceLowSuitsInOrder) {
  EXPECT_EQ(CardName(0), "As");
  EXPECT_EQ(CardName(12), "Ks");
  EXPECT_EQ(CardName(13 + 9), "Tc");
  EXPECT_EQ(CardName(51), "Kd");
  EXPECT_EQ(CardValue(10), 10);  // Jack
  EXPECT_EQ(CardValue(4), 5);
  EXPECT_EQ(CardRank(25), 13);
  EXPECT_EQ(CardName(52), "??");
}

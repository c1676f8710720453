// Marking cards of the dog-ear deck.
#include <gtest/gtest.h>

#include "game/card_marks.h"

using namespace kestrel;

TEST(CardMarks, ThirteenAtMostAndNonCardsAreRefused) {
  std::string marked;
  for (int card = 0; card < 14; ++card) {
    for (int notACard : {52, -1}) EXPECT_EQ(ToggleMarkedCard(marked, notACard), MarkChange::Refused);
    EXPECT_EQ(ToggleMarkedCard(marked, card * 4 % 51), card < 13 ? MarkChange::Added : MarkChange::Refused);
  }
  EXPECT_EQ(marked.size(), 13u);
  EXPECT_FALSE(IsMarkedCard(marked, 1) || IsMarkedCard(marked, -1));
  // Unmarking makes room again.
  EXPECT_EQ(ToggleMarkedCard(marked, 8), MarkChange::Removed);
  EXPECT_FALSE(IsMarkedCard(marked, 8));
  EXPECT_EQ(ToggleMarkedCard(marked, 51), MarkChange::Added);
  EXPECT_TRUE(IsMarkedCard(marked, 51));
  EXPECT_EQ(marked.back(), 51);
}

TEST(CardMarks, CleaningAStoredSet) {
  std::string stored{7, 7, static_cast<char>(200), 23};
  for (int card = 0; card < 20; ++card) stored.push_back(static_cast<char>(card));
  const std::string clean = CleanMarkedCards(stored);
  EXPECT_EQ(clean.size(), 13u);
  EXPECT_EQ(clean.substr(0, 3), (std::string{7, 23, 0}));
  EXPECT_EQ(CleanMarkedCards(""), "");
}

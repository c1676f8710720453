// Marking cards of the dog-ear deck.
#include <gtest/gtest.h>

#include "game/card_marks.h"

using namespace kestrel;

TEST(CardMarks, ThirteenAtMostAndAFourteenthIsRefused) {
  std::string marked;
  for (int card = 0; card < 13; ++card) EXPECT_EQ(ToggleMarkedCard(marked, card * 4), MarkChange::Added);
  EXPECT_EQ(marked.size(), 13u);
  EXPECT_EQ(ToggleMarkedCard(marked, 51), MarkChange::Refused);
  EXPECT_EQ(marked.size(), 13u);
  EXPECT_FALSE(IsMarkedCard(marked, 51));
  // Unmarking makes room again.
  EXPECT_EQ(ToggleMarkedCard(marked, 8), MarkChange::Removed);
  EXPECT_FALSE(IsMarkedCard(marked, 8));
  EXPECT_EQ(ToggleMarkedCard(marked, 51), MarkChange::Added);
  EXPECT_TRUE(IsMarkedCard(marked, 51));
  EXPECT_EQ(marked.back(), 51);
}

TEST(CardMarks, DefaultSetAndNonCards) {
  std::string marked{7, 23, 30, 40};
  EXPECT_TRUE(IsMarkedCard(marked, 23));
  EXPECT_FALSE(IsMarkedCard(marked, 0));
  EXPECT_EQ(ToggleMarkedCard(marked, 52), MarkChange::Refused);
  EXPECT_EQ(ToggleMarkedCard(marked, -1), MarkChange::Refused);
  EXPECT_FALSE(IsMarkedCard(marked, -1));
  EXPECT_EQ(marked, (std::string{7, 23, 30, 40}));
}

TEST(CardMarks, CleaningAStoredSet) {
  std::string stored{7, 7, static_cast<char>(200), 23};
  for (int card = 0; card < 20; ++card) stored.push_back(static_cast<char>(card));
  const std::string clean = CleanMarkedCards(stored);
  EXPECT_EQ(clean.size(), 13u);
  EXPECT_EQ(clean.substr(0, 3), (std::string{7, 23, 0}));
  EXPECT_EQ(CleanMarkedCards(""), "");
}

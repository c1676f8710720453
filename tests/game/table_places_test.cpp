// The table model phase by phase: which card stands face up or down in which
// lower place, sorted and unsorted, and the places the player clicks.
#include <gtest/gtest.h>

#include "game/cards.h"
#include "game/match_controller.h"
#include "game/table_places.h"
#include "tests/support/linked_engine.h"

namespace kestrel::testing {
namespace {

std::string Row(const TableModel& m, int from, int to) {
  std::string out;
  for (int p = from; p <= to; ++p) {
    const auto& e = m.loCard[p];
    if (!e.visible) {
      out += "-- ";
      continue;
    }
    const int card = CardOfCode(e.code);
    std::string name = card < 0 ? "??" : CardName(card);
    out += (IsFaceUp(e.code) ? name : "[" + name + "]") + " ";
  }
  out.pop_back();
  return out;
}

class TablePlaces : public ::testing::Test {
 protected:
  void SetUp() override {
    ClearTable(m);
    s.strPlayerHand = Cards("Ks 3h 9d Ac 3s 7c");
    s.strComputerHand = Cards("Qh 2c 8s Td 4d 5h");
  }
  TableModel m;
  GameState s;
};

TEST_F(TablePlaces, DealtUnsortedAndSorted) {
  s.intPhase = 1;
  ShowHands(m, s, true, true, false);
  EXPECT_EQ(Row(m, 0, 5), "Ks 3h 9d Ac 3s 7c");
  EXPECT_EQ(Row(m, 6, 11), "[Qh] [2c] [8s] [Td] [4d] [5h]");
  ShowHands(m, s, true, true, true);
  EXPECT_EQ(Row(m, 0, 5), "Ac 3s 3h 7c 9d Ks");  // rank, then card number (spades before hearts)
  EXPECT_EQ(s.strPlayerHand, Cards("Ks 3h 9d Ac 3s 7c"));
}

TEST_F(TablePlaces, ChoosingDiscardsShowsTheSelectionFaceDownWhereSortingPutsIt) {
  s.intPhase = 2;
  s.intSelectedCard = 0;  // the king
  MoveDiscardsToEnd(s.strComputerHand, 0, 1);
  ShowHands(m, s, true, true, true);
  EXPECT_EQ(Row(m, 0, 5), "Ac 3s 3h 7c 9d [Ks]");
  EXPECT_EQ(Row(m, 6, 11), "[2c] [Qh] [4d] [5h] [8s] [Td]");
  // Clicking the place with the ace selects the ace's own position.
  EXPECT_EQ(HandPositionOfPlace(m, s, 0), 3);
  EXPECT_EQ(PlaceOfHandCard(m, s, 3), 0);
  EXPECT_EQ(PlaceOfHandCard(m, s, -1), -1);
}

TEST_F(TablePlaces, PeggingClosesTheHandsTowardsTheOuterEnds) {
  s.intPhase = 4;
  s.intPlayerCardsLeft = 3;
  s.intComputerCardsLeft = 3;
  ClearLowerRow(m);
  ShowHands(m, s, true, true, false);
  EXPECT_EQ(Row(m, 0, 3), "Ks 3h 9d --");
  EXPECT_EQ(Row(m, 4, 5), "[3s] [7c]");
  EXPECT_EQ(Row(m, 6, 11), "[4d] [5h] -- [Qh] [2c] [8s]");
}

TEST_F(TablePlaces, AfterPeggingEverythingFaceUpWithTheCribInTheMiddle) {
  s.intPhase = 5;
  ShowHands(m, s, false, false, false);  // phase 5 draws both sides anyway
  EXPECT_EQ(Row(m, 0, 11), "Ks 3h 9d Ac 3s 7c 4d 5h Qh 2c 8s Td");
  ShowHands(m, s, false, false, true);
  EXPECT_EQ(Row(m, 0, 11), "Ac 3h 9d Ks 3s 4d 5h 7c 2c 8s Td Qh");
}

TEST_F(TablePlaces, ClearingAndUnderline) {
  s.intPhase = 3;
  ShowHands(m, s, true, true, false);
  EXPECT_EQ(Row(m, 0, 11), "Ks 3h 9d Ac [3s] [7c] [4d] [5h] [Qh] [2c] [8s] [Td]");
  m.leftGoVisible = true;
  m.hiCard[2] = CardElement{FaceUpCode(5), true};
  m.countVisible = true;
  ClearTable(m);
  EXPECT_EQ(Row(m, 0, 11), "-- -- -- -- -- -- -- -- -- -- -- --");
  EXPECT_FALSE(m.leftGoVisible);
  EXPECT_FALSE(m.countVisible);
  EXPECT_FALSE(m.hiCard[2].visible);
  EXPECT_EQ(m.hiCard[2].code, EmptyBackCode());
  UnderlineCounted(m, 2);
  EXPECT_TRUE(m.underlineVisible);
  EXPECT_EQ(m.underlineFirstPlace, 8);
}

}  // namespace
}  // namespace kestrel::testing

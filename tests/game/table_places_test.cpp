// The table model after pegging, sorted and unsorted, and cleared. (The places
// of the earlier phases show in the input and pegging tests.)
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

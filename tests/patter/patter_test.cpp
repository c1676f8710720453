// The patter table and the message line that carries a remark.
#include <gtest/gtest.h>

#include "patter/patter.h"

namespace kestrel {
namespace {

TEST(Patter, DefaultsKeysAndSlotText) {
  PatterTable patter;
  EXPECT_STREQ(PatterKey(0), "ViewOrMark");
  EXPECT_STREQ(PatterKey(55), "RedWinBy61Plus");
  EXPECT_STREQ(DefaultPatterText(8), "Dang!  You always seem to get first deal.");
  EXPECT_EQ(patter.Text(33), "Top that!");
  EXPECT_EQ(patter.Text(56), "");
  EXPECT_EQ(WithPatter("Play.", patter, 56).patterSlot, -1);
}

TEST(Patter, MessageLineCarriesAndRefreshesTheRemark) {
  PatterTable patter;
  const MessageLine line = WithPatter("I peg 6 points.", patter, 32);
  EXPECT_EQ(line.patterSlot, 32);
  EXPECT_EQ(VisibleMessage(line, false), "I peg 6 points.");
  EXPECT_EQ(VisibleMessage(line, true), "I peg 6 points.\rGotcha!");
  patter.SetText(32, "Custom & more");
  EXPECT_EQ(VisibleMessage(RefreshPatterLine(line, patter), true), "I peg 6 points.\rCustom & more");
  EXPECT_EQ(VisibleMessage(RefreshPatterLine("Play a card.", patter), true), "Play a card.");
  patter.LoadDefaultPatter();
  EXPECT_EQ(patter.Text(32), "Gotcha!");
}

}  // namespace
}  // namespace kestrel

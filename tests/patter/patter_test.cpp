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
  EXPECT_EQ(patter.PatterText(33), "Top that!\r33");
  EXPECT_EQ(patter.PatterText(56), "");
  EXPECT_EQ(patter.PatterText(-1), "");
}

TEST(Patter, MessageLineCarriesAndRefreshesTheRemark) {
  PatterTable patter;
  const std::string line = WithPatter("I peg 6 points.", patter, 32);
  EXPECT_EQ(line, "I peg 6 points.\rGotcha!\r32");
  EXPECT_EQ(PatterSlotOfMessage(line), 32);
  EXPECT_EQ(VisibleMessage(line, false), "I peg 6 points.");
  EXPECT_EQ(VisibleMessage(line, true), "I peg 6 points.\rGotcha!");
  patter.SetText(32, "Custom & more");
  EXPECT_EQ(RefreshPatterLine(line, patter), "I peg 6 points.\rCustom & more\r32");
  EXPECT_EQ(RefreshPatterLine("Play a card.", patter), "Play a card.");
  EXPECT_EQ(PatterSlotOfMessage("Play a card."), -1);
  patter.LoadDefaultPatter();
  EXPECT_EQ(patter.Text(32), "Gotcha!");
}

}  // namespace
}  // namespace kestrel

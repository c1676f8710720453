// The "Options" record and number lists.
#include <gtest/gtest.h>

#include "settings/options.h"

using namespace kestrel;

TEST(OptionsRecord, ShortRecordZeroesLaterFields) {
  Options o;
  ASSERT_TRUE(ParseOptionsRecord("13896,1,0", o));
  EXPECT_EQ(o.lngSeedOrPointer, 13896);
  EXPECT_TRUE(o.blnHints);
  EXPECT_FALSE(o.blnDetails);
  EXPECT_FALSE(o.blnAutoplay);
  EXPECT_FALSE(o.blnSort);
  EXPECT_EQ(o.intPatter, 0);
  EXPECT_EQ(o.intSounds, 0);
}

TEST(OptionsRecord, RoundTripAndEmpty) {
  Options o;
  o.lngSeedOrPointer = -2000000000;
  o.blnDetails = false;
  o.intPenalty = 2;
  o.intBackgroundIndex = 2;
  Options back;
  ASSERT_TRUE(ParseOptionsRecord(FormatOptionsRecord(o), back));
  EXPECT_EQ(FormatOptionsRecord(back), FormatOptionsRecord(o));
  EXPECT_EQ(FormatOptionsRecord(Options{}), "0,1,1,1,1,1,0,0,0,0,0,0,0,1,1,0");
  EXPECT_FALSE(ParseOptionsRecord("", back));
}

TEST(NumberList, LeadingNumbersAndRanges) {
  auto v = ParseNumberList(" 12abc,x,70000,-5,", 6);
  EXPECT_EQ(v, (std::vector<int32_t>{12, 0, 0, -5, 0, 0}));
  EXPECT_EQ(ParseNumberList("70000", 1, true)[0], 70000);
}

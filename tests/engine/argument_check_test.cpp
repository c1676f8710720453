// Argument checks of the scoring exports: every bad argument is reported
// once with the export's name and answered with -1; good arguments report
// nothing. The two decision exports are checked in decision_library_test,
// for every library that offers them.
// Card strings sit right before an unreadable page, so reading one byte more
// than the count allows would crash the test.
#include <gtest/gtest.h>
#include <string>

#include "engine/osprey32.h"
#include "tests/support/card_string.h"
#include "tests/support/engine_report.h"
#include "tests/support/guarded_bytes.h"

using kestrel::test::CardString;

namespace {

using kestrel::test::GuardedBytes;

class ArgumentChecks : public ::testing::Test {
 protected:
  void SetUp() override { kestrel::test::ClearEngineReports(); }

  // The call failed with exactly one report naming `name`.
  void ExpectRejected(int result, const char* name) {
    EXPECT_EQ(result, -1) << name;
    const auto reports = kestrel::test::EngineReports();
    ASSERT_EQ(reports.size(), 1u) << name;
    EXPECT_EQ(reports[0].text, std::string("OSPREY32.DLL: ") + name + "() argument error");
    EXPECT_EQ(reports[0].caption, "Call Terminated");
    kestrel::test::ClearEngineReports();
  }
  void ExpectAccepted(int result, const char* name) {
    EXPECT_NE(result, -1) << name;
    EXPECT_TRUE(kestrel::test::EngineReports().empty()) << name;
    kestrel::test::ClearEngineReports();
  }

  const unsigned char* Cards(const char* text) { return guard_.Place(CardString(text)); }
  const unsigned char* Bytes(const std::string& bytes) { return guard_.Place(bytes); }

  GuardedBytes guard_;
};

// Five-byte strings that are no hand: a byte above 51, bytes negative as
// signed bytes, a card twice (also as first and last byte).
const std::string kBadHands[] = {
    {0, 1, 2, 3, 52}, {0, 1, 2, 3, '\x80'}, {'\xff', 1, 2, 3, 4}, {0, 1, 2, 3, 2}, {9, 1, 2, 3, 9}};

TEST_F(ArgumentChecks, ScoreHandAndParseHandCheckFiveCards) {
  for (const std::string& bad : kBadHands) {
    ExpectRejected(ScoreHand(Bytes(bad), 0), "ScoreHand");
    ExpectRejected(ParseHand(Bytes(bad), 1), "ParseHand");
  }
  ExpectAccepted(ScoreHand(Bytes({0, 1, 2, 3, 51}), 0), "ScoreHand");
  ExpectAccepted(ParseHand(Bytes({0, 1, 2, 3, 51}), 1), "ParseHand");
  ExpectRejected(ScoreHand(nullptr, 0), "ScoreHand");
}

TEST_F(ArgumentChecks, ScorePegPlayChecksLengthAndCount) {
  ExpectAccepted(ScorePegPlay(Bytes(""), 0), "ScorePegPlay");
  ExpectAccepted(ScorePegPlay(Cards("5s"), 1), "ScorePegPlay");
  // Eight cards are the most, as long as they total 31 or less.
  const int eight = ScorePegPlay(Cards("As Ac Ah Ad 2s 2c 2h 2d"), 8);
  ExpectAccepted(eight, "ScorePegPlay");
  EXPECT_EQ(eight, 12);
  ExpectRejected(ScorePegPlay(Bytes(""), 9), "ScorePegPlay");
  ExpectRejected(ScorePegPlay(Bytes(""), -1), "ScorePegPlay");
  ExpectRejected(ScorePegPlay(Cards("Ks Qs Ts 2s"), 4), "ScorePegPlay");  // 32
  ExpectRejected(ScorePegPlay(Cards("Ks 5s Ks"), 3), "ScorePegPlay");
  ExpectRejected(ScorePegPlay(Bytes({5, 52}), 2), "ScorePegPlay");
}

TEST_F(ArgumentChecks, RandSeedTakesEveryValue) {
  EXPECT_EQ(RandSeed(-1), 0);
  EXPECT_EQ(RandSeed(0), 1897706405);
  EXPECT_EQ(RandSeed(1), -499554486);
  EXPECT_EQ(RandSeed(INT32_MAX), static_cast<int32_t>(0x80000000u * 1897706405u));
  EXPECT_EQ(RandSeed(RandSeed(0)), static_cast<int32_t>(1897706406u * 1897706405u));
  EXPECT_TRUE(kestrel::test::EngineReports().empty());
}

}  // namespace

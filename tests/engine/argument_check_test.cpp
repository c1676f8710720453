// Argument checks of the six exports: every bad argument is reported once
// with the export's name and answered with -1; good arguments report nothing.
// Card strings sit right before an unreadable page, so reading one byte more
// than the count allows would crash the test.
#include <gtest/gtest.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstring>
#include <string>

#include "engine/osprey32.h"
#include "tests/support/card_string.h"
#include "tests/support/engine_report.h"

using kestrel::test::CardString;

namespace {

// A readable page followed by an inaccessible one; Place() copies bytes so
// that they end exactly at the boundary.
class GuardedBytes {
 public:
  GuardedBytes() {
    page_ = static_cast<size_t>(sysconf(_SC_PAGESIZE));
    void* p = mmap(nullptr, 2 * page_, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    base_ = static_cast<unsigned char*>(p);
    mprotect(base_ + page_, page_, PROT_NONE);
  }
  ~GuardedBytes() { munmap(base_, 2 * page_); }
  const unsigned char* Place(const std::string& bytes) {
    unsigned char* start = base_ + page_ - bytes.size();
    std::memcpy(start, bytes.data(), bytes.size());
    return start;
  }

 private:
  size_t page_ = 0;
  unsigned char* base_ = nullptr;
};

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

TEST_F(ArgumentChecks, DiscardChecksScoresThenSixCards) {
  const unsigned char* six = Cards("As 2c 3h 4d 5s 6c");
  ExpectAccepted(Discard(six, 120, 0), "Discard");
  ExpectAccepted(Discard(six, 0, 120), "Discard");
  ExpectRejected(Discard(six, 121, 0), "Discard");
  ExpectRejected(Discard(six, 0, 121), "Discard");
  ExpectRejected(Discard(six, -1, 0), "Discard");
  ExpectRejected(Discard(six, 0, -1), "Discard");
  ExpectRejected(Discard(Cards("As 2c 3h 4d 5s As"), 0, 0), "Discard");
  ExpectRejected(Discard(Bytes({0, 1, 2, 3, 4, 60}), 0, 0), "Discard");
  // A bad score fails before any card is read.
  ExpectRejected(Discard(Bytes(""), 121, 0), "Discard");
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

// MakePegPlay strings: mover's played cards, its held cards, its discards,
// the starter, then the opponent's played cards.
struct PegCall {
  const char* cards;
  int held, moverIsDealer, countIsEmpty;
  int moverScore = 0, opponentScore = 0;
};

class MakePegPlayChecks : public ArgumentChecks {
 protected:
  int Call(const PegCall& c) {
    const std::string s = CardString(c.cards);
    return MakePegPlay(guard_.Place(s), static_cast<int16_t>(s.size()), static_cast<int16_t>(c.held),
                       static_cast<int16_t>(c.moverIsDealer), static_cast<int16_t>(c.countIsEmpty),
                       static_cast<int16_t>(c.moverScore), static_cast<int16_t>(c.opponentScore));
  }
};

TEST_F(MakePegPlayChecks, ScoresLengthHeldAndCards) {
  const std::string lead = CardString("Ts Qs 9c 8d 2s 3s 4d");
  auto call = [&](int length, int held, int mover, int opponent, const std::string& s) {
    return MakePegPlay(guard_.Place(s), static_cast<int16_t>(length), static_cast<int16_t>(held), 0, 1,
                       static_cast<int16_t>(mover), static_cast<int16_t>(opponent));
  };
  ExpectAccepted(call(7, 4, 120, 120, lead), "MakePegPlay");
  ExpectRejected(call(7, 4, 121, 0, lead), "MakePegPlay");
  ExpectRejected(call(7, 4, 0, 121, lead), "MakePegPlay");
  ExpectRejected(call(7, 4, -1, 0, lead), "MakePegPlay");
  ExpectRejected(call(6, 4, 0, 0, lead.substr(0, 6)), "MakePegPlay");
  ExpectRejected(call(12, 4, 0, 0, ""), "MakePegPlay");  // rejected before reading
  ExpectRejected(call(7, 5, 0, 0, lead), "MakePegPlay");
  ExpectRejected(call(7, -1, 0, 0, lead), "MakePegPlay");
  ExpectRejected(call(8, 4, 0, 0, lead + CardString("Ts")), "MakePegPlay");  // a card twice
  ExpectRejected(call(7, 4, 0, 0, lead.substr(0, 6) + '\x34'), "MakePegPlay");
}

TEST_F(MakePegPlayChecks, LegalHistoriesAreAnswered) {
  // The pone leads from a full hand; the dealer answers the pone's lead.
  // Any of the four cards may be chosen.
  for (const PegCall& c : {PegCall{"Ts Qs 9c 8d 2s 3s 4d", 4, 0, 1},
                           PegCall{"Ts Qs 9c 8d 2s 3s 4d 5c", 4, 1, 0}}) {
    const int position = Call(c);
    EXPECT_GE(position, 1);
    EXPECT_LE(position, 4);
  }
  // 10, K, Q (30): the opponent goes with 5 and 2 left, the mover goes, the
  // count restarts: 5, 9, 2; the mover plays its last card, the 8.
  EXPECT_EQ(Call({"Ts Qs 9c 8d 2s 3s 4d Ks 5c 2h", 1, 0, 0}), 4);
  // All four played: nothing left to play.
  EXPECT_EQ(Call({"Ts Qs 9c 8d 2s 3s 4d Ks 5c 2h 6h", 0, 0, 0}), 0);
  EXPECT_TRUE(kestrel::test::EngineReports().empty());
}

TEST_F(MakePegPlayChecks, IllegalHistoriesAreRejected) {
  // The opponent said go at 30 although its recorded Ace would have fitted.
  ExpectRejected(Call({"Ts Qs 9c 8d 2s 3s 4d Ks 5c Ah", 1, 0, 0}), "MakePegPlay");
  // The opponent said go at 10 while still holding four unknown cards.
  ExpectRejected(Call({"Ts Qs 9c 8d 2s 3s 4d", 3, 0, 0}), "MakePegPlay");
  // The mover said go at 20 although it held a 5.
  ExpectRejected(Call({"Ts 5d 9c 8d 2s 3s 4d Qs 6h", 3, 0, 0}), "MakePegPlay");
}

TEST_F(MakePegPlayChecks, EmptyCountNeedsNoPlayableCard) {
  // 10, Q, K make 30 and the opponent goes. Without the empty-count flag the
  // mover continues the count; with it, no held card may fit on 30.
  EXPECT_EQ(Call({"Ts Ks Ac 9d 2s 3s 4d Qs", 2, 0, 0}), 3);
  ExpectRejected(Call({"Ts Ks Ac 9d 2s 3s 4d Qs", 2, 0, 1}), "MakePegPlay");
  EXPECT_EQ(Call({"Ts Ks 2c 9d 2s 3s 4d Qs", 2, 0, 1}), 3);
  EXPECT_TRUE(kestrel::test::EngineReports().empty());
}

}  // namespace

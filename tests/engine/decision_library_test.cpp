// The contract of a decision library, run against the engine and against
// the Expert library libMerlin32.so (loaded by name, as the program loads
// it): the argument checks of Discard and MakePegPlay with their report and
// -1, legal and repeatable answers over many random hands and pegging
// positions, and the exported names. Card strings sit right before an
// unreadable page, so reading one byte more than the count allows crashes.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include "tests/support/shell_lines.h"

#include <cstdio>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "engine/osprey32.h"
#include "engine/scoring.h"
#include "tests/support/card_string.h"
#include "tests/support/engine_report.h"
#include "tests/support/guarded_bytes.h"
#include "tests/support/random_pegging.h"

using kestrel::test::CardString;

namespace {

struct Library {
  const char* name;     // as the test names it
  const char* file;     // in the program's folder; nullptr: the engine linked into the test
  const char* reports;  // the library's name in its argument-error report
  int hands, positions;  // random cases tried (the Expert library searches long)
};

const Library kLibraries[] = {
    {"Osprey", nullptr, "OSPREY32.DLL", 1500, 3000},
    {"Merlin", "libMerlin32.so", "MERLIN32.DLL", 200, 300},
};

class DecisionLibrary : public ::testing::TestWithParam<Library> {
 protected:
  void SetUp() override {
    kestrel::test::ClearEngineReports();
    if (!GetParam().file) {
      discard_ = &::Discard;
      makePegPlay_ = &::MakePegPlay;
      return;
    }
    const std::string path = std::string(KESTREL_BIN_DIR) + "/" + GetParam().file;
    handle_ = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(handle_, nullptr) << dlerror();
    discard_ = reinterpret_cast<DiscardFn>(dlsym(handle_, "Discard"));
    makePegPlay_ = reinterpret_cast<MakePegPlayFn>(dlsym(handle_, "MakePegPlay"));
    ASSERT_NE(discard_, nullptr);
    ASSERT_NE(makePegPlay_, nullptr);
  }
  void TearDown() override {
    if (handle_) dlclose(handle_);
  }

  // The call failed with exactly one report naming the export.
  void ExpectRejected(int result, const char* exportName) {
    EXPECT_EQ(result, -1) << exportName;
    const auto reports = kestrel::test::EngineReports();
    ASSERT_EQ(reports.size(), 1u) << exportName;
    EXPECT_EQ(reports[0].text, std::string(GetParam().reports) + ": " + exportName + "() argument error");
    EXPECT_EQ(reports[0].caption, "Call Terminated");
    kestrel::test::ClearEngineReports();
  }
  void ExpectAccepted(int result, const char* exportName) {
    EXPECT_NE(result, -1) << exportName;
    EXPECT_TRUE(kestrel::test::EngineReports().empty()) << exportName;
    kestrel::test::ClearEngineReports();
  }

  int Discard(const std::string& bytes, int dealer, int pone) {
    return discard_(guard_.Place(bytes), static_cast<int16_t>(dealer), static_cast<int16_t>(pone));
  }
  int Peg(const std::string& s, int length, int held, int moverIsDealer, int countIsEmpty, int mover = 0,
          int opponent = 0) {
    return makePegPlay_(guard_.Place(s), static_cast<int16_t>(length), static_cast<int16_t>(held),
                        static_cast<int16_t>(moverIsDealer), static_cast<int16_t>(countIsEmpty),
                        static_cast<int16_t>(mover), static_cast<int16_t>(opponent));
  }
  // A written MakePegPlay string: mover's played, held, discards, starter,
  // the opponent's played.
  int Peg(const char* written, int held, int moverIsDealer, int countIsEmpty) {
    const std::string s = CardString(written);
    return Peg(s, static_cast<int>(s.size()), held, moverIsDealer, countIsEmpty);
  }

  kestrel::test::GuardedBytes guard_;
  void* handle_ = nullptr;
  DiscardFn discard_ = nullptr;
  MakePegPlayFn makePegPlay_ = nullptr;
};

TEST_P(DecisionLibrary, DiscardChecksScoresThenSixCards) {
  const std::string six = CardString("As 2c 3h 4d 5s 6c");
  ExpectAccepted(Discard(six, 120, 0), "Discard");
  ExpectAccepted(Discard(six, 0, 120), "Discard");
  ExpectRejected(Discard(six, 121, 0), "Discard");
  ExpectRejected(Discard(six, 0, 121), "Discard");
  ExpectRejected(Discard(six, -1, 0), "Discard");
  ExpectRejected(Discard(six, 0, -1), "Discard");
  ExpectRejected(Discard(CardString("As 2c 3h 4d 5s As"), 0, 0), "Discard");
  ExpectRejected(Discard({0, 1, 2, 3, 4, 60}, 0, 0), "Discard");
  ExpectRejected(Discard({0, 1, 2, 3, 4, '\x80'}, 0, 0), "Discard");
  // A bad score fails before any card is read.
  ExpectRejected(Discard("", 121, 0), "Discard");
}

TEST_P(DecisionLibrary, MakePegPlayChecksScoresLengthHeldAndCards) {
  const std::string lead = CardString("Ts Qs 9c 8d 2s 3s 4d");
  ExpectAccepted(Peg(lead, 7, 4, 0, 1, 120, 120), "MakePegPlay");
  ExpectRejected(Peg(lead, 7, 4, 0, 1, 121, 0), "MakePegPlay");
  ExpectRejected(Peg(lead, 7, 4, 0, 1, 0, 121), "MakePegPlay");
  ExpectRejected(Peg(lead, 7, 4, 0, 1, -1, 0), "MakePegPlay");
  ExpectRejected(Peg(lead.substr(0, 6), 6, 4, 0, 1), "MakePegPlay");
  ExpectRejected(Peg("", 12, 4, 0, 1), "MakePegPlay");  // rejected before reading
  ExpectRejected(Peg(lead, 7, 5, 0, 1), "MakePegPlay");
  ExpectRejected(Peg(lead, 7, -1, 0, 1), "MakePegPlay");
  ExpectRejected(Peg(lead + CardString("Ts"), 8, 4, 1, 0), "MakePegPlay");  // a card twice
  ExpectRejected(Peg(lead.substr(0, 6) + '\x34', 7, 4, 0, 1), "MakePegPlay");
}

TEST_P(DecisionLibrary, MakePegPlayChecksTheHistory) {
  // 10, K, Q (30): the opponent goes with 5 and 2 left, the mover goes, the
  // count restarts: 5, 9, 2; the mover plays its last card, the 8.
  EXPECT_EQ(Peg("Ts Qs 9c 8d 2s 3s 4d Ks 5c 2h", 1, 0, 0), 4);
  EXPECT_EQ(Peg("Ts Qs 9c 8d 2s 3s 4d Ks 5c 2h 6h", 0, 0, 0), 0);  // nothing left to play
  // 10, Q, K make 30 and the opponent goes: with the empty-count flag no
  // held card may fit on 30; then either held card may start the new count.
  const int fresh = Peg("Ts Ks 2c 9d 2s 3s 4d Qs", 2, 0, 1);
  EXPECT_TRUE(fresh == 3 || fresh == 4) << fresh;
  EXPECT_TRUE(kestrel::test::EngineReports().empty());
  ExpectRejected(Peg("Ts Ks Ac 9d 2s 3s 4d Qs", 2, 0, 1), "MakePegPlay");
  // The opponent said go at 30 although its recorded Ace would have fitted.
  ExpectRejected(Peg("Ts Qs 9c 8d 2s 3s 4d Ks 5c Ah", 1, 0, 0), "MakePegPlay");
  // The opponent said go at 10 while still holding four unknown cards.
  ExpectRejected(Peg("Ts Qs 9c 8d 2s 3s 4d", 3, 0, 0), "MakePegPlay");
  // The mover said go at 20 although it held a 5.
  ExpectRejected(Peg("Ts 5d 9c 8d 2s 3s 4d Qs 6h", 3, 0, 0), "MakePegPlay");
}

TEST_P(DecisionLibrary, RandomHandsGiveValidRepeatableChoices) {
  kestrel::test::PegRandom random(2024);
  for (int n = 0; n < GetParam().hands; ++n) {
    const std::string hand = kestrel::test::RandomSixCards(random);
    const int dealer = random.Below(121), pone = random.Below(121);
    const int word = static_cast<uint16_t>(Discard(hand, dealer, pone));
    for (int choice : {word >> 8, word & 0xFF}) {
      ASSERT_LT(choice & 15, choice >> 4) << n;
      ASSERT_LE(choice >> 4, 5) << n;
    }
    ASSERT_EQ(static_cast<uint16_t>(Discard(hand, dealer, pone)), word) << n;
  }
}

TEST_P(DecisionLibrary, RandomPositionsGiveAFittingHeldCardOrZero) {
  kestrel::test::PegRandom random(99);
  int searched = 0, zeros = 0;
  for (int n = 0; n < GetParam().positions; ++n) {
    const auto pos = n % 8 == 0 ? kestrel::test::RandomLeadPosition(random)
                                : kestrel::test::RandomPeggingPosition(random);
    const int played = 4 - pos.held, length = static_cast<int>(pos.cards.size());
    bool anyFits = false;
    for (int i = played; i < 4; ++i)
      anyFits |= pos.count + osprey::Pip(osprey::CardByteOf(static_cast<unsigned char>(pos.cards[i]))) <= 31;
    auto call = [&] {
      return Peg(pos.cards, length, pos.held, pos.moverIsDealer, pos.countIsEmpty, pos.moverScore,
                 pos.opponentScore);
    };
    const int r = call();
    ASSERT_NE(r, -1) << n;
    if (!anyFits) {
      ASSERT_EQ(r, 0) << n;
      ++zeros;
      continue;
    }
    ASSERT_GT(r, played) << n;
    ASSERT_LE(r, 4) << n;
    const int pip = osprey::Pip(osprey::CardByteOf(static_cast<unsigned char>(pos.cards[r - 1])));
    ASSERT_LE(pos.count + pip, 31) << n;
    ASSERT_EQ(call(), r) << n;
    ++searched;
  }
  // The positions cover both outcomes in quantity.
  EXPECT_GT(searched, GetParam().positions / 2);
  EXPECT_GT(zeros, GetParam().positions / 60);
  EXPECT_TRUE(kestrel::test::EngineReports().empty());
}

INSTANTIATE_TEST_SUITE_P(Libraries, DecisionLibrary, ::testing::ValuesIn(kLibraries),
                         [](const auto& test) { return std::string(test.param.name); });


TEST(OpponentLibraries, ExportExactlyTheTwoDecisions) {
  for (const char* file : {"libMerlin32.so", "libGreedy32.so"}) {
    std::set<std::string> names;
    for (const std::string& line : Lines("nm -D --defined-only " + std::string(KESTREL_BIN_DIR) + "/" + file + " 2>&1"))
      names.insert(line.substr(line.rfind(' ') + 1));
    EXPECT_EQ(names, (std::set<std::string>{"Discard", "MakePegPlay"})) << file;
  }
}

TEST(OpponentLibraries, MerlinObjectsHoldNoWritableData) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "sanitizer metadata adds writable sections";
#else
  const std::string archive = std::string(KESTREL_BIN_DIR) + "/../merlin/libmerlin_core.a";
  std::vector<std::string> writable;
  for (const std::string& line : Lines("nm " + archive + " 2>&1")) {
    if (line.size() > 19 && (line[17] == 'd' || line[17] == 'D' || line[17] == 'b' || line[17] == 'B' ||
                             line[17] == 'C'))
      writable.push_back(line);
    EXPECT_EQ(line.find("No such file"), std::string::npos) << line;
  }
  EXPECT_TRUE(writable.empty()) << writable.front();
#endif
}

}  // namespace

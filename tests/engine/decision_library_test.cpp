// The decision libraries as the program loads them, by name from its folder:
// libOsprey32.so (the engine), libMerlin32.so (Expert) and libGreedy32.so
// (Easy). Each exports exactly its functions; one table of calls holds the
// argument checks (one report naming the export, and -1) of the libraries
// that check arguments and known decisions of the Expert and Easy libraries
// (the engine's own decisions are played through by the fixed match log);
// random hands and pegging positions get legal, repeatable answers from all
// three. Card strings sit right before an unreadable page, so reading one
// byte more than the count allows crashes the test.
#include <dlfcn.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "engine/osprey32.h"
#include "engine/scoring.h"
#include "merlin/merlin.h"
#include "tests/support/card_string.h"
#include "tests/support/engine_report.h"
#include "tests/support/guarded_bytes.h"
#include "tests/support/random_pegging.h"

using kestrel::test::CardString;

namespace {

enum : unsigned { kOsprey = 1, kMerlin = 2, kGreedy = 4, kChecking = kOsprey | kMerlin };

struct Library {
  const char* name;
  unsigned bit;
  const char* file;     // in the program's folder
  const char* reports;  // its name in argument-error reports (nullptr: it checks no arguments)
  std::set<std::string> exports;
  int hands, positions;  // random cases tried (the Expert library searches long)
};

void PrintTo(const Library& library, std::ostream* os) { *os << library.file; }

const Library kLibraries[] = {
    {"Osprey", kOsprey, "libOsprey32.so", "OSPREY32.DLL",
     {"Discard", "MakePegPlay", "ParseHand", "RandSeed", "ScoreHand", "ScorePegPlay"}, 1500, 3000},
    {"Merlin", kMerlin, "libMerlin32.so", "MERLIN32.DLL", {"Discard", "MakePegPlay"}, 200, 300},
    {"Greedy", kGreedy, "libGreedy32.so", nullptr, {"Discard", "MakePegPlay"}, 300, 1000},
};

// The output lines of a shell command (nm's listings).
std::vector<std::string> Lines(const std::string& command) {
  std::vector<std::string> lines;
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
  char buffer[512];
  while (pipe && std::fgets(buffer, sizeof buffer, pipe.get())) {
    lines.emplace_back(buffer);
    while (!lines.back().empty() && (lines.back().back() == '\n' || lines.back().back() == '\r'))
      lines.back().pop_back();
  }
  return lines;
}

// The checks of the exports and objects read them with nm (binutils).
bool HaveNm() { return std::system("nm --version >/dev/null 2>&1") == 0; }

// One call of an export. The answer -1 alone means rejected with one
// report; no answers means any answer but -1, and no report.
struct Call {
  unsigned libraries;
  const char* name;  // the export
  std::string cards;
  std::vector<int> args;  // the export's arguments after the card string
  std::vector<int> answers;
  const char* why;
};

std::vector<Call> Calls() {
  const std::string six = CardString("As 2c 3h 4d 5s 6c"), lead = CardString("Ts Qs 9c 8d 2s 3s 4d");
  const auto C = [](const char* written) { return CardString(written); };
  std::vector<Call> calls = {
      {kChecking, "Discard", six, {120, 0}, {}, "the dealer at 120"},
      {kChecking, "Discard", six, {0, 120}, {}, "the pone at 120"},
      {kChecking, "Discard", six, {121, 0}, {-1}, "the dealer at 121"},
      {kChecking, "Discard", six, {0, 121}, {-1}, "the pone at 121"},
      {kChecking, "Discard", six, {-1, 0}, {-1}, "a negative dealer score"},
      {kChecking, "Discard", six, {0, -1}, {-1}, "a negative pone score"},
      {kChecking, "Discard", C("As 2c 3h 4d 5s As"), {0, 0}, {-1}, "a card twice"},
      {kChecking, "Discard", {0, 1, 2, 3, 4, 60}, {0, 0}, {-1}, "a byte above 51"},
      {kChecking, "Discard", {0, 1, 2, 3, 4, '\x80'}, {0, 0}, {-1}, "a negative byte"},
      {kChecking, "Discard", "", {121, 0}, {-1}, "a bad score fails before any card is read"},
      {kChecking, "MakePegPlay", lead, {7, 4, 0, 1, 120, 120}, {}, "both at 120"},
      {kChecking, "MakePegPlay", lead, {7, 4, 0, 1, 121, 0}, {-1}, "the mover at 121"},
      {kChecking, "MakePegPlay", lead, {7, 4, 0, 1, 0, 121}, {-1}, "the opponent at 121"},
      {kChecking, "MakePegPlay", lead, {7, 4, 0, 1, -1, 0}, {-1}, "a negative score"},
      {kChecking, "MakePegPlay", lead.substr(0, 6), {6, 4, 0, 1, 0, 0}, {-1}, "six cards"},
      {kChecking, "MakePegPlay", "", {12, 4, 0, 1, 0, 0}, {-1}, "twelve: rejected before reading"},
      {kChecking, "MakePegPlay", lead, {7, 5, 0, 1, 0, 0}, {-1}, "five held"},
      {kChecking, "MakePegPlay", lead, {7, -1, 0, 1, 0, 0}, {-1}, "held below 0"},
      {kChecking, "MakePegPlay", lead + C("Ts"), {8, 4, 1, 0, 0, 0}, {-1}, "a card twice"},
      {kChecking, "MakePegPlay", lead.substr(0, 6) + '\x34', {7, 4, 0, 1, 0, 0}, {-1}, "a byte above 51"},
      // 10, K, Q (30): the opponent goes with 5 and 2 left, the mover goes,
      // the count restarts: 5, 9, 2; the mover plays its last card, the 8.
      {kChecking, "MakePegPlay", C("Ts Qs 9c 8d 2s 3s 4d Ks 5c 2h"), {10, 1, 0, 0, 0, 0}, {4}, "the last card"},
      {kChecking, "MakePegPlay", C("Ts Qs 9c 8d 2s 3s 4d Ks 5c 2h 6h"), {11, 0, 0, 0, 0, 0}, {0}, "none left"},
      // 10, Q, K make 30 and the opponent goes: with the empty-count flag no
      // held card may fit on 30; then either held card may start the new count.
      {kChecking, "MakePegPlay", C("Ts Ks 2c 9d 2s 3s 4d Qs"), {8, 2, 0, 1, 0, 0}, {3, 4}, "a fresh count"},
      {kChecking, "MakePegPlay", C("Ts Ks Ac 9d 2s 3s 4d Qs"), {8, 2, 0, 1, 0, 0}, {-1}, "the ace fits on 30"},
      {kChecking, "MakePegPlay", C("Ts Qs 9c 8d 2s 3s 4d Ks 5c Ah"), {10, 1, 0, 0, 0, 0}, {-1},
       "the opponent said go at 30 although its recorded Ace would have fitted"},
      {kChecking, "MakePegPlay", C("Ts Qs 9c 8d 2s 3s 4d"), {7, 3, 0, 0, 0, 0}, {-1},
       "the opponent said go at 10 while still holding four unknown cards"},
      {kChecking, "MakePegPlay", C("Ts 5d 9c 8d 2s 3s 4d Qs 6h"), {9, 3, 0, 0, 0, 0}, {-1},
       "the mover said go at 20 although it held a 5"},
      {kOsprey, "ScorePegPlay", "", {0}, {0}, "no card"},
      {kOsprey, "ScorePegPlay", C("5s"), {1}, {0}, "one card"},
      {kOsprey, "ScorePegPlay", C("As Ac Ah Ad 2s 2c 2h 2d"), {8}, {12}, "eight cards are the most"},
      {kOsprey, "ScorePegPlay", "", {9}, {-1}, "nine cards"},
      {kOsprey, "ScorePegPlay", "", {-1}, {-1}, "a negative length"},
      {kOsprey, "ScorePegPlay", C("Ks Qs Ts 2s"), {4}, {-1}, "a count of 32"},
      {kOsprey, "ScorePegPlay", C("Ks 5s Ks"), {3}, {-1}, "a card twice"},
      {kOsprey, "ScorePegPlay", {5, 52}, {2}, {-1}, "a byte above 51"},
      // The Expert's plain decisions. Needing 2 at 119: the 5 on the ten
      // makes fifteen and wins the game. K, 5, 6 make 21: the ten makes 31
      // for 2 rather than 30 or 23.
      {kMerlin | kGreedy, "MakePegPlay", C("5c 9d 2s Kh 3s 4d 7h Th"), {8, 4, 1, 0, 119, 100}, {1}, "pegs out"},
      {kMerlin, "MakePegPlay", C("5c Td 9c 2s 4s 6d 8h Kh 6h"), {9, 3, 1, 0, 50, 50}, {2}, "takes 31"},
      // Both roles keep the three fives (positions 0..2); the pone keeps the
      // jack too, so that the king and the two go to the dealer's crib.
      {kMerlin, "Discard", C("5s 5c 5h Jd Ks 2c"), {0, 30}, {0x4354, 0x5354, 0x5454}, "keeps three fives"},
      {kMerlin, "Discard", C("5s 5c 5h Jd Ks 2c"), {60, 30}, {0x4354, 0x5354, 0x5454}, "keeps three fives"},
      {kMerlin, "Discard", C("5s 5c 5h Jd Ks 2c"), {110, 30},
       {0x4343, 0x4353, 0x4354, 0x5343, 0x5353, 0x5354, 0x5443, 0x5453, 0x5454}, "keeps three fives"},
  };
  // Five-byte strings that are no hand: a byte above 51, bytes negative as
  // signed bytes, a card twice (also as first and last byte).
  for (const char* name : {"ScoreHand", "ParseHand"}) {
    for (const std::string& bad : {std::string{0, 1, 2, 3, 52}, std::string{0, 1, 2, 3, '\x80'},
                                   std::string{'\xff', 1, 2, 3, 4}, std::string{0, 1, 2, 3, 2},
                                   std::string{9, 1, 2, 3, 9}})
      calls.push_back({kOsprey, name, bad, {0}, {-1}, "no hand"});
    calls.push_back({kOsprey, name, {0, 1, 2, 3, 51}, {1}, {}, "a hand with the king of diamonds"});
  }
  return calls;
}

class DecisionLibrary : public ::testing::TestWithParam<Library> {
 protected:
  void SetUp() override {
    kestrel::test::ClearEngineReports();
    const std::string path = std::string(KESTREL_BIN_DIR) + "/" + GetParam().file;
    handle_ = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(handle_, nullptr) << dlerror();
  }
  void TearDown() override {
    if (handle_) dlclose(handle_);
  }
  template <typename Fn>
  Fn Export(const char* name) {
    return reinterpret_cast<Fn>(dlsym(handle_, name));
  }

  int Invoke(const std::string& name, const std::string& cards, const std::vector<int>& args) {
    const unsigned char* s = guard_.Place(cards);
    const auto a = [&](size_t i) { return static_cast<int16_t>(i < args.size() ? args[i] : 0); };
    if (name == "Discard") return Export<DiscardFn>("Discard")(s, a(0), a(1));
    if (name == "MakePegPlay") return Export<MakePegPlayFn>("MakePegPlay")(s, a(0), a(1), a(2), a(3), a(4), a(5));
    if (name == "ScoreHand") return Export<ScoreHandFn>("ScoreHand")(s, a(0));
    if (name == "ParseHand") return Export<ParseHandFn>("ParseHand")(s, a(0));
    return Export<ScorePegPlayFn>("ScorePegPlay")(s, a(0));
  }
  // The answer as the call expects it, with one argument-error report for a
  // rejected call and none otherwise.
  void ExpectAnswer(int result, const std::vector<int>& answers, const char* name) {
    const auto reports = kestrel::test::EngineReports();
    kestrel::test::ClearEngineReports();
    if (answers == std::vector<int>{-1}) {
      EXPECT_EQ(result, -1);
      ASSERT_EQ(reports.size(), 1u);
      EXPECT_EQ(reports[0].text, std::string(GetParam().reports) + ": " + name + "() argument error");
      EXPECT_EQ(reports[0].caption, "Call Terminated");
      return;
    }
    EXPECT_NE(result, -1);
    if (!answers.empty()) {
      EXPECT_THAT(answers, ::testing::Contains(result));
    }
    EXPECT_TRUE(reports.empty());
  }

  kestrel::test::GuardedBytes guard_;
  void* handle_ = nullptr;
};

TEST_P(DecisionLibrary, ExportsExactlyItsFunctions) {
  if (!HaveNm()) GTEST_SKIP() << "nm is not installed: the exports were NOT checked";
  std::set<std::string> names;
  for (const std::string& line : Lines("nm -D --defined-only " + std::string(KESTREL_BIN_DIR) + "/" +
                                       GetParam().file + " 2>&1"))
    names.insert(line.substr(line.rfind(' ') + 1));
  EXPECT_EQ(names, GetParam().exports);
}

TEST_P(DecisionLibrary, AnswersAndArgumentChecksOfTheTable) {
  for (const Call& call : Calls()) {
    if (!(call.libraries & GetParam().bit)) continue;
    SCOPED_TRACE(std::string(call.name) + ": " + call.why);
    ExpectAnswer(Invoke(call.name, call.cards, call.args), call.answers, call.name);
  }
  if (GetParam().bit == kOsprey) {
    ExpectAnswer(Export<ScoreHandFn>("ScoreHand")(nullptr, 0), {-1}, "ScoreHand");
  }
}

TEST_P(DecisionLibrary, RandomHandsGiveValidRepeatableChoices) {
  kestrel::test::PegRandom random(2024);
  for (int n = 0; n < GetParam().hands; ++n) {
    const std::string hand = kestrel::test::RandomSixCards(random);
    const std::vector<int> scores = {random.Below(121), random.Below(121)};
    const int word = static_cast<uint16_t>(Invoke("Discard", hand, scores));
    for (int choice : {word >> 8, word & 0xFF}) {
      ASSERT_LT(choice & 15, choice >> 4) << n;
      ASSERT_LE(choice >> 4, 5) << n;
    }
    ASSERT_EQ(static_cast<uint16_t>(Invoke("Discard", hand, scores)), word) << n;
  }
  EXPECT_TRUE(kestrel::test::EngineReports().empty());
}

TEST_P(DecisionLibrary, RandomPositionsGiveAFittingHeldCardOrZero) {
  kestrel::test::PegRandom random(99);
  int searched = 0, zeros = 0;
  for (int n = 0; n < GetParam().positions; ++n) {
    const auto pos = n % 8 == 0 ? kestrel::test::RandomLeadPosition(random)
                                : kestrel::test::RandomPeggingPosition(random);
    const int played = 4 - pos.held;
    bool anyFits = false;
    for (int i = played; i < 4; ++i)
      anyFits |= pos.count + osprey::Pip(osprey::CardByteOf(static_cast<unsigned char>(pos.cards[i]))) <= 31;
    const std::vector<int> args = {static_cast<int>(pos.cards.size()), pos.held, pos.moverIsDealer,
                                   pos.countIsEmpty, pos.moverScore, pos.opponentScore};
    const int r = Invoke("MakePegPlay", pos.cards, args);
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
    ASSERT_EQ(Invoke("MakePegPlay", pos.cards, args), r) << n;
    ++searched;
  }
  // The positions cover both outcomes in quantity.
  EXPECT_GT(searched, GetParam().positions / 2);
  EXPECT_GT(zeros, GetParam().positions / 60);
  EXPECT_TRUE(kestrel::test::EngineReports().empty());
}

INSTANTIATE_TEST_SUITE_P(Libraries, DecisionLibrary, ::testing::ValuesIn(kLibraries),
                         [](const auto& test) { return std::string(test.param.name); });

TEST(Exports, EngineObjectsHoldNoWritableData) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "sanitizer metadata adds writable sections";
#else
  if (!HaveNm()) GTEST_SKIP() << "nm is not installed: the engine's objects were NOT checked";
  // Data (d, D), zero-filled (b, B) and common (C) symbols of the engine's
  // and the Expert library's own objects.
  for (const char* archive : {"/../engine/libosprey_core.a", "/../merlin/libmerlin_core.a"}) {
    const std::vector<std::string> lines = Lines("nm " + std::string(KESTREL_BIN_DIR) + archive + " 2>&1");
    ASSERT_GT(lines.size(), 10u) << "nm read no symbols from " << archive;
    for (const std::string& line : lines) {
      EXPECT_FALSE(line.size() > 19 && std::string("dDbBC").find(line[17]) != std::string::npos) << line;
      EXPECT_EQ(line.find("No such file"), std::string::npos) << line;
    }
  }
#endif
}

TEST(Exports, WithoutAHostReportTheTextGoesToStandardError) {
  const std::string probe = std::string(KESTREL_BIN_DIR) + "/../tests/engine_report_probe";
  EXPECT_EQ(Lines(probe + " 2>&1"),
            (std::vector<std::string>{"Call Terminated: OSPREY32.DLL: ScoreHand() argument error", "-1"}));
}

TEST(MerlinWinChance, GrowsWithTheOwnScoreAndFallsWithTheOther) {
  EXPECT_NEAR(merlin::DealerWinChance(0, 0), 0.56, 0.02);  // the first deal is worth a little
  for (int a = 0; a < 120; a += 7)
    for (int b = 0; b < 120; b += 7) {
      EXPECT_LE(merlin::DealerWinChance(a, b), merlin::DealerWinChance(a + 1, b) + 1e-4) << a << " " << b;
      EXPECT_GE(merlin::DealerWinChance(a, b), merlin::DealerWinChance(a, b + 1) - 1e-4) << a << " " << b;
    }
  EXPECT_EQ(merlin::DealerWinChance(121, 120), 1.0);
  EXPECT_EQ(merlin::DealerWinChance(100, 121), 0.0);
  EXPECT_GT(merlin::DealerWinChance(120, 100), 0.95);
}

}  // namespace

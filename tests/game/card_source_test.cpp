// The card source: the default sequence, card data files, the reversion to
// the default sequence and the entry of a new seed or pointer.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <climits>
#include <set>
#include <string>
#include <vector>

#include "engine/osprey32.h"
#include "game/card_source.h"
#include "tests/support/scratch_dir.h"

using namespace kestrel;
using kestrel::testing::ScratchDir;

namespace {

int32_t EngineRandSeed(int32_t s) { return ::RandSeed(s); }

// The first card of the default sequence from a seed, worked out directly.
int FirstDefaultCard(int32_t seed) {
  for (;;) {
    seed = ::RandSeed(seed);
    int x = static_cast<int>((static_cast<uint32_t>(seed) >> 24) / 4);
    if ((x & 15) < 13) return (x / 16) * 13 + x % 16;
  }
}

struct Fixture {
  Options options;
  CardSource source{options, EngineRandSeed};
  std::vector<std::string> reversions;
  Fixture() {
    source.SetReversionHandler([this](const std::string& t) { reversions.push_back(t); });
  }
  void UseFile(const std::string& path, int32_t pointer) {
    options.intCardSource = 1;
    options.strDataFile = path;
    options.lngSeedOrPointer = pointer;
  }
};

std::string Bytes(std::initializer_list<int> values) {
  std::string s;
  for (int v : values) s += static_cast<char>(v);
  return s;
}

}  // namespace

TEST(CardSource, DataFileBytesGiveCardsAndSkipRanksAboveKing) {
  ScratchDir dir;
  std::string bytes;
  for (int b = 0; b < 40; ++b) bytes += static_cast<char>(b | (b == 5 ? 0xC0 : 0));  // high bits do not count
  bytes[1] = bytes[0];  // a repeated card is drawn again
  ScratchDir::Put(dir.File("cards.bin"), bytes);
  Fixture f;
  f.UseFile(dir.File("cards.bin"), 0);
  EXPECT_EQ(f.source.DrawCards(13), Bytes({0, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}));  // 0x0D..0x0F skipped
  EXPECT_EQ(f.options.lngSeedOrPointer, 17);
  EXPECT_EQ(f.options.intCardSource, 1);
  EXPECT_TRUE(f.reversions.empty());
}

// At the end of the file, or when it cannot be read, the deal goes on from
// the default sequence seeded with the pointer, reported once.
TEST(CardSource, EndOfFileOrAnUnreadableFileRevertsToTheDefaultSequence) {
  ScratchDir dir;
  ScratchDir::Put(dir.File("ten.bin"), Bytes({40, 41, 42, 43, 44, 45, 46, 47, 48, 0x23}));
  ASSERT_EQ(::mkdir(dir.File("folder").c_str(), 0755), 0);
  struct Case {
    std::string file;
    int32_t pointer;
    std::string firstCards, reversion;
  } cases[] = {
      // The last byte (suit 2, rank index 3), then the default sequence from 11.
      {"ten.bin", 9, std::string{2 * 13 + 3, static_cast<char>(FirstDefaultCard(11))}, "EOF reached"},
      {"missing.bin", 500, std::string{static_cast<char>(FirstDefaultCard(500))}, "file open/read error"},
      {"folder", 500, std::string{static_cast<char>(FirstDefaultCard(500))}, "file open/read error"},
  };
  for (const Case& c : cases) {
    Fixture f;
    f.UseFile(dir.File(c.file), c.pointer);
    EXPECT_EQ(f.source.DrawCards(13).substr(0, c.firstCards.size()), c.firstCards) << c.file;
    EXPECT_EQ(f.options.intCardSource, 0);
    f.source.DrawCards(13);
    EXPECT_EQ(f.reversions, std::vector<std::string>{"Reverting to default sequence (" + c.reversion + ")"}) << c.file;
  }
}

TEST(CardSource, PeekLeavesTheSourceWhereItWas) {
  ScratchDir dir;
  ScratchDir::Put(dir.File("short.bin"), Bytes({1, 2, 3}));
  Fixture f;
  f.UseFile(dir.File("short.bin"), 0);
  std::string peeked = f.source.PeekCards(13);
  EXPECT_EQ(f.options.lngSeedOrPointer, 0);
  EXPECT_EQ(f.options.intCardSource, 1);
  EXPECT_TRUE(f.reversions.empty());
  EXPECT_EQ(f.source.DrawCards(13), peeked);
  EXPECT_EQ(f.reversions.size(), 1u);
}

TEST(CardSource, AStuckGeneratorCannotHangADeal) {
  Options o;
  CardSource source(o, [](int32_t s) { return s; });  // never moves
  std::string deal = source.DrawCards(60);
  EXPECT_EQ(deal.size(), 52u);
  EXPECT_EQ(std::set<char>(deal.begin(), deal.end()).size(), 52u);
}

// What a typed seed or pointer becomes. (The panel's prompts and the pointer
// past the end of the file show in the seed entry test.)
TEST(CardSource, TypedSeedsAndPointers) {
  ScratchDir dir;
  ScratchDir::Put(dir.File("hundred.bin"), std::string(100, '\x01'));
  using E = CardSource::SeedEntry;
  struct Case {
    bool pointer;  // into the 100-byte file; else a seed
    const char* typed;
    E::Outcome outcome;
    int32_t stored;
  } cases[] = {
      {false, "  13896 ", E::kChanged, 13896}, {false, "   ", E::kUnchanged, 13896},
      {false, "13896", E::kUnchanged, 13896},  {false, "-2147483648", E::kChanged, INT32_MIN},
      {false, "2.5", E::kChanged, 2},  // to nearest, ties to even
      {false, "abc", E::kInvalid, 2},          {false, "12x", E::kInvalid, 2},
      {false, "2147483648", E::kInvalid, 2},   {false, "-2147483649", E::kInvalid, 2},
      {false, "1e5", E::kInvalid, 2},          {false, "0x10", E::kInvalid, 2},
      {false, "+", E::kInvalid, 2},            {false, ".", E::kInvalid, 2},
      {true, "99", E::kChanged, 99},           {true, "-1", E::kInvalid, 99},
  };
  Fixture f;
  for (const Case& c : cases) {
    if (c.pointer && f.options.intCardSource == 0) f.UseFile(dir.File("hundred.bin"), 0);
    const E e = f.source.ApplySeedEntry(c.typed);
    EXPECT_EQ(e.outcome, c.outcome) << c.typed;
    EXPECT_EQ(f.options.lngSeedOrPointer, c.stored) << c.typed;
    const std::string unchanged = c.pointer ? "File pointer unchanged." : "Seed unchanged.";
    EXPECT_EQ(e.message, c.outcome == E::kInvalid ? "New value out of range.\n\n" + unchanged : "") << c.typed;
  }
}

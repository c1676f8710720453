// The card source: the default sequence, card data files, the reversion to
// the default sequence and the entry of a new seed or pointer.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <set>
#include <string>
#include <vector>

#include "engine/osprey32.h"
#include "game/card_source.h"
#include "game/cards.h"
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

TEST(CardSource, SeedZeroStartsWithTheKingOfClubs) {
  EXPECT_EQ(::RandSeed(0), 1897706405);
  Fixture f;
  f.options.lngSeedOrPointer = 0;
  std::string deal = f.source.DrawCards(13);
  ASSERT_EQ(deal.size(), 13u);
  EXPECT_EQ(CardName(static_cast<unsigned char>(deal[0])), "Kc");
  EXPECT_EQ(f.options.intCardSource, 0);
  EXPECT_TRUE(f.reversions.empty());
}

TEST(CardSource, DataFileBytesGiveCardsAndSkipRanksAboveKing) {
  ScratchDir dir;
  std::string bytes;
  for (int b = 0; b < 40; ++b) bytes += static_cast<char>(b | (b == 5 ? 0xC0 : 0));  // high bits do not count
  bytes[1] = bytes[0];  // a repeated card is drawn again
  ScratchDir::Put(dir.File("cards.bin"), bytes);
  Fixture f;
  f.UseFile(dir.File("cards.bin"), 0);
  std::string deal = f.source.DrawCards(13);
  EXPECT_EQ(deal, Bytes({0, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}));  // 0x0D..0x0F skipped, 0x10 is 13
  EXPECT_EQ(f.options.lngSeedOrPointer, 17);
  EXPECT_EQ(f.options.intCardSource, 1);
  EXPECT_TRUE(f.reversions.empty());
}

TEST(CardSource, EndOfFileInTheMiddleOfADealGoesOnFromTheDefaultSequence) {
  ScratchDir dir;
  ScratchDir::Put(dir.File("ten.bin"), Bytes({40, 41, 42, 43, 44, 45, 46, 47, 48, 0x23}));
  Fixture f;
  f.UseFile(dir.File("ten.bin"), 9);
  std::string deal = f.source.DrawCards(2);
  ASSERT_EQ(deal.size(), 2u);
  EXPECT_EQ(deal[0], 2 * 13 + 3);              // the last byte: suit 2, rank index 3
  EXPECT_EQ(deal[1], FirstDefaultCard(11));    // then the default sequence seeded with 11
  EXPECT_EQ(f.options.intCardSource, 0);
  EXPECT_EQ(f.reversions, std::vector<std::string>{"Reverting to default sequence (EOF reached)"});
  // The next deal comes from the default sequence without another report.
  f.source.DrawCards(13);
  EXPECT_EQ(f.reversions.size(), 1u);
}

TEST(CardSource, UnreadableFileRevertsWithThePointerAsSeed) {
  ScratchDir dir;
  ASSERT_EQ(::mkdir(dir.File("folder").c_str(), 0755), 0);
  for (const std::string& path : {dir.File("missing.bin"), dir.File("folder")}) {
    Fixture f;
    f.UseFile(path, 500);
    std::string deal = f.source.DrawCards(13);
    EXPECT_EQ(deal[0], FirstDefaultCard(500)) << path;
    EXPECT_EQ(f.options.intCardSource, 0);
    EXPECT_EQ(f.reversions, std::vector<std::string>{"Reverting to default sequence (file open/read error)"});
  }
}

TEST(CardSource, HundredThousandDealsAreReproducibleAndDistinct) {
  auto run = [](int32_t seed) {
    Options o;
    o.lngSeedOrPointer = seed;
    CardSource source(o, EngineRandSeed);
    uint64_t hash = 1469598103934665603ull;
    for (int deal = 0; deal < 100000; ++deal) {
      std::string cards = source.DrawCards(13);
      std::set<char> distinct(cards.begin(), cards.end());
      if (cards.size() != 13 || distinct.size() != 13 || *distinct.begin() < 0 || *distinct.rbegin() > 51)
        ADD_FAILURE() << "deal " << deal;
      for (char c : cards) hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    }
    return hash;
  };
  uint64_t first = run(13896);
  EXPECT_EQ(run(13896), first);
  EXPECT_NE(run(13897), first);
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

TEST(CardSource, PromptsAndSeedEntry) {
  ScratchDir dir;
  ScratchDir::Put(dir.File("hundred.bin"), std::string(100, '\x01'));
  Fixture f;
  f.options.lngSeedOrPointer = 5;
  EXPECT_EQ(f.source.SourcePrompt(),
            "Enter a number (out to about plus or minus 2 billion) as new random seed.  This determines the card "
            "sequence.  E.g., try 13896 then start New Match.");
  using E = CardSource::SeedEntry;
  EXPECT_EQ(f.source.ApplySeedEntry("  13896 ").outcome, E::kChanged);
  EXPECT_EQ(f.options.lngSeedOrPointer, 13896);
  EXPECT_EQ(f.source.ApplySeedEntry("   ").outcome, E::kUnchanged);
  EXPECT_EQ(f.source.ApplySeedEntry("13896").outcome, E::kUnchanged);
  EXPECT_EQ(f.source.ApplySeedEntry("-2147483648").outcome, E::kChanged);
  EXPECT_EQ(f.source.ApplySeedEntry("2.5").value, 2);  // to nearest, ties to even
  for (const char* bad : {"abc", "12x", "2147483648", "-2147483649", "1e5", "0x10", "+", "."}) {
    E e = f.source.ApplySeedEntry(bad);
    EXPECT_EQ(e.outcome, E::kInvalid) << bad;
    EXPECT_EQ(e.message, "New value out of range.\n\nSeed unchanged.");
  }
  EXPECT_EQ(f.options.lngSeedOrPointer, 2);

  f.UseFile(dir.File("hundred.bin"), 0);
  EXPECT_EQ(f.source.SourcePrompt(),
            "Enter a number from 0 to 99 as a new pointer into the card data file.  At end of file, the card "
            "source reverts to Default Sequence with the last pointer as initial seed.");
  EXPECT_EQ(f.source.ApplySeedEntry("99").outcome, E::kChanged);
  EXPECT_EQ(f.source.ApplySeedEntry("100").message, "New value out of range.\n\nFile pointer unchanged.");
  EXPECT_EQ(f.source.ApplySeedEntry("-1").outcome, E::kInvalid);
  EXPECT_EQ(f.options.lngSeedOrPointer, 99);
}

// The six engine exports with whatever arguments the fuzzer makes. The first
// byte picks the export; card strings are copied into buffers exactly as long
// as the export may read, so one byte more is an AddressSanitizer error.
// Results are checked against the plain reference scorers: a valid hand
// scores what the reference says, anything else is -1.
#include <cstdint>
#include <cstring>
#include <memory>

#include "engine/osprey32.h"
#include "engine/scoring.h"
#include "tests/support/reference_score.h"
#include "tests/fuzz/fuzz_check.h"

namespace {

struct Input {
  const uint8_t* data;
  size_t size;
  size_t pos = 0;
  uint8_t Byte() { return pos < size ? data[pos++] : 0; }
  int16_t Short() { return static_cast<int16_t>(Byte() | (Byte() << 8)); }
  // A heap copy of exactly n bytes (n may be 0).
  std::unique_ptr<unsigned char[]> Bytes(size_t n) {
    std::unique_ptr<unsigned char[]> p(new unsigned char[n]);
    for (size_t i = 0; i < n; ++i) p[i] = Byte();
    return p;
  }
};

// n distinct card numbers 0..51?
bool ValidCards(const unsigned char* c, int n) {
  uint64_t seen = 0;
  for (int i = 0; i < n; ++i) {
    if (c[i] > 51 || (seen >> c[i] & 1)) return false;
    seen |= uint64_t{1} << c[i];
  }
  return true;
}

bool ScoreOk(int16_t s) { return static_cast<uint16_t>(s) <= 120; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Input in{data, size};
  switch (in.Byte() % 6) {
    case 0: {  // ScoreHand and ParseHand read five bytes
      auto hand = in.Bytes(5);
      int16_t isCrib = in.Short();
      int16_t total = ScoreHand(hand.get(), isCrib);
      int16_t word = ParseHand(hand.get(), isCrib);
      if (!ValidCards(hand.get(), 5)) {
        Check(total == -1 && word == -1);
        break;
      }
      int cards[5];
      for (int i = 0; i < 5; ++i) cards[i] = hand[i];
      const int expected = kestrel::test::ReferenceScore(cards, isCrib != 0);
      Check(total == expected && osprey::BreakdownTotal(word) == expected);
      break;
    }
    case 1: {  // ScorePegPlay reads `length` bytes when length is 0..8
      int16_t length = in.Short();
      if (in.Byte() & 1) length = static_cast<int16_t>(length & 15);
      const size_t n = static_cast<uint16_t>(length) <= 8 ? static_cast<size_t>(length) : 0;
      auto seq = in.Bytes(n);
      int16_t result = ScorePegPlay(seq.get(), length);
      int count = 0;
      bool valid = static_cast<uint16_t>(length) <= 8 && ValidCards(seq.get(), length);
      int cards[8];
      for (size_t i = 0; valid && i < n; ++i) {
        cards[i] = seq[i];
        count += seq[i] % 13 + 1 > 10 ? 10 : seq[i] % 13 + 1;
      }
      if (!valid || count > 31) {
        Check(result == -1);
        break;
      }
      Check(result == kestrel::test::ReferencePegScore(cards, static_cast<int>(n)));
      break;
    }
    case 2: {  // Discard reads six bytes
      auto hand = in.Bytes(6);
      int16_t dealer = in.Short(), pone = in.Short();
      if (in.Byte() & 1) {
        dealer = static_cast<int16_t>(static_cast<uint16_t>(dealer) % 121);
        pone = static_cast<int16_t>(static_cast<uint16_t>(pone) % 121);
      }
      int16_t result = Discard(hand.get(), dealer, pone);
      if (!ValidCards(hand.get(), 6) || !ScoreOk(dealer) || !ScoreOk(pone)) {
        Check(result == -1);
        break;
      }
      for (int choice : {(result >> 8) & 0xFF, result & 0xFF}) {
        const int i = choice & 15, j = choice >> 4;
        Check(i < j && j < 6);
      }
      break;
    }
    case 3: {  // MakePegPlay reads `length` bytes when length is 7..11
      int16_t length = static_cast<int16_t>(7 + in.Byte() % 5);
      if (in.Byte() == 0) length = in.Short();
      const size_t n = static_cast<uint16_t>(length) >= 7 && static_cast<uint16_t>(length) <= 11
                           ? static_cast<size_t>(length)
                           : 0;
      auto cards = in.Bytes(n);
      int16_t held = static_cast<int16_t>(in.Byte() % 6);
      int16_t moverIsDealer = in.Byte() & 1, countIsEmpty = in.Byte() & 1;
      int16_t mover = static_cast<int16_t>(in.Byte() % 122), opponent = static_cast<int16_t>(in.Byte() % 122);
      int16_t result = MakePegPlay(cards.get(), length, held, moverIsDealer, countIsEmpty, mover, opponent);
      if (result == -1) break;  // the history check is the engine's own
      Check(n > 0 && held <= 4 && ValidCards(cards.get(), static_cast<int>(n)) && ScoreOk(mover) &&
            ScoreOk(opponent));
      const int played = 4 - held;
      Check(result == 0 || (result > played && result <= 4));
      break;
    }
    case 4: {  // RandSeed: a pure function
      int32_t state = static_cast<int32_t>(static_cast<uint32_t>(in.Short()) << 16 | static_cast<uint16_t>(in.Short()));
      Check(RandSeed(state) == RandSeed(state));
      break;
    }
    default: {  // ParseHand alone with a crib flag from the whole 16 bits
      auto hand = in.Bytes(5);
      int16_t word = ParseHand(hand.get(), in.Short());
      Check((word == -1) == !ValidCards(hand.get(), 5));
      break;
    }
  }
  return 0;
}

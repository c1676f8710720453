// The argument checks of the exports, in the order they are made, and the
// report of a failed check.
#include <dlfcn.h>

#include <cstdio>

#include "engine/osprey32.h"
#include "engine/scoring.h"

namespace osprey {
namespace {

// A game score passes when, read as an unsigned 16-bit number, it is 0..120.
bool ScoreOk(int16_t score) { return static_cast<uint16_t>(score) <= 120; }

}  // namespace

bool CheckDiscardArguments(const unsigned char* hand, int16_t dealerScore, int16_t poneScore,
                           CardByte cards[6]) {
  return ScoreOk(dealerScore) && ScoreOk(poneScore) && ParseCards(hand, 6, cards) != kParseRejected;
}

bool CheckHandArguments(const unsigned char* hand, CardByte cards[5]) {
  return ParseCards(hand, 5, cards) != kParseRejected;
}

bool CheckPegPlayArguments(const unsigned char* sequence, int16_t length, CardByte cards[8]) {
  if (static_cast<uint16_t>(length) > 8) return false;
  return ParseCards(sequence, length, cards) <= 31;  // a rejected string (255) fails too
}

bool CheckMakePegPlayArguments(const unsigned char* text, int16_t length, int16_t held,
                               int16_t moverIsDealer, int16_t countIsEmpty, int16_t moverScore,
                               int16_t opponentScore, CardByte cards[11]) {
  if (!ScoreOk(moverScore) || !ScoreOk(opponentScore)) return false;
  const uint16_t n = static_cast<uint16_t>(length);
  if (n < 7 || n > 11) return false;
  if (static_cast<uint16_t>(held) > 4) return false;
  if (ParseCards(text, n, cards) == kParseRejected) return false;
  return CheckPlayHistory(cards, n, held, moverIsDealer != 0, countIsEmpty != 0);
}

int16_t ArgumentError(const char* exportName, const char* library) {
  char text[96];
  std::snprintf(text, sizeof text, "%s: %s() argument error", library, exportName);
  const char caption[] = "Call Terminated";
  // The host is looked up at the moment of the error, so nothing is cached.
  void* symbol = dlsym(RTLD_DEFAULT, "KestrelEngineReport");
  if (symbol != nullptr) {
    reinterpret_cast<KestrelEngineReportFn>(symbol)(text, caption);
  } else {
    std::fprintf(stderr, "%s: %s\n", caption, text);
  }
  return -1;
}

}  // namespace osprey

// Engine internals shared by the exports and the decision code: the internal
// card byte, card parsing, hand and pegging scoring, the pegging-history
// check and the argument checks with their error report.
#pragma once

#include <cstdint>

namespace osprey {

// ---------------------------------------------------------------------------
// Card bytes. A card number 0..51 (suit * 13 + rank index) becomes one byte:
// low nibble the rank 1..13 (Ace 1, King 13), high nibble exactly one suit bit
// (0x10 << suit). Two cards share a suit when the AND of their bytes' high
// nibbles is non-zero. A byte with low nibble 0 is an empty slot: never part of
// a pair or run, and worth 15 pips in the fifteen search so it never makes one.
// ---------------------------------------------------------------------------
using CardByte = uint8_t;

inline constexpr CardByte kEmptySlot = 0;
inline constexpr uint8_t kSuitMask = 0xF0;
inline constexpr uint8_t kRankMask = 0x0F;

constexpr CardByte CardByteOf(int cardNumber) {
  return static_cast<CardByte>((cardNumber % 13 + 1) | (0x10 << (cardNumber / 13)));
}
constexpr int Rank(CardByte card) { return card & kRankMask; }
constexpr int SuitBits(CardByte card) { return card & kSuitMask; }
constexpr bool SameSuit(CardByte a, CardByte b) { return (a & b & kSuitMask) != 0; }

// Pip value by rank nibble: 1..10 as is, court cards 10, empty slot (and the
// unused nibbles 14, 15) 15.
inline constexpr uint8_t kPipOfRank[16] = {15, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 10, 10, 10, 15, 15};
constexpr int Pip(CardByte card) { return kPipOfRank[card & kRankMask]; }

// ---------------------------------------------------------------------------
// ParseCards: reads exactly `count` bytes of a caller's card string (count of
// 0 or less reads nothing), rejects a byte that is negative as a signed byte
// or above 51 and a card that appears twice, stores the card bytes in `out`
// (room for `count` bytes) and returns the pip total, or kParseRejected at
// the first rejected byte. A null string with a positive count is rejected.
// ---------------------------------------------------------------------------
inline constexpr int kParseRejected = 255;
int ParseCards(const unsigned char* text, int count, CardByte* out);

// ---------------------------------------------------------------------------
// Hand scoring at the show: cards[0..3] the hand or crib, cards[4] the starter.
// ScoreShowTotal returns the points 0..29; ScoreShowBreakdown the breakdown
// word: bits 0-3 run points, 4-6 pairs, 7-10 fifteens, 11 five-card flush,
// 12 flush of four or five, 13 his nobs. ScoreShow picks one by `breakdown`.
// In the crib a four-card flush scores nothing. No allocation, no failure.
// ---------------------------------------------------------------------------
int ScoreShowTotal(const CardByte cards[5], bool isCrib);
int ScoreShowBreakdown(const CardByte cards[5], bool isCrib);
inline int ScoreShow(const CardByte cards[5], bool isCrib, bool breakdown) {
  return breakdown ? ScoreShowBreakdown(cards, isCrib) : ScoreShowTotal(cards, isCrib);
}

// Fields of a breakdown word.
inline constexpr int BreakdownRunPoints(int word) { return word & 0x0F; }
inline constexpr int BreakdownPairs(int word) { return (word >> 4) & 0x07; }
inline constexpr int BreakdownFifteens(int word) { return (word >> 7) & 0x0F; }
inline constexpr bool BreakdownFiveFlush(int word) { return (word >> 11) & 1; }
inline constexpr bool BreakdownFlush(int word) { return (word >> 12) & 1; }
inline constexpr bool BreakdownNobs(int word) { return (word >> 13) & 1; }
// The total a breakdown word stands for.
inline constexpr int BreakdownTotal(int word) {
  return BreakdownRunPoints(word) + 2 * BreakdownPairs(word) + 2 * BreakdownFifteens(word) +
         (BreakdownFiveFlush(word) ? 5 : BreakdownFlush(word) ? 4 : 0) + (BreakdownNobs(word) ? 1 : 0);
}

// ---------------------------------------------------------------------------
// Pegging: the points the last of `n` cards of the current count earns
// (cards oldest first): 2 for a count of 15 or 31, plus pair points (2, 6,
// 12) or else the longest run ending with the last card (3..7). n below 2
// scores 0. Go and last card are not scored here.
// ---------------------------------------------------------------------------
int ScorePegCount(const CardByte* cards, int n);

// ---------------------------------------------------------------------------
// The pegging history of MakePegPlay's string (already parsed into card
// bytes): cards[0..P-1] the mover's played cards (P = 4 - held), cards[P..3]
// its held cards, cards[4..5] its discards, cards[6] the starter,
// cards[7..length-1] the opponent's played cards. Replays the hand (the pone
// leads, turns alternate, a player plays its next recorded card if it fits,
// otherwise says go) and returns whether it is a legal history. When
// accepted and `replayedCount` is given, it receives the count at the mover's
// turn (before the count-is-empty flag is applied).
// ---------------------------------------------------------------------------
bool CheckPlayHistory(const CardByte* cards, int length, int held, bool moverIsDealer,
                      bool countIsEmpty, int* replayedCount = nullptr);

// ---------------------------------------------------------------------------
// Argument checks of the exports, in the order the exports make them. Each
// returns true and fills the parsed card bytes when every check passes; it
// reports nothing itself (the export calls ArgumentError on false).
// ---------------------------------------------------------------------------
bool CheckDiscardArguments(const unsigned char* hand, int16_t dealerScore, int16_t poneScore,
                           CardByte cards[6]);
bool CheckHandArguments(const unsigned char* hand, CardByte cards[5]);
bool CheckPegPlayArguments(const unsigned char* sequence, int16_t length, CardByte cards[8]);
bool CheckMakePegPlayArguments(const unsigned char* text, int16_t length, int16_t held,
                               int16_t moverIsDealer, int16_t countIsEmpty, int16_t moverScore,
                               int16_t opponentScore, CardByte cards[11]);

// Reports "<library>: <exportName>() argument error" with the caption
// "Call Terminated" through the host's KestrelEngineReport when the process
// provides one (looked up by name now), else on standard error; returns -1.
// The engine's own exports report as "OSPREY32.DLL".
int16_t ArgumentError(const char* exportName, const char* library = "OSPREY32.DLL");

// The next state of the random generator: (state + 1) * 0x711CB3A5 mod 2^32.
constexpr int32_t NextRandom(int32_t state) {
  return static_cast<int32_t>((static_cast<uint32_t>(state) + 1u) * 1897706405u);
}

}  // namespace osprey

// Cards as the program holds them: one byte 0..51 per card, suit * 13 + rank
// index, Ace low; suits written "schd", ranks "A23456789TJQK".
#pragma once

#include <string>

namespace kestrel {

inline constexpr char kRankLetters[] = "A23456789TJQK";
inline constexpr char kSuitLetters[] = "schd";

// Rank 1..13 of a card number.
inline int CardRank(int card) { return card % 13 + 1; }
// Suit index 0..3 of a card number.
inline int CardSuit(int card) { return card / 13; }
// Pip value used for fifteens and the pegging count.
inline int CardValue(int card) { return CardRank(card) > 10 ? 10 : CardRank(card); }

// Rank letter then suit letter, e.g. "Ks".
std::string CardName(int card);

}  // namespace kestrel

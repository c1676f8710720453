// The marked cards of the dog-ear deck: one byte per card number, at most 13.
#pragma once

#include <cstddef>
#include <string>

namespace kestrel {

inline constexpr std::size_t kMaxMarkedCards = 13;

enum class MarkChange { Added, Removed, Refused };

// True when card (0..51) is in the marked set.
bool IsMarkedCard(const std::string& marked, int card);

// A click on a card of the deck view: a marked card loses its mark; an
// unmarked one gains it while fewer than 13 are marked; otherwise nothing
// changes and the caller beeps (Refused). Numbers outside 0..51 are refused.
MarkChange ToggleMarkedCard(std::string& marked, int card);

// A stored set made safe: bytes that are no card and repeats are dropped,
// and only the first 13 cards are kept.
std::string CleanMarkedCards(const std::string& stored);

}  // namespace kestrel

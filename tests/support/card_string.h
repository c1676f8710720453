// Builds engine card strings from written cards for tests: "5s Jd Tc" gives
// the bytes of the five of spades, Jack of diamonds, Ten of clubs.
#pragma once

#include <string>

namespace kestrel::test {

// Card numbers (suit * 13 + rank index) of blank-separated rank-suit pairs,
// ranks "A23456789TJQK", suits "schd". Throws std::invalid_argument on a typo.
std::string CardString(const std::string& text);

}  // namespace kestrel::test

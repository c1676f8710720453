// Written cards to engine card strings, for tests.
#include "tests/support/card_string.h"

#include <cstring>
#include <sstream>
#include <stdexcept>

namespace kestrel::test {

std::string CardString(const std::string& text) {
  static const char kRanks[] = "A23456789TJQK";
  static const char kSuits[] = "schd";
  std::istringstream in(text);
  std::string word;
  std::string bytes;
  while (in >> word) {
    const char* rank = word.size() == 2 ? std::strchr(kRanks, word[0]) : nullptr;
    const char* suit = word.size() == 2 ? std::strchr(kSuits, word[1]) : nullptr;
    if (!rank || !suit || !*rank || !*suit) throw std::invalid_argument("bad card: " + word);
    bytes.push_back(static_cast<char>((suit - kSuits) * 13 + (rank - kRanks)));
  }
  return bytes;
}

}  // namespace kestrel::test
